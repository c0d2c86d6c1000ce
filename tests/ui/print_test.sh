#!/usr/bin/env bash
# A real print job through PRINTER on the test printer (Wine's PostScript
# driver writing to a file), read back page by page with ps2pdf and
# pdftotext: the overflowing page continues on the second, the form feed
# starts the third, the tab reaches the stop 8 cells from the margin, and a
# single line feed returns to the left margin. Then the same job through the
# interactive print dialog, which the robot answers.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"

fresh_prefix print-test
work=$(mktemp -d "$HALVIX_BUILD/print-test.XXXXXX")
trap '_halvix_end_prefix; rm -rf "$work"' EXIT
add_printer "$work/out.ps"

geometry=$(win "$HALVIX_BUILD/tests/ui_printjob.exe" | tr -d '\r' | grep '^top=') || fail "the print job failed"
[ -s "$work/out.ps" ] || fail "nothing was printed"
ok "printed: $geometry"

ps2pdf "$work/out.ps" "$work/out.pdf"
pages=$(pdfinfo "$work/out.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 3 ] || fail "expected 3 pages, got $pages"
for p in 1 2 3; do pdftotext -layout -f $p -l $p "$work/out.pdf" "$work/page$p.txt"; done

# The lines that fit on a page: baselines top, top+cell, ... below bottom.
eval "$(echo "$geometry" | tr ' ' '\n' | grep -E '^(top|bottom|cell|cellwidth|dpi)=')"
rows=$(( (bottom - top + cell - 1) / cell ))
first_page_lines=$(( rows - 5 ))   # after the five lines before LINE 001

grep -q 'FIRST PAGE' "$work/page1.txt" || fail "page 1 lacks its heading"
last1=$(grep -o 'LINE [0-9]*' "$work/page1.txt" | tail -1 | awk '{print $2+0}')
first2=$(grep -o 'LINE [0-9]*' "$work/page2.txt" | head -1 | awk '{print $2+0}')
last2=$(grep -o 'LINE [0-9]*' "$work/page2.txt" | tail -1 | awk '{print $2+0}')
[ "$last1" = "$first_page_lines" ] || fail "page 1 ends at LINE $last1, expected $first_page_lines"
[ "$first2" = $((last1 + 1)) ] || fail "page 2 starts at LINE $first2 after $last1"
[ "$last2" = 120 ] || fail "page 2 ends at LINE $last2"
ok "a full page continues on the next: page 1 ends at LINE $last1, page 2 runs $first2 to $last2"

grep -q 'THIRD PAGE AFTER FORM FEED' "$work/page3.txt" || fail "page 3 lacks the text after the form feed"
if grep -q 'LINE' "$work/page3.txt"; then fail "page 3 holds lines of page 2"; fi
grep -q 'THIRD PAGE' "$work/page2.txt" && fail "the form feed text is on page 2"
ok "the form feed starts page 3"

# Where the words of the tab line start, in points (pdftotext -bbox).
pdftotext -bbox -f 1 -l 1 "$work/out.pdf" "$work/page1.html"
xmin() { # word -> xMin of its first occurrence
  grep -o "xMin=\"[0-9.]*\"[^>]*>$1</word>" "$work/page1.html" | head -1 | sed 's/xMin="\([0-9.]*\)".*/\1/'
}
xa=$(xmin A); xb=$(xmin B); xs=$(xmin second); xl=$(xmin line)
[ -n "$xa" ] && [ -n "$xb" ] || fail "the tab line is missing"
# B starts 8 cell widths (device units at dpi) right of A, within one unit.
awk -v a="$xa" -v b="$xb" -v w="$cellwidth" -v d="$dpi" 'BEGIN {
  units = (b - a) * d / 72; want = 8 * w; diff = units - want
  exit (diff < -1 || diff > 1) }' || fail "the tab put B at $xb pt, A is at $xa pt, the stop is 8 x $cellwidth units"
ok "the tab reaches the stop 8 cells right of the left margin"

[ "$xs" = "$xa" ] && [ "$xl" = "$xa" ] || fail "a line feed did not return to the left margin ($xa: $xs, $xl)"
ok "a line feed returns to the left margin"

# The same job through the print dialog, answered by the robot.
rm -f "$work/out.ps"
robot "$(winpath "$HALVIX_SOURCE/tests/ui/robot/print_dialog.robot")" >"$work/robot.out" 2>"$work/robot.err" ||
  { cat "$work/robot.err"; fail "print_dialog.robot"; }
grep -q '^from=1 to=9 copies=1' "$work/robot.out" || { cat "$work/robot.out"; fail "the dialog's range and copies"; }
ps2pdf "$work/out.ps" "$work/dialog.pdf"
pages=$(pdfinfo "$work/dialog.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 3 ] || fail "through the dialog: expected 3 pages, got $pages"
ok "the print dialog's OK prints the same three pages"
