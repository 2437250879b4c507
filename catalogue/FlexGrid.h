#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <string>
#include <string_view>
#include <vector>

#include "RecordSet.h"

namespace kbs {

// The cells of the grid, read from the record set's snapshot without a copy: the grid holds
// only the order of the rows it shows, as the record set's row slots. Sorting sorts that order;
// a saved, added or deleted record changes one row. Rows beyond the snapshot's show nothing.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    using Slot = RecordSet::Slot;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Shape: body rows (below the heading) and columns; added rows are blank.
    void reshape(int bodyRows, int cols);
    void clearCells();
    QString cell(int bodyRow, int col) const;
    std::string_view cellUtf8(int bodyRow, int col) const;
    QString heading(int col) const;
    void setHeading(int col, const QString& text);

    // The body rows become the records of rs, in its order.
    void showRecords(const RecordSet& rs);
    // Whether the body rows are the records of rs.
    bool showsRecordsOf(const RecordSet& rs) const { return m_source == &rs; }
    // Forgets the record set, which is closing: the body rows show nothing.
    void detach();
    int rowOfSlot(Slot slot) const;           // -1 when no row shows it
    void slotChanged(Slot slot);              // its texts were changed in place
    void appendSlot(Slot slot);               // a new record, listed last
    void insertSlot(Slot slot, int bodyRow);  // a record brought back, at its row
    void removeSlot(Slot slot);               // a deleted record

    // Stable sort of the body rows by one column: numbers before texts, numbers by value,
    // texts without regard to case, then exactly.
    void sortBy(int col, bool ascending);

private:
    static constexpr Slot kBlank = ~Slot(0);
    const RecordSet* m_source = nullptr;
    std::vector<Slot> m_rows;  // the slot each body row shows, or kBlank
    mutable std::string m_scratch;
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
    std::string_view textMatrixUtf8(int r, int c) const;
    // Writes a heading (r below FixedRows); the body rows show the record set's texts.
    void setTextMatrix(int r, int c, const QString& text);

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
