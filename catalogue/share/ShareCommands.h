#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

#include "LabelSheet.h"
#include "ShareDialog.h"
#include "SharedPage.h"

class QMenu;
class QWidget;

namespace kbs {

class CatalogueSession;
class ReportPreview;

// Taking the collection along: the menu entry that opens the Share and Labels dialog, the web
// page it saves and the sheet of labels it shows in the report preview (which prints them and
// writes them to PDF). Questions go through fileDialogs(), messages through prompts().
class ShareCommands : public QObject {
    Q_OBJECT
public:
    // `shownIds` gives the records the window shows, in its order.
    ShareCommands(QWidget& window, CatalogueSession& session, QMenu& menu,
                  std::function<std::vector<std::int64_t>()> shownIds);

    void showDialog();
    ShareDialog* dialog() const { return m_dialog; }
    // Writes the page the options describe (the records shown filled in) at `path`; tells
    // the collector when it cannot. Returns whether it was written.
    bool saveWebPage(exchange::ShareOptions options, const QString& path);
    // The labels in a preview of their own, or nothing (the collector was told why).
    ReportPreview* showLabels(exchange::ShareOptions options, const LabelOptions& labels);

private:
    void saveChosen();
    exchange::ShareOptions withShown(exchange::ShareOptions options) const;

    QWidget& m_window;
    CatalogueSession& m_session;
    std::function<std::vector<std::int64_t>()> m_shownIds;
    QPointer<ShareDialog> m_dialog;
    QString m_lastDir;
};

}  // namespace kbs
