#!/usr/bin/env bash
# A stored design with a text item and a picture item, in a code-page-936 layout records file,
# printed by the batch printer for seven values into one PDF: every label stands where the
# simple view puts its copies, shows its text and picture, and its barcode decodes there.
set -euo pipefail
bin=${1:?build directory}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$work/data
mkdir -p "$data/记录资料" "$data/图形资料"

# A 60 x 40 pixel red picture at 96 dpi: 900 x 600 twips by itself, stretched by the design.
convert -size 60x40 xc:'#ff0000' -density 96 -units PixelsPerInch "BMP3:$data/图形资料/标志.bmp"
printf '%s\r\n' \
  '"样品","A1","条码","3600","900","0","16777215","1","120 120 480","False False False 0 10","2 0 0 0","",1' \
  '"样品","A1","标签","仓库 甲","1800","600","255","9","Arial","True False False","","",1' \
  '"样品","A1","图片","标志.bmp","2640","90","840","420","","","","",1' \
  '"其他","B","条码","3600","900","0","16777215","1","120 120 480","False False False 0 10","2 0 0 0","",1' |
  iconv -f UTF-8 -t CP936 >"$data/记录资料/排版记录.zip"
before=$(md5sum "$data/记录资料/排版记录.zip")

values=(ONE-1 TWO-2 THREE-3 FOUR-4 FIVE-5 SIX-6 SEVEN-7)
printf '%s\n' "${values[@]}" >"$work/values.txt"
"$bin/kestrin-print" --data-dir "$data" --format 样品 A1 --values "$work/values.txt" --pdf "$work/out.pdf" 2>"$work/err" ||
  { cat "$work/err"; exit 1; }
[ "$(md5sum "$data/记录资料/排版记录.zip")" = "$before" ] || { echo "FAIL: the design file changed"; exit 1; }
pdftoppm -r 200 "$work/out.pdf" "$work/page"
page=$(ls "$work"/page*.ppm)
[ "$(ls "$work"/page*.ppm | wc -l)" -eq 1 ] || { echo "FAIL: expected one page"; exit 1; }

failed=0
px() { echo $(( ($1 * 10 + 36) / 72 )); }  # twips to pixels at 200 dpi, rounded
for i in "${!values[@]}"; do
  # Three labels a row from (300, 300), 3620 apart; rows 920 apart.
  left=$(( 300 + (i % 3) * 3620 )); top=$(( 300 + (i / 3) * 920 ))
  crop="$(px 3600)x$(px 900)+$(px $left)+$(px $top)"
  convert "$page" -crop "$crop" +repage "$work/label.png"
  got=$(zbarimg -q --raw -Sdisable -Scode39.enable "$work/label.png" 2>/dev/null || true)
  [ "$got" = "${values[$i]}" ] || { echo "FAIL: label $i at $left,$top read '$got'"; failed=1; }
  # The picture's middle is red, and the text item put dark pixels near its place.
  at="p{$(px 3060),$(px 300)}"
  red=$(convert "$work/label.png" -format "%[fx:$at.r > 0.9 && $at.g < 0.1 && $at.b < 0.1]" info:)
  [ "$red" = 1 ] || { echo "FAIL: label $i shows no red picture"; failed=1; }
  dark=$(convert "$work/label.png" -crop "$(px 900)x$(px 250)+$(px 1800)+$(px 600)" +repage -threshold 50% -format "%[fx:mean]" info:)
  awk -v m="$dark" 'BEGIN { exit !(m < 0.995) }' || { echo "FAIL: label $i has no text item"; failed=1; }
done

# An unknown design is an error with nothing written.
if "$bin/kestrin-print" --data-dir "$data" --format 样品 NOPE --pdf "$work/none.pdf" 2>/dev/null; then
  echo "FAIL: unknown design accepted"; failed=1
fi
[ -e "$work/none.pdf" ] && { echo "FAIL: a file was written for an unknown design"; failed=1; }

# A damaged records file is reported with status 3 and left exactly as it was.
printf '"A","B"\r\n"broken\r\n' >"$data/记录资料/条码档.zip"
sum=$(md5sum "$data/记录资料/条码档.zip")
status=0
"$bin/kestrin-print" --data-dir "$data" --data X --records --pdf "$work/r.pdf" 2>/dev/null || status=$?
[ "$status" -eq 3 ] || { echo "FAIL: damaged records gave status $status"; failed=1; }
[ "$(md5sum "$data/记录资料/条码档.zip")" = "$sum" ] || { echo "FAIL: the records file was changed"; failed=1; }
exit $failed
