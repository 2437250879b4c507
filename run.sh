#!/usr/bin/env bash
# Installs what is missing, builds the program, installs it for the current user (in
# ~/.local, with its entry in the desktop's application menu) and starts the installed program.
# The collection lives in the per-user program directory, ${XDG_DATA_HOME:-~/.local/share}/kbsmgr.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
prefix="$HOME/.local"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKBS_BUILD_TESTS=OFF -DKBS_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
cmake --install build/release --prefix "$prefix" >/dev/null
# Earlier versions kept the collection in the build's program directory: copied once.
data="${XDG_DATA_HOME:-$HOME/.local/share}"
case "$data" in /*) ;; *) data="$HOME/.local/share" ;; esac
./scripts/copy-old-collection.sh build/release/program "$data/kbsmgr"
# Earlier versions installed the desktop entry, the metainfo and the icons under another name.
old_id=org.example.KerbsideManager
rm -f "$prefix/share/applications/$old_id.desktop" "$prefix/share/metainfo/$old_id.metainfo.xml" \
  "$prefix"/share/icons/hicolor/*/apps/"$old_id".png "$prefix"/share/icons/hicolor/*/apps/"$old_id".svg
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$prefix/share/applications" || true
fi
exec "$prefix/bin/kbsmgr" "$@"
