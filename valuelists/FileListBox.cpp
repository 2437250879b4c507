#include "FileListBox.h"

#include <QDir>
#include <QSignalBlocker>

namespace kbs {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setPath(QDir::currentPath());
}

void FileListBox::setPath(const QString& path) {
    m_path = path;
    refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refresh();
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListBox::selectQuietly(int row) {
    const QSignalBlocker blocker(this);
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

void FileListBox::refresh() {
    const QSignalBlocker blocker(this);
    clear();
    const QStringList names =
        QDir(m_path).entryList(m_pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts), QDir::Files,
                               QDir::Name | QDir::IgnoreCase);
    addItems(names);
}

}  // namespace kbs
