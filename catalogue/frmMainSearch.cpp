// The search: the first record with the text in any of its first fields, any case.
#include <QApplication>
#include <QElapsedTimer>

#include "AppError.h"
#include "Collection.h"
#include "FlexGrid.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "Prompts.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
bool isAscii(std::string_view s) {
    for (unsigned char c : s) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// Case-insensitive containment for ASCII texts, without building QStrings.
bool containsAsciiNoCase(std::string_view hay, std::string_view needle) {
    if (needle.size() > hay.size())
        return false;
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : char(c); };
    const char first = lower(static_cast<unsigned char>(needle[0]));
    for (size_t i = 0; i + needle.size() <= hay.size(); ++i) {
        if (lower(static_cast<unsigned char>(hay[i])) != first)
            continue;
        size_t k = 1;
        while (k < needle.size() && lower(static_cast<unsigned char>(hay[i + k])) ==
                                        lower(static_cast<unsigned char>(needle[k])))
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}
}  // namespace

void frmMain::Find_Record() {
    long count = 0;
    resumeNext([&] { count = rs ? rs->recordCount() : 0; });
    if (count == 0) {
        prompts().msgBox(mainText::NoRecordText, mb::Information | mb::OKOnly,
                         mainText::NoRecordTitle);
        return;
    }
    try {
        const QString t = collection::trimSpaces(prompts().inputBox(
            mainText::SearchPrompt, mainText::SearchTitle, mainText::SearchDefault));
        if (t.isEmpty())
            return;
        // A search that finds nothing, or fails, leaves the shown record current.
        const ShownRecordGuard keep(*this, *rs);
        const QByteArray tUtf8 = t.toUtf8();
        const std::string_view needle(tUtf8.constData(), size_t(tUtf8.size()));
        const bool asciiNeedle = isAscii(needle);
        const int last = std::min(panel::SearchLastPosition, rs->fieldCount() - 1);

        rs->moveFirst();
        int found = -1;
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        while (!rs->eof()) {
            for (int i = 0; i <= last && found < 0; ++i) {
                std::string_view v;
                if (asciiNeedle && rs->peekUtf8(i, v) && isAscii(v)) {
                    if (containsAsciiNoCase(v, needle))
                        found = i;
                } else if (!rs->isNull(i)) {
                    if (rs->value(i).toString().contains(t, Qt::CaseInsensitive))
                        found = i;
                }
            }
            if (found >= 0)
                break;
            rs->moveNext();
            // Let the window breathe now and then, not after every record.
            if (sinceEvents.elapsed() >= 50) {
                QApplication::processEvents();
                sinceEvents.restart();
            }
        }
        if (found < 0) {
            prompts().msgBox(mainText::NoMatchText, mb::Exclamation | mb::OKOnly,
                             mainText::NoMatchTitle);
            rs->moveFirst();
            return;
        }
        Update_Display();
        if (found >= 1 && txtTextl[size_t(found)]->isVisible()) {
            LimitedTextbox* box = txtTextl[size_t(found)];
            const qsizetype at = box->text().indexOf(t, 0, Qt::CaseInsensitive);
            box->setSelStart(int(at));  // refuses -1 when the box does not show the text
            box->setSelLength(int(t.size()));
            box->setFocus();
        }
        FG1->setRow(0);
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly, QString());
    } catch (const std::exception& e) {
        prompts().msgBox(QString::fromUtf8(e.what()), mb::OKOnly, QString());
    }
}

}  // namespace kbs
