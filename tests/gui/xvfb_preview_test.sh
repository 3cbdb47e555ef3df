#!/usr/bin/env bash
# A real run of the windows: the tamblewin executable under xvfb-run, walked with the
# keyboard (xdotool sends the keys through the X server, as a user's keyboard would)
# from the title window through the report selection, the data file and the start
# window to the preview of the demo family's Ancestors List (with repeats) for RIN
# 300. The screen is then grabbed into OUT_DIR/preview.png and the page area of the
# preview window must hold drawn text and lines, not an empty page.
#
# The script knows which window is up from TAMBLEWIN_WINDOW_TRACE: the program
# appends the name of every window it shows to that file (and does nothing else
# with it). Without xvfb-run or xdotool the test is skipped (exit status 77).
#
#   usage: xvfb_preview_test.sh TAMBLEWIN DEMO_PAF SCREEN_CHECK OUT_DIR
set -euo pipefail

tools="xdotool"
name=tamblewin
source "$(dirname "$0")/xvfb_common.sh"

wait_for TTitleScreen
xdotool key Return                            # Next
wait_for TChooseList
xdotool key Down Down Down space              # Ancestors List (with repeats)
xdotool key alt+n                             # &Next
wait_for TChooseFile
xdotool type --delay 5 "$demo"                # replaces the selected path
xdotool key Return                            # Next
wait_for TChooseRin
xdotool type --delay 5 300
xdotool key Return                            # Next: the report runs
sleep 1
xdotool key Return                            # Preview
wait_for TPagePreview
sleep 1

# The page area of the preview: below the 82-pixel panel, left of the vertical bar.
eval "$(xdotool search --name '^Page Preview - ' getwindowgeometry --shell | head -n 6)"
echo "preview window: ${WIDTH}x${HEIGHT} at $X,$Y"
"$check" "$out/preview.png" "$X" "$((Y + 90))" "$((WIDTH - 30))" "$((HEIGHT - 120))" 400
echo "screenshot: $out/preview.png"
