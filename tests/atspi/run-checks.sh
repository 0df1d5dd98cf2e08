#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs zyl as a user would meet it, on an X server of its own with a window
# manager and the accessibility bus, and checks it from outside with
# check.py: what a screen reader reads, and what keys alone do.
#   run-checks.sh ZYL SOURCE_DIR SCRIPT...
# Each SCRIPT is a file of steps (see check.py). Ends with 77, which CTest
# takes as skipped, when a tool is missing, unless CI is set: there every
# tool must be installed (scripts/setup.sh test installs them).
set -uo pipefail
zyl=$1 source_dir=$2
shift 2

python=/usr/bin/python3
launcher=
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$l" ] && launcher=$l && break
done
missing=()
for tool in Xvfb openbox xdotool xprop dbus-run-session; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
[ -n "$launcher" ] || missing+=(at-spi-bus-launcher)
"$python" -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if ((${#missing[@]})); then
    echo "missing: ${missing[*]}"
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi

# A display number nobody uses, far above those people start by hand
# (CTest runs these tests one at a time: RESOURCE_LOCK).
display=
for n in $(seq 140 199); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then
        display=$n
        break
    fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }

work=$(mktemp -d)
Xvfb ":$display" -screen 0 1400x1050x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
[ -e /tmp/.X11-unix/X$display ] || { echo "the X server did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$display"
openbox >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager is up when it names itself on the root window.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

# A sanitizer build under a real X server: strict string checks stop it in
# libxkbcommon-x11 at start, which is not this program's code.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS=${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}

mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
check() {
    dbus-run-session -- bash -c '"$1" --launch-immediately >/dev/null 2>&1 & sleep 0.5; shift; exec "$@"' \
        _ "$launcher" "$python" "$source_dir/tests/atspi/check.py" "$zyl" "$source_dir" "$work" "$@"
}
# Now and then, on a busy machine, the new window never gets the focus (one
# run in dozens): a check that fails is run once more, so only a fault that
# shows twice fails the test.
check "$@" && exit 0
echo "failed once; once more"
rm -rf "$work/config"
check "$@"
