#!/usr/bin/env bash
# A real run of the windows on a small or scaled screen: the screen size and Qt's
# scale factor come from the environment (TAMBLEWIN_XVFB_SCREEN, QT_SCALE_FACTOR).
# The wizard is walked with the keyboard from the title window to the preview, with
# the browse window on the way, and every window must lie wholly
# on the screen (xdotool's geometry of each, against the screen's size).
#
#   usage: xvfb_scaling_test.sh TAMBLEWIN DEMO_PAF SCREEN_CHECK OUT_DIR
set -euo pipefail

tools="xdotool"
name=scaling-${QT_SCALE_FACTOR:-1}-${TAMBLEWIN_XVFB_SCREEN:-1280x1024}
source "$(dirname "$0")/xvfb_common.sh"

screen=${TAMBLEWIN_XVFB_SCREEN:-1280x1024}
screen_width=${screen%x*}
screen_height=${screen#*x}

# The window shown last lies on the screen: its left, top, right and bottom edges.
fits() {
    local title=$1
    local geometry=
    # A search that meets a window closing at that moment fails: it is tried again.
    until geometry=$(xdotool search --onlyvisible --name "$title" getwindowgeometry --shell 2>/dev/null) &&
        [ -n "$geometry" ]; do
        sleep 0.2
    done
    eval "$(echo "$geometry" | tail -n 6)"
    echo "$title: ${WIDTH}x${HEIGHT} at $X,$Y on ${screen_width}x${screen_height}"
    if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt "$screen_width" ] ||
        [ $((Y + HEIGHT)) -gt "$screen_height" ]; then
        echo "FAIL: $title does not fit the screen"
        exit 1
    fi
}

wait_for TTitleScreen
fits '^Tamblewin'
xdotool key Return                            # Next
wait_for TChooseList
fits '^Choose a report'
xdotool key Down Down Down space              # Ancestors List (with repeats)
xdotool key alt+n                             # &Next
wait_for TChooseFile
fits '^Data file - '
xdotool type --delay 5 "$demo"
xdotool key Return                            # Next
wait_for TChooseRin
fits ' - Ancestors List'
xdotool key alt+w                             # Bro&wse
wait_for TchooseRinBrowse
fits '^Choose a person$'
xdotool key Escape                            # back to the start window
while xdotool search --onlyvisible --name '^Choose a person$' >/dev/null 2>&1; do sleep 0.2; done
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 5 300
xdotool key Return                            # Next: the report runs
sleep 1
xdotool key Return                            # Preview
wait_for TPagePreview
fits '^Page Preview - '
echo "PASS"
