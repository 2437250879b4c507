#!/usr/bin/env bash
# The web page kbsmgr-export --html writes, opened in headless Chromium: its records and
# pictures are there, the search narrows and the order sorts (the page reads "#q=...&sort=..."
# when it opens), hostile texts show as text and run nothing, no request leaves the page, and
# the fields left out are not in the file. Skipped (77) where Chromium is not installed.
#   html_opens.sh KBSMGR-IMPORT KBSMGR-EXPORT
set -eu
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIP: chromium is not installed, so the web page cannot be opened"
  exit 77
fi
for tool in convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cd "$work"
convert -size 300x200 xc:red red.png
convert -size 200x300 xc:blue blue.jpg
convert -size 120x120 xc:green green.png
hostile_img='"<img src=""http://127.0.0.1:9/x.png"" onerror=""document.body.setAttribute('"'"'data-pwned'"'"',1)"">"'
hostile_js='"</script><script>document.body.setAttribute('"'"'data-pwned'"'"',2)</script>"'
{
  echo 'Description;Nr. #;Series;Status;Purchase Price;Storage Location;Notes;picture_file'
  printf '"Beetle <b>bold</b>";10;Alpha;Want;PRICE-9876;LOCATION-SECRET;"two\nlines";red.png\n'
  echo "$hostile_img;2;Beta;Want;PRICE-9876;LOCATION-SECRET;$hostile_js;blue.jpg"
  echo '"Mini ""Cooper"" '"'S'"' & co";1a;Beta;Want;;;;green.png'
  echo 'Sold Car;5;Alpha;Sell;;;;'
  echo 'Held Car;6;Alpha;Have;PRICE-9876;LOCATION-SECRET;;'
} >in.csv
"$1" in.csv cars.mdb >/dev/null
"$2" --html want.html --fields description,number,series,notes cars.mdb >/dev/null
"$2" --html all.html --list all --picture-size 150 --title 'Cars <i>of</i> "mine"' \
  --note 'shown & told' cars.mdb >/dev/null
"$2" --html priced.html --list all --fields description,purchase_price cars.mdb >/dev/null
"$2" --html want.html cars.mdb >/dev/null 2>&1 && fail "an existing page was written over"

for page in want.html all.html; do
  grep -q 'PRICE-9876\|LOCATION-SECRET' "$page" && fail "$page holds a field left out"
done
grep -q PRICE-9876 priced.html || fail "a field asked for is not in the page"
grep -q "Content-Security-Policy\" content=\"default-src 'none'" want.html ||
  fail "the page does not forbid loading"

# The page after its script ran, as one line per element start.
open_page() {  # FILE HASH
  local profile
  profile=$(mktemp -d -p "$work")
  timeout 60 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --log-net-log="$work/net-$(basename "$1").json" \
    --dump-dom "file://$work/$1#$2" 2>/dev/null | tr '\n' ' ' | sed 's/</\n</g'
}
shown() { grep '^<li ' | grep -v 'hidden=""' | grep -o 'data-number="[^"]*"' | tr '\n' ' '; }

dom=$(open_page want.html "")
[ "$(grep -c '^<li ' <<<"$dom")" = 3 ] || fail "the want list does not show its 3 records"
[ "$(grep -c '^<img alt="" src="data:image/jpeg;base64,' <<<"$dom")" = 3 ] ||
  fail "the want list does not show 3 pictures"
grep '^<body' <<<"$dom" | grep -q pwned && fail "a hostile text ran"
grep -q '&lt;/script&gt;&lt;script&gt;document.body' <<<"$dom" || fail "a script is not shown as text"
grep -q '^<h2>&lt;img src="http://127.0.0.1:9/x.png"' <<<"$dom" ||
  fail "markup is not shown as text"
grep -q '^<h2>Mini "Cooper" '"'S'"' &amp; co' <<<"$dom" || fail "quotes are not shown as written"
[ "$(shown <<<"$dom")" = 'data-number="10" data-number="1a" data-number="2" ' ] ||
  fail "not in series and number order: $(shown <<<"$dom")"

dom=$(open_page want.html "q=BETA&sort=number")
[ "$(shown <<<"$dom")" = 'data-number="1a" data-number="2" ' ] ||
  fail "searching 'BETA' in number order shows $(shown <<<"$dom")"
grep -q '^<span id="count" role="status">2 / 3' <<<"$dom" || fail "the count does not say 2 / 3"
dom=$(open_page want.html "q=mini%20co")
[ "$(shown <<<"$dom")" = 'data-number="1a" ' ] || fail "two words find $(shown <<<"$dom")"

dom=$(open_page all.html "")
[ "$(grep -c '^<li ' <<<"$dom")" = 5 ] || fail "the collection page does not show its 5 records"
grep -q '^<body class="big"' <<<"$dom" || fail "the collection page has no large pictures"
grep -q '^<h1>Cars &lt;i&gt;of&lt;/i&gt; "mine"' <<<"$dom" || fail "the title is not shown as text"
grep -q '^<p class="note">shown &amp; told' <<<"$dom" || fail "the note is not shown"

grep -l '127\.0\.0\.1' net-*.json && fail "a request left the page"
echo "the pages opened in Chromium with their records, search, order and nothing run or loaded"
