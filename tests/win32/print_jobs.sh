#!/usr/bin/env bash
# Printing to a real printer under Wine: makes sure a print server runs with a PDF printer
# as the default, runs the Windows test that prints two documents with "Print all", waits
# for the two jobs as PDF files and reads them back: text, line breaks, wrapping and pages.
# Where the print server cannot be started the test says so and counts as skipped (exit 77).
# Usage: print_jobs.sh win32_tests.exe
set -u
exe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
skip() {
  echo "SKIPPED: $*; printing to a real printer was not tried."
  exit 77
}
fail() {
  echo "FAILED: $*"
  exit 1
}
for tool in pdftotext pdfinfo; do
  command -v $tool >/dev/null || skip "$tool is not installed (package poppler-utils)"
done
# The print server and the PDF printer, and the folder where its jobs land.
out=$("$root/scripts/print-server") || skip "$out"
rm -f "$out"/ScrivexPrint*.pdf "$out"/Scrivex_contract*.pdf

test_name=ProgramPrinting.PrintAllSendsOneJobPerDocument
# The Wine server of the test before may still be going down; a program started meanwhile can
# end at once without a word. Wait for it, and give a start that printed nothing a second try.
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
for attempt in 1 2; do
  wineserver -w 2>/dev/null
  output=$(SCRIVEX_PRINT_TEST=1 timeout 120 "$root/scripts/wine-run" "$exe" --gtest_filter=$test_name 2>&1)
  rc=$?
  [ -n "$output" ] && break
done
echo "$output"
[ $rc -eq 0 ] || fail "the Windows test failed ($rc)"
grep -q "\[       OK \] $test_name" <<<"$output" || fail "the Windows test did not run"

# Both jobs, each once, within a minute.
for _ in $(seq 120); do
  a=$(ls "$out"/ScrivexPrintA*.pdf 2>/dev/null | head -1)
  b=$(ls "$out"/ScrivexPrintB*.pdf 2>/dev/null | head -1)
  [ -n "$a" ] && [ -n "$b" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
  sleep 0.5
done
[ -n "$a" ] || fail "no PDF for the first document in $out"
[ -n "$b" ] || fail "no PDF for the second document in $out"
[ "$(ls "$out"/ScrivexPrint*.pdf | wc -l)" -eq 2 ] || fail "not exactly two jobs: $(ls "$out")"
sleep 1 # the driver may still be closing the last file

# The first document: its lines as they stand, and the long line wrapped between words, with
# every word once and in order.
text_a=$(pdftotext -layout "$a" - | sed 's/[[:space:]]*$//' | grep -v '^$' | tr -d '\f')
echo "--- first job:"; echo "$text_a"
[ "$(sed -n 1p <<<"$text_a")" = "First document" ] || fail "first line of the first job"
[ "$(sed -n 2p <<<"$text_a")" = "second line" ] || fail "second line of the first job"
wrapped=$(grep alpha <<<"$text_a")
[ "$(wc -l <<<"$wrapped")" -ge 2 ] || fail "the long line was not wrapped"
words=$(tr -s ' ' '\n' <<<"$wrapped" | grep -v '^$' | tr '\n' ' ')
expected=$(for i in $(seq 1 40); do printf 'alpha%02d ' $i; done)
[ "$words" = "$expected" ] || fail "the wrapped words differ: $words"
[ "$(tail -1 <<<"$text_a")" = "last line" ] || fail "last line of the first job"
[ "$(pdfinfo "$a" | sed -n 's/^Pages:[[:space:]]*//p')" = 1 ] || fail "the first job is not one page"

# The second document: 150 lines over several pages, each page full but the last, none lost.
pages=$(pdfinfo "$b" | sed -n 's/^Pages:[[:space:]]*//p')
echo "--- second job: $pages pages"
[ "${pages:-0}" -ge 2 ] || fail "the second job should take more than one page"
all=""
per_page=0
for p in $(seq 1 "$pages"); do
  page=$(pdftotext -layout -f "$p" -l "$p" "$b" - | sed 's/[[:space:]]*$//' | grep -v '^$' | tr -d '\f')
  n=$(wc -l <<<"$page")
  echo "page $p: $n lines, $(head -1 <<<"$page") .. $(tail -1 <<<"$page")"
  [ "$p" -eq 1 ] && per_page=$n
  [ "$p" -lt "$pages" ] && [ "$n" -ne "$per_page" ] && fail "page $p is not full"
  all+="$page"$'\n'
done
expected=$(for i in $(seq 1 150); do printf 'Line %03d\n' $i; done)
[ "$(printf '%s' "$all")" = "$expected" ] || fail "the lines of the second job differ"
echo "Both jobs printed as expected."
