#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace kbs {

// The filter bar in the catalogue window's toolbar: a line edit that narrows the grid as one
// types, and three toggles that keep only the records of the statuses pressed (none pressed:
// every status). Escape in the bar clears it; its key puts the caret in it. The texts the
// window shows about the filter and about Find Next are its own too.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(QWidget* parent = nullptr);

    static const QStringList& statusNames();  // "Want", "Have", "Sell"
    static QKeySequence key();                // the key that puts the caret in the bar

    QLineEdit* edit() const { return m_edit; }
    QToolButton* toggle(const QString& status) const;
    QString text() const;
    QStringList statuses() const;  // those pressed
    // Only the duplicates: records of the same model as another, or of more than one piece.
    bool duplicatesOnly() const;
    QToolButton* duplicatesToggle() const { return m_duplicates; }
    bool isActive() const { return !text().isEmpty() || !statuses().isEmpty() || duplicatesOnly(); }
    void clear();
    void focusEdit();
    // Keeps the bar's right edge left of `logo`, a widget of the same toolbar.
    void keepLeftOf(QWidget* logo);

    // ---- texts
    static QString countText(qsizetype shown, qsizetype total);
    // While a long filter runs: the records it found so far.
    static QString countingText(qsizetype shownSoFar);
    static QString noMatchText();
    static QString wrappedText(bool forward);
    static QString findNextTip();
    static QString shownReportEntry();  // the Report menu's entry for the records shown
    static QString shownReportCaption();

Q_SIGNALS:
    void changed();  // the text or a toggle changed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitWidth();

    QLineEdit* m_edit = nullptr;
    QList<QToolButton*> m_toggles;
    QToolButton* m_duplicates = nullptr;
    QPointer<QWidget> m_logo;
    std::optional<int> m_logoDesignedX;  // where the logo's place was designed
};

}  // namespace kbs
