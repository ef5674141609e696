#!/usr/bin/env bash
# Prints through a real CUPS queue: a cups-pdf printer, made the default for this test alone,
# receives the job; the PDF it produces must hold the barcode on the dot grid and decode.
# Needs root (to add a queue and start the scheduler); skipped elsewhere.
set -euo pipefail
bin=${1:?build directory}
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root"
command -v lpadmin >/dev/null && [ -x /usr/lib/cups/backend/cups-pdf ] || skip "cups or cups-pdf missing"

# Polls a condition until it holds; false once the deadline, in seconds, has passed.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }
queue=KestrinTestPdf
cupsd_pid=""
marker=""
work=""
cleanup() {
  rm -rf "$work" "$marker"
  lpadmin -x "$queue" 2>/dev/null || true
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# A scheduler this test starts runs in the foreground of a child we know, so that the test
# ends that one alone and never one that another user of the machine relies on.
if ! running; then
  /usr/sbin/cupsd -f >/dev/null 2>&1 &
  cupsd_pid=$!
fi
wait_for 10 running || skip "the CUPS scheduler does not start"
lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
out="$HOME/PDF"
mkdir -p "$out"
marker=$(mktemp)
work=$(mktemp -d)

opts=(--data CUPS-42 --variant 1 --module 3)
PRINTER=$queue "$bin/kestrin-print" "${opts[@]}" 2>/dev/null

pdf=""
# The job has left the queue and its PDF is there.
printed() {
  pdf=$(find "$out" -name '*.pdf' -newer "$marker" | head -n 1)
  [ -n "$pdf" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q .
}
wait_for 30 printed || { echo "FAIL: the queue produced no PDF"; lpstat -W completed -o "$queue" || true; exit 1; }

pdftoppm -r 200 -gray -f 1 -l 1 "$pdf" "$work/page"
pgm=$(ls "$work"/page*.pgm)
"$bin/tests/check_printed_bars" "$pgm" "${opts[@]}"
got=$(zbarimg -q --raw -Sdisable -Scode39.enable "$pgm" 2>/dev/null || true)
[ "$got" = "CUPS-42" ] || { echo "FAIL: decoded '$got'"; exit 1; }
rm -f "$pdf"
