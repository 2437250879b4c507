#include "GroupPanel.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <limits>

#include "AppError.h"
#include "GroupFields.h"
#include "Language.h"
#include "Settings.h"

namespace kbs {

namespace {

using Node = RecordGroups::Node;

const QString kSection = QStringLiteral("GroupView");
const QString kOpenKey = QStringLiteral("Open");
const QString kGroupByKey = QStringLiteral("GroupBy");
const QString kThenByKey = QStringLiteral("ThenBy");
const QString kWidthKey = QStringLiteral("Width");

constexpr int kDefaultWidth = 250;  // pixels
constexpr int kNarrowest = 150;
constexpr int kGridNarrowest = 360;  // the grid keeps at least this much of the width
constexpr int kHandleWidth = 5;

constexpr int kNameColumn = 0;
constexpr int kRecordsColumn = 1;
constexpr int kQuantityColumn = 2;

QString fieldCaption(int field) {
    const auto& f = collection::GroupFields[size_t(field)];
    return QCoreApplication::translate(f.context, f.caption);
}

constexpr int kChecklists = GroupChoice::ChecklistField;
constexpr int kTags = GroupChoice::TagsField;
constexpr int kOwn = GroupChoice::OwnField;
const QString kOwnPrefix = QStringLiteral("field:");

// A field as the settings keep it: its column's name, "-decade" for the decade; a collector's
// own field as "field:" and its ID.
QString fieldName(int field) {
    if (field < 0)
        return {};
    if (field == kChecklists)
        return QStringLiteral("checklist");
    if (field == kTags)
        return QStringLiteral("tags");
    if (field >= kOwn)
        return kOwnPrefix + QString::number(field - kOwn);
    const auto& f = collection::GroupFields[size_t(field)];
    return QString::fromLatin1(collection::columns[size_t(f.column)].name) +
           (f.byDecade ? QStringLiteral("-decade") : QString());
}

int fieldNamed(const QString& name) {
    if (name == fieldName(kChecklists))
        return kChecklists;
    if (name == fieldName(kTags))
        return kTags;
    if (name.startsWith(kOwnPrefix)) {
        bool ok = false;
        const int id = name.mid(kOwnPrefix.size()).toInt(&ok);
        return ok && id > 0 && id < std::numeric_limits<int>::max() - kOwn ? kOwn + id : -1;
    }
    for (int i = 0; i < int(collection::GroupFields.size()); ++i) {
        if (fieldName(i) == name)
            return i;
    }
    return -1;
}

}  // namespace

// ---------------------------------------------------------------- the tree's model

// The groups as rows: "All records" first, then the groups of the first field, each with the
// groups of the second under it. A row's internal id is its group.
class GroupTreeModel : public QAbstractItemModel, public RecordGroups::Listener {
public:
    GroupTreeModel(const RecordGroups& groups, const GroupChoice& chosen)
        : m_groups(groups), m_chosen(chosen) {}

    void reset(const std::function<void()>& change) {
        beginResetModel();
        change();
        endResetModel();
    }

    QModelIndex indexOf(Node node, int column = 0) const {
        if (node == RecordGroups::Root)
            return createIndex(0, column, quintptr(node));
        const int row = m_groups.rowOf(node);
        if (row < 0)
            return {};
        return createIndex(row + (m_groups.parent(node) == RecordGroups::Root ? 1 : 0), column,
                           quintptr(node));
    }
    static Node nodeOf(const QModelIndex& index) { return Node(index.internalId()); }

    QModelIndex index(int row, int column, const QModelIndex& parent) const override {
        if (row < 0 || column < 0 || column > kQuantityColumn || !m_groups.isBuilt())
            return {};
        if (!parent.isValid()) {
            if (row == 0)
                return createIndex(0, column, quintptr(RecordGroups::Root));
            const auto& top = m_groups.children(RecordGroups::Root);
            return size_t(row - 1) < top.size() ? createIndex(row, column, quintptr(top[row - 1]))
                                                : QModelIndex();
        }
        const auto& under = m_groups.children(nodeOf(parent));
        return size_t(row) < under.size() ? createIndex(row, column, quintptr(under[row]))
                                          : QModelIndex();
    }
    QModelIndex parent(const QModelIndex& index) const override {
        if (!index.isValid())
            return {};
        const Node node = nodeOf(index);
        if (node == RecordGroups::Root || m_groups.parent(node) == RecordGroups::Root)
            return {};
        return indexOf(m_groups.parent(node));
    }
    int rowCount(const QModelIndex& parent) const override {
        if (!m_groups.isBuilt())
            return 0;
        if (!parent.isValid())
            return 1 + int(m_groups.children(RecordGroups::Root).size());
        if (parent.column() != 0 || nodeOf(parent) == RecordGroups::Root)
            return 0;
        return int(m_groups.children(nodeOf(parent)).size());
    }
    int columnCount(const QModelIndex&) const override { return kQuantityColumn + 1; }

    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal)
            return {};
        if (role == Qt::TextAlignmentRole && section != kNameColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        return section == kNameColumn      ? GroupPanel::tr("Group")
               : section == kRecordsColumn ? GroupPanel::tr("Records")
                                           : GroupPanel::tr("Quantity");
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        const Node node = nodeOf(index);
        const RecordGroups::Totals& t = m_groups.totals(node);
        switch (role) {
            case Qt::DisplayRole:
                if (index.column() == kNameColumn)
                    return nameOf(node);
                if (index.column() == kRecordsColumn)
                    return language::number(t.records);
                if (t.unreadable == 0)
                    return amounts::formatCount(t.quantity);
                return GroupPanel::tr("%1 (+%2?)")
                    .arg(amounts::formatCount(t.quantity), language::number(t.unreadable));
            case Qt::ToolTipRole:
                if (index.column() == kNameColumn)  // as written, though it looks like markup
                    return Qt::convertFromPlainText(nameOf(node), Qt::WhiteSpaceNormal);
                if (index.column() == kQuantityColumn && t.unreadable > 0)
                    return GroupPanel::tr(
                        "%n quantity(ies) could not be read as a whole number "
                        "and are not added up.",
                        nullptr, int(std::min<std::int64_t>(t.unreadable, 1 << 30)));
                return {};
            case Qt::TextAlignmentRole:
                return index.column() == kNameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                     : int(Qt::AlignRight | Qt::AlignVCenter);
            case Qt::FontRole:
                if (isChosen(node)) {
                    QFont bold;
                    bold.setBold(true);
                    return bold;
                }
                return {};
            default:
                return {};
        }
    }

    bool isChosen(Node node) const {
        return node == RecordGroups::Root
                   ? m_chosen.isEmpty()
                   : !m_chosen.isEmpty() && m_groups.choice(node) == m_chosen;
    }

    QString nameOf(Node node) const {
        if (node == RecordGroups::Root)
            return GroupPanel::tr("All records");
        if (m_groups.isEmptyGroup(node))
            return GroupPanel::tr("(Empty)");
        if (const auto year = m_groups.year(node)) {
            const auto& f =
                collection::GroupFields[size_t(m_groups.field(m_groups.depth(node) - 1))];
            return f.byDecade ? GroupPanel::tr("%1s", "a decade: 1960s").arg(*year)
                              : QString::number(*year);
        }
        return m_groups.spelling(node);
    }

    void rowChanged(Node node) {
        const QModelIndex first = indexOf(node, kNameColumn);
        if (first.isValid())
            Q_EMIT dataChanged(first, indexOf(node, kQuantityColumn));
    }

    // ---- what the groups say
    // The model's parent and row of the row-th group under `parent`.
    std::pair<QModelIndex, int> rowUnder(Node parent, int row) const {
        if (parent == RecordGroups::Root)
            return {QModelIndex(), row + 1};
        return {indexOf(parent), row};
    }
    void beginInsert(Node parent, int row) override {
        const auto [p, r] = rowUnder(parent, row);
        beginInsertRows(p, r, r);
    }
    void endInsert() override { endInsertRows(); }
    void beginRemove(Node parent, int row) override {
        const auto [p, r] = rowUnder(parent, row);
        beginRemoveRows(p, r, r);
    }
    void endRemove() override { endRemoveRows(); }
    void changed(Node node) override { rowChanged(node); }
    void childrenChanged(Node parent) override {
        const auto& under = m_groups.children(parent);
        if (under.empty())
            return;
        const QModelIndex p = parent == RecordGroups::Root ? QModelIndex() : indexOf(parent);
        const int first = parent == RecordGroups::Root ? 1 : 0;
        Q_EMIT dataChanged(index(first, 0, p),
                           index(first + int(under.size()) - 1, kQuantityColumn, p));
    }

private:
    const RecordGroups& m_groups;
    const GroupChoice& m_chosen;
};

// ---------------------------------------------------------------- the panel

GroupPanel::GroupPanel(QWidget* parent)
    : QFrame(parent),
      m_model(std::make_unique<GroupTreeModel>(m_groups, m_chosen)),
      m_width(kDefaultWidth) {
    setObjectName(QStringLiteral("GroupView"));
    setAccessibleName(tr("Group view"));
    setFrameShape(QFrame::NoFrame);
    m_groups.setListener(m_model.get());

    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(2, 2, 2, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    lblGroupBy = new QLabel(tr("Group by"), content);
    lblGroupBy->setObjectName(QStringLiteral("lblGroupBy"));
    cboGroupBy = new QComboBox(content);
    cboGroupBy->setObjectName(QStringLiteral("cboGroupBy"));
    lblGroupBy->setBuddy(cboGroupBy);
    lblThenBy = new QLabel(tr("then by"), content);
    lblThenBy->setObjectName(QStringLiteral("lblThenBy"));
    cboThenBy = new QComboBox(content);
    cboThenBy->setObjectName(QStringLiteral("cboThenBy"));
    lblThenBy->setBuddy(cboThenBy);
    cboThenBy->addItem(tr("(nothing)"), -1);
    for (int i = 0; i < int(collection::GroupFields.size()); ++i) {
        cboGroupBy->addItem(fieldCaption(i), i);
        cboThenBy->addItem(fieldCaption(i), i);
    }
    cboGroupBy->addItem(tr("Checklist"), kChecklists);
    cboGroupBy->addItem(tr("Tags"), kTags);
    for (QComboBox* box : {cboGroupBy, cboThenBy}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }

    cmdCloseGroups = new QToolButton(content);
    cmdCloseGroups->setObjectName(QStringLiteral("cmdCloseGroups"));
    cmdCloseGroups->setText(QStringLiteral("\u00d7"));
    cmdCloseGroups->setAutoRaise(true);
    cmdCloseGroups->setAccessibleName(tr("Close the group view"));
    cmdCloseGroups->setToolTip(
        tr("Close the group view (%1)").arg(key().toString(QKeySequence::NativeText)));
    cmdCloseGroups->setFocusPolicy(Qt::NoFocus);  // the key closes it as well

    tvwGroups = new QTreeView(content);
    tvwGroups->setObjectName(QStringLiteral("tvwGroups"));
    tvwGroups->setAccessibleName(tr("Groups"));
    tvwGroups->setModel(m_model.get());
    tvwGroups->setUniformRowHeights(true);
    tvwGroups->setAllColumnsShowFocus(true);
    tvwGroups->setSelectionMode(QAbstractItemView::SingleSelection);
    tvwGroups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvwGroups->setIndentation(12);
    tvwGroups->installEventFilter(this);
    QHeaderView* head = tvwGroups->header();
    head->setStretchLastSection(false);
    head->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    const QFontMetrics fm(tvwGroups->font());
    for (int c : {kRecordsColumn, kQuantityColumn}) {
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        head->setSectionResizeMode(c, QHeaderView::Fixed);
        head->resizeSection(c, std::max(fm.horizontalAdvance(title),
                                        fm.horizontalAdvance(QStringLiteral("000,000"))) +
                                   14);
    }

    grid->addWidget(lblGroupBy, 0, 0);
    grid->addWidget(cboGroupBy, 0, 1);
    grid->addWidget(cmdCloseGroups, 0, 2);
    grid->addWidget(lblThenBy, 1, 0);
    grid->addWidget(cboThenBy, 1, 1, 1, 2);
    grid->addWidget(tvwGroups, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    m_handle = new QWidget(this);
    m_handle->setObjectName(QStringLiteral("GroupViewEdge"));
    m_handle->setFixedWidth(kHandleWidth);
    m_handle->setCursor(Qt::SplitHCursor);
    m_handle->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(content, 1);
    row->addWidget(m_handle);

    setTabOrder(cboGroupBy, cboThenBy);
    setTabOrder(cboThenBy, tvwGroups);

    // The fields and width kept from the last time; an own field once the fields are known.
    const int groupBy = fieldNamed(Settings::get(kSection, kGroupByKey, fieldName(0)));
    if (groupBy > kOwn)
        m_wantedGroupBy = fieldName(groupBy);
    cboGroupBy->setCurrentIndex(std::max(0, cboGroupBy->findData(groupBy)));
    cboThenBy->setCurrentIndex(
        std::max(0, cboThenBy->findData(fieldNamed(Settings::get(kSection, kThenByKey, {})))));
    m_width = std::max(kNarrowest,
                       Settings::get(kSection, kWidthKey, QString::number(kDefaultWidth)).toInt());
    m_saved = QStringList{
        Settings::get(kSection, kOpenKey, QStringLiteral("0")),
        m_wantedGroupBy.isEmpty() ? fieldName(cboGroupBy->currentData().toInt()) : m_wantedGroupBy,
        fieldName(cboThenBy->currentData().toInt()), QString::number(m_width)};
    m_saveSoon.setSingleShot(true);
    m_saveSoon.setInterval(0);
    connect(&m_saveSoon, &QTimer::timeout, this, &GroupPanel::saveSettings);
    connect(cboGroupBy, &QComboBox::currentIndexChanged, this, &GroupPanel::fieldsChosen);
    connect(cboThenBy, &QComboBox::currentIndexChanged, this, &GroupPanel::fieldsChosen);
    connect(cmdCloseGroups, &QToolButton::clicked, this, [this] { setOpen(false); });
    connect(tvwGroups, &QTreeView::clicked, this, &GroupPanel::choose);
    hide();
}

GroupPanel::~GroupPanel() {
    if (m_saveSoon.isActive())
        saveSettings();
    m_groups.setListener(nullptr);
    tvwGroups->setModel(nullptr);
}

QKeySequence GroupPanel::key() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
}

QString GroupPanel::entryText() {
    return tr("Group view");
}

// A catalogue closed to be opened again (an import, a restore) keeps its groups until its
// records are read again; then only the groups that differ change.
void GroupPanel::setRecords(const RecordSet* rs) {
    m_rs = rs;
    tvwGroups->setEnabled(rs != nullptr);
    if (!m_open || !rs)
        return;
    if (m_groups.isBuilt())
        m_groups.recount(*rs);
    else
        rebuild();
}

void GroupPanel::recordChanged(RecordSet::Slot slot) {
    if (m_open && m_rs)
        m_groups.update(*m_rs, slot);
}

void GroupPanel::recordRemoved(RecordSet::Slot slot) {
    if (m_open && m_rs)
        m_groups.remove(slot);
}

void GroupPanel::setFields(int field, int thenBy) {
    m_wantedGroupBy.clear();
    {
        const QSignalBlocker quiet(cboThenBy), quieter(cboGroupBy);
        cboThenBy->setCurrentIndex(std::max(0, cboThenBy->findData(thenBy)));
        cboGroupBy->setCurrentIndex(std::max(0, cboGroupBy->findData(field)));
    }
    fieldsChosen();
}

void GroupPanel::setOwnFields(const std::vector<ownfields::Field>& fields) {
    const int before = cboGroupBy->currentData().toInt();
    {
        const QSignalBlocker quiet(cboGroupBy);
        for (int i = cboGroupBy->count() - 1; i >= 0; --i) {
            if (cboGroupBy->itemData(i).toInt() >= kOwn)
                cboGroupBy->removeItem(i);
        }
        int at = cboGroupBy->findData(kTags);
        for (const ownfields::Field& f : fields) {
            if (f.id > 0 && f.id < std::numeric_limits<int>::max() - kOwn)
                cboGroupBy->insertItem(at++, f.name, ownField(f.id));
        }
        const int wanted =
            fieldNamed(m_wantedGroupBy.isEmpty() ? fieldName(before) : m_wantedGroupBy);
        if (cboGroupBy->findData(wanted) >= 0)
            m_wantedGroupBy.clear();
        cboGroupBy->setCurrentIndex(std::max(0, cboGroupBy->findData(wanted)));
    }
    if (cboGroupBy->currentData().toInt() != before)
        fieldsChosen();
}

void GroupPanel::fieldsChosen() {
    if (cboGroupBy->hasFocus())
        m_wantedGroupBy.clear();  // the collector's choice
    saveSoon();
    if (m_open)
        rebuild();
}

// Counts anew by the fields chosen; a group chosen by other fields is no longer chosen.
void GroupPanel::rebuild() {
    const int field = cboGroupBy->currentData().toInt();
    int thenBy = cboThenBy->currentData().toInt();
    const bool byMembers = GroupChoice::byMembers(field);
    if (thenBy == field || byMembers)
        thenBy = -1;
    cboThenBy->setEnabled(!byMembers);  // a record may be in several checklists or tags
    checklists::ChecklistKeys held;
    if (field == kChecklists && m_rs && m_checklistSource) {
        try {
            held = m_checklistSource();
        } catch (const AppError&) {
            // checklists that cannot be read hold nothing
        }
    }
    m_model->reset([&] {
        if (!m_rs)
            m_groups.clear();
        else if (field == kChecklists)
            m_groups.buildChecklists(*m_rs, std::move(held));
        else if (byMembers)
            m_groups.buildByKeys(*m_rs, field, ownKeys(field));
        else
            m_groups.build(*m_rs, field, thenBy);
    });
    if (!m_chosen.isEmpty() && !m_groups.find(m_chosen))
        setChosen({});
    tvwGroups->setCurrentIndex(
        m_model->indexOf(m_chosen.isEmpty() ? RecordGroups::Root : *m_groups.find(m_chosen)));
}

// A record's groups by a collector's own field or by its tags, from the values the session
// keeps; a field removed meanwhile puts every record in the empty group.
RecordGroups::KeysOf GroupPanel::ownKeys(int field) const {
    return [source = m_ownSource, field, keys = ownfields::GroupKeys()](
               const RecordSet& rs, RecordSet::Slot slot,
               std::vector<ownfields::GroupKey>& out) mutable {
        const ownfields::AllValues* all = source ? source() : nullptr;
        const auto at = !all             ? std::nullopt
                        : field == kTags ? std::optional<std::size_t>(ownfields::Tags)
                                         : ownfields::positionOf(*all, field - kOwn);
        if (at)
            keys.of(*all, *at, rs.keyAt(slot), out);
        else
            out.assign(1, {});
    };
}

void GroupPanel::setOpen(bool open) {
    if (open == m_open)
        return;
    m_open = open;
    if (open) {
        rebuild();
    } else {
        // Nothing narrows the grid unseen; the counts give their memory back.
        setChosen({});
        m_model->reset([this] { m_groups.clear(); });
    }
    setVisible(open);
    saveSoon();
    Q_EMIT openChanged(open);
}

void GroupPanel::restoreOpen() {
    setOpen(Settings::get(kSection, kOpenKey, QStringLiteral("0")) == QLatin1String("1"));
}

void GroupPanel::focusTree() {
    if (!tvwGroups->currentIndex().isValid())
        tvwGroups->setCurrentIndex(m_model->indexOf(RecordGroups::Root));
    tvwGroups->setFocus();
}

QRect GroupPanel::placeIn(const QRect& area) {
    if (!m_open)
        return area;
    const int width =
        std::clamp(m_width, kNarrowest, std::max(kNarrowest, area.width() - kGridNarrowest));
    setGeometry(area.left(), area.top(), width, area.height());
    QRect rest = area;
    rest.setLeft(area.left() + width);
    return rest;
}

void GroupPanel::choose(const QModelIndex& index) {
    if (index.isValid())
        setChosen(m_groups.choice(GroupTreeModel::nodeOf(index)));
}

void GroupPanel::setChosen(const GroupChoice& choice) {
    if (choice == m_chosen)
        return;
    const auto before =
        m_chosen.isEmpty() ? std::optional<Node>(RecordGroups::Root) : m_groups.find(m_chosen);
    m_chosen = choice;
    const auto now =
        choice.isEmpty() ? std::optional<Node>(RecordGroups::Root) : m_groups.find(choice);
    for (const auto& node : {before, now}) {
        if (node)
            m_model->rowChanged(*node);
    }
    Q_EMIT chosenChanged();
}

// Once the view shows the change, and only what changed.
void GroupPanel::saveSoon() {
    m_saveSoon.start();
}

void GroupPanel::saveSettings() {
    m_saveSoon.stop();
    const QStringList now{
        m_open ? QStringLiteral("1") : QStringLiteral("0"),
        m_wantedGroupBy.isEmpty() ? fieldName(cboGroupBy->currentData().toInt()) : m_wantedGroupBy,
        fieldName(cboThenBy->currentData().toInt()), QString::number(m_width)};
    const QString keys[] = {kOpenKey, kGroupByKey, kThenByKey, kWidthKey};
    for (int i = 0; i < int(std::size(keys)); ++i) {
        if (now[i] != m_saved.value(i))
            Settings::save(kSection, keys[i], now[i]);
    }
    m_saved = now;
}

// Enter chooses the group, Escape goes back to the grid; the edge widens it.
bool GroupPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched == tvwGroups && keyEvent) {
        // Before the window's own use of these keys (Escape is Cancel there).
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if ((key->modifiers() & ~Qt::KeypadModifier) || (!enter && key->key() != Qt::Key_Escape))
            return false;
        event->accept();
        if (event->type() == QEvent::ShortcutOverride)
            return true;
        if (enter)
            choose(tvwGroups->currentIndex());
        else
            Q_EMIT leaveRequested();
        return true;
    }
    if (watched == m_handle && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton) {
            m_width = std::max(kNarrowest, mapFromGlobal(mouse->globalPosition().toPoint()).x());
            Q_EMIT widthChanged();
        }
    } else if (watched == m_handle && event->type() == QEvent::MouseButtonRelease) {
        m_width = width();  // as far as the grid let it go
        saveSoon();
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace kbs
