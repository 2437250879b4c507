#pragma once

#include <QLineEdit>
#include <QWidget>

namespace kbs {

// A single-line text box that checks every change of its text against a rule.
// (First cut: the rules arrive with the full control.)
class LimitedTextbox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText USER true)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength)

public:
    explicit LimitedTextbox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    bool locked() const;
    void setLocked(bool locked);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    QLineEdit* textbox() const { return m_textbox; }

Q_SIGNALS:
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_textbox;
};

}  // namespace kbs
