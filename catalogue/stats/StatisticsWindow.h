#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ChartKinds.h"
#include "Statistics.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kbs {

class CatalogueSession;
class StatisticsReport;

// The statistics of the records the catalogue window shows: one chart at a time, chosen with
// its field, with its numbers in a table beside it; saved as PNG or SVG, and all of them
// printed as the "Statistics" report. It follows the records shown while it is open.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // `shownIds` gives the IDs of the records the catalogue window shows.
    StatisticsWindow(CatalogueSession& session, std::function<std::vector<std::int64_t>()> shownIds,
                     QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // The records shown changed: read again shortly, so that typing in the filter goes on.
    void recordsChanged();
    // Reads the records shown and draws the chart chosen.
    void refresh();
    void setChart(int kind);
    // A described field by its position in collection::GroupFields; the collector's own
    // fields follow them in the list, and the tags last.
    void setField(int field);
    // Asks for a file name and saves the chart shown; false when nothing was written.
    bool savePng();
    bool saveSvg();
    // The "Statistics" report of every chart, in its preview.
    void showReport();

    const stats::Statistics& statistics() const { return m_stats; }
    const stats::ChartData& chartData() const { return m_data; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void syncOwnFields();
    stats::By chosenField();
    void drawChart();
    void showNote();
    QString chooseFile(const QString& title, const QString& filter, const QString& suffix);

    CatalogueSession& m_session;
    std::function<std::vector<std::int64_t>()> m_shownIds;
    stats::Statistics m_stats;
    stats::ChartData m_data;
    bool m_stale = true;
    QTimer* m_later = nullptr;
    QString m_lastDir;
    StatisticsReport* m_report = nullptr;

    QComboBox* cboChart = nullptr;
    QComboBox* cboField = nullptr;
    QChartView* chartView = nullptr;
    QTableWidget* tblNumbers = nullptr;
    QLabel* lblNote = nullptr;
    QPushButton* cmdSavePng = nullptr;
    QPushButton* cmdSaveSvg = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace kbs
