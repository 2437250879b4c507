#pragma once

#include <QFrame>
#include <QKeySequence>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "OwnFields.h"
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
// The collector's own fields and the tags are offered after the described fields, grouped on
// one level (OwnGroups.h); a record with several tags is counted in each tag's group.
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
    // Every record's own values and tags (nothing while no catalogue is open), asked for when
    // the view groups by them.
    void setOwnValuesSource(std::function<const ownfields::AllValues*()> source) {
        m_ownSource = std::move(source);
    }
    // The collector's own fields as they are now: "Group by" offers them; a field removed
    // while the view groups by it gives way to the first field.
    void setOwnFields(const std::vector<ownfields::Field>& fields);
    // The field of "Group by" for a collector's own field.
    static int ownField(std::int64_t fieldId) { return GroupChoice::OwnField + int(fieldId); }
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
    RecordGroups::KeysOf ownKeys(int field) const;
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
    std::function<const ownfields::AllValues*()> m_ownSource;
    QString m_wantedGroupBy;  // an own field the settings name, until the fields are known
};

}  // namespace kbs
