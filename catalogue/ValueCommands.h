#pragma once

#include <QKeySequence>
#include <QObject>

class QMenu;
class QPushButton;

namespace kbs {

class DetailPanel;
class ValueChangesReport;
class frmMain;

// The records' valuations in the catalogue window: the button beside Value (and its key) that
// opens the shown record's value history, and Import's "Price guide (valuations)…", which adds
// a price guide's valuations to the catalogue in one step and lists what matched, and the
// Report menu's "Value changes…" between two dates asked for.
class ValueCommands : public QObject {
    Q_OBJECT
public:
    static inline const QKeySequence HistoryKey{Qt::CTRL | Qt::SHIFT | Qt::Key_H};

    // `importMenu`: the window's Import menu, which gets the entry (none when null).
    ValueCommands(frmMain& window, DetailPanel& panel, QMenu* importMenu);

    QPushButton* historyButton() const { return cmdValueHistory; }
    void showHistory();
    void importPriceGuide();
    void showValueChanges();
    ValueChangesReport* report() const { return m_report; }

private:
    bool ready(const QString& title) const;

    frmMain& m_window;
    QPushButton* cmdValueHistory = nullptr;
    ValueChangesReport* m_report = nullptr;
};

}  // namespace kbs
