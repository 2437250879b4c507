#pragma once

#include <QString>

namespace kbs {

class EditorTextBox;

namespace textboxText {
inline const QString FileNotFound = QStringLiteral("File Not Found");
inline const QString SaveFailed = QStringLiteral("There has been a error!");
inline const QString ErrorTitle = QStringLiteral("Error");
}  // namespace textboxText

// Loads the text file at `path` into `box`: its lines joined by CR LF, without a line break
// after the last, set in one assignment. When the file cannot be read, says "File Not Found",
// leaves the box as it was and returns false.
bool LoadFileIntoTextbox(EditorTextBox& box, const QString& path);

// Saves `box` to the file at `path` with exactly one final CR LF. A line break at the end of
// the box's text is first removed from the box itself. When the file cannot be written, says
// "There has been a error!", leaves the file as it was and returns false.
bool SaveTextboxToFile(EditorTextBox& box, const QString& path);

}  // namespace kbs
