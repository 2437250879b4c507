#include "ChecklistsWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "AccessibleText.h"
#include "AppError.h"
#include "CatalogueFile.h"
#include "CatalogueSession.h"
#include "ChecklistCsv.h"
#include "ChecklistMatcher.h"
#include "FileDialog.h"
#include "MissingReport.h"
#include "Prompts.h"

namespace kbs {

namespace {
using checklists::ChecklistMatcher;
using State = ChecklistMatcher::State;

enum EntryColumn { ColNumber, ColName, ColYear, ColColor, ColNotes, ColState, ColRecord };
constexpr int kEditableColumns = ColNotes + 1;
constexpr int kEntryRole = Qt::UserRole;       // the entry's position in the stored list
constexpr int kRecordRole = Qt::UserRole + 1;  // the record's ID, 0 for none

QPushButton* button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);  // Enter in the entries shows the record, and presses nothing
    return b;
}

QTreeWidget* listWidget(QWidget* parent, const char* name, const QStringList& headings) {
    auto* t = new QTreeWidget(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setRootIsDecorated(false);
    t->setAllColumnsShowFocus(true);
    t->setHeaderLabels(headings);
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QLabel* buddyLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(buddy->objectName() + QStringLiteral("Label"));
    l->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return l;
}
}  // namespace

ChecklistsWindow::ChecklistsWindow(CatalogueSession& session, std::function<bool()> editing,
                                   QWidget* parent)
    : QDialog(parent), m_session(session), m_editing(std::move(editing)) {
    setObjectName(QStringLiteral("frmChecklists"));
    setWindowTitle(tr("Checklists"));
    setWindowFlag(Qt::Window);

    m_lists = listWidget(this, "lstChecklists", {tr("Checklist"), tr("Series"), tr("Held"), {}});
    m_lists->header()->setStretchLastSection(false);
    m_lists->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_lists->header()->setSectionResizeMode(3, QHeaderView::Fixed);
    m_lists->header()->resizeSection(3, 72);
    m_entries = listWidget(
        this, "lstEntries",
        {tr("Nr."), tr("Name"), tr("Year"), tr("Color"), tr("Notes"), tr("State"), tr("Record")});
    m_entries->header()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    m_entries->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed);
    m_rule = new QComboBox(this);
    m_rule->setObjectName(QStringLiteral("cboRule"));
    m_rule->addItems({tr("Series and number"), tr("Description")});
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblChecklistStatus"));
    m_status->setWordWrap(true);

    m_import = button(this, tr("&Import…"), "cmdImportChecklist");
    m_new = button(this, tr("&New…"), "cmdNewChecklist");
    m_remove = button(this, tr("&Delete"), "cmdDeleteChecklist");
    m_addEntry = button(this, tr("&Add entry…"), "cmdAddEntry");
    m_removeEntry = button(this, tr("Remove en&try"), "cmdRemoveEntry");
    m_markWanted = button(this, tr("&Mark the missing as wanted"), "cmdMarkWanted");
    m_undo = button(this, tr("&Undo"), "cmdUndoMarked");
    m_showRecords = button(this, tr("&Show its records"), "cmdShowRecords");
    m_missingReport = button(this, tr("Missing &report"), "cmdMissingReport");
    auto* close = button(this, tr("&Close"), "cmdChecklistsClose");

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(buddyLabel(left, tr("C&hecklists:"), m_lists));
    leftLayout->addWidget(m_lists);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {m_import, m_new, m_remove})
        listButtons->addWidget(b);
    leftLayout->addLayout(listButtons);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* ruleRow = new QHBoxLayout;
    ruleRow->addWidget(buddyLabel(right, tr("Matched &by:"), m_rule));
    ruleRow->addWidget(m_rule);
    ruleRow->addStretch();
    rightLayout->addLayout(ruleRow);
    rightLayout->addWidget(buddyLabel(right, tr("&Entries:"), m_entries));
    rightLayout->addWidget(m_entries);
    auto* entryButtons = new QGridLayout;
    entryButtons->addWidget(m_addEntry, 0, 0);
    entryButtons->addWidget(m_removeEntry, 0, 1);
    entryButtons->addWidget(m_showRecords, 0, 2);
    entryButtons->addWidget(m_markWanted, 1, 0);
    entryButtons->addWidget(m_undo, 1, 1);
    entryButtons->addWidget(m_missingReport, 1, 2);
    rightLayout->addLayout(entryButtons);

    auto* split = new QSplitter(this);
    split->setObjectName(QStringLiteral("splitChecklists"));
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 2);
    split->setSizes({380, 620});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(m_import, &QPushButton::clicked, this, &ChecklistsWindow::importList);
    connect(m_new, &QPushButton::clicked, this, &ChecklistsWindow::newList);
    connect(m_remove, &QPushButton::clicked, this, &ChecklistsWindow::removeList);
    connect(m_addEntry, &QPushButton::clicked, this, &ChecklistsWindow::addEntry);
    connect(m_removeEntry, &QPushButton::clicked, this, &ChecklistsWindow::removeEntry);
    connect(m_markWanted, &QPushButton::clicked, this, &ChecklistsWindow::markMissingWanted);
    connect(m_undo, &QPushButton::clicked, this, &ChecklistsWindow::undoMarked);
    connect(m_showRecords, &QPushButton::clicked, this, &ChecklistsWindow::showItsRecords);
    connect(m_missingReport, &QPushButton::clicked, this, &ChecklistsWindow::printMissing);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &ChecklistsWindow::undoMarked);
    connect(m_lists, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_filling)
            fillEntries();
    });
    connect(m_rule, &QComboBox::activated, this, &ChecklistsWindow::ruleChosen);
    connect(m_entries, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const qint64 id = item->data(ColState, kRecordRole).toLongLong())
            Q_EMIT showRecord(id);
    });
    connect(m_entries, &QTreeWidget::itemChanged, this, [this] {
        if (!m_filling)
            entryEdited();
    });
    resize(1000, 520);
    refresh();
}

ChecklistsWindow::~ChecklistsWindow() = default;

void ChecklistsWindow::say(const QString& text) {
    showAccessibleText(*m_status, text, tr("Checklist status"));
}

const checklists::List* ChecklistsWindow::chosen() const {
    const QTreeWidgetItem* item = m_lists->currentItem();
    if (!item)
        return nullptr;
    const qint64 id = item->data(0, Qt::UserRole).toLongLong();
    for (const checklists::List& l : m_all) {
        if (l.id == id)
            return &l;
    }
    return nullptr;
}

void ChecklistsWindow::refresh() {
    try {
        m_all = m_session.checklists();
        m_matcher = m_session.checklistMatcher();
    } catch (const AppError& e) {
        m_all.clear();
        m_matcher = {};
        say(tr("The checklists cannot be read: %1").arg(e.description()));
    }
    fillLists();
}

void ChecklistsWindow::fillLists() {
    const qint64 was = chosen() ? chosen()->id : 0;
    m_filling = true;
    m_lists->clear();
    QTreeWidgetItem* current = nullptr;
    for (const checklists::List& l : m_all) {
        std::vector<checklists::Entry> entries;
        try {
            entries = m_session.checklistEntries(l.id);
        } catch (const AppError&) {
        }
        const ChecklistMatcher::Counts c = m_matcher.count(l, entries);
        const int total = int(entries.size());
        const QString held = tr("held %1 of %2").arg(c.held).arg(total);
        auto* item = new QTreeWidgetItem({l.name, l.series, held});
        item->setData(0, Qt::UserRole, qint64(l.id));
        m_lists->addTopLevelItem(item);
        auto* bar = new QProgressBar;
        bar->setObjectName(QStringLiteral("barHeld"));
        bar->setRange(0, std::max(total, 1));
        bar->setValue(c.held);
        bar->setTextVisible(false);
        bar->setMaximumHeight(m_lists->fontMetrics().height());
        bar->setAccessibleName(QStringLiteral("%1: %2").arg(l.name, held));
        m_lists->setItemWidget(item, 3, bar);
        if (l.id == was || !current)
            current = item;
    }
    m_lists->setCurrentItem(current);
    m_filling = false;
    fillEntries();
}

void ChecklistsWindow::fillEntries() {
    m_filling = true;
    m_entries->clear();
    m_shownEntries.clear();
    const checklists::List* list = chosen();
    if (list) {
        try {
            m_shownEntries = m_session.checklistEntries(list->id);
        } catch (const AppError& e) {
            say(tr("The checklist cannot be read: %1").arg(e.description()));
        }
        m_rule->setCurrentIndex(int(list->rule));
        const QString states[] = {tr("held"), tr("wanted"), tr("missing")};
        const QColor colours[] = {QColor(0x1b, 0x6e, 0x20), QColor(0x8a, 0x5a, 0x00),
                                  QColor(0xa0, 0x10, 0x10)};
        for (const int i : ChecklistMatcher::numberOrder(m_shownEntries)) {
            const checklists::Entry& e = m_shownEntries[size_t(i)];
            const ChecklistMatcher::Match m = m_matcher.match(*list, e);
            auto* item = new QTreeWidgetItem(
                {e.number, e.name, e.year, e.color, e.notes, states[int(m.state)],
                 m.recordId ? QString::number(m.recordId) : QString()});
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            item->setData(0, kEntryRole, i);
            item->setData(ColState, kRecordRole, qint64(m.recordId));
            item->setForeground(ColState, colours[int(m.state)]);
            m_entries->addTopLevelItem(item);
        }
        m_entries->setCurrentItem(m_entries->topLevelItem(0));
        const ChecklistMatcher::Counts c = m_matcher.count(*list, m_shownEntries);
        say(tr("%1: %2 held, %3 wanted, %4 missing.")
                .arg(list->name)
                .arg(c.held)
                .arg(c.wanted)
                .arg(c.missing));
    } else {
        say(m_all.empty() ? tr("No checklist yet: import one from a CSV file or make a new one.")
                          : QString());
    }
    m_filling = false;
    commandsFollow();
}

void ChecklistsWindow::commandsFollow() {
    const bool list = chosen() != nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{m_remove, m_addEntry, m_rule, m_showRecords,
                                                      m_markWanted, m_missingReport})
        w->setEnabled(list);
    m_removeEntry->setEnabled(m_entries->currentItem() != nullptr);
    m_undo->setEnabled(!m_marked.empty());
}

bool ChecklistsWindow::refuseWhileEditing(const QString& title) const {
    if (!m_editing || !m_editing())
        return false;
    prompts().msgBox(tr("Save or cancel the record being edited first."),
                     mb::OKOnly | mb::Information, title);
    return true;
}

void ChecklistsWindow::storeEntries(const std::vector<checklists::Entry>& entries) {
    const checklists::List* list = chosen();
    if (!list)
        return;
    try {
        m_session.setChecklistEntries(list->id, entries);
    } catch (const AppError& e) {
        prompts().msgBox(tr("The checklist could not be saved: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, tr("Checklists"));
    }
    refresh();
}

void ChecklistsWindow::importList() {
    const QString title = tr("Import a checklist");
    FileDialogRequest request;
    request.owner = this;
    request.title = title;
    request.initialDir = QFileInfo(m_session.file()).absolutePath();
    request.filter = tr("CSV files") + QChar(0) + QStringLiteral("*.csv;*.txt") + QChar(0) +
                     tr("All files") + QChar(0) + QStringLiteral("*") + QChar(0) + QChar(0);
    request.filterIndex = 1;
    request.flags = ofn::FileMustExist;
    request.fileBufferSize = 4096;
    const FileDialogResult chosenFile = fileDialogs().show(request);
    if (!chosenFile.accepted)
        return;
    std::vector<checklists::Entry> entries;
    try {
        entries = exchange::readChecklistCsv(chosenFile.file);
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Exclamation, title);
        return;
    }
    checklists::List list;
    list.name = QFileInfo(chosenFile.file).completeBaseName();
    list.series = prompts()
                      .inputBox(tr("The series whose models \"%1\" lists (%n model(s)), as the "
                                   "records' Series field names it:",
                                   nullptr, int(entries.size()))
                                    .arg(list.name),
                                title, list.name)
                      .trimmed();
    if (list.series.isEmpty())
        return;
    try {
        const qint64 id = m_session.addChecklist(list, entries);
        refresh();
        for (int i = 0; i < m_lists->topLevelItemCount(); ++i) {
            if (m_lists->topLevelItem(i)->data(0, Qt::UserRole).toLongLong() == id)
                m_lists->setCurrentItem(m_lists->topLevelItem(i));
        }
    } catch (const AppError& e) {
        prompts().msgBox(tr("The checklist could not be saved: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, title);
    }
}

void ChecklistsWindow::newList() {
    const QString title = tr("New checklist");
    checklists::List list;
    list.series =
        prompts()
            .inputBox(tr("The series, as the records' Series field names it:"), title, QString())
            .trimmed();
    if (list.series.isEmpty())
        return;
    list.name = list.series;
    try {
        m_session.addChecklist(list, {});
    } catch (const AppError& e) {
        prompts().msgBox(tr("The checklist could not be saved: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, title);
    }
    refresh();
    m_lists->setCurrentItem(m_lists->findItems(list.name, Qt::MatchExactly).value(0));
}

void ChecklistsWindow::removeList() {
    const checklists::List* list = chosen();
    if (!list)
        return;
    if (prompts().msgBox(
            tr("Delete the checklist \"%1\"? Its records stay in the catalogue.").arg(list->name),
            mb::YesNo | mb::Question | mb::DefaultButton2, tr("Delete checklist")) != mb::Yes)
        return;
    try {
        m_session.removeChecklist(list->id);
    } catch (const AppError& e) {
        prompts().msgBox(tr("The checklist could not be deleted: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, tr("Delete checklist"));
    }
    refresh();
}

void ChecklistsWindow::addEntry() {
    if (!chosen())
        return;
    const QString title = tr("Add entry");
    checklists::Entry e;
    e.number = prompts().inputBox(tr("Number:"), title, QString()).trimmed();
    if (ChecklistMatcher::key(e.number).isEmpty())
        return;
    for (const checklists::Entry& other : m_shownEntries) {
        if (ChecklistMatcher::numberKey(other.number) == ChecklistMatcher::numberKey(e.number)) {
            prompts().msgBox(tr("The checklist has number %1 already.").arg(other.number),
                             mb::OKOnly | mb::Exclamation, title);
            return;
        }
    }
    e.name = prompts().inputBox(tr("Name of model %1:").arg(e.number), title, QString()).trimmed();
    if (e.name.isEmpty())
        return;
    std::vector<checklists::Entry> all = m_shownEntries;
    all.push_back(e);
    storeEntries(all);
}

void ChecklistsWindow::removeEntry() {
    const QTreeWidgetItem* item = m_entries->currentItem();
    if (!item)
        return;
    std::vector<checklists::Entry> all = m_shownEntries;
    all.erase(all.begin() + item->data(0, kEntryRole).toInt());
    storeEntries(all);
}

// An entry typed over in the list: its number and name may not be emptied, nor its number be
// another entry's.
void ChecklistsWindow::entryEdited() {
    std::vector<checklists::Entry> all = m_shownEntries;
    for (int row = 0; row < m_entries->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_entries->topLevelItem(row);
        checklists::Entry& e = all[size_t(item->data(0, kEntryRole).toInt())];
        QString* fields[kEditableColumns] = {&e.number, &e.name, &e.year, &e.color, &e.notes};
        for (int c = 0; c < kEditableColumns; ++c)
            *fields[c] = item->text(c).trimmed();
    }
    QSet<QString> numbers;
    for (const checklists::Entry& e : all) {
        const QString k = ChecklistMatcher::numberKey(e.number);
        if (k.isEmpty() || e.name.isEmpty() || numbers.contains(k)) {
            prompts().msgBox(tr("Each entry needs a number of its own and a name; the change is "
                                "not kept."),
                             mb::OKOnly | mb::Exclamation, tr("Checklists"));
            fillEntries();
            return;
        }
        numbers.insert(k);
    }
    storeEntries(all);
}

void ChecklistsWindow::ruleChosen(int index) {
    const checklists::List* list = chosen();
    if (!list || index == int(list->rule))
        return;
    try {
        m_session.setChecklistRule(list->id, checklists::Rule(index));
    } catch (const AppError& e) {
        say(tr("The matching rule could not be saved: %1").arg(e.description()));
    }
    refresh();
}

std::vector<checklists::Entry> ChecklistsWindow::missingOf(const checklists::List& list) const {
    std::vector<checklists::Entry> missing;
    for (const int i : ChecklistMatcher::numberOrder(m_shownEntries)) {
        if (m_matcher.match(list, m_shownEntries[size_t(i)]).state == State::Missing)
            missing.push_back(m_shownEntries[size_t(i)]);
    }
    return missing;
}

void ChecklistsWindow::markMissingWanted() {
    const QString title = tr("Mark the missing as wanted");
    const checklists::List* list = chosen();
    if (!list || refuseWhileEditing(title))
        return;
    const std::vector<checklists::Entry> missing = missingOf(*list);
    if (missing.empty()) {
        prompts().msgBox(tr("Nothing of \"%1\" is missing.").arg(list->name),
                         mb::OKOnly | mb::Information, title);
        return;
    }
    if (prompts().msgBox(tr("Add %n record(s) with status \"Want\" for the models of \"%1\" that "
                            "are missing?",
                            nullptr, int(missing.size()))
                             .arg(list->name),
                         mb::YesNo | mb::Question | mb::DefaultButton1, title) != mb::Yes)
        return;
    std::vector<std::int64_t> ids;
    try {
        ids = m_session.addWantedRecords(*list, missing);
    } catch (const AppError& e) {
        prompts().msgBox(tr("No record was added: %1").arg(e.description()),
                         mb::OKOnly | mb::Critical, title);
        return;
    }
    m_marked.push_back(ids);
    Q_EMIT recordsAdded(ids);
    refresh();
    say(tr("%n record(s) with status \"Want\" added; Undo takes them out again.", nullptr,
           int(ids.size())));
}

void ChecklistsWindow::undoMarked() {
    if (m_marked.empty() || refuseWhileEditing(tr("Undo")))
        return;
    const std::vector<std::int64_t> ids = m_marked.back();
    m_marked.pop_back();
    Q_EMIT recordsRemoved(ids);
    refresh();
    say(tr("%n record(s) with status \"Want\" taken out again.", nullptr, int(ids.size())));
}

void ChecklistsWindow::showItsRecords() {
    const checklists::List* list = chosen();
    if (!list)
        return;
    const auto held = m_matcher.heldIds(*list, m_shownEntries);
    Q_EMIT showOnly(list->name, {held.begin(), held.end()});
}

void ChecklistsWindow::printMissing() {
    const checklists::List* list = chosen();
    if (!list)
        return;
    const std::vector<checklists::Entry> missing = missingOf(*list);
    if (!m_report)
        m_report = new MissingReport(this);
    m_report->open(m_session.file(), *list, missing);
    m_report->show();
}

void ChecklistsWindow::done(int result) {
    m_marked.clear();  // what was marked stays; Undo is for while the window is open
    commandsFollow();
    if (m_report)
        m_report->unload();
    QDialog::done(result);
}

bool ChecklistsWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && m_session.isOpen())
        refresh();
    return QDialog::event(e);
}

}  // namespace kbs
