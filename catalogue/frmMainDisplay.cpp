// Showing the current record in the detail fields; the picture step is in frmMainPicture.cpp.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "Collection.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "PanelLayout.h"
#include "PictureStrip.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

void frmMain::Clear_Display() {
    for (auto* box : txtTextl)
        box->setText(QString());
    imgPicture->clearPicture();
    txtPicDir->setText(QString());
    txtNotes->setPlainText(QString());
    m_notesCut = false;
    txtNotes->setReadOnly(m_panelLocked);
    for (size_t i = 0; i < m_boxCut.size(); ++i) {
        if (std::exchange(m_boxCut[i], false))
            txtTextl[i]->setLocked(m_panelLocked);
    }
    m_shown.reset();
    if (m_strip)
        m_strip->clear();
}

// A value with a line too long to lay out quickly is shown with that line cut and a mark, and
// cannot be edited here: a save leaves it as stored.
QString frmMain::cutLongLines(const QString& value, bool& cut) {
    cut = false;
    if (value.size() <= MaxShownLine)
        return value;
    QString shown;
    qsizetype start = 0;
    while (start <= value.size()) {
        qsizetype end = value.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = value.size();
        const qsizetype length = end - start;
        if (length <= MaxShownLine) {
            shown += QStringView(value).mid(start, length);
        } else {
            const qsizetype keep =
                MaxShownLine - (value.at(start + MaxShownLine - 1).isHighSurrogate() ? 1 : 0);
            shown += QStringView(value).mid(start, keep);
            shown += mainText::ValueCut.arg(length - MaxShownLine);
            cut = true;
        }
        if (end < value.size())
            shown += QLatin1Char('\n');
        start = end + 1;
    }
    return cut ? shown : value;
}

// Whether the Record set holds no record at all; ifUnknown when it cannot tell.
bool frmMain::holdsNoRecord(bool ifUnknown) const {
    bool empty = ifUnknown;
    resumeNext([&] { empty = rs->bof() && rs->eof(); });
    return empty;
}

void frmMain::Update_Display() {
    resumeNext([&] { Clear_Display(); });
    if (!rs)
        return;
    if (holdsNoRecord(true))
        return;
    resumeNext([&] { m_shown = rs->bookmark(); });

    for (const panel::Field* c : panel::readOrder) {
        resumeNext([&] {
            // A value too long to show quickly is shown up to MaxShownBytes, cut like a long
            // line: marked, and left as stored by a save.
            qint64 notShown = 0;
            const auto text = collection::fieldTextOf(rs->valueForShow(
                rs->fieldIndex(QString::fromLatin1(c->name())), MaxShownBytes, &notShown));
            if (!text)
                return;
            bool& cut = c->box >= 0 ? m_boxCut[size_t(c->box)] : m_notesCut;
            QString shown = cutLongLines(*text, cut);
            if (notShown > 0) {
                shown += mainText::ValueCutBytes.arg(notShown);
                cut = true;
            }
            if (c->box >= 0) {
                txtTextl[size_t(c->box)]->setText(shown);
                txtTextl[size_t(c->box)]->setLocked(m_panelLocked || cut);
            } else {
                txtNotes->setPlainText(shown);
                txtNotes->setReadOnly(m_panelLocked || cut);
            }
        });
    }
    showStoredPicture();
    resumeNext([&] { showPictureStrip(); });
}

}  // namespace kbs
