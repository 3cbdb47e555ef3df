#!/usr/bin/env bash
# A real run of the windows on the paper each report lays out for: the tamblewin
# executable under xvfb-run, walked with the keyboard (xdotool) through the demo
# family's Descendant Summary Chart for MRIN 1 (legal paper, landscape), whose preview
# is left with Esc and whose start window with Cancel, so that its print job is never
# printed nor abandoned by the preview's Cancel. Then an Ancestors List (with repeats)
# for RIN 300 is previewed and printed into a PDF file, which must be on letter paper,
# upright (pdfinfo: 612 x 792 pts). Then the same list is run again, A4 is chosen in
# the print box (which lays it out again), and the PDF file printed must be on A4,
# upright (595 x 842 pts).
#
# Which window is up comes from TAMBLEWIN_WINDOW_TRACE, as in xvfb_preview_test.sh.
# Without xvfb-run, xdotool or pdfinfo the test is skipped (exit status 77).
#
#   usage: xvfb_paper_test.sh TAMBLEWIN DEMO_PAF SCREEN_CHECK OUT_DIR
set -euo pipefail

tools="xdotool pdfinfo"
name=paper
source "$(dirname "$0")/xvfb_common.sh"
pdf=$work/ancestors.pdf

# Presses Enter in the start window until the report has run and Preview (which
# takes Next's place) opens the preview.
open_preview() {
    while [ "$(tail -n 1 "$TAMBLEWIN_WINDOW_TRACE")" != TPagePreview ]; do
        kill -0 "$app" 2>/dev/null || { echo "FAIL: tamblewin ended"; cat "$log"; exit 1; }
        xdotool key Return
        sleep 1
    done
    sleep 0.5
}

wait_for TTitleScreen
xdotool key Return                            # Next
wait_for TChooseList
xdotool key alt+d                             # &Descendant Summary Chart
xdotool key alt+n                             # &Next
wait_for TChooseFile
xdotool type --delay 5 "$demo"
xdotool key Return                            # Next
wait_for TChooseRin
xdotool type --delay 5 1                      # MRIN 1: legal paper, landscape
open_preview
"$check" "$out/paper-dsc-preview.png" 0 0 0 0 0 >/dev/null
xdotool key Escape                            # the preview closed by Esc
wait_for TChooseRin
xdotool key Escape                            # Cancel: back to the report selection
wait_for TChooseList

xdotool key Down Down Down space              # Ancestors List (with repeats)
xdotool key alt+n
wait_for TChooseFile
xdotool key ctrl+a
xdotool type --delay 5 "$demo"
xdotool key Return
wait_for TChooseRin
xdotool type --delay 5 300
open_preview
"$check" "$out/paper-al-preview.png" 0 0 0 0 0 >/dev/null

# From the preview: Print, then in the print box the keys given (the focus starts on
# Print), Print, and the PDF file named; waits until the file is written.
print_into() {
    local file=$1
    shift
    eval "$(xdotool search --name '^Page Preview - ' getwindowgeometry --shell | head -n 6)"
    # Print: second from the right on the toolbar's second row.
    xdotool mousemove --sync "$((X + WIDTH - 132))" "$((Y + 60))" click 1
    wait_for TPB
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3                             # a new paper is laid out at once
    done
    "$check" "$out/paper-print-box-$(basename "$file" .pdf).png" 0 0 0 0 0 >/dev/null
    xdotool key Return                        # Print
    echo "waiting for the PDF file dialog"
    xdotool search --sync --onlyvisible --name '^Print to PDF file$' >/dev/null
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 5 "$file"
    xdotool key Return
    echo "waiting for the notice of where the PDF file went"
    # (a search that meets a window closing at that moment fails: it is tried again)
    until xdotool search --onlyvisible --name '^Notice$' >/dev/null 2>&1; do sleep 0.2; done
    sleep 0.3
    xdotool key Return
    wait_for TChooseRin
    while [ ! -f "$file" ]; do
        kill -0 "$app" 2>/dev/null || { echo "FAIL: tamblewin ended before the PDF file was written"; exit 1; }
        sleep 0.2
    done
}

# The first page's size as pdfinfo gives it, rounded to whole points.
page_size() {
    pdfinfo "$1" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' |
        awk '{ printf "%d x %d pts\n", $1 + 0.5, $2 + 0.5 }'
}

# qpdf --check finds no error and no warning in a PDF file (when qpdf is installed).
check_pdf() {
    command -v qpdf >/dev/null 2>&1 || return 0
    qpdf --check "$1" >"$work/qpdf.log" 2>&1 || { echo "FAIL: qpdf --check $1:"; cat "$work/qpdf.log"; exit 1; }
}

# The printer: "PDF file", the last choice (four fields before Print).
print_into "$pdf" shift+Tab shift+Tab shift+Tab shift+Tab End
size=$(page_size "$pdf")
echo "Ancestors List printed after a legal landscape chart: $size"
[ "$size" = "612 x 792 pts" ] || { echo "FAIL: the Ancestors List is not on upright letter paper"; exit 1; }
check_pdf "$pdf"

# The file dialog took the keyboard; a click on the start window (centred on the
# screen) gives it back.
xdotool mousemove --sync 640 512 click 1
open_preview                                  # Next runs the list again
print_into "$work/ancestors-a4.pdf" shift+Tab shift+Tab shift+Tab Down Down Down Down
size=$(page_size "$work/ancestors-a4.pdf")
echo "Ancestors List printed after choosing A4 in the print box: $size"
[ "$size" = "595 x 842 pts" ] || { echo "FAIL: the Ancestors List is not on upright A4 paper"; exit 1; }
check_pdf "$work/ancestors-a4.pdf"
echo "PASS"
