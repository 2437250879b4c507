#pragma once

#include <QAbstractListModel>
#include <QFrame>
#include <functional>

class QEventLoop;
class QListView;

namespace kbs {

// The rows of a pick list, read on demand: a list of tens of thousands of values costs
// nothing until a row is drawn or searched.
class PickListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using TextOf = std::function<QString(int row)>;
    using EnabledOf = std::function<bool(int row)>;

    PickListModel(int rows, TextOf textOf, EnabledOf enabledOf, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QString text(int row) const;
    bool isEnabled(int row) const;

private:
    int m_rows;
    TextOf m_textOf;
    EnabledOf m_enabledOf;
};

// A pick menu for a long list: a scrolling list that pops up at a point and closes when a
// row is chosen, on Escape or on a click elsewhere. It draws only the rows in view.
//
// Keys work as in a menu: Down and Up move to the next and previous row (from no row, to
// the first and the last) and wrap around, Page Up and Page Down move a page, Home and End
// go to the ends, Return or Enter chooses. Typing a value's first letters goes to it.
// A click on a row chooses it; moving the pointer over a row makes it the current one.
class PickListPopup final : public QFrame {
    Q_OBJECT
public:
    PickListPopup(const QString& title, int rows, PickListModel::TextOf textOf,
                  PickListModel::EnabledOf enabledOf, QWidget* parent = nullptr);
    ~PickListPopup() override;

    QListView* view() const { return m_view; }
    PickListModel* model() const { return m_model; }

    // Shows the list with its top left corner at `pos` (moved to stay on the screen) and
    // waits until it closes. Returns the chosen row, or -1 when it was dismissed.
    int exec(const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void choose(int row);
    void moveTo(int row);
    void announceCurrent(int row);
    // The next row that can be chosen from `row` on in steps of `step`, wrapping around or
    // stopping at the ends; -1 when there is none.
    int nextEnabled(int row, int step, bool wrap) const;
    int currentRow() const;
    int rowsPerPage() const;
    int textWidth() const;  // of the widest row
    QSize preferredSize(const QRect& screen) const;

    PickListModel* m_model;
    QListView* m_view;
    QEventLoop* m_loop = nullptr;
    int m_chosen = -1;
    QPoint m_lastPointer;  // where the pointer was when it last moved over the list
};

}  // namespace kbs
