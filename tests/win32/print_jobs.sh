#!/usr/bin/env bash
# Printing to a real printer under Wine: makes sure a print server runs with a PDF printer,
# runs the Windows test that prints two documents with "Print all" to it, waits for the two
# jobs as PDF files and reads them back: text, line breaks, wrapping within the margins and
# pages. Then "Print all" to a printer of its own that refuses every job must stop at the
# first document.
# Where the print server cannot be started the test says so and counts as skipped (exit 77).
# Usage: print_jobs.sh win32_tests.exe
set -u
exe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
# Other test runs on this machine print to the same server: one at a time. A caller that holds
# the lock already says so with SCRIVEX_PRINTER_LOCKED=1.
if [ -z "${SCRIVEX_PRINTER_LOCKED:-}" ]; then
  SCRIVEX_PRINTER_LOCKED=1 exec flock /tmp/scrivex-printer.lock "$0" "$@"
fi
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

# Runs one test of the Windows test program with the settings given before it; the program
# prints to the CUPS printer named by PRINTER (Wine takes its default printer from there).
run_test() {
  local test_name=$1
  shift
  # The Wine server of the test before may still be going down; a program started meanwhile
  # can end at once without a word. Wait for it, and give a start that printed nothing a
  # second try.
  for attempt in 1 2; do
    wineserver -w 2>/dev/null
    output=$(env "$@" timeout 120 "$root/scripts/wine-run" "$exe" --gtest_filter=$test_name 2>&1)
    rc=$?
    [ -n "$output" ] && break
  done
  echo "$output"
  [ $rc -eq 0 ] || fail "the Windows test $test_name failed ($rc)"
  grep -q "\[       OK \] $test_name" <<<"$output" || fail "the Windows test $test_name did not run"
}
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
run_test ProgramPrinting.PrintAllSendsOneJobPerDocument SCRIVEX_PRINT_TEST=1 PRINTER=PDF

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
run=$(grep -x '[0-9]*' <<<"$text_a" | tr -d '\n')
expected=$(printf '7%.0s' $(seq 300))
[ "$run" = "$expected" ] || fail "the run of digits was not wrapped whole: $run"
[ "$(tail -1 <<<"$text_a")" = "last line" ] || fail "last line of the first job"
# Nothing runs into the right margin of three quarters of an inch (54 points), however long
# the word: the widest line ends where the layout measured it to end.
paper=$(pdfinfo "$a" | sed -n 's/^Page size:[[:space:]]*\([0-9.]*\) x.*/\1/p')
right=$(pdftotext -bbox "$a" - | sed -n 's/.*xMax="\([0-9.]*\)".*/\1/p' | sort -g | tail -1)
echo "the text ends at x = $right pt on paper $paper pt wide"
awk -v r="$right" -v p="$paper" 'BEGIN { exit !(r > 0 && r <= p - 54 + 0.5) }' ||
  fail "the text runs into the right margin: it ends at $right pt, the margin at $(awk -v p="$paper" 'BEGIN { print p - 54 }') pt"
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

# A printer that refuses every job, of this test's own: the shared one stays as it is.
refusing=PDFREFUSE
if ! lpstat -p $refusing >/dev/null 2>&1; then
  lpadmin -p $refusing -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
    fail "the refusing printer could not be added"
fi
cupsreject $refusing 2>/dev/null || fail "the printer $refusing could not be made to refuse jobs"
run_test ProgramPrinting.PrintAllStopsAtThePrinterThatRefusesTheFirstJob \
  SCRIVEX_REFUSING_PRINTER=$refusing PRINTER=$refusing
echo "Print all stopped at the refusing printer as expected."
