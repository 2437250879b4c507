#pragma once

#include <QListWidget>
#include <QString>

namespace kbs {

// A list of the files of one folder whose names match a pattern, shown as bare names in
// alphabetical order.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString& path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);  // "*.ini"; several separated by ";"

    // The selected file's bare name, or empty.
    QString fileName() const;
    // Makes `row` the selected entry (none for -1) without reporting a change of selection.
    void selectQuietly(int row);

    // Reads the folder again.
    void refresh();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

}  // namespace kbs
