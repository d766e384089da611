#!/usr/bin/env bash
# Renders the installation sheet in headless Chromium as a user's browser
# would: to an A4 PDF (its text holds the site and every satellite's name, at
# most MAX_PAGES pages) and at a phone's width of 390 pixels (nothing wider
# than the screen, no text under 14 px outside the pictures).
#   sheet_in_browser_test.sh KESTRAVE_CLI WORK_DIR
set -euo pipefail
cli=$1
work=$2
max_pages=3
rm -rf "$work"
mkdir -p "$work"

chromium_run() {
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" "$@" 2>/dev/null
}

"$cli" --city 北京 --current-list --offset 20 --sheet "$work/sheet.html" >/dev/null
names=$("$cli" --city 北京 --current-list --format csv | tail -n +2 | cut -d, -f1)

chromium_run --no-pdf-header-footer --print-to-pdf="$work/sheet.pdf" "file://$work/sheet.html"
pages=$(pdfinfo "$work/sheet.pdf" | awk '/^Pages:/ {print $2}')
pdftotext -layout "$work/sheet.pdf" "$work/sheet.txt"
# pdftotext may break a long table cell: compare without blanks and line ends.
tr -d ' \n' <"$work/sheet.txt" >"$work/sheet.flat"

passes=0
failures=0
check() {  # check WHAT CONDITION...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
check "the A4 PDF has $pages pages, at most $max_pages" test "$pages" -le "$max_pages"
check "the PDF names the site" grep -q '北京' "$work/sheet.flat"
missing=0
while IFS= read -r name; do
  flat=$(printf '%s' "$name" | tr -d ' ')
  if ! grep -qF -- "$flat" "$work/sheet.flat"; then echo "missing in the PDF: $name"; missing=1; fi
done <<<"$names"
check "the PDF holds every satellite's name ($(wc -l <<<"$names"))" test "$missing" -eq 0

# The page at a phone's width: headless Chromium's window is at least 500
# pixels wide, so the sheet is shown in a frame of 390 x 844. The sheet has
# no script; the page around the frame measures it and writes the result
# into its title, read back from the DOM.
cat >"$work/phone.html" <<'PAGE'
<!DOCTYPE html><html><head><title>-</title></head>
<body style="margin:0"><iframe id="phone" src="sheet.html" style="width:390px;height:844px;border:0"></iframe>
<script>
document.getElementById('phone').addEventListener('load', () => {
  const page = document.getElementById('phone').contentDocument;
  const sizes = [...page.querySelectorAll('body *')]
    .filter(e => !e.closest('svg') && [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim()))
    .map(e => parseFloat(page.defaultView.getComputedStyle(e).fontSize));
  document.title = 'width=' + page.documentElement.scrollWidth + ' smallest=' + Math.min(...sizes);
});
</script></body></html>
PAGE
measured=$(chromium_run --allow-file-access-from-files --window-size=500,900 \
  --virtual-time-budget=5000 --dump-dom "file://$work/phone.html" |
  sed -n 's:.*<title>\(width=[0-9]* smallest=[0-9.]*\)</title>.*:\1:p')
width=${measured#width=}
width=${width%% *}
smallest=${measured##*smallest=}
check "at 390 pixels the page is ${width:-?} pixels wide, at most 390" test "${width:-9999}" -le 390
check "at 390 pixels the smallest text is ${smallest:-?} px, at least 14" \
  awk -v s="${smallest:-0}" 'BEGIN { exit !(s >= 14) }'
chromium_run --allow-file-access-from-files --window-size=500,900 --virtual-time-budget=5000 \
  --screenshot="$work/phone.png" "file://$work/phone.html"
check "a screenshot at 390 x 844" test -s "$work/phone.png"

echo "$passes passed, $failures failed"
test "$failures" -eq 0
