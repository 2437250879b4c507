#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "ChecklistMatcher.h"
#include "Checklists.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace kbs {

class CatalogueSession;
class MissingReport;

// The series checklists: each list with how many of its models are held, and the chosen one's
// entries in number order, each held (with the record), wanted (a record with status "Want")
// or missing, under the list's matching rule. Lists come from CSV files or are typed here;
// "Mark the missing as wanted" adds a Want record for each missing entry, and Undo takes them
// out again for as long as the window is open. The window asks the session for everything; the
// main window shows the records it names through the signals.
class ChecklistsWindow : public QDialog {
    Q_OBJECT
public:
    // `editing` says whether a record is being added or edited in the main window.
    ChecklistsWindow(CatalogueSession& session, std::function<bool()> editing,
                     QWidget* parent = nullptr);
    ~ChecklistsWindow() override;

    // Reads the lists and the records again, keeping the list chosen.
    void refresh();

    // The commands, as their buttons give them.
    void importList();
    void newList();
    void removeList();
    void addEntry();
    void removeEntry();
    void markMissingWanted();
    void undoMarked();
    void showItsRecords();
    void printMissing();

    QTreeWidget* lists() const { return m_lists; }
    QTreeWidget* entries() const { return m_entries; }

Q_SIGNALS:
    void showRecord(qint64 id);
    void recordsAdded(const std::vector<std::int64_t>& ids);
    void recordsRemoved(const std::vector<std::int64_t>& ids);
    // "Show its records": the main window's grid narrows to these records.
    void showOnly(const QString& checklist, const std::vector<std::int64_t>& ids);

protected:
    void done(int result) override;  // forgets what can be undone
    bool event(QEvent* e) override;  // reads again when it becomes the active window

private:
    void fillLists();
    void fillEntries();
    void ruleChosen(int index);
    void entryEdited();
    void commandsFollow();
    bool refuseWhileEditing(const QString& title) const;
    const checklists::List* chosen() const;
    // The chosen list's missing entries, in number order.
    std::vector<checklists::Entry> missingOf(const checklists::List& list) const;
    void say(const QString& text);
    void storeEntries(const std::vector<checklists::Entry>& entries);

    CatalogueSession& m_session;
    std::function<bool()> m_editing;
    std::vector<checklists::List> m_all;
    checklists::ChecklistMatcher m_matcher;           // the records as read at the last refresh
    std::vector<checklists::Entry> m_shownEntries;    // the chosen list's, as stored
    std::vector<std::vector<std::int64_t>> m_marked;  // each mark's records, for Undo
    bool m_filling = false;

    QTreeWidget* m_lists;
    QTreeWidget* m_entries;
    QComboBox* m_rule;
    QLabel* m_status;
    QPushButton* m_import;
    QPushButton* m_new;
    QPushButton* m_remove;
    QPushButton* m_addEntry;
    QPushButton* m_removeEntry;
    QPushButton* m_markWanted;
    QPushButton* m_undo;
    QPushButton* m_showRecords;
    QPushButton* m_missingReport;
    MissingReport* m_report = nullptr;
};

}  // namespace kbs
