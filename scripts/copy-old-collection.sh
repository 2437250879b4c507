#!/usr/bin/env bash
# copy-old-collection.sh OLD NEW
# Copies a collection from the folder where earlier versions of ./run.sh kept it (OLD, the
# build's program directory) into the per-user program directory NEW, once: only when OLD holds
# a catalogue with at least one record and NEW holds none (the build makes an empty catalogue
# there, which is nobody's collection). The catalogue's journal, the original of a converted
# catalogue, the value lists, tip.txt and the backups go with it. Nothing is moved, and no file
# in NEW is ever replaced.
set -euo pipefail
old=$1
new=$2
[ -f "$old/mydb.mdb" ] || exit 0
# A file sqlite3 cannot read, or a machine without sqlite3, counts as a collection: copied.
if command -v sqlite3 >/dev/null &&
  [ "$(sqlite3 -readonly "$old/mydb.mdb" 'SELECT count(*) FROM (SELECT 1 FROM table1 LIMIT 1)' \
    2>/dev/null)" = 0 ]; then
  exit 0
fi
if [ -e "$new/mydb.mdb" ] || [ -L "$new/mydb.mdb" ]; then exit 0; fi
[ -d "$new" ] || mkdir -p -m 700 "$new"
shopt -s nullglob
for f in "$old"/mydb.mdb-journal "$old"/mydb.mdb-wal "$old"/mydb.mdb.jet "$old"/*.ini \
  "$old"/tip.txt; do
  if [ -f "$f" ]; then cp -n -p "$f" "$new/"; fi
done
if [ -d "$old/backups" ]; then
  mkdir -p "$new/backups"
  for f in "$old"/backups/mydb-*.mdb; do cp -n -p "$f" "$new/backups/"; done
fi
# The catalogue last, under a name of its own, then linked into place: a link never replaces.
tmp=$(mktemp "$new/.mydb.mdb.copy.XXXXXX")
trap 'rm -f "$tmp"' EXIT
cp -p "$old/mydb.mdb" "$tmp"
if ln "$tmp" "$new/mydb.mdb" 2>/dev/null; then
  echo "Your collection was copied from $old to $new; the copy in $old is left as it was."
fi
