#!/usr/bin/env bash
# Prints barcodes that together use every character Code 39 stores, in every ratio variant and
# module widths 1 to 6, to PDF; rasterises each page at one pixel per dot; checks that every
# module is whole pixel columns on the dot grid and that a decoder reads the data back.
set -euo pipefail
bin=${1:?build directory}
tools=$bin/tests
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=(
  "0123456789|0|2"
  "ABCDEFGHIJKLM|1|3"
  "NOPQRSTUVWXYZ|2|2"
  "A-B. C/D+E|3|4"
  "hello world|0|1"
  "K6/+|1|5"
  "Z.9|2|6"
  "Q-1|3|1"
)
failed=0
for c in "${cases[@]}"; do
  IFS='|' read -r data variant module <<<"$c"
  opts=(--data "$data" --variant "$variant" --module "$module" --resolution 7.2)
  "$bin/kestrin-print" "${opts[@]}" --pdf "$work/page.pdf" 2>/dev/null
  pdftoppm -r 200 -gray "$work/page.pdf" "$work/page"
  pgm=$(ls "$work"/page*.pgm | head -n 1)
  if ! "$tools/check_printed_bars" "$pgm" "${opts[@]}" --pdf x >/dev/null; then
    echo "FAIL modules: '$data' variant $variant module $module"; failed=1
  fi
  want=$(printf '%s' "$data" | tr 'a-z' 'A-Z')
  got=$(zbarimg -q --raw -Sdisable -Scode39.enable "$pgm" || true)
  if [ "$got" != "$want" ]; then
    echo "FAIL decode: '$data' variant $variant module $module: read '$got'"; failed=1
  fi
  rm -f "$work"/page*
done

# A character Code 39 cannot store is refused with exit status 2 and nothing is written.
if "$bin/kestrin-print" --data 'AB%' --pdf "$work/refused.pdf" 2>"$work/err"; then
  echo "FAIL: '%' was accepted"; failed=1
fi
[ -e "$work/refused.pdf" ] && { echo "FAIL: a file was written for refused data"; failed=1; }
[ "$(wc -l <"$work/err")" -eq 1 ] || { echo "FAIL: expected one line of error"; cat "$work/err"; failed=1; }

exit $failed
