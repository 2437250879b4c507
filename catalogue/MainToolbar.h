#pragma once

#include <QIcon>
#include <QMap>
#include <QString>
#include <QToolBar>

class QAction;
class QToolButton;

namespace kbs {

class FilterBar;
class ImageBox;

// The catalogue window's toolbar: its buttons and drop-down entries, made from the table in
// MainTexts.h, the filter bar between them and the logo. A click on a button or the choice of
// an entry is said by its signals; the window runs the command.
class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent);

    FilterBar* filterBar() const { return FilterBar1; }
    ImageBox* logo() const { return Image11; }
    QToolButton* button(const QString& key) const { return m_buttons.value(key); }
    // A drop-down entry by its text, shown or in English.
    QAction* menuEntry(const QString& buttonKey, const QString& text) const;
    void attachImages();
    // The five mode buttons, always together and in their own order.
    void setModeButtonsEnabled(bool enabled);

Q_SIGNALS:
    void buttonClicked(const QString& key);
    void menuEntryChosen(const QString& text);

private:
    FilterBar* FilterBar1 = nullptr;
    QWidget* Picture1 = nullptr;
    ImageBox* Image11 = nullptr;
    QMap<QString, QIcon> imlToolbar1;
    QMap<QString, QToolButton*> m_buttons;
};

}  // namespace kbs
