#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "TestEnv.h"

namespace kbs::test::legacy {

// A file of the shared fixtures (fixture.mdb, bin250.bin, ...).
QString fixture(const QString& name);
QByteArray fixtureBytes(const QString& name);
// The command-line converter as built.
QString converter();

using kbs::test::rowsOf;

// Compares the catalogue at dbPath, value by value, type by type and byte by byte, with what
// `mdb-export -b hex FILE table1` shows for fixture.mdb (edge: fixture_edge.mdb), in the
// forms the conversion gives them. Returns the differences; empty when they agree.
QStringList differencesFromFixture(const QString& dbPath, bool edge = false);

// The names in a folder, to see that nothing was left behind.
QStringList filesIn(const QString& dir);

}  // namespace kbs::test::legacy
