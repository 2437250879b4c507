#pragma once

#include <QString>

// The catalogue window's own texts, in one place.
namespace kbs::mainText {

inline const QString TitlePrefix = QStringLiteral("Kerbside Manager v");
inline const QString AppTitle = QStringLiteral("Kerbside Manager");
inline const QString QuitQuestion = QStringLiteral("Are you  sure you want to Quit?");
inline const QString TotalRecords = QStringLiteral("Total Records In The Database : ");
inline const QString FoundIs = QStringLiteral("       Total Found In The Database Is: ");
inline const QString FoundAre = QStringLiteral("       Total Found In The Database Are: ");
inline const QString RecordSingular = QStringLiteral("  Record");
inline const QString RecordPlural = QStringLiteral("  Records");
inline const QString FrameCaption = QStringLiteral("Add/Edit Info");
inline const QString PhotoCaption = QStringLiteral("Photo");
inline const QString NotesLabel = QStringLiteral("Notes:");
inline const QString HiddenLabel = QStringLiteral("hidden");
inline const QString StoreInDatabase = QStringLiteral("store in database");
inline const QString StoreAsPointer = QStringLiteral("store as file pointer");
inline const QString SelectPicture = QStringLiteral("select picture");
inline const QString Save = QStringLiteral("Save");
inline const QString Cancel = QStringLiteral("Cancel");
inline const QString Query = QStringLiteral("select * from table1");
inline const QString ScratchPicture = QStringLiteral("ok.jpg");
inline const QString InvalidImage =
    QStringLiteral("File does not appear to be a valid image file...");

// The mark after a line of a field shown cut short.
inline const QString ValueCut =
    QStringLiteral(" \u2026 [%1 more characters not shown; this field cannot be edited here]");

// Start-up failures (the program then ends).
inline const QString CannotOpen = QStringLiteral("The catalogue %1 cannot be opened:\r\n\r\n%2");

// Count as written with its sign position: a space, then the number.
inline QString signedCount(long n) {
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

}  // namespace kbs::mainText
