#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <functional>

#include "ScriptedPrompts.h"

class QWidget;

namespace kbs::test {

using namespace Qt::StringLiterals;

// A fresh program directory, settings store and scripted prompts for one test.
// Destroying it puts everything back, and fails the running case when a prompt appeared that
// nobody scripted or a scripted answer was never used.
class TestEnv {
public:
    explicit TestEnv(bool withCatalogue = true);
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString dbPath() const { return path(u"mydb.mdb"_s); }
    ScriptedPrompts& prompts() { return m_prompts; }

    void createCatalogue();
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // Plain SQL on the catalogue, beside the program.
    void exec(const QString& sql, const QVariantList& params = {}) const;
    QVariant value(const QString& sql, const QVariantList& params = {}) const;
    QList<QVariantList> rows(const QString& sql, const QVariantList& params = {}) const;
    // Makes a file or folder read-only for everyone, root included (where the file system
    // allows it); false when that could not be done. Undone when the test ends.
    bool makeReadOnly(const QString& path);
    void makeWritable(const QString& path);

    // Adds a record with the given column values; returns its ID.
    qint64 addRecord(const QVariantMap& values) const;

    // Fails the running case when a prompt appeared unscripted or an answer is left over,
    // and forgets what was shown; the destructor checks the same.
    void verifyPrompts();

private:
    QStringList m_readOnly;
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    ScriptedPrompts m_prompts;
};

// The rows a query gives on a catalogue file, each value as its SQLite type (qint64, double,
// QString, QByteArray; Null as an empty QVariant). Throws std::runtime_error on an error.
QList<QVariantList> rowsOf(const QString& dbPath, const QString& sql,
                           const QVariantList& params = {});

// A picture of one colour, encoded in `format` ("PNG", "JPG", "BMP", ...).
QByteArray pictureBytes(const char* format, int w = 40, int h = 30, QRgb color = 0xFFCC2200);

// Fails the running case (unless it failed already) with `what` when `problems` is not empty.
void failOn(const QStringList& problems, const char* what);

// Runs `open`, which shows a modal window or a popup and waits for it to close. Once that
// window is up, `act` works on it; whatever `act` leaves open is closed. False (with the
// reason logged) when no such window came up.
bool meetModal(const std::function<void()>& open, const std::function<void(QWidget*)>& act);

}  // namespace kbs::test
