#!/usr/bin/env bash
# Reads the texts a person reads out of the sources into the translation files
# (translations/kbsmgr_*.ts), keeping every translation already made, and says how many entries
# of each file still wait for a translation.
#
#   scripts/update-translations.sh            update the files, then count what is unfinished
#   scripts/update-translations.sh --list     only list the unfinished entries, file by file
#   scripts/update-translations.sh --add xx   start a new language (xx: de, fr, it, ...)
#
# Translate with Qt Linguist (linguist translations/kbsmgr_de.ts) or in any text editor: an
# entry is finished when its <translation> has no type="unfinished".
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)
# Every folder of the program's own sources; not the tests, tools, benchmarks or builds.
sources=()
for d in */; do
  case "${d%/}" in
    build* | tests | bench | fuzz | tools | data | docs | translations | cmake | scripts) ;;
    *) sources+=("${d%/}") ;;
  esac
done


case "${1:-}" in
  --list)
    for ts in translations/kbsmgr_*.ts; do
      python3 - "$ts" --list <<'PY'
import sys, xml.etree.ElementTree as ET
path = sys.argv[1]
left = [(c.findtext("name"), "".join(m.find("source").itertext()))
        for c in ET.parse(path).getroot().iter("context") for m in c.iter("message")
        if m.find("translation").get("type") == "unfinished"]
print(f"{path}: {len(left)} unfinished")
for ctx, src in left:
    print(f"  [{ctx}] {src!r}")
PY
    done
    exit 0 ;;
  --add)
    files=("translations/kbsmgr_${2:?which language, e.g. it}.ts") ;;
  "")
    files=(translations/kbsmgr_*.ts) ;;
  *)
    echo "usage: $0 [--list | --add LANGUAGE]" >&2
    exit 2 ;;
esac

# The tips the program ships (data/tip.txt) are translated line by line: lupdate reads them
# from a file made for it here.
tips=$(mktemp -d)
trap 'rm -rf "$tips"' EXIT
python3 - data/tip.txt >"$tips/tips.cpp" <<'PY'
import sys
for line in open(sys.argv[1], encoding="utf-8").read().splitlines():
    if line.strip():
        text = line.replace("\\", "\\\\").replace('"', '\\"')
        print(f'QT_TRANSLATE_NOOP("kbs::tips", "{text}");')
PY
sources+=("$tips")

target=()
if [ "${1:-}" = --add ]; then target=(-target-language "$2"); fi
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "${sources[@]}" "${target[@]}" \
  -ts "${files[@]}"
"$0" --list | grep -v '^  '
