#include "modTextboxFile.h"

#include "AppError.h"
#include "EditorTextBox.h"
#include "Prompts.h"
#include "ValueListFile.h"

namespace kbs {

bool LoadFileIntoTextbox(EditorTextBox& box, const QString& path) {
    valuelist::Lines lines;
    try {
        lines = valuelist::read(path);
    } catch (const AppError& e) {
        prompts().msgBox(e.number() == err::FileNotFound
                             ? textboxText::FileNotFound
                             : textboxText::CannotOpen.arg(e.description()),
                         mb::OKOnly, textboxText::ErrorTitle);
        return false;
    }
    for (const QString& line : lines.values) {
        if (line.size() > MaxEditorLine) {
            prompts().msgBox(
                textboxText::CannotOpen.arg(
                    textboxText::LineTooLong.arg(path).arg(line.size()).arg(MaxEditorLine)),
                mb::OKOnly, textboxText::ErrorTitle);
            return false;
        }
    }
    box.setEncoding(lines.encoding);
    box.setText(lines.values.join(QStringLiteral("\r\n")));
    return true;
}

bool SaveTextboxToFile(EditorTextBox& box, const QString& path) {
    box.removeFinalLineBreak();
    TextEncoding encoding = box.encoding();
    try {
        valuelist::write(path, box.text() + QStringLiteral("\r\n"), encoding);
    } catch (const AppError&) {
        prompts().msgBox(textboxText::SaveFailed, mb::OKOnly, textboxText::ErrorTitle);
        return false;
    }
    box.setEncoding(encoding);
    return true;
}

}  // namespace kbs
