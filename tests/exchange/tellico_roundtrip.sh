#!/usr/bin/env bash
# Tellico itself between our export and import: Tellico opens the collection kbsmgr-export
# --tellico writes, saves it again (through its D-Bus interface, on a virtual display with a
# session bus of its own), and kbsmgr-import reads back every value: texts with spaces around
# them, CR LF, several lines, markup-like text, the hidden column, the linked picture's path,
# further pictures with their captions and links; the pictures themselves, which Tellico
# encodes anew when it saves them, come back as pictures; the collector's own fields of every
# kind with their values, and the tags (one holding ";", where Tellico splits a keyword).
# Skipped (77) where Tellico, Xvfb, D-Bus or sqlite3 is not installed.
#   tellico_roundtrip.sh KBSMGR-IMPORT KBSMGR-EXPORT
set -eu
for tool in tellico xvfb-run dbus-launch dbus-send sqlite3 convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed, so the round trip through Tellico cannot be checked"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 40x30 xc:red "$work/red.png"
convert -size 40x30 xc:blue "$work/blue.jpg"
printf 'ID,Description,Notes,picture_file,more_pictures,more_links,more_captions,Scale,Count,Worth,Bought,STH,Maker,Tags\n1,a,b,red.png,blue.jpg|,|/pics/x y.png,rear|side view,1:64,12,1234.50,2024-03-05,yes,Hot Wheels,"chase, Grün q, 1;64"\n2,c,,,,,,,-3.5,,,no,"Match; box",😀\n' \
  >"$work/in.csv"
printf 'Name,Kind,Value list\nScale,text,\nCount,number,\nWorth,amount,\nBought,date,\nSTH,yesno,\nMaker,choice,makers\n' \
  >"$work/in_fields.csv"
"$1" "$work/in.csv" "$work/cars.mdb" >/dev/null
sqlite3 "$work/cars.mdb" <<'SQL'
UPDATE table1 SET Description = '  Mini <Cooper> & "S"  ', Year = '007',
  Notes = 'Grüne Räder' || char(13) || char(10) || 'Kratzer <br/> &lt;' || char(10) || ' end ',
  twenty = 42, picpath = '/home/someone/cars/mini.jpg', Color = '😀 red', Series = '' WHERE ID = 1;
UPDATE table1 SET twenty = 'text', Notes = char(10) || char(10) WHERE ID = 2;
SQL
"$2" --tellico "$work/cars.tc" "$work/cars.mdb" >/dev/null

export HOME="$work" XDG_CONFIG_HOME="$work/config" QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a bash "$(dirname "$0")/tellico_session.sh" "$work/cars.tc" "$work" \
  "$work/resaved.tc" >/dev/null
if [ ! -s "$work/resaved.tc" ]; then
  echo "FAIL: Tellico did not save the collection again"
  cat "$work/tellico.log"
  exit 1
fi
"$1" "$work/resaved.tc" "$work/back.mdb" >/dev/null
query='SELECT quote(ID), quote(Description), quote(Year), quote(Color), quote(Series),
  quote(Notes), quote(twenty), typeof(twenty), quote(picpath), length(binpicdata) > 0 FROM table1 ORDER BY ID;
  SELECT record_id, position, length(bytes) > 0, quote(path), quote(caption) FROM record_pictures
  ORDER BY record_id, position;
  SELECT f.name, f.kind, f.value_list, v.record_id, quote(v.value) FROM own_fields AS f
  JOIN own_values AS v USING (field_id) ORDER BY f.position, v.record_id;
  SELECT record_id, tag FROM record_tags ORDER BY record_id, tag_id;'
if ! diff <(sqlite3 "$work/cars.mdb" "$query") <(sqlite3 "$work/back.mdb" "$query"); then
  echo "FAIL: values changed on the way through Tellico (< ours, > back)"
  exit 1
fi
echo "Every value came back through Tellico"
