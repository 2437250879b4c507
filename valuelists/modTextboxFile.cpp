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
    } catch (const AppError&) {
        prompts().msgBox(textboxText::FileNotFound, mb::OKOnly, textboxText::ErrorTitle);
        return false;
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
