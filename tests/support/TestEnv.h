#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>

#include "ScriptedPrompts.h"

namespace kbs::test {

// A fresh program directory, settings store and scripted prompts for one test.
// Destroying it puts everything back.
class TestEnv {
public:
    explicit TestEnv(bool withCatalogue = true);
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString dbPath() const { return path(QStringLiteral("mydb.mdb")); }
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

private:
    QStringList m_readOnly;
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    ScriptedPrompts m_prompts;
};

}  // namespace kbs::test
