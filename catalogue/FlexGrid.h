#pragma once

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QStringList>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "LongTextSearch.h"
#include "OwnFields.h"
#include "RecordFilter.h"
#include "RecordGroups.h"
#include "RecordSet.h"

namespace kbs {

// The cells of the grid, read from the record set's snapshot without a copy: the grid holds
// only the order of the rows it shows, as the record set's row slots. Sorting sorts that order;
// a saved, added or deleted record changes one row. Rows beyond the snapshot's show nothing.
//
// Under a filter the body rows are the records it lets through, in the grid's order: shownSlots()
// is the one list of which records the grid shows and in which order. A record saved or added
// under the filter stays shown until the filter changes.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Slot = RecordSet::Slot;
    explicit FlexGridModel(QObject* parent = nullptr);

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

    // Stable sort of the records by one column: numbers before texts, numbers by value,
    // texts without regard to case, then exactly. Under a filter the rows it shows keep it.
    void sortBy(int col, bool ascending);
    // The same sort by the values of a collector's own field (`field`: its place in
    // all.fields): numbers, amounts and yes/no by value, dates in time order, texts as above.
    void sortByOwnField(const ownfields::AllValues& all, std::size_t field, bool ascending);
    // The collector's own fields as columns after the described ones, their values read from
    // `values` (null while there are none to read) as they are shown.
    using OwnValues = std::function<const ownfields::AllValues*()>;
    void setOwnColumns(OwnValues values, const std::vector<ownfields::Field>& fields);
    int ownColumnCount() const { return int(m_ownIds.size()); }
    std::int64_t ownFieldOfColumn(int col) const { return m_ownIds.at(size_t(col - m_cols)); }

    // ---- the filter (FlexGridFilter.cpp)
    // Shows only the records the filter lets through and that are in the group chosen; an
    // empty filter and no group show every record. The records are looked through in slices
    // of a few milliseconds between events, so typing never waits for them; filterApplied()
    // says when the rows show the result. Setting one keeps the other.
    void setFilter(const RecordFilter& filter);
    void setGroup(const GroupChoice& group);
    const GroupChoice& group() const { return m_group; }
    bool isFiltered() const { return !m_filter.isEmpty() || !m_group.isEmpty(); }
    bool isFiltering() const { return m_pass.running; }
    const std::vector<Slot>& shownSlots() const { return m_rows; }
    std::size_t recordTotal() const { return m_order.size(); }
    // The longest a slice of a pass may take (8 ms); a shorter one makes any pass run in
    // several slices, as a slow machine would.
    void setSliceMs(qint64 ms) { m_sliceMs = ms; }

Q_SIGNALS:
    void filterApplied();
    // A pass longer than a slice shows what its first slice found at once, before the rest:
    // the rows are then a part of the result, in its order, while isFiltering().
    void firstSliceShown();

private:
    // A pass of the filter over the records it may let through.
    struct Pass {
        bool running = false;
        std::vector<Slot> candidates;
        std::size_t next = 0;
        unsigned changesAtStart = 0;
        bool shownFirst = false;  // the rows show what the first slice found
        // The records only a long value not yet searched can tell, and those values.
        std::vector<Slot> waiting;
        std::vector<LongTextSearch::Value> asked;
    };
    void narrow(const RecordFilter& filter, const GroupChoice& group);
    void runSlice();
    void showFirstSlice();
    void scanned();  // every candidate looked at: what long values tell is still to come
    void longAnswered();
    void finishPass();
    void showOrder();  // the rows become the records of m_order that the filter lets through
    std::string_view slotText(Slot slot, int col) const;
    QString ownCell(int bodyRow, int col) const;
    // Sorts the records by the texts `readText` gives (one that is a view of m_scratch is copied).
    template <class TextOf>
    void sortOrder(TextOf readText, bool ascending);
    void pin(Slot slot);

    std::vector<Slot> m_order;  // every record, in the grid's order
    RecordFilter m_filter;
    GroupChoice m_group;
    RecordFilter m_applied;      // the filter the rows show the result of
    GroupChoice m_appliedGroup;  // and the group
    qint64 m_sliceMs = 8;
    bool m_appliedExact = true;         // and no record changed since
    unsigned m_changes = 0;             // records saved in place so far
    std::vector<std::uint8_t> m_let;    // by slot: let through by the filter, or pinned
    std::vector<std::uint8_t> m_found;  // by slot: found by the running pass
    std::vector<Slot> m_pinned;         // saved or added under the filter: shown until it changes
    Pass m_pass;
    QTimer m_slices;
    LongTextSearch* m_longs = nullptr;  // made when a filter first meets a long value

    static constexpr Slot kBlank = ~Slot(0);
    const RecordSet* m_source = nullptr;
    std::vector<Slot> m_rows;  // the slot each body row shows, or kBlank
    mutable std::string m_scratch;
    QStringList m_headings;
    OwnValues m_ownValues;
    std::vector<std::int64_t> m_ownIds;  // the own field each column after m_cols shows
    QStringList m_ownHeadings;
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
    int shownNeighbour(int c, int step) const;

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
