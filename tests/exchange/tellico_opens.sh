#!/usr/bin/env bash
# Tellico opens the collection kbsmgr-export --tellico writes, with every entry: Tellico runs
# on a virtual display with a session bus of its own, and its D-Bus interface counts the
# entries. Skipped (77) where Tellico, Xvfb or D-Bus is not installed.
#   tellico_opens.sh KBSMGR-IMPORT KBSMGR-EXPORT
set -eu
for tool in tellico xvfb-run dbus-launch dbus-send; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed, so Tellico cannot be checked"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'Description;Year Issued;Notes\n"Mini; Cooper";007;a\n"Beetle";1e3;"two\nlines"\nDS;;\n' \
  >"$work/in.csv"
"$1" "$work/in.csv" "$work/cars.mdb" >/dev/null
"$2" --tellico "$work/cars.tc" "$work/cars.mdb" >/dev/null

export HOME="$work" XDG_CONFIG_HOME="$work/config" QTWEBENGINE_DISABLE_SANDBOX=1
entries=$(xvfb-run -a bash "$(dirname "$0")/tellico_session.sh" "$work/cars.tc" "$work")
if [ "$entries" != 3 ]; then
  echo "FAIL: Tellico shows ${entries:-no} entries of 3"
  cat "$work/tellico.log"
  exit 1
fi
echo "Tellico opened the collection with its 3 entries"
