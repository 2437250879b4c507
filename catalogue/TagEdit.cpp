#include "TagEdit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>

namespace kbs {

namespace {

const QString kSeparator = QStringLiteral(", ");

// Where the tag being typed begins: after the last comma.
qsizetype lastTagStart(const QString& text) {
    return text.lastIndexOf(QLatin1Char(',')) + 1;
}

}  // namespace

TagEdit::TagEdit(QWidget* parent) : QLineEdit(parent) {
    m_known = new QStringListModel(this);
    m_completer = new QCompleter(m_known, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &TagEdit::typed);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            &TagEdit::insertCompletion);
}

void TagEdit::setKnownTags(const QStringList& tags) {
    m_known->setStringList(tags);
}

QStringList TagEdit::tags() const {
    QStringList out;
    for (const QString& piece : text().split(QLatin1Char(','))) {
        const QString tag = piece.simplified();
        if (!tag.isEmpty() && !out.contains(tag, Qt::CaseInsensitive))
            out << tag;
    }
    return out;
}

void TagEdit::setTags(const QStringList& tags) {
    setText(joined(tags));
}

QString TagEdit::joined(const QStringList& tags) {
    return tags.join(kSeparator);
}

void TagEdit::typed(const QString& text) {
    const QString prefix = text.mid(lastTagStart(text)).trimmed();
    if (prefix.isEmpty() || cursorPosition() != text.size()) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->setCompletionPrefix(prefix);
    if (m_completer->completionCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
}

void TagEdit::insertCompletion(const QString& tag) {
    const QString before = text().left(lastTagStart(text()));
    setText((before.isEmpty() ? QString() : before.trimmed() + QLatin1Char(' ')) + tag +
            kSeparator);
}

}  // namespace kbs
