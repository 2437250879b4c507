#pragma once

#include <QLineEdit>
#include <QStringList>

class QCompleter;
class QStringListModel;

namespace kbs {

// The tags of a record as one line, separated by commas ("chase, error, carded"). The tag being
// typed is completed from the tags in use: the list shows those that begin with it, and the
// one chosen takes its place, followed by ", " for the next.
class TagEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TagEdit(QWidget* parent = nullptr);

    // The tags in use, offered for completion.
    void setKnownTags(const QStringList& tags);
    // The tags typed, each once (without regard to case), blanks around them removed.
    QStringList tags() const;
    void setTags(const QStringList& tags);
    static QString joined(const QStringList& tags);

    QCompleter* tagCompleter() const { return m_completer; }

private:
    void typed(const QString& text);
    void insertCompletion(const QString& tag);

    QCompleter* m_completer = nullptr;
    QStringListModel* m_known = nullptr;
};

}  // namespace kbs
