#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's language: chosen at start from the command line (--lang de), the settings file
// ([Language] Name=de) or the system's locale, in that order; its translations are loaded from
// the folder beside the program, with Qt's own for the standard dialogs. Numbers the program
// formats itself follow the language's locale, except in English, which keeps the program's
// own plain forms.
namespace kbs::language {

inline constexpr char SettingsSection[] = "Language";
inline constexpr char SettingsKey[] = "Name";

// The language asked for: "--lang xx" (or "--lang=xx") in the arguments, else the settings
// file's, else the system locale's name ("de_DE"). Empty or "en" means English.
QString requested(const QStringList& arguments);

// The folders searched for kbsmgr_xx.qm: "translations" beside the executable, then the
// installed share/kbsmgr/translations.
QStringList folders(const QString& executableDir);

// Loads the program's and Qt's translations for a language name ("de", "fr_FR", "nl-BE") into
// the application and makes its locale the default. Returns the language used: "en" when the
// name is English or no translation for it is found.
QString install(const QString& name, const QStringList& folders);

// Removes what install() loaded and returns to English.
void uninstall();

// Whether a translation other than English is in use.
bool translated();

// A whole number as the program writes it: in the locale's digits and grouping when translated,
// plain otherwise.
QString number(qint64 n);

// A number written by the program with "," grouping and "." decimals, in the locale's
// separators when translated.
QString localized(const QString& plain);

}  // namespace kbs::language
