#pragma once

#include <QString>

#include "Text.h"

namespace kbs {

class EditorTextBox;

namespace textboxText {
inline constexpr Text<"kbs::textboxText"> FileNotFound{
    QT_TRANSLATE_NOOP("kbs::textboxText", "File Not Found")};
inline constexpr Text<"kbs::textboxText"> SaveFailed{
    QT_TRANSLATE_NOOP("kbs::textboxText", "There has been a error!")};
inline constexpr Text<"kbs::textboxText"> ErrorTitle{
    QT_TRANSLATE_NOOP("kbs::textboxText", "Error")};
// A file that is there but cannot be edited: %1 names it and says why.
inline constexpr Text<"kbs::textboxText"> CannotOpen{
    QT_TRANSLATE_NOOP("kbs::textboxText",
                      "The file cannot be opened in the editor:\r\n\r\n%1\r\n\r\nThe file is left "
                      "as it is.")};
inline constexpr Text<"kbs::textboxText"> LineTooLong{
    QT_TRANSLATE_NOOP("kbs::textboxText",
                      "%1 has a line of %2 characters; the editor opens files whose lines have at "
                      "most %3.")};
}  // namespace textboxText

// The longest line the editor opens: laying out a longer one would freeze the window.
inline constexpr qsizetype MaxEditorLine = 65536;  // namespace textboxText

// Loads the text file at `path` into `box`: its lines joined by CR LF, without a line break
// after the last, set in one assignment. When there is no such file, says "File Not Found";
// when it is there but cannot be read (not a regular file, too long, a line longer than
// MaxEditorLine) says which and why; either way leaves the box as it was and returns false.
bool LoadFileIntoTextbox(EditorTextBox& box, const QString& path);

// Saves `box` to the file at `path` with exactly one final CR LF. A line break at the end of
// the box's text is first removed from the box itself. When the file cannot be written, says
// "There has been a error!", leaves the file as it was and returns false.
bool SaveTextboxToFile(EditorTextBox& box, const QString& path);

}  // namespace kbs
