#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "Settings.h"

namespace kbs::language {

namespace {

std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;
bool g_translated = false;

bool isEnglish(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           QLocale(name).language() == QLocale::English;
}

}  // namespace

QString requested(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (a.startsWith(QLatin1String("--lang=")))
            return a.mid(7);
    }
    const QString stored =
        Settings::get(QLatin1String(SettingsSection), QLatin1String(SettingsKey), QString());
    if (!stored.trimmed().isEmpty())
        return stored.trimmed();
    return QLocale::system().name();
}

QStringList folders(const QString& executableDir) {
    return {QDir(executableDir).filePath(QStringLiteral("translations")),
            QDir(executableDir).filePath(QStringLiteral("../share/kbsmgr/translations"))};
}

QString install(const QString& name, const QStringList& folders) {
    uninstall();
    const QString wanted = QString(name).replace(QLatin1Char('-'), QLatin1Char('_'));
    if (isEnglish(wanted))
        return QStringLiteral("en");
    const QLocale locale(wanted);
    auto program = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString& folder : folders) {
        if ((found = program->load(locale, QStringLiteral("kbsmgr"), QStringLiteral("_"), folder)))
            break;
    }
    if (!found)
        return QStringLiteral("en");
    QCoreApplication::installTranslator(program.get());
    g_program = std::move(program);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        g_qt = std::move(qt);
    }
    QLocale::setDefault(locale);
    g_translated = true;
    return QLocale(locale.language()).name().section(QLatin1Char('_'), 0, 0);
}

void uninstall() {
    if (g_program)
        QCoreApplication::removeTranslator(g_program.get());
    if (g_qt)
        QCoreApplication::removeTranslator(g_qt.get());
    g_program.reset();
    g_qt.reset();
    g_translated = false;
    QLocale::setDefault(QLocale::system());
}

bool translated() {
    return g_translated;
}

QString number(qint64 n) {
    return g_translated ? QLocale().toString(n) : QString::number(n);
}

QString localized(const QString& plain) {
    if (!g_translated)
        return plain;
    const QLocale locale;
    QString out;
    out.reserve(plain.size());
    for (const QChar c : plain) {
        if (c == QLatin1Char(','))
            out += locale.groupSeparator();
        else if (c == QLatin1Char('.'))
            out += locale.decimalPoint();
        else
            out += c;
    }
    return out;
}

}  // namespace kbs::language
