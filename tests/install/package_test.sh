#!/usr/bin/env bash
# package_test.sh BUILD_DIR
# Makes the Debian package of the build with CPack and looks into it: what it installs under
# /usr, its Depends, and lintian's errors. Skipped where dpkg-deb or lintian is missing.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  if ! command -v $tool >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/deps.sh --test installs it)"
    exit 0
  fi
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.txt" 2>&1 ||
  { cat "$tmp/cpack.txt"; fail cpack; }
deb=$(echo "$tmp"/kbsmgr_*.deb)
[ -f "$deb" ] || fail "no package"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$tmp/files.txt"
id=io.github.kbsmgr.KerbsideManager
for f in /usr/bin/kbsmgr /usr/bin/kbsmgr-import /usr/bin/kbsmgr-export /usr/bin/kbsmgr-restore \
  /usr/share/kbsmgr/translations/kbsmgr_de.qm /usr/share/kbsmgr/defaults/tip.txt \
  /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
  /usr/share/icons/hicolor/256x256/apps/$id.png /usr/share/icons/hicolor/scalable/apps/$id.svg \
  /usr/share/doc/kbsmgr/copyright /usr/share/doc/kbsmgr/changelog.gz; do
  grep -qx "$f" "$tmp/files.txt" || fail "$f not in the package"
done
grep -v '^/usr/' "$tmp/files.txt" | grep -vx '/' && fail "files outside /usr"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libsqlite3-0 libxlsxwriter libqrencode; do
  [[ $depends == *$lib* ]] || fail "Depends lacks $lib: $depends"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/$id.desktop |
  grep -qx 'Exec="/usr/bin/kbsmgr"' || fail "desktop entry's Exec"
lintian --no-tag-display-limit "$deb" >"$tmp/lintian.txt" 2>&1 || true
if grep '^E:' "$tmp/lintian.txt"; then fail "lintian errors"; fi
echo "package test passed"
