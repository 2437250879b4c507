// The Fields window: the collector's own fields, changed one command at a time, each stored at
// once and undone, the latest first, until the window closes.
#include "FieldsWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "AppError.h"
#include "CatalogueSession.h"
#include "Designed.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "frmEditor.h"

namespace kbs {

namespace {

using ownfields::Kind;

const QString kListSuffix = QStringLiteral(".ini");

// A value list's name made from a field's name: letters, digits, "-" and "_".
QString listNameFor(const QString& field) {
    QString out;
    for (const QChar ch : field.trimmed().toLower()) {
        const bool plain = (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ||
                           (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
                           ch == QLatin1Char('-') || ch == QLatin1Char('_');
        out += plain ? ch : QLatin1Char('_');
    }
    return out;
}

}  // namespace

FieldsWindow::FieldsWindow(CatalogueSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("frmFields"));
    setWindowTitle(tr("Fields"));

    lstFields = named<QTreeWidget>("lstFields", this);
    lstFields->setColumnCount(3);
    lstFields->setHeaderLabels({tr("Name"), tr("Kind"), tr("Value list")});
    lstFields->setRootIsDecorated(false);
    lstFields->setAllColumnsShowFocus(true);
    lstFields->setAccessibleName(tr("Your fields"));
    lstFields->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* lblFields = named<QLabel>("lblFields", tr("Your &fields, in their order:"), this);
    lblFields->setBuddy(lstFields);

    txtName = named<QLineEdit>("txtName", this);
    txtName->setAccessibleName(tr("Name"));
    cboKind = named<QComboBox>("cboKind", this);
    cboKind->setAccessibleName(tr("Kind"));
    for (const Kind k : ownfields::Kinds)
        cboKind->addItem(ownfields::kindName(k), int(k));
    cboList = named<QComboBox>("cboList", this);
    cboList->setEditable(true);
    cboList->setAccessibleName(tr("Value list"));
    const QStringList lists =
        QDir(ProgramInfo::directory()).entryList({QLatin1Char('*') + kListSuffix}, QDir::Files);
    for (const QString& file : lists)
        cboList->addItem(file.chopped(kListSuffix.size()));
    cboList->setCurrentIndex(-1);
    auto* lblName = named<QLabel>("lblName", tr("&Name:"), this);
    lblName->setBuddy(txtName);
    auto* lblKind = named<QLabel>("lblKind", tr("&Kind:"), this);
    lblKind->setBuddy(cboKind);
    auto* lblList = named<QLabel>("lblList", tr("Value &list:"), this);
    lblList->setBuddy(cboList);

    cmdAdd = named<QPushButton>("cmdAdd", tr("&Add"), this);
    cmdAdd->setAccessibleDescription(tr("Adds a field with the name, kind and value list above"));
    cmdChange = named<QPushButton>("cmdChange", tr("C&hange"), this);
    cmdChange->setAccessibleDescription(
        tr("Gives the chosen field the name and value list above; its kind stays"));
    cmdUp = named<QPushButton>("cmdUp", tr("Move u&p"), this);
    cmdDown = named<QPushButton>("cmdDown", tr("Move do&wn"), this);
    cmdRemove = named<QPushButton>("cmdRemove", tr("&Remove"), this);
    cmdEditList = named<QPushButton>("cmdEditList", tr("&Edit value list…"), this);
    cmdUndo = named<QPushButton>("cmdUndo", tr("&Undo"), this);
    auto* buttons = named<QDialogButtonBox>("buttons", QDialogButtonBox::Close, this);
    for (auto* b : {cmdChange, cmdUp, cmdDown, cmdRemove, cmdEditList, cmdUndo})
        b->setAutoDefault(false);
    cmdAdd->setDefault(true);  // Enter in the name adds the field

    auto* form = new QGridLayout;
    form->addWidget(lblName, 0, 0);
    form->addWidget(txtName, 0, 1);
    form->addWidget(lblKind, 1, 0);
    form->addWidget(cboKind, 1, 1);
    form->addWidget(lblList, 2, 0);
    form->addWidget(cboList, 2, 1);
    auto* side = new QVBoxLayout;
    for (auto* b : {cmdAdd, cmdChange, cmdUp, cmdDown, cmdRemove, cmdEditList, cmdUndo})
        side->addWidget(b);
    side->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFields, 0, 0);
    grid->addWidget(lstFields, 1, 0);
    grid->addLayout(form, 2, 0);
    grid->addLayout(side, 1, 1, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    setTabOrder(lstFields, txtName);
    setTabOrder(txtName, cboKind);
    setTabOrder(cboKind, cboList);
    setTabOrder(cboList, cmdAdd);

    connect(cmdAdd, &QPushButton::clicked, this, &FieldsWindow::addField);
    connect(cmdChange, &QPushButton::clicked, this, &FieldsWindow::changeField);
    connect(cmdUp, &QPushButton::clicked, this, [this] { moveField(-1); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { moveField(+1); });
    connect(cmdRemove, &QPushButton::clicked, this, &FieldsWindow::removeField);
    connect(cmdEditList, &QPushButton::clicked, this, &FieldsWindow::editList);
    connect(cmdUndo, &QPushButton::clicked, this, &FieldsWindow::undo);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstFields, &QTreeWidget::currentItemChanged, this, &FieldsWindow::fieldChosen);
    connect(cboKind, &QComboBox::currentIndexChanged, this, &FieldsWindow::kindChosen);
    connect(txtName, &QLineEdit::textChanged, this, &FieldsWindow::updateButtons);
    auto* removeKey = new QShortcut(QKeySequence::Delete, lstFields);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, &FieldsWindow::removeField);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &FieldsWindow::undo);

    reload();
    kindChosen();
    lstFields->setFocus();
    resize(560, 420);
}

// ---------------------------------------------------------------- the list

void FieldsWindow::reload(std::int64_t select) {
    if (!select)
        select = chosenId();
    m_fields = m_session.ownFields();
    const QSignalBlocker quiet(lstFields);
    lstFields->clear();
    QTreeWidgetItem* current = nullptr;
    for (const ownfields::Field& f : m_fields) {
        auto* item =
            new QTreeWidgetItem(lstFields, {f.name, ownfields::kindName(f.kind),
                                            f.kind == Kind::Choice ? f.valueList : QString()});
        item->setData(0, Qt::UserRole, qlonglong(f.id));
        if (f.id == select)
            current = item;
    }
    if (!current && lstFields->topLevelItemCount() > 0)
        current = lstFields->topLevelItem(0);
    lstFields->setCurrentItem(current);
    fieldChosen();
}

std::int64_t FieldsWindow::chosenId() const {
    const QTreeWidgetItem* item = lstFields->currentItem();
    return item ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

const ownfields::Field* FieldsWindow::chosen() const {
    const std::int64_t id = chosenId();
    const auto f = std::find_if(m_fields.begin(), m_fields.end(),
                                [id](const ownfields::Field& x) { return x.id == id; });
    return f == m_fields.end() ? nullptr : &*f;
}

// The chosen field's name, kind and value list in the form, to change or to start a new one.
void FieldsWindow::fieldChosen() {
    if (const ownfields::Field* f = chosen()) {
        txtName->setText(f->name);
        cboKind->setCurrentIndex(cboKind->findData(int(f->kind)));
        cboList->setCurrentText(f->kind == Kind::Choice ? f->valueList : QString());
    }
    updateButtons();
}

void FieldsWindow::kindChosen() {
    cboList->setEnabled(cboKind->currentData().toInt() == int(Kind::Choice));
    updateButtons();
}

void FieldsWindow::updateButtons() {
    const ownfields::Field* f = chosen();
    const int row = f ? int(f - m_fields.data()) : -1;
    const bool named = !txtName->text().trimmed().isEmpty();
    cmdAdd->setEnabled(named);
    cmdChange->setEnabled(f && named);
    cmdUp->setEnabled(row > 0);
    cmdDown->setEnabled(f && row + 1 < int(m_fields.size()));
    cmdRemove->setEnabled(f != nullptr);
    cmdEditList->setEnabled(f && f->kind == Kind::Choice);
    cmdUndo->setEnabled(canUndo());
}

// ---------------------------------------------------------------- the commands

void FieldsWindow::change(const std::function<void()>& run) {
    try {
        run();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Exclamation, windowTitle());
    }
    reload();
    Q_EMIT fieldsChanged();
}

std::int64_t FieldsWindow::now(std::int64_t id) const {
    while (m_renumbered.contains(id))
        id = m_renumbered.value(id);
    return id;
}

// The value list a choice field takes: as typed (without ".ini"), else one named after it.
QString FieldsWindow::listOf(const QString& typed) const {
    QString list = typed.trimmed();
    if (list.endsWith(kListSuffix, Qt::CaseInsensitive))
        list.chop(kListSuffix.size());
    return list.isEmpty() ? listNameFor(txtName->text()) : list;
}

// A list file that is not there yet is made, empty, for the editor; one there stays as it is.
void FieldsWindow::makeListFile(const QString& list) const {
    if (list.isEmpty() || list.contains(QLatin1Char('/')) || list.contains(QLatin1Char('\\')))
        return;
    QFile file(ProgramInfo::path(list + kListSuffix));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
}

void FieldsWindow::addField() {
    ownfields::Field f;
    f.name = txtName->text().trimmed();
    f.kind = Kind(cboKind->currentData().toInt());
    if (f.kind == Kind::Choice)
        f.valueList = listOf(cboList->currentText());
    std::int64_t added = 0;
    change([&] {
        added = m_session.addOwnField(f);
        m_undo.push_back([this, added] { m_session.removeOwnField(now(added)); });
        makeListFile(f.valueList);
    });
    if (added)
        reload(added);
}

void FieldsWindow::changeField() {
    const ownfields::Field* f = chosen();
    if (!f)
        return;
    const ownfields::Field was = *f;
    const QString name = txtName->text().trimmed();
    const QString list = was.kind == Kind::Choice ? listOf(cboList->currentText()) : QString();
    change([&] {
        if (name != was.name) {
            m_session.renameOwnField(was.id, name);
            m_undo.push_back([this, was] { m_session.renameOwnField(now(was.id), was.name); });
        }
        if (was.kind == Kind::Choice && list != was.valueList) {
            m_session.setOwnFieldValueList(was.id, list);
            m_undo.push_back(
                [this, was] { m_session.setOwnFieldValueList(now(was.id), was.valueList); });
            makeListFile(list);
        }
    });
}

void FieldsWindow::moveField(int step) {
    const ownfields::Field* f = chosen();
    if (!f)
        return;
    const size_t row = size_t(f - m_fields.data());
    const size_t to = row + size_t(step);
    if (to >= m_fields.size())
        return;
    std::vector<std::int64_t> before;
    for (const ownfields::Field& x : m_fields)
        before.push_back(x.id);
    std::vector<std::int64_t> after = before;
    std::swap(after[row], after[to]);
    change([&] {
        m_session.reorderOwnFields(after);
        m_undo.push_back([this, before] {
            std::vector<std::int64_t> order;
            for (const std::int64_t id : before)
                order.push_back(now(id));
            m_session.reorderOwnFields(order);
        });
    });
}

// A field that holds values goes only when the collector says so; its undo brings them back.
void FieldsWindow::removeField() {
    const ownfields::Field* f = chosen();
    if (!f)
        return;
    const ownfields::Field was = *f;
    const int held = m_session.ownFieldValueCount(was.id);
    if (held > 0 &&
        prompts().msgBox(tr("The field \"%1\" holds a value in %n record(s). Remove it with "
                            "its values?\r\n\r\nUntil you close this window, Undo brings it "
                            "back with them.",
                            nullptr, held)
                             .arg(was.name),
                         mb::YesNo | mb::Question | mb::DefaultButton2, windowTitle()) != mb::Yes)
        return;
    change([&] {
        const ownfields::Removed removed = m_session.removeOwnField(was.id);
        m_undo.push_back([this, removed] {
            const std::int64_t back = m_session.restoreOwnField(removed);
            if (back != removed.field.id)
                m_renumbered.insert(removed.field.id, back);
        });
    });
}

void FieldsWindow::undo() {
    if (m_undo.empty())
        return;
    const std::function<void()> inverse = std::move(m_undo.back());
    m_undo.pop_back();
    change(inverse);
}

// The chosen field's value list in the list editor, as the described lists are edited.
void FieldsWindow::editList() {
    const ownfields::Field* f = chosen();
    if (!f || f->kind != Kind::Choice)
        return;
    makeListFile(f->valueList);
    frmEditor editor(parentWidget() ? parentWidget()->windowTitle() : windowTitle(), this);
    editor.showList(f->valueList + kListSuffix);
    editor.exec();
    Q_EMIT fieldsChanged();  // the panel offers the list's values as they are now
}

}  // namespace kbs
