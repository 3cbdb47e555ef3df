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

if [ "${1:-}" != --inside ]; then
    for tool in xvfb-run xdotool xauth; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (bash tools/setup.sh installs it)"
            exit 77
        fi
    done
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$@"
fi
shift
exe=$1
demo=$2
check=$3
out=$4
mkdir -p "$out"

work=$(mktemp -d)
app=
finish() {
    if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app"; wait "$app" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap finish EXIT

# A settings folder and a Wine prefix of its own: no recent files offered.
export XDG_CONFIG_HOME=$work/config
export XDG_STATE_HOME=$work/state
unset TAMBLEWIN_DSC_TUNING
export WINEPREFIX=$work/wine
export TAMBLEWIN_WINDOW_TRACE=$work/windows
export QT_QPA_PLATFORM=xcb
: >"$TAMBLEWIN_WINDOW_TRACE"

"$exe" >"$out/tamblewin.log" 2>&1 &
app=$!

# Waits until the given window is the last one shown.
wait_for() {
    echo "waiting for $1"
    while [ "$(tail -n 1 "$TAMBLEWIN_WINDOW_TRACE")" != "$1" ]; do
        if ! kill -0 "$app" 2>/dev/null; then
            echo "FAIL: tamblewin ended before $1 came up; windows shown:"
            cat "$TAMBLEWIN_WINDOW_TRACE"
            cat "$out/tamblewin.log"
            exit 1
        fi
        sleep 0.1
    done
    sleep 0.5
    # Each window as the user saw it, for whoever looks into a failure.
    "$check" "$out/$1.png" 0 0 0 0 0 >/dev/null
}

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
eval "$(xdotool search --name '^Page Preview$' getwindowgeometry --shell | head -n 6)"
echo "preview window: ${WIDTH}x${HEIGHT} at $X,$Y"
"$check" "$out/preview.png" "$X" "$((Y + 90))" "$((WIDTH - 30))" "$((HEIGHT - 120))" 400
echo "screenshot: $out/preview.png"
