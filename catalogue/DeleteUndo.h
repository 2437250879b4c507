#pragma once

#include <QObject>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QPushButton;
class QStatusBar;
class QTimer;

namespace kbs {

// The undo of deletes in the catalogue window: Ctrl+Z brings back the latest record deleted
// (and, pressed again, the one before), and an "Undo delete" button in the status bar offers
// it for a few seconds after each delete. While a field is being typed in, Ctrl+Z is the
// field's own undo.
class DeleteUndo : public QObject {
    Q_OBJECT
public:
    DeleteUndo(QMainWindow& window, QStatusBar& bar);

    static constexpr int OfferMs = 10000;  // how long the button stays

    struct Deleted {
        qint64 id = 0;
        int gridRow = 0;  // the body row of the grid it was on
    };
    void offer(const Deleted& d);
    // The latest delete not undone yet, which leaves the offer.
    std::optional<Deleted> take();
    void forgetAll();  // another catalogue: nothing of this one to undo

    QAction* action() const { return m_action; }
    QPushButton* button() const { return m_button; }

Q_SIGNALS:
    void undoRequested();

private:
    QAction* m_action;
    QPushButton* m_button;
    QTimer* m_timer;
    std::vector<Deleted> m_deleted;
};

}  // namespace kbs
