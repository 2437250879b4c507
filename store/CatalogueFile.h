#pragma once

#include <QString>
#include <QStringList>

namespace kbs::cataloguefile {

// The catalogue the program shows: the program directory's own (mydb.mdb) unless another was
// opened, from the command line or the window.
QString current();
// Opens `path` from now on; empty: the program directory's own again.
void setCurrent(const QString& path);
// The program directory's own catalogue.
QString own();
bool isOwn(const QString& path);

// What the window's title adds after its caption: nothing for the program's own catalogue,
// otherwise " - " and the catalogue's name without its folder and ".mdb".
QString titleSuffix();

// The catalogues opened lately, the latest first, as the settings keep them; those no longer
// there are left out.
QStringList recent();
// Puts `path` first among the recent ones.
void remember(const QString& path);
inline constexpr int MaxRecent = 8;

}  // namespace kbs::cataloguefile
