#include "ValueHistoryDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Amounts.h"
#include "AppError.h"
#include "CatalogueSession.h"
#include "Designed.h"
#include "Prompts.h"

namespace kbs {

ValueChart::ValueChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(280, 150);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ValueChart::setEntries(const std::vector<values::Entry>& entries) {
    m_points.clear();
    for (const values::Entry& e : entries) {
        const QDate d = values::readDate(e.date);
        const amounts::Reading v = amounts::readAmount(e.value.toStdString());
        if (d.isValid() && v.kind == amounts::Reading::Kind::Number)
            m_points.emplace_back(d.toJulianDay(), double(v.number) / amounts::UnitsPerWhole);
    }
    update();
}

void ValueChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QRect area = rect().adjusted(fm.horizontalAdvance(QStringLiteral("000,000")) + 8,
                                       fm.height(), -12, -fm.height() - 8);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.setPen(palette().color(QPalette::Text));
    if (m_points.empty()) {
        p.drawText(rect(), Qt::AlignCenter, tr("No valuation with a date to draw."));
        return;
    }
    auto [lo, hi] =
        std::minmax_element(m_points.begin(), m_points.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; });
    double low = std::min(0.0, lo->second);
    double high = std::max(hi->second, low + 1.0);
    const qint64 first = m_points.front().first;
    const qint64 span = std::max<qint64>(m_points.back().first - first, 1);
    const auto at = [&](const std::pair<qint64, double>& pt) {
        const double x = m_points.size() == 1
                             ? area.center().x()
                             : area.left() + double(pt.first - first) / double(span) * area.width();
        const double y = area.bottom() - (pt.second - low) / (high - low) * area.height();
        return QPointF(x, y);
    };
    // The axes' ends: the highest amount, and the first and last dates.
    p.drawText(QRect(0, area.top() - fm.height() / 2, area.left() - 4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(high, 'f', 0));
    p.drawText(QRect(0, area.bottom() - fm.height() / 2, area.left() - 4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(low, 'f', 0));
    const QString from = QLocale().toString(QDate::fromJulianDay(first), QLocale::ShortFormat);
    const QString to =
        QLocale().toString(QDate::fromJulianDay(m_points.back().first), QLocale::ShortFormat);
    p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()),
               Qt::AlignLeft | Qt::AlignTop, from);
    if (m_points.size() > 1)
        p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()),
                   Qt::AlignRight | Qt::AlignTop, to);
    QPainterPath line;
    line.moveTo(at(m_points.front()));
    for (const auto& pt : m_points)
        line.lineTo(at(pt));
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawPath(line);
    p.setBrush(palette().color(QPalette::Highlight));
    for (const auto& pt : m_points)
        p.drawEllipse(at(pt), 3, 3);
}

ValueHistoryDialog::ValueHistoryDialog(CatalogueSession& session, qint64 recordId,
                                       const QString& description, QWidget* parent)
    : QDialog(parent), m_session(session), m_record(recordId) {
    setObjectName(QStringLiteral("frmValueHistory"));
    setWindowTitle(description.isEmpty() ? tr("Value history")
                                         : tr("Value history: %1").arg(description));

    auto* listLabel = named<QLabel>("lblValues", tr("&Valuations:"));
    lstValues = named<QTableWidget>("lstValues", 0, 3);
    lstValues->setHorizontalHeaderLabels({tr("Date"), tr("Value"), tr("Note")});
    lstValues->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstValues->setSelectionMode(QAbstractItemView::SingleSelection);
    lstValues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstValues->verticalHeader()->hide();
    lstValues->horizontalHeader()->setStretchLastSection(true);
    lstValues->setTabKeyNavigation(false);
    lstValues->setAccessibleName(tr("Valuations"));
    listLabel->setBuddy(lstValues);
    chtValues = named<ValueChart>("chtValues");
    chtValues->setAccessibleName(tr("Chart of the valuations"));

    auto* dateLabel = named<QLabel>("lblDate", tr("&Date:"));
    txtDate = named<QLineEdit>("txtDate");
    txtDate->setPlaceholderText(tr("YYYY-MM-DD"));
    auto* valueLabel = named<QLabel>("lblValue", tr("Valu&e:"));
    txtValue = named<QLineEdit>("txtValue");
    auto* noteLabel = named<QLabel>("lblNote", tr("&Note:"));
    txtNote = named<QLineEdit>("txtNote");
    txtNote->setMaxLength(200);
    txtNote->setPlaceholderText(tr("price guide, auction, fair..."));
    dateLabel->setBuddy(txtDate);
    valueLabel->setBuddy(txtValue);
    noteLabel->setBuddy(txtNote);

    cmdAdd = named<QPushButton>("cmdAdd", tr("&Add"));
    cmdChange = named<QPushButton>("cmdChange", tr("&Change"));
    cmdDelete = named<QPushButton>("cmdDelete", tr("De&lete"));
    cmdUndo = named<QPushButton>("cmdUndo", tr("&Undo delete"));
    cmdClose = named<QPushButton>("cmdClose", tr("Close"));
    cmdClose->setDefault(true);

    auto* lists = new QGridLayout;
    lists->addWidget(listLabel, 0, 0);
    lists->addWidget(lstValues, 1, 0);
    lists->addWidget(chtValues, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    auto* fields = new QGridLayout;
    fields->addWidget(dateLabel, 0, 0);
    fields->addWidget(txtDate, 0, 1);
    fields->addWidget(valueLabel, 0, 2);
    fields->addWidget(txtValue, 0, 3);
    fields->addWidget(noteLabel, 1, 0);
    fields->addWidget(txtNote, 1, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdChange, cmdDelete, cmdUndo}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* all = new QVBoxLayout(this);
    all->addLayout(lists, 1);
    all->addLayout(fields);
    all->addLayout(buttons);
    resize(640, 360);

    setTabOrder(lstValues, txtDate);
    setTabOrder(txtDate, txtValue);
    setTabOrder(txtValue, txtNote);
    setTabOrder(txtNote, cmdAdd);

    connect(lstValues, &QTableWidget::itemSelectionChanged, this, &ValueHistoryDialog::entryChosen);
    connect(cmdAdd, &QPushButton::clicked, this, &ValueHistoryDialog::addEntry);
    connect(cmdChange, &QPushButton::clicked, this, &ValueHistoryDialog::changeEntry);
    connect(cmdDelete, &QPushButton::clicked, this, &ValueHistoryDialog::deleteEntry);
    connect(cmdUndo, &QPushButton::clicked, this, &ValueHistoryDialog::undoDelete);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    reload();
    if (lstValues->rowCount() > 0)
        lstValues->selectRow(lstValues->rowCount() - 1);
    lstValues->setFocus();
}

void ValueHistoryDialog::reload(qint64 select) {
    m_entries = m_session.valueHistory(m_record);
    const QSignalBlocker quiet(lstValues);
    lstValues->setRowCount(int(m_entries.size()));
    int chosen = -1;
    for (int r = 0; r < int(m_entries.size()); ++r) {
        const values::Entry& e = m_entries[size_t(r)];
        const QString texts[] = {e.date, e.value, e.note};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lstValues->setItem(r, c, item);
        }
        if (e.id == select)
            chosen = r;
    }
    lstValues->resizeColumnsToContents();
    lstValues->horizontalHeader()->setStretchLastSection(true);
    if (chosen >= 0)
        lstValues->selectRow(chosen);
    else
        lstValues->clearSelection();
    chtValues->setEntries(m_entries);
    const bool one = chosen >= 0;
    cmdChange->setEnabled(one);
    cmdDelete->setEnabled(one);
    cmdUndo->setEnabled(!m_deleted.empty());
}

void ValueHistoryDialog::entryChosen() {
    const int row = lstValues->currentRow();
    const bool one =
        !lstValues->selectedItems().isEmpty() && row >= 0 && row < int(m_entries.size());
    cmdChange->setEnabled(one);
    cmdDelete->setEnabled(one);
    if (!one)
        return;
    const values::Entry& e = m_entries[size_t(row)];
    txtDate->setText(e.date);
    txtValue->setText(e.value);
    txtNote->setText(e.note);
}

bool ValueHistoryDialog::fromFields(values::Entry& entry) {
    const QDate date = values::readDate(txtDate->text());
    QString why;
    QLineEdit* wrong = nullptr;
    if (!date.isValid()) {
        why = tr("\"%1\" is no date. Type it as 2026-03-31.").arg(txtDate->text().trimmed());
        wrong = txtDate;
    } else if (amounts::readAmount(txtValue->text().toStdString()).kind !=
               amounts::Reading::Kind::Number) {
        why = tr("\"%1\" is no amount. Type it as 12.50.").arg(txtValue->text().trimmed());
        wrong = txtValue;
    }
    if (wrong) {
        prompts().msgBox(why, mb::OKOnly | mb::Exclamation, windowTitle());
        wrong->setFocus();
        wrong->selectAll();
        return false;
    }
    entry.date = values::writeDate(date);
    entry.value = txtValue->text().trimmed();
    entry.note = txtNote->text().trimmed();
    return true;
}

template <typename F>
bool ValueHistoryDialog::store(F&& write) {
    try {
        write();
        m_changed = true;
        return true;
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Exclamation, windowTitle());
        reload();
        return false;
    }
}

void ValueHistoryDialog::addEntry() {
    values::Entry e;
    if (!fromFields(e))
        return;
    qint64 id = 0;
    if (store([&] { id = m_session.addValuation(m_record, e); }))
        reload(id);
}

void ValueHistoryDialog::changeEntry() {
    const int row = lstValues->currentRow();
    if (row < 0 || row >= int(m_entries.size()))
        return;
    values::Entry e = m_entries[size_t(row)];
    if (!fromFields(e))
        return;
    if (store([&] { m_session.changeValuation(m_record, e); }))
        reload(e.id);
}

void ValueHistoryDialog::deleteEntry() {
    const int row = lstValues->currentRow();
    if (row < 0 || row >= int(m_entries.size()))
        return;
    const values::Entry e = m_entries[size_t(row)];
    if (store([&] { m_session.removeValuation(m_record, e.id); })) {
        m_deleted.push_back(e);
        reload();
        lstValues->setFocus();
    }
}

void ValueHistoryDialog::undoDelete() {
    if (m_deleted.empty())
        return;
    const values::Entry e = m_deleted.back();
    if (store([&] { m_session.addValuation(m_record, e); })) {
        m_deleted.pop_back();
        reload(e.id);
    }
}

}  // namespace kbs
