#!/usr/bin/env bash
# Takes the README's screenshots: starts the built program under a virtual X
# server with docs/sample.MZ4 and saves the window on each page as
# docs/screenshot-settings1.png, -settings2.png, -memory.png and -bank.png
# (the Memory page widened so that every column shows), then starts Tool >
# Read > ALL against the receiver simulator and saves the window during the
# read as docs/screenshot-reading.png. Builds the programs
# first when build/src/mtz4clone is missing; BUILD_DIR names another build
# directory.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides the build dependencies, taking the picture needs these.
scripts/install-deps.sh xdotool imagemagick x11-utils
import_cmd=/usr/bin/import # ImageMagick's, not a stand-in elsewhere on the path

build_dir=${BUILD_DIR:-build}
program="$build_dir/src/mtz4clone"
simulator="$build_dir/tools/sim/mtz4sim"
if [ ! -x "$program" ] || [ ! -x "$simulator" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" --target mtz4clone mtz4sim
fi

work=$(mktemp -d)
display_number=${SCREENSHOT_DISPLAY:-97}
export DISPLAY=":$display_number"
xvfb_pid=""
program_pid=""
simulator_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$simulator_pid" ] && kill "$simulator_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

# A receiver holding the sample data, at the real line rate, on COM 1.
"$simulator" --image docs/sample.MZ4 --pace --quiet --link "$work/receiver" \
    >"$work/simulator.log" 2>&1 &
simulator_pid=$!
for _ in $(seq 50); do
    [ -e "$work/receiver" ] && break
    sleep 0.1
done

# The program keeps its INI file and settings in a scratch home, not the user's.
MTZ4_COM1="$work/receiver" HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
    "$program" "$PWD/docs/sample.MZ4" >"$work/program.log" 2>&1 &
program_pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "sample.MZ4 - " 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "the program's window did not appear" >&2
    cat "$work/program.log" >&2
    exit 1
fi

# The first page has the focus; Ctrl+Tab moves on page by page.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
mkdir -p docs
for page in settings1 settings2 memory bank; do
    if [ "$page" = memory ]; then
        # The window opens at its fixed start size; widen it so every column shows.
        xdotool windowsize --sync "$window" 900 667 2>/dev/null || xdotool windowsize "$window" 900 667
    fi
    sleep 1
    "$import_cmd" -window "$window" "docs/screenshot-$page.png"
    echo "wrote docs/screenshot-$page.png"
    if [ "$page" = memory ]; then
        xdotool windowsize --sync "$window" 667 667 2>/dev/null || xdotool windowsize "$window" 667 667
    fi
    xdotool key --window "$window" ctrl+Tab
    sleep 0.3
done

# The Edit and View menus, opened over the Memory page (the menus are windows
# of their own, so the picture is taken of the screen and cut to the window).
# The page loop above ended on "Settings 1": back two pages to "Memory".
xdotool key --window "$window" ctrl+shift+Tab
sleep 0.3
xdotool key --window "$window" ctrl+shift+Tab
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
for menu in edit view; do
    xdotool key --window "$window" "alt+${menu:0:1}"
    sleep 0.8
    "$import_cmd" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
        "docs/screenshot-$menu-menu.png"
    echo "wrote docs/screenshot-$menu-menu.png"
    xdotool key --window "$window" Escape
    sleep 0.3
done

# Tool > Read > ALL by its keys; the memory entries take about half a minute.
xdotool key --window "$window" alt+t
sleep 0.4
xdotool key --window "$window" r
sleep 0.4
xdotool key --window "$window" a
sleep 10
"$import_cmd" -window "$window" docs/screenshot-reading.png
echo "wrote docs/screenshot-reading.png"
xdotool key --window "$window" Escape
sleep 1
