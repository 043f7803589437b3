#!/usr/bin/env bash
# Takes the pictures of the main window under a virtual screen, typing as a user would:
# function mode with three graphs, then curve mode. Usage: scripts/screenshots.sh [WxH] [prefix]
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:-1280x800}
prefix=${2:-docs/images/window-$size}
program=${VESTRANO:-build/vestrano}

xvfb-run -a -s "-screen 0 ${size}x24" bash -s "$program" "$prefix" <<'SESSION'
set -euo pipefail
program=$1
prefix=$2
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
# The term lines sit at the top left; a click into a line takes it over, Enter as well.
term() {
    xdotool mousemove "$1" "$2" click 1 key ctrl+a type --delay 20 "$3"
    xdotool key Return
    sleep 0.5
}
term 180 57 "sin(a*x)*x"
term 180 81 "x^3/10-a*x"
term 180 105 "wurzel(betrag(x))*a"
sleep 1
import -window root "$prefix-functions.png"
xdotool key alt+d key k
sleep 1
term 180 57 "8*cos(t)"
term 180 81 "8*sin(a*t)"
term 180 105 "5*sin(2*t)"
sleep 1
import -window root "$prefix-curves.png"
SESSION
