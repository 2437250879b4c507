#include "ColumnsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kbs {

ColumnsDialog::ColumnsDialog(const std::vector<GridColumns::Column>& columns, QWidget* parent)
    : QDialog(parent), m_columns(columns) {
    setObjectName(QStringLiteral("frmColumns"));
    setWindowTitle(tr("Columns"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstColumns"));
    for (size_t i = 0; i < m_columns.size(); ++i) {
        auto* item = new QListWidgetItem(m_columns[i].name, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(m_columns[i].shown ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, int(i));
    }
    auto* label = new QLabel(tr("&Columns shown in the grid, in their order:"), this);
    label->setBuddy(m_list);
    m_list->setAccessibleName(tr("Columns"));
    m_list->setAccessibleDescription(
        tr("Space shows or hides the column; Ctrl+Up and Ctrl+Down move it."));
    m_list->installEventFilter(this);

    m_up = new QPushButton(tr("Move &up"), this);
    m_up->setObjectName(QStringLiteral("cmdUp"));
    m_down = new QPushButton(tr("Move &down"), this);
    m_down->setObjectName(QStringLiteral("cmdDown"));
    auto* described = new QPushButton(tr("D&escribed columns"), this);
    described->setObjectName(QStringLiteral("cmdDescribed"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));

    auto* side = new QVBoxLayout;
    side->addWidget(m_up);
    side->addWidget(m_down);
    side->addSpacing(12);
    side->addWidget(described);
    side->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0);
    grid->addLayout(side, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);

    connect(m_up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveCurrent(+1); });
    connect(described, &QPushButton::clicked, this, [this] {
        m_described = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &ColumnsDialog::updateButtons);
    m_list->setCurrentRow(0);
    m_list->setFocus();
    updateButtons();
    resize(360, 440);
}

std::vector<GridColumns::Column> ColumnsDialog::columns() const {
    std::vector<GridColumns::Column> out;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        GridColumns::Column c = m_columns[size_t(item->data(Qt::UserRole).toInt())];
        c.shown = item->checkState() == Qt::Checked;
        out.push_back(c);
    }
    return out;
}

void ColumnsDialog::moveCurrent(int step) {
    const int row = m_list->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_list->count())
        return;
    QListWidgetItem* item = m_list->takeItem(row);
    m_list->insertItem(to, item);
    m_list->setCurrentRow(to);
    m_list->setFocus();
}

void ColumnsDialog::updateButtons() {
    const int row = m_list->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_list->count());
}

bool ColumnsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveCurrent(key->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kbs
