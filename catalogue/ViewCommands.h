#pragma once

#include <QObject>
#include <functional>

class QMainWindow;
class QToolButton;

namespace kbs {

class GroupPanel;

// The catalogue window's View menu, the drop-down of the gallery button: the gallery and the
// group view, each checked when shown, with their keys. The group view's key opens the view,
// gives it the focus, or, when it has it, closes it.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    struct Gallery {
        std::function<bool()> shown;
        std::function<void(bool)> setShown;
    };
    ViewCommands(QMainWindow& window, QToolButton& galleryButton, GroupPanel& groups,
                 Gallery gallery);

private:
    void groupKey();

    GroupPanel& m_groups;
};

}  // namespace kbs
