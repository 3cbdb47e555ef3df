#!/usr/bin/env bash
# Opens data files as a desktop's "Open with" does: the desktop entry's Exec line
# with the file for %f, the program found on PATH, on the X display of the caller
# (xvfb-run). For each file the windows must come up with that file chosen: Next
# through the title window, the report selection and the data-file window reaches
# the start window, with no message box on the way. On the first file's title
# window it checks what the desktop knows the windows by: WM_CLASS holds the desktop
# entry's StartupWMClass, _NET_WM_ICON holds an icon, and the title names the
# program's version.
#
# The program appends the name of every window it shows to TAMBLEWIN_WINDOW_TRACE,
# which says which window is up.
#
#   usage: open_with.sh DESKTOP_FILE BIN_DIR VERSION FILE...
set -uo pipefail

desktop=$1
bin_dir=$2
version=$3
shift 3

work=$(mktemp -d)
app=
finish() {
    if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app"; wait "$app" 2>/dev/null; fi
    rm -rf "$work"
}
trap finish EXIT

export PATH=$bin_dir:$PATH
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state WINEPREFIX=$work/wine
export TAMBLEWIN_WINDOW_TRACE=$work/windows
export PAPERSIZE=letter QT_QPA_PLATFORM=xcb
unset TAMBLEWIN_DSC_TUNING

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
read -r -a exec_words <<<"$(desktop_key Exec)"
wm_class=$(desktop_key StartupWMClass)

# Fails when the program has ended or shows a message box.
still_going() {
    if ! kill -0 "$app" 2>/dev/null; then
        echo "the program ended; windows shown: $(tr '\n' ' ' <"$TAMBLEWIN_WINDOW_TRACE")"
        cat "$work/log"
        return 1
    fi
    if xdotool search --name '^(Alert!|Whoops|Error)$' >/dev/null 2>&1; then
        echo "a message box came up; windows shown: $(tr '\n' ' ' <"$TAMBLEWIN_WINDOW_TRACE")"
        return 1
    fi
}

up() { [ "$(tail -n 1 "$TAMBLEWIN_WINDOW_TRACE")" = "$1" ]; }

# Waits until the given window is the last one shown.
wait_for() {
    until up "$1"; do
        still_going || return 1
        sleep 0.1
    done
    sleep 0.3
}

# Presses the keys until the next window comes up: keys pressed while the window
# system is still handing the keyboard to the window just shown are lost, and are
# pressed again after a while.
press_until() {
    local next=$1
    shift
    while :; do
        xdotool key "$@"
        for _ in $(seq 30); do
            if up "$next"; then
                sleep 0.3
                return 0
            fi
            still_going || return 1
            sleep 0.1
        done
    done
}

# What the desktop knows the title window by.
check_identity() {
    local window properties
    window=$(xdotool search --name '^Tamblewin V ' | head -n1)
    if [ -z "$window" ]; then
        fail "no window is titled 'Tamblewin V ...'"
        return
    fi
    [ "$(xdotool getwindowname "$window")" = "Tamblewin V $version" ] ||
        fail "the title window is titled '$(xdotool getwindowname "$window")', not 'Tamblewin V $version'"
    properties=$(xprop -id "$window" WM_CLASS _NET_WM_ICON 2>&1)
    local class_line
    class_line=$(grep '^WM_CLASS' <<<"$properties")
    if [ -n "$wm_class" ] && grep -q "\"$wm_class\"" <<<"$class_line"; then
        echo "ok: the window's $class_line matches StartupWMClass=$wm_class"
    else
        fail "the window's WM_CLASS ($class_line) does not hold the desktop entry's StartupWMClass '$wm_class'"
    fi
    local icons
    icons=$(grep -Eo 'Icon \([0-9]+ x [0-9]+\)' <<<"$properties" | sort -u | tr '\n' ' ')
    if [ -n "$icons" ]; then
        echo "ok: the window carries the icon: $icons"
    else
        fail "the window carries no icon: $(grep '_NET_WM_ICON' <<<"$properties")"
    fi
}

first=1
for file in "$@"; do
    : >"$TAMBLEWIN_WINDOW_TRACE"
    command=()
    for word in "${exec_words[@]}"; do
        if [ "$word" = %f ]; then command+=("$file"); else command+=("$word"); fi
    done
    "${command[@]}" >"$work/log" 2>&1 &
    app=$!
    if wait_for TTitleScreen; then
        [ "$first" = 1 ] && check_identity
        first=0
        # Next; a report and Next; Next with the file the program was started with.
        if press_until TChooseList Return && press_until TChooseFile Down space alt+n &&
           press_until TChooseRin Return; then
            echo "ok: '${command[*]}' opens $(basename "$file") in the windows"
        else
            fail "'${command[*]}' did not open $(basename "$file")"
        fi
    else
        fail "'${command[*]}' did not bring up the title window"
    fi
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    app=
done
exit $((failures > 0))
