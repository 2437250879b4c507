#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR
# Installs into a temporary prefix, checks the desktop entry, the metainfo and the icons, makes
# the installation read-only and starts the installed program offscreen as a new user: its
# per-user program directory is made and seeded, a backup is made beside the catalogue, and
# the next start keeps what the person saved. A portable copy keeps using its own folder.
# Then the one-time copy of a collection from the build's old program directory. Also: the
# usage without a display, and the README's uninstall, which leaves only the collection.
set -euo pipefail
build=$1
src=$2
tmp=$(mktemp -d)
trap 'chattr -R -i "$tmp" 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.kbsmgr.KerbsideManager
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
grep -qx "Exec=\"$prefix/bin/kbsmgr\"" "$prefix/share/applications/$id.desktop" || fail Exec
for size in 48 256; do
  identify "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q " PNG ${size}x$size " ||
    fail "icon $size"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon"
[ -x "$prefix/bin/kbsmgr-import" ] || fail "converter"
[ -x "$prefix/bin/kbsmgr-export" ] || fail "export"
[ -x "$prefix/bin/kbsmgr-restore" ] || fail "restore"
# The usage and the version need no display.
for arg in --help --version; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/kbsmgr" $arg >"$tmp/usage.txt" 2>&1 ||
    { cat "$tmp/usage.txt"; fail "$arg without a display"; }
done
grep -q -- --new-window <(env -u DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/kbsmgr" --help) || fail usage

# The README's uninstall, run in a home of its own, leaves the collection and nothing else.
home=$tmp/home
cmake --install "$build" --prefix "$home/.local" >/dev/null
mkdir -p "$home/.local/share/kbsmgr/backups"
touch "$home/.local/share/kbsmgr/mydb.mdb" "$home/.local/share/kbsmgr/series.ini" \
  "$home/.local/share/kbsmgr/backups/mydb-2026-12-01.kbsbackup"
sed -n '/^### Uninstall/,/^```$/p' "$src/README.md" | sed -n '/^```sh$/,/^```$/p' | sed '1d;$d' |
  HOME=$home bash -e
left=$(cd "$home" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./.local/share/kbsmgr/backups/mydb-2026-12-01.kbsbackup ./.local/share/kbsmgr/mydb.mdb ./.local/share/kbsmgr/series.ini " ] ||
  fail "uninstall left $left"

chmod -R a-w "$prefix"
chattr -R +i "$prefix" 2>/dev/null || true
stamp=$tmp/stamp
touch "$stamp"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$tmp/config

# Starts $1 and ends it once a backup is in the folder $2.
start_until_backup() {
  "$1" >"$tmp/out.txt" 2>&1 &
  local pid=$! i
  for i in $(seq 600); do
    compgen -G "$2/mydb-*.kbsbackup" >/dev/null && break
    kill -0 $pid 2>/dev/null || { cat "$tmp/out.txt"; fail "$1 ended"; }
    sleep 0.1
  done
  kill $pid
  wait $pid 2>/dev/null || true
  compgen -G "$2/mydb-*.kbsbackup" >/dev/null || fail "no backup in $2"
}

user=$tmp/data/kbsmgr
XDG_DATA_HOME=$tmp/data start_until_backup "$prefix/bin/kbsmgr" "$user/backups"
[ "$(ls "$user"/*.ini | wc -l)" -eq 10 ] && [ -s "$user/tip.txt" ] || fail "lists not seeded"
[ "$(sqlite3 "$user/mydb.mdb" 'SELECT count(*) FROM table1')" = 0 ] || fail "catalogue"
sqlite3 "$user/mydb.mdb" "INSERT INTO table1 (Description) VALUES ('Mini')"
printf 'Sold\r\n' >"$user/status.ini"
rm -r "$user/backups"
XDG_DATA_HOME=$tmp/data start_until_backup "$prefix/bin/kbsmgr" "$user/backups"
[ "$(sqlite3 "$user/mydb.mdb" 'SELECT Description FROM table1')" = Mini ] || fail "record lost"
[ "$(sqlite3 "$user"/backups/mydb-*.kbsbackup 'SELECT Description FROM table1')" = Mini ] ||
  fail "backup differs"
# The restore command puts the backup in the catalogue's place and keeps the catalogue beside.
sqlite3 "$user/mydb.mdb" "UPDATE table1 SET Description = 'Changed'"
"$prefix/bin/kbsmgr-restore" "$user/mydb.mdb" "$(date +%F)" >/dev/null || fail "restore command"
[ "$(sqlite3 "$user/mydb.mdb" 'SELECT Description FROM table1')" = Mini ] || fail "not restored"
[ "$(sqlite3 "$user"/mydb-before-restore-*.mdb 'SELECT Description FROM table1')" = Changed ] ||
  fail "catalogue before the restore not kept"
[ "$(cat "$user/status.ini")" = $'Sold\r' ] || fail "list replaced"
[ -z "$(find "$prefix" -newer "$stamp")" ] || fail "the installation was written to"

# A portable copy: the executable beside a catalogue.
mkdir "$tmp/portable"
cp "$prefix/bin/kbsmgr" "$prefix/bin/kbsmgr-import" "$tmp/portable/"
cp "$user/mydb.mdb" "$tmp/portable/"
XDG_DATA_HOME=$tmp/data2 start_until_backup "$tmp/portable/kbsmgr" "$tmp/portable/backups"
[ ! -e "$tmp/data2" ] || fail "portable copy made a per-user folder"

# A second start on the same catalogue hands over to the running copy and ends; --new-window
# opens a window of its own all the same.
run=$tmp/run
mkdir -m 700 "$run"
export XDG_RUNTIME_DIR=$run XDG_DATA_HOME=$tmp/data2
"$tmp/portable/kbsmgr" >"$tmp/first.txt" 2>&1 &
first=$!
for i in $(seq 600); do compgen -G "$run/$id-*[0-9a-f]" >/dev/null && break; sleep 0.1; done
timeout 60 "$tmp/portable/kbsmgr" || fail "a second start did not hand over to the first"
kill -0 $first 2>/dev/null || { cat "$tmp/first.txt"; fail "the first copy ended"; }
"$tmp/portable/kbsmgr" --new-window >/dev/null 2>&1 &
second=$!
sleep 3
kill -0 $second 2>/dev/null || fail "--new-window opened no window"
kill $first $second
wait $first $second 2>/dev/null || true

# The one-time copy from the old place: never moved, never overwriting.
copy=$src/scripts/copy-old-collection.sh
old=$tmp/old new=$tmp/new
mkdir "$old"
echo old >"$old/mydb.mdb"
echo old >"$old/series.ini"
"$copy" "$old" "$new" >/dev/null
[ "$(cat "$new/mydb.mdb" "$new/series.ini" "$old/mydb.mdb")" = $'old\nold\nold' ] || fail copy
echo mine >"$new/series.ini"
echo mine >"$new/mydb.mdb"
echo newer >"$old/mydb.mdb"
"$copy" "$old" "$new"
[ "$(cat "$new/mydb.mdb" "$new/series.ini")" = $'mine\nmine' ] || fail "copy overwrote"
rm "$new/series.ini"
"$copy" "$old" "$new"
[ ! -e "$new/series.ini" ] || fail "lists copied to an existing collection"
# The empty catalogue a build makes is nobody's collection: nothing copied, nothing said.
rm -r "$new" "$old/mydb.mdb"
"$build/bin/kbsmgr-initdb" "$old/mydb.mdb" >/dev/null
[ -z "$("$copy" "$old" "$new")" ] && [ ! -e "$new" ] || fail "an empty catalogue copied"
echo "install test passed"
