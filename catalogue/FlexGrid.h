#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <string>
#include <string_view>
#include <vector>

namespace kbs {

// The cells of the grid: one packed UTF-8 string per row (cell end offsets, then the texts),
// so that 100,000 rows cost one allocation each and texts become QStrings only when shown.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Shape: body rows (below the heading) and columns.
    void reshape(int bodyRows, int cols);
    void clearCells();
    QString cell(int bodyRow, int col) const;
    std::string_view cellUtf8(int bodyRow, int col) const;
    void setCell(int bodyRow, int col, const QString& text);
    void setRowUtf8(int bodyRow, const std::string_view* cells, int n);
    QString heading(int col) const;
    void setHeading(int col, const QString& text);

    // Stable sort of the body rows by one column: numbers before texts, numbers by value,
    // texts without regard to case, then exactly.
    void sortBy(int col, bool ascending);

private:
    static std::string packRow(const std::string_view* cells, int n, int cols);
    std::vector<std::string> m_rows;
    QStringList m_headings;
    int m_cols = 0;
};

// The record grid: a table view with the members the catalogue window's code uses.
// Row 0 is the heading row when FixedRows is 1; Row 0 then means no record row is current.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int rows() const { return m_fixedRows + m_model.rowCount(); }
    void setRows(int n);
    int cols() const { return m_model.columnCount(); }
    void setCols(int n);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int n);

    int row() const { return m_row; }
    void setRow(int r);
    // Makes r the current row without raising the grid's events (0: no record row).
    void setRowQuietly(int r);
    int col() const { return m_col; }
    void setCol(int c);
    int rowSel() const { return m_rowSel; }
    void setRowSel(int r);
    int colSel() const { return m_colSel; }
    void setColSel(int c);
    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }

    QString textMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const QString& text);
    std::string_view textMatrixUtf8(int r, int c) const;
    // Fill a whole row at once (grid row r, cells 0..n-1).
    void setRowTexts(int r, const std::string_view* cells, int n);

    int colWidth(int c) const;  // twips
    void setColWidth(int c, int twips);
    void setSort(int how);  // 1 ascending, 2 descending, by Col
    void setSelectionModeValue(int mode);
    void clear();

    FlexGridModel& model() { return m_model; }

Q_SIGNALS:
    void Click();
    void SelChange();
    void EnterCell();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveCurrent(int r, int c, bool extend);
    void syncView();
    int gridRowAt(const QPoint& viewportPos) const;

    FlexGridModel m_model;
    int m_fixedRows = 1;
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    int m_mouseRow = 0;
    int m_mouseCol = 0;
    int m_selectionMode = 0;
    bool m_dragging = false;
    bool m_syncing = false;
};

}  // namespace kbs
