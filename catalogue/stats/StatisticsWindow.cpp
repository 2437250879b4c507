#include "StatisticsWindow.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "CatalogueSession.h"
#include "ChartDrawing.h"
#include "FileDialog.h"
#include "Prompts.h"
#include "StatisticsReport.h"

namespace kbs {

namespace {

// How long the window waits after a change of the records shown before it reads them again,
// so that a filter being typed is not held up.
constexpr int kRefreshAfterMs = 300;

// What "By" keeps for its entries: a described field's position, or one of these.
const QString kTagsKey = QStringLiteral("tags");
const QString kOwnPrefix = QStringLiteral("field:");

}  // namespace

StatisticsWindow::StatisticsWindow(CatalogueSession& session,
                                   std::function<std::vector<std::int64_t>()> shownIds,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_shownIds(std::move(shownIds)) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_later = new QTimer(this);
    m_later->setSingleShot(true);
    m_later->setInterval(kRefreshAfterMs);
    connect(m_later, &QTimer::timeout, this, &StatisticsWindow::refresh);
    buildLayout();
    resize(1120, 620);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::buildLayout() {
    cboChart = new QComboBox(this);
    cboChart->setObjectName(QStringLiteral("cboChart"));
    for (const auto& kind : stats::chartKinds())
        cboChart->addItem(QCoreApplication::translate("kbs::stats", kind.name));
    cboField = new QComboBox(this);
    cboField->setObjectName(QStringLiteral("cboField"));
    for (size_t i = 0; i < collection::GroupFields.size(); ++i)
        cboField->addItem(stats::fieldName(collection::GroupFields[i]), QString::number(i));
    cboField->addItem(tr("Tags"), kTagsKey);
    auto* lblChart = new QLabel(tr("&Chart:"), this);
    lblChart->setBuddy(cboChart);
    auto* lblField = new QLabel(tr("&By:"), this);
    lblField->setBuddy(cboField);
    // A change of the catalogue may be waiting: the chart reads the records anew then.
    const auto chosen = [this] { m_stale ? refresh() : drawChart(); };
    connect(cboChart, &QComboBox::currentIndexChanged, this, chosen);
    connect(cboField, &QComboBox::currentIndexChanged, this, chosen);

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setFocusPolicy(Qt::NoFocus);  // the table beside it says the same
    chartView->setMinimumSize(420, 300);
    tblNumbers = new QTableWidget(this);
    tblNumbers->setObjectName(QStringLiteral("tblNumbers"));
    tblNumbers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNumbers->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblNumbers->verticalHeader()->hide();
    tblNumbers->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblNumbers->horizontalHeader()->setStretchLastSection(true);
    tblNumbers->setTabKeyNavigation(false);
    auto* split = new QSplitter(this);
    split->addWidget(chartView);
    split->addWidget(tblNumbers);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({580, 520});
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblNote->setFocusPolicy(Qt::StrongFocus);  // reachable, so that a screen reader reads it

    cmdSavePng = new QPushButton(tr("Save as &PNG…"), this);
    cmdSavePng->setObjectName(QStringLiteral("cmdSavePng"));
    cmdSaveSvg = new QPushButton(tr("Save as S&VG…"), this);
    cmdSaveSvg->setObjectName(QStringLiteral("cmdSaveSvg"));
    cmdReport = new QPushButton(tr("&Report…"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdSavePng, &QPushButton::clicked, this, [this] { savePng(); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, [this] { saveSvg(); });
    connect(cmdReport, &QPushButton::clicked, this, &StatisticsWindow::showReport);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* choice = new QHBoxLayout;
    choice->addWidget(lblChart);
    choice->addWidget(cboChart);
    choice->addSpacing(12);
    choice->addWidget(lblField);
    choice->addWidget(cboField);
    choice->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePng);
    buttons->addWidget(cmdSaveSvg);
    buttons->addWidget(cmdReport);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* all = new QVBoxLayout(this);
    all->addLayout(choice);
    all->addWidget(split, 1);
    all->addWidget(lblNote);
    all->addLayout(buttons);
    setTabOrder(cboChart, cboField);
    setTabOrder(cboField, tblNumbers);
    setTabOrder(tblNumbers, lblNote);
    setTabOrder(lblNote, cmdSavePng);
}

void StatisticsWindow::recordsChanged() {
    m_stale = true;
    if (isVisible())
        m_later->start();
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

// "By" offers the collector's own fields as they are now, after the described ones; a field
// removed while chosen gives way to the first.
void StatisticsWindow::syncOwnFields() {
    std::vector<ownfields::Field> fields;
    if (m_session.isOpen())
        fields = m_session.ownFields();
    QStringList keys, names;
    for (const ownfields::Field& f : fields) {
        keys << kOwnPrefix + QString::number(f.id);
        names << f.name;
    }
    const int first = int(collection::GroupFields.size());
    QStringList had, hadNames;
    for (int i = first; i < cboField->count() - 1; ++i) {
        had << cboField->itemData(i).toString();
        hadNames << cboField->itemText(i);
    }
    if (had == keys && hadNames == names)
        return;
    const QString chosen = cboField->currentData().toString();
    {
        const QSignalBlocker quiet(cboField);
        while (cboField->count() > first + 1)
            cboField->removeItem(first);
        for (int i = 0; i < keys.size(); ++i)
            cboField->insertItem(first + i, names[i], keys[i]);
        cboField->setCurrentIndex(std::max(0, cboField->findData(chosen)));
    }
}

stats::By StatisticsWindow::chosenField() {
    const QString key = cboField->currentData().toString();
    if (m_session.isOpen() && (key == kTagsKey || key.startsWith(kOwnPrefix))) {
        const ownfields::AllValues* all = &m_session.allOwnValues();
        const auto at = key == kTagsKey
                            ? std::optional<std::size_t>(ownfields::Tags)
                            : ownfields::positionOf(*all, key.mid(kOwnPrefix.size()).toLongLong());
        if (at) {
            return stats::By(cboField->currentText(),
                             [all, field = *at, keys = ownfields::GroupKeys()](
                                 std::int64_t id, std::vector<ownfields::GroupKey>& out) mutable {
                                 keys.of(*all, field, id, out);
                             });
        }
    }
    return collection::GroupFields[std::min<size_t>(key.toUInt(),
                                                    collection::GroupFields.size() - 1)];
}

void StatisticsWindow::refresh() {
    m_later->stop();
    m_stale = false;
    syncOwnFields();
    if (m_session.isOpen()) {
        m_stats.setWorthSource(
            [this](const std::vector<qint64>& ids, const std::vector<QDate>& dates) {
                return m_session.valueByDate().sums(ids, dates);
            });
        m_stats.read(m_session.records(), m_shownIds(),
                     QLocale().dateFormat(QLocale::ShortFormat).indexOf(QLatin1Char('d')) <
                         QLocale().dateFormat(QLocale::ShortFormat).indexOf(QLatin1Char('M')));
    } else {
        m_stats = {};
    }
    drawChart();
    showNote();
}

void StatisticsWindow::setChart(int kind) {
    cboChart->setCurrentIndex(kind);
}

void StatisticsWindow::setField(int field) {
    cboField->setCurrentIndex(field);
}

void StatisticsWindow::drawChart() {
    const auto& kind = stats::chartKinds()[size_t(std::max(0, cboChart->currentIndex()))];
    cboField->setEnabled(kind.byField);
    m_data = kind.data(m_stats, chosenField());
    QChart* old = chartView->chart();
    chartView->setChart(stats::makeChart(m_data));
    delete old;
    chartView->setAccessibleName(m_data.title);

    tblNumbers->setUpdatesEnabled(false);
    tblNumbers->clear();
    tblNumbers->setAccessibleName(tr("Numbers of the chart: %1").arg(m_data.title));
    tblNumbers->setColumnCount(int(m_data.columns.size()) + 1);
    tblNumbers->setRowCount(int(m_data.rows.size()));
    QStringList heads{m_data.rowHeading};
    for (const auto& c : m_data.columns)
        heads << c.name;
    tblNumbers->setHorizontalHeaderLabels(heads);
    for (int r = 0; r < m_data.rows.size(); ++r) {
        tblNumbers->setItem(r, 0, new QTableWidgetItem(m_data.rows[r]));
        for (size_t c = 0; c < m_data.columns.size(); ++c) {
            auto* item = new QTableWidgetItem(m_data.cell(c, size_t(r)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblNumbers->setItem(r, int(c) + 1, item);
        }
    }
    tblNumbers->resizeColumnsToContents();
    tblNumbers->setUpdatesEnabled(true);
}

void StatisticsWindow::showNote() {
    lblNote->setText(stats::recordsNote(m_stats));
    lblNote->setAccessibleName(lblNote->text());
}

QString StatisticsWindow::chooseFile(const QString& title, const QString& filter,
                                     const QString& suffix) {
    const auto& kind = stats::chartKinds()[size_t(std::max(0, cboChart->currentIndex()))];
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.owner = this;
    request.title = title;
    request.initialDir = m_lastDir.isEmpty() ? QDir::homePath() : m_lastDir;
    request.initialFile = QString::fromLatin1(kind.key) + QLatin1Char('.') + suffix;
    request.filter = filter + QChar(0) + QStringLiteral("*.") + suffix + QChar(0) + QChar(0);
    request.filterIndex = 1;
    request.flags = ofn::HideReadOnly | ofn::PathMustExist;
    request.newFileOnly = true;  // an existing file is refused, as the exports refuse it
    const FileDialogResult chosen = fileDialogs().show(request);
    if (!chosen.accepted || chosen.file.isEmpty())
        return {};
    QString path = QDir::fromNativeSeparators(chosen.file);
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    m_lastDir = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path)) {
        prompts().msgBox(tr("%1 is there already; choose a new name.").arg(path),
                         mb::OKOnly | mb::Exclamation, title);
        return {};
    }
    return path;
}

bool StatisticsWindow::savePng() {
    const QString title = tr("Save the chart as PNG");
    const QString path = chooseFile(title, tr("PNG pictures (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return false;
    if (!chartView->grab().save(path, "PNG")) {
        QFile::remove(path);
        prompts().msgBox(tr("The chart could not be saved as %1.").arg(path),
                         mb::OKOnly | mb::Critical, title);
        return false;
    }
    return true;
}

bool StatisticsWindow::saveSvg() {
    const QString title = tr("Save the chart as SVG");
    const QString path = chooseFile(title, tr("SVG drawings (*.svg)"), QStringLiteral("svg"));
    if (path.isEmpty())
        return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(chartView->size());
    svg.setViewBox(QRect(QPoint(0, 0), chartView->size()));
    svg.setTitle(m_data.title);
    QPainter painter;
    bool done = painter.begin(&svg);
    if (done) {
        chartView->render(&painter);
        done = painter.end();
    }
    if (!done || QFileInfo(path).size() == 0) {
        QFile::remove(path);
        prompts().msgBox(tr("The chart could not be saved as %1.").arg(path),
                         mb::OKOnly | mb::Critical, title);
        return false;
    }
    return true;
}

void StatisticsWindow::showReport() {
    if (m_stale)
        refresh();
    if (!m_report)
        m_report = new StatisticsReport(this);
    m_report->open(m_stats, chosenField(), m_session.file());
    m_report->show();
}

}  // namespace kbs
