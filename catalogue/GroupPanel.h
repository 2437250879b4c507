#pragma once

#include <QFrame>
#include <QKeySequence>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "RecordGroups.h"
#include "RecordSet.h"

class QComboBox;
class QLabel;
class QToolButton;
class QTreeView;

namespace kbs {

class GroupTreeModel;

// The group view beside the record grid: the records grouped by a field and, on request, within
// each group by a second one, with the number of records and the quantity held beside each
// group. Choosing a group (a click, or Enter) narrows the grid to it, together with the filter;
// "All records" at the top ends the narrowing. Escape goes back to the grid and keeps it.
// Grouped by checklist, each checklist is a group of the records it holds (as the filter word
// checklist:"NAME" finds them): a record held by several is counted in each, once in all.
//
// It counts only while it is open: a save, an addition, a delete or an undo changes the groups
// concerned. Whether it is open, its fields and its width are kept in the settings.
class GroupPanel : public QFrame {
    Q_OBJECT
public:
    explicit GroupPanel(QWidget* parent = nullptr);
    ~GroupPanel() override;

    static QKeySequence key();  // opens it, or gives it the focus
    static QString entryText();

    // The records it counts; nullptr while no catalogue is open. A record set of the same
    // catalogue read again (after an import) changes the groups that differ only.
    void setRecords(const RecordSet* rs);
    void recordChanged(RecordSet::Slot slot);  // saved, added or brought back
    void recordRemoved(RecordSet::Slot slot);

    bool isOpen() const { return m_open; }
    void setOpen(bool open);
    void restoreOpen();  // as the settings say
    void focusTree();
    // Takes its place at the left of `area`, the grid's, and gives back what is left for the
    // grid: all of it while closed.
    QRect placeIn(const QRect& area);

    const GroupChoice& chosen() const { return m_chosen; }
    const RecordGroups& groups() const { return m_groups; }
    // Groups by GroupFields[field] and then by GroupFields[thenBy] (-1: no second level);
    // field GroupChoice::ChecklistField groups by the checklists, on one level.
    void setFields(int field, int thenBy);
    // What the checklists hold, asked for when the view groups by them.
    void setChecklistSource(std::function<checklists::ChecklistKeys()> source) {
        m_checklistSource = std::move(source);
    }
    QTreeView* tree() const { return tvwGroups; }

Q_SIGNALS:
    void chosenChanged();  // the grid narrows to chosen()
    void openChanged(bool open);
    void leaveRequested();  // Escape: back to the grid
    void widthChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fieldsChosen();
    void rebuild();
    void choose(const QModelIndex& index);
    void setChosen(const GroupChoice& choice);
    void saveSoon();
    void saveSettings();

    QLabel* lblGroupBy = nullptr;
    QComboBox* cboGroupBy = nullptr;
    QLabel* lblThenBy = nullptr;
    QComboBox* cboThenBy = nullptr;
    QToolButton* cmdCloseGroups = nullptr;
    QTreeView* tvwGroups = nullptr;
    QWidget* m_handle = nullptr;  // the edge dragged to widen it

    RecordGroups m_groups;
    std::unique_ptr<GroupTreeModel> m_model;
    const RecordSet* m_rs = nullptr;
    GroupChoice m_chosen;
    bool m_open = false;
    int m_width;
    QTimer m_saveSoon;
    QStringList m_saved;  // what the settings hold
    std::function<checklists::ChecklistKeys()> m_checklistSource;
};

}  // namespace kbs
