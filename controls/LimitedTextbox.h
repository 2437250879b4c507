#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace kbs {

// The catalogue window's single-line detail field.
//
// The control wraps one QLineEdit (objectName "Textbox", see textbox()) that fills it and takes
// its focus. The window's fields run with the rule that accepts every text, so the control
// checks nothing: it holds any text of any length, shows a text the program sets from its
// beginning, and can be locked against typing.
class LimitedTextbox : public QWidget {
    Q_OBJECT

public:
    explicit LimitedTextbox(QWidget* parent = nullptr);
    ~LimitedTextbox() override;

    QString text() const;
    void setText(const QString& text);  // shown from its beginning

    bool locked() const;
    void setLocked(bool locked);

    // Caret and selection, counted in characters from 0. Negative values: AppError 380;
    // values past the end stop at the end.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    QLineEdit* textbox() const { return m_textbox; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_textbox;
};

}  // namespace kbs
