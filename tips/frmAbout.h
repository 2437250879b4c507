#pragma once

#include <QDialog>
#include <QString>

#include "Text.h"

class QLabel;

namespace kbs {

namespace aboutText {
inline constexpr Text<"kbs::aboutText"> Caption{QT_TRANSLATE_NOOP("kbs::aboutText", "About")};
inline constexpr Text<"kbs::aboutText"> Product{
    QT_TRANSLATE_NOOP("kbs::aboutText", "Kerbside Manager v")};
inline constexpr Text<"kbs::aboutText"> Link{
    QT_TRANSLATE_NOOP("kbs::aboutText", "Click here to visit Kerbside Manager Homepage")};
inline const QString HomePage = QStringLiteral("http://kerbside-manager.example.org/kerbside.html");
inline constexpr Text<"kbs::aboutText"> CannotOpen{
    QT_TRANSLATE_NOOP("kbs::aboutText",
                      "The web browser could not be started. The Kerbside Manager homepage is at:"
                      "\r\n\r\n%1")};
}  // namespace aboutText

// The About window: the product with its full version, a few notices and a link to the
// product's web page. A fixed dialog without buttons, closed with its close box.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load();
    void Label5_Click();

    // The version line: "Kerbside Manager v" and major.minor.revision.
    static QString versionLine();

    // ---- controls, named as designed
    QLabel* Label1 = nullptr;  // the version line
    QLabel* Label2 = nullptr;  // what the program is
    QLabel* Label3 = nullptr;  // the maker's notice
    QLabel* Label4 = nullptr;  // the release date
    QLabel* Label5 = nullptr;  // the link

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kbs
