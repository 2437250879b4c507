// The grid's columns as the collector arranges them: hidden, moved, remembered.
#include "GridColumns.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "ColumnsDialog.h"
#include "FlexGrid.h"
#include "PanelLayout.h"
#include "Settings.h"

namespace kbs {

namespace {

const QString kSection = QStringLiteral("Grid");
const QString kKey = QStringLiteral("Columns");
constexpr QChar kHiddenMark = QLatin1Char('-');
constexpr QChar kSeparator = QLatin1Char(',');

// The described column that is the rows' key and never shown (ID).
bool isKeyColumn(int col) {
    return col < panel::GridColumns && panel::fieldAt(col).gridWidth == 0;
}

}  // namespace

GridColumns::GridColumns(FlexGrid& grid, QWidget& window)
    : QObject(&window), m_grid(grid), m_window(window) {
    QHeaderView* heads = m_grid.horizontalHeader();
    heads->setSectionsMovable(true);
    heads->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(heads, &QWidget::customContextMenuRequested, this, &GridColumns::headingMenu);
    connect(heads, &QHeaderView::sectionMoved, this, &GridColumns::sectionMoved);
    connect(&m_grid.model(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_grid.model().columnCount() != m_appliedCols)
            apply();
    });
    m_action = new QAction(tr("Columns…"), this);
    m_action->setObjectName(QStringLiteral("ViewColumns"));
    m_action->setShortcut(key());
    m_action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_action);  // its key works wherever the focus is
    connect(m_action, &QAction::triggered, this, &GridColumns::showDialog);
    if (auto* view = window.findChild<QMenu*>(QStringLiteral("ViewMenu"))) {
        view->addSeparator();
        view->addAction(m_action);
    }
}

void GridColumns::setExtraColumns(std::function<QString(int)> key,
                                  std::function<QString(int)> name) {
    m_extraKey = std::move(key);
    m_extraName = std::move(name);
    apply();
}

bool GridColumns::isExtra(int col) const {
    return col >= panel::GridColumns;
}

QString GridColumns::keyOf(int col) const {
    if (!isExtra(col))
        return QString::fromLatin1(panel::fieldAt(col).name());
    return m_extraKey ? m_extraKey(col) : QStringLiteral("column%1").arg(col);
}

QString GridColumns::nameOf(int col) const {
    if (!isExtra(col))
        return QCoreApplication::translate("kbs::grid", panel::fieldAt(col).name());
    return m_extraName ? m_extraName(col) : m_grid.model().heading(col);
}

std::vector<GridColumns::Column> GridColumns::columns() const {
    const QHeaderView* heads = m_grid.horizontalHeader();
    std::vector<Column> out;
    for (int visual = 0; visual < heads->count(); ++visual) {
        const int col = heads->logicalIndex(visual);
        if (!isKeyColumn(col))
            out.push_back({col, keyOf(col), nameOf(col), !heads->isSectionHidden(col)});
    }
    return out;
}

// The remembered choice: the columns' keys in the grid's order, a hidden one marked.
void GridColumns::apply() {
    QHeaderView* heads = m_grid.horizontalHeader();
    const int count = m_grid.model().columnCount();
    m_appliedCols = count;
    const QStringList saved =
        Settings::get(kSection, kKey, QString()).split(kSeparator, Qt::SkipEmptyParts);
    std::vector<int> order;
    std::vector<bool> shown(size_t(std::max(count, 0)), false);
    std::vector<bool> placed(shown.size(), false);
    for (int col = 0; col < count; ++col)
        shown[size_t(col)] = !isExtra(col) && !isKeyColumn(col);
    for (const QString& entry : saved) {
        const bool hidden = entry.startsWith(kHiddenMark);
        const QString key = hidden ? entry.mid(1) : entry;
        for (int col = 0; col < count; ++col) {
            if (!placed[size_t(col)] && !isKeyColumn(col) && keyOf(col) == key) {
                placed[size_t(col)] = true;
                shown[size_t(col)] = !hidden;
                order.push_back(col);
                break;
            }
        }
    }
    // Columns the choice does not name (the key column, a field added since) keep the
    // described order around those it names.
    std::vector<int> full;
    size_t next = 0;
    for (int col = 0; col < count; ++col) {
        if (placed[size_t(col)]) {
            full.push_back(order[next++]);
            continue;
        }
        full.push_back(col);
    }
    m_applying = true;
    for (int visual = 0; visual < int(full.size()); ++visual) {
        const int from = heads->visualIndex(full[size_t(visual)]);
        if (from != visual)
            heads->moveSection(from, visual);
    }
    for (int col = 0; col < count; ++col) {
        if (!isKeyColumn(col))
            heads->setSectionHidden(col, !shown[size_t(col)]);
    }
    m_applying = false;
}

void GridColumns::remember() {
    QStringList entries;
    for (const Column& c : columns())
        entries << (c.shown ? c.key : kHiddenMark + c.key);
    Settings::save(kSection, kKey, entries.join(kSeparator));
}

void GridColumns::setColumns(const std::vector<Column>& columns) {
    QHeaderView* heads = m_grid.horizontalHeader();
    m_applying = true;
    // The key column first, as it always is; then the columns in their new order.
    int visual = 0;
    for (int col = 0; col < heads->count(); ++col) {
        if (isKeyColumn(col))
            heads->moveSection(heads->visualIndex(col), visual++);
    }
    for (const Column& c : columns) {
        if (c.col < 0 || c.col >= heads->count() || isKeyColumn(c.col))
            continue;
        heads->moveSection(heads->visualIndex(c.col), visual++);
        heads->setSectionHidden(c.col, !c.shown);
        if (c.shown && heads->sectionSize(c.col) == 0)
            heads->resizeSection(c.col, heads->defaultSectionSize());
    }
    m_applying = false;
    remember();
}

void GridColumns::setShown(int col, bool shown) {
    std::vector<Column> all = columns();
    for (Column& c : all) {
        if (c.col == col)
            c.shown = shown;
    }
    setColumns(all);
}

void GridColumns::move(int col, int step) {
    std::vector<Column> all = columns();
    const auto at =
        std::find_if(all.begin(), all.end(), [col](const Column& c) { return c.col == col; });
    if (at == all.end())
        return;
    // Past the hidden columns between it and the next one shown.
    auto to = at;
    do {
        if ((step < 0 && to == all.begin()) || (step > 0 && to + 1 == all.end()))
            return;
        to += step;
    } while (!to->shown);
    // Taken out and put in at the place of the column it passes.
    const auto place = to - all.begin();
    const Column moved = *at;
    all.erase(at);
    all.insert(all.begin() + place, moved);
    setColumns(all);
}

void GridColumns::restoreDescribed() {
    Settings::save(kSection, kKey, QString());
    apply();
}

void GridColumns::sectionMoved() {
    if (!m_applying)
        remember();  // a heading dragged to another place
}

// The headings' menu: the heading's own commands, then every column to show or hide.
void GridColumns::headingMenu(const QPoint& at) {
    QHeaderView* heads = m_grid.horizontalHeader();
    const int col = heads->logicalIndexAt(at);
    QMenu menu(&m_window);
    menu.setObjectName(QStringLiteral("ColumnsMenu"));
    if (col >= 0 && !isKeyColumn(col)) {
        const QString name = nameOf(col);
        connect(menu.addAction(tr("Hide \"%1\"").arg(name)), &QAction::triggered, this,
                [this, col] { setShown(col, false); });
        connect(menu.addAction(tr("Move left")), &QAction::triggered, this,
                [this, col] { move(col, -1); });
        connect(menu.addAction(tr("Move right")), &QAction::triggered, this,
                [this, col] { move(col, +1); });
        menu.addSeparator();
    }
    for (const Column& c : columns()) {
        QAction* a = menu.addAction(c.name);
        a->setCheckable(true);
        a->setChecked(c.shown);
        connect(a, &QAction::toggled, this, [this, c](bool on) { setShown(c.col, on); });
    }
    menu.addSeparator();
    menu.addAction(m_action);
    connect(menu.addAction(tr("Described columns")), &QAction::triggered, this,
            &GridColumns::restoreDescribed);
    menu.exec(heads->mapToGlobal(at));
}

void GridColumns::showDialog() {
    ColumnsDialog dialog(columns(), &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.describedChosen())
        restoreDescribed();
    else
        setColumns(dialog.columns());
}

}  // namespace kbs
