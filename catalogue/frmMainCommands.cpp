// Deletion, search, the picture store step and the toolbar's dispatch.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "AppError.h"
#include "Collection.h"
#include "Connection.h"
#include "DataReport.h"
#include "FlexGrid.h"
#include "ImageBox.h"
#include "LimitedTextbox.h"
#include "MainTexts.h"
#include "OpenSaveDialog.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "ResumeNext.h"
#include "frmMain.h"

namespace kbs {

namespace {
const QString kOneRecordText = QStringLiteral(
    "There needs to be at least one record in the database.\r\n\r\nPlease edit this record.");
const QString kOneRecordTitle = QStringLiteral("No Records to Delete");
const QString kDeleteText = QStringLiteral("You are about to delete this record, are you sure?");
const QString kDeleteTitle = QStringLiteral("Delete Record");
const QString kDeleteFailed = QStringLiteral("The record could not be deleted:\r\n\r\n%1");
const QString kNoRecordText = QStringLiteral("There is no record to search");
const QString kNoRecordTitle = QStringLiteral("Exiting");
const QString kSearchPrompt = QStringLiteral("Search for an entry");
const QString kSearchTitle = QStringLiteral("enter your searchtext");
const QString kSearchDefault = QStringLiteral("red");
const QString kNoMatchText = QStringLiteral("No Match found in Database!");
const QString kNoMatchTitle = QStringLiteral("Search...");
const QString kSelectTitle = QStringLiteral("Select picture for current record...");
const QString kPictureFilter =
    QStringLiteral("Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico");
const QString kPictureTooLarge = QStringLiteral(
    "The picture %1 is %2 MB. A record holds pictures of up to %3 MB.\r\n\r\nPlease choose a "
    "smaller picture, or store this one as a file pointer.");
const QString kPictureUnreadable = QStringLiteral(
    "The picture file %1 could not be read:\r\n\r\n%2\r\n\r\nThe record keeps the picture it "
    "had.");
const QString kPictureNotTaken = QStringLiteral("\r\n\r\nThe record keeps the picture it had.");

struct ReportEntry {
    const char* entry;
    const char* condition;  // follows the report's query
    const char* caption;
};
// Every report reads the columns it prints and no others: never a picture.
constexpr const char* kReportQuery =
    "select Description, Year, Number, Series, Car_Cond, Color, Wheel_Type, Box_Type, Box_Cond, "
    "Quantity, Location, List_Price, Purchase, Purch_Date, Value, Value_Date, Status from table1";
constexpr ReportEntry kReports[] = {
    {"All", "", "Report -- All"},
    {"Want", " where Status = 'Want'", "Report -- Want"},
    {"Have", " where Status = 'Have'", "Report -- Have"},
    {"Sell", " where Status = 'Sell'", "Report -- Sell"},
};

// Says so and returns true when a picture file is larger than a record takes.
bool refuseTooLarge(const QString& path) {
    const qint64 size = QFileInfo(path).size();
    if (size <= frmMain::MaxPictureBytes)
        return false;
    prompts().msgBox(kPictureTooLarge.arg(path)
                         .arg(double(size) / (1024.0 * 1024.0), 0, 'f', 1)
                         .arg(frmMain::MaxPictureBytes / (1024 * 1024)),
                     mb::OKOnly | mb::Exclamation, mainText::AppTitle);
    return true;
}

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

void frmMain::connectCommands() {
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
    connect(cmdPlus, &QPushButton::clicked, this, &frmMain::cmdPlus_Click);
    connect(cmdMinus, &QPushButton::clicked, this, &frmMain::cmdMinus_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmMain::cmdSelect_Click);
}

// ---------------------------------------------------------------- condition modifiers

void frmMain::cmdPlus_Click() {
    txtTextl[5]->setText(txtTextl[5]->text() + QLatin1Char('+'));
}

void frmMain::cmdMinus_Click() {
    txtTextl[5]->setText(txtTextl[5]->text() + QLatin1Char('-'));
}

void frmMain::cmdSelect_Click() {
    try {
        OpenSaveDialog1->setInitDir(ProgramInfo::directory() + QLatin1Char('/'));
        OpenSaveDialog1->setCancelError(false);
        OpenSaveDialog1->setDialogTitle(kSelectTitle);
        OpenSaveDialog1->setFilter(kPictureFilter);
        OpenSaveDialog1->ShowOpen();
        const QString chosen = OpenSaveDialog1->fileName();
        const QString path = collection::trimSpaces(chosen);
        // A picture the catalogue cannot hold is refused here, before anything changes.
        if (!path.isEmpty() && Option1[0]->isChecked() && refuseTooLarge(path))
            return;
        const QString before = txtPicDir->text();
        txtPicDir->setText(chosen);
        if (!path.isEmpty()) {
            try {
                Load_Picture(path);
            } catch (const AppError& e) {
                // A file that is not a picture is not kept for the save.
                txtPicDir->setText(before);
                throw AppError(e.number(), e.source(), e.description() + kPictureNotTaken);
            }
        }
    } catch (const AppError& e) {
        if (e.number() == err::CancelSelected)
            return;
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

// ---------------------------------------------------------------- deletion

void frmMain::Delete_Record() {
    long count = -1;
    resumeNext([&] { count = rs->recordCount(); });
    if (count == 1) {
        cmdSelect->setVisible(true);
        prompts().msgBox(kOneRecordText, mb::Information | mb::OKOnly, kOneRecordTitle);
        return;
    }
    cmdSelect->setVisible(false);
    const int answer = prompts().msgBox(
        kDeleteText, mb::OKCancel | mb::DefaultButton1 | mb::Exclamation, kDeleteTitle);
    if (answer != mb::OK)
        return;
    if (!rs)
        return;
    bool empty = false;
    resumeNext([&] { empty = rs->bof() && rs->eof(); });
    if (empty)
        return;

    // The record deleted is the one the fields show, or none.
    if (m_shown) {
        returnToShown();
        const bool onShown = rs->hasCurrentRecord() && rs->bookmark() == *m_shown;
        if (onShown) {
            // A refused delete says so and changes nothing on screen.
            try {
                rs->deleteCurrent();
            } catch (const std::exception& e) {
                returnToShown();
                prompts().msgBox(kDeleteFailed.arg(QString::fromUtf8(e.what())),
                                 mb::OKOnly | mb::Critical, kDeleteTitle);
                return;
            }
            resumeNext([&] { rs->update(); });
        }
    }
    resumeNext(
        [&] { setStatusText(mainText::TotalRecords + mainText::signedCount(rs->recordCount())); });
    resumeNext([&] { empty = rs->bof() && rs->eof(); });
    if (empty) {
        Clear_Display();
        return;
    }
    resumeNext([&] {
        rs->moveNext();
        if (rs->eof())
            rs->moveLast();
    });
    resumeNext([&] { Update_Display(); });
    resumeNext([&] { PopulateFlexGrid(*FG1, *rs, true); });
    resumeNext([&] { GetInfo(FG1->textMatrix(FG1->row(), 0)); });
    resumeNext([&] { Lock_Display(true); });
}

// ---------------------------------------------------------------- search

void frmMain::Find_Record() {
    long count = 0;
    resumeNext([&] { count = rs ? rs->recordCount() : 0; });
    if (count == 0) {
        prompts().msgBox(kNoRecordText, mb::Information | mb::OKOnly, kNoRecordTitle);
        return;
    }
    try {
        const QString t =
            collection::trimSpaces(prompts().inputBox(kSearchPrompt, kSearchTitle, kSearchDefault));
        if (t.isEmpty())
            return;
        const QByteArray tUtf8 = t.toUtf8();
        const std::string_view needle(tUtf8.constData(), size_t(tUtf8.size()));
        const bool asciiNeedle = isAscii(needle);
        const int last = std::min(collection::SearchLastPosition, rs->fieldCount() - 1);

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
            prompts().msgBox(kNoMatchText, mb::Exclamation | mb::OKOnly, kNoMatchTitle);
            rs->moveFirst();
            returnToShown();
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
        returnToShown();
        prompts().msgBox(e.description(), mb::OKOnly, QString());
    } catch (const std::exception& e) {
        returnToShown();
        prompts().msgBox(QString::fromUtf8(e.what()), mb::OKOnly, QString());
    }
}

// ---------------------------------------------------------------- picture store step

void frmMain::storeChosenPicture() {
    const QString pic = QString::fromLatin1(collection::PictureColumn);
    const QString pathCol = QString::fromLatin1(collection::PicturePathColumn);
    const QString path = collection::trimSpaces(txtPicDir->text());
    if (Option1[1]->isChecked() && !path.isEmpty()) {
        resumeNext([&] { rs->fields(pathCol).setValue(path); });
        resumeNext([&] { rs->fields(pic).appendChunk(QByteArray()); });
        return;
    }
    if (path.isEmpty()) {
        resumeNext([&] { rs->fields(pathCol).setValue(QString()); });
        return;
    }
    // A chosen file that vanished, grew too large or cannot be read leaves the record's picture
    // as it was.
    if (refuseTooLarge(path))
        return;
    QByteArray bytes;
    try {
        bytes = regularfile::read(path, MaxPictureBytes);
    } catch (const AppError& e) {
        prompts().msgBox(kPictureUnreadable.arg(path, e.description()),
                         mb::OKOnly | mb::Exclamation, mainText::AppTitle);
        return;
    }
    resumeNext([&] { rs->fields(pic).appendChunk(bytes); });
    resumeNext([&] { rs->fields(pathCol).setValue(QString()); });
}

// ---------------------------------------------------------------- toolbar

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("Add"))
        Add_New_Record();
    else if (key == QLatin1String("Edit"))
        Edit_Record();
    else if (key == QLatin1String("Delete"))
        Delete_Record();
    else if (key == QLatin1String("Find"))
        Find_Record();
    else if (key == QLatin1String("Report"))
        showReport(m_reportQuery, QString());
}

void frmMain::Toolbar1_ButtonMenuClick(const QString& text) {
    for (const auto& r : kReports) {
        if (text == QLatin1String(r.entry)) {
            m_reportQuery = QString::fromLatin1(kReportQuery) + QLatin1String(r.condition);
            showReport(m_reportQuery, QString::fromLatin1(r.caption));
            return;
        }
    }
    if (text == QLatin1String("About"))
        showAbout();
    else if (text == QLatin1String("Tips"))
        showTips();
    else if (text == QLatin1String("Edit Helper Menues"))
        showEditor();
}

// A report reads a record set of its own on the catalogue's connection: the window's
// Record set, and so the record on screen, stays as it is.
void frmMain::showReport(const QString& query, const QString& caption) {
    if (!cn || !cn->isOpen())
        return;
    try {
        DataReport1->openDataSource(*cn,
                                    query.isEmpty() ? QString::fromLatin1(kReportQuery) : query);
        DataReport1->setDataMember(QString());
        if (!caption.isEmpty())
            DataReport1->sections(QStringLiteral("Section2"))
                .controls(QStringLiteral("Label3"))
                .setCaption(caption);
        DataReport1->show();
    } catch (const AppError& e) {
        prompts().msgBox(e.description(), mb::OKOnly | mb::Critical, mainText::AppTitle);
    }
}

void frmMain::DataReport_Terminate() {
    // The report has let go of its own record set; the window's was never touched.
}

}  // namespace kbs
