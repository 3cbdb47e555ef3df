# What the real runs of the windows share; sourced by xvfb_*_test.sh after they set
# `tools` (the programs they need besides xvfb-run) and `name` (the prefix of their
# log and screenshots):
#   usage: SCRIPT TAMBLEWIN DEMO_PAF SCREEN_CHECK OUT_DIR
# The script runs itself again under xvfb-run, then starts tamblewin with a settings
# folder, state folder and Wine prefix of its own (no recent files, nothing written
# into the home folder) and letter paper as the system's. The program appends the name of every window it shows to
# TAMBLEWIN_WINDOW_TRACE (and does nothing else with it), which wait_for reads.
# Without one of the tools the test is skipped (exit status 77). The screen is
# 1280 x 1024 unless TAMBLEWIN_XVFB_SCREEN gives another ("1366x768").

if [ "${1:-}" != --inside ]; then
    for tool in xvfb-run xauth $tools; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (bash tools/setup.sh installs it)"
            exit 77
        fi
    done
    # xvfb-run -a picks the first display without a lock file; a server another
    # program starts (or one still going down) can hold it, and then the display
    # never answers. Such a start (the marker below never made) is tried again.
    export TAMBLEWIN_XVFB_STARTED
    TAMBLEWIN_XVFB_STARTED=$(mktemp -u)
    for attempt in 1 2 3; do
        status=0
        xvfb-run -a -s "-screen 0 ${TAMBLEWIN_XVFB_SCREEN:-1280x1024}x24" bash "$0" --inside "$@" || status=$?
        if [ -e "$TAMBLEWIN_XVFB_STARTED" ]; then
            rm -f "$TAMBLEWIN_XVFB_STARTED"
            exit "$status"
        fi
        echo "the virtual display did not start (attempt $attempt, status $status)" >&2
        sleep "$attempt"
    done
    exit 1
fi
# The display must answer before the program is started on it.
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.5
done
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "the virtual display $DISPLAY does not answer" >&2
    exit 1
fi
: > "$TAMBLEWIN_XVFB_STARTED"
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

export XDG_CONFIG_HOME=$work/config
export XDG_STATE_HOME=$work/state
unset TAMBLEWIN_DSC_TUNING
export WINEPREFIX=$work/wine
export TAMBLEWIN_WINDOW_TRACE=$work/windows
# Letter paper on first start, whatever the machine's locale and paper configuration.
export PAPERSIZE=letter
export QT_QPA_PLATFORM=xcb
: >"$TAMBLEWIN_WINDOW_TRACE"
log=$out/$name.log

"$exe" >"$log" 2>&1 &
app=$!

# Waits until the given window is the last one the user was shown, and keeps a
# screenshot of it for whoever looks into a failure.
wait_for() {
    echo "waiting for $1"
    while [ "$(tail -n 1 "$TAMBLEWIN_WINDOW_TRACE")" != "$1" ]; do
        if ! kill -0 "$app" 2>/dev/null; then
            echo "FAIL: tamblewin ended before $1 came up; windows shown:"
            cat "$TAMBLEWIN_WINDOW_TRACE"
            cat "$log"
            exit 1
        fi
        sleep 0.1
    done
    sleep 0.5
    "$check" "$out/$name-$1.png" 0 0 0 0 0 >/dev/null
}
