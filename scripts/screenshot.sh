#!/usr/bin/env bash
# Takes the pictures of the README and of the user guide (docs/guide.md) from
# the built program, under a virtual X server, against the receiver
# simulator on COM 1:
#   README: docs/screenshot-settings1.png, -settings2.png, -memory.png and
#           -bank.png (the four pages with docs/sample.MZ4 open, at the
#           window's start size), -edit-menu.png and -view-menu.png,
#           -reading.png (Tool > Read > ALL under way) and -japanese.png (the File menu under a Japanese locale, with a
#           Japanese font installed);
#   guide:  docs/guide-*.png (splash window, first start without a file, COM
#           port dialog, end of a read, notes in a wider window and a note's
#           tool tip, edit dialog, the comparison with the receiver, a write
#           under way, the backups list, about box, a port that fails, the
#           File menu, a setting's tip, the first page of the printed channel
#           list of docs/sample.MZ4, the question, the report and the
#           comparison of an import, the report of an import into bank 12,
#           the columns of a spreadsheet's file and the stock lists; editing
#           many rows: the Properties dialog for the airband channels, a
#           frequency typed in its cell, the filter on "FM", two rows moved
#           by dragging their headers);
#   and on a screen of 1366 x 768: docs/screenshot-small-screen.png (the
#           window at 125 % scaling, fitted to the screen) and
#           docs/guide-two-windows.png (two windows side by side at the
#           normal size, channels pasted from one into the other).
# Builds the programs first when they are missing; BUILD_DIR names another
# build directory; SCREENSHOT_ONLY=imports takes the pictures of imports only. Takes about two minutes: the simulator answers at the real
# line rate.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides the build dependencies, taking the pictures needs these.
scripts/install-deps.sh xdotool imagemagick x11-utils fonts-ipafont-gothic poppler-utils
import_cmd=/usr/bin/import # ImageMagick's, not a stand-in elsewhere on the path

build_dir=${BUILD_DIR:-build}
program="$build_dir/src/mtz4clone"
simulator="$build_dir/tools/sim/mtz4sim"
if [ ! -x "$program" ] || [ ! -x "$simulator" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" --target mtz4clone mtz4sim mtz4ctl
fi

work=$(mktemp -d)
display_number=${SCREENSHOT_DISPLAY:-97}
export DISPLAY=":$display_number"
xvfb_pid=""
program_pid=""
simulator_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null || true
    [ -n "$simulator_pid" ] && kill "$simulator_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    # The simulator writes its dump as it ends: wait for them all first.
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A virtual screen of the given size on the display.
start_screen() {
    Xvfb "$DISPLAY" -screen 0 "$1x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
}

stop_screen() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 || break
        sleep 0.1
    done
}

start_screen 1024x800

# The English pictures show a desktop without Japanese fonts, as most have.
mkdir -p "$work/fontconfig"
cat >"$work/fontconfig/fonts.conf" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><glob>/usr/share/fonts/*/ipafont*</glob>
    <glob>/usr/share/fonts/truetype/fonts-japanese*</glob></rejectfont></selectfont>
</fontconfig>
EOF
english_fonts="$work/fontconfig/fonts.conf"

# A receiver holding the sample data, at the real line rate, on COM 1.
"$simulator" --image docs/sample.MZ4 --pace --quiet --link "$work/receiver" \
    --dump "$work/receiver.MZ4" --log "$work/commands.log" >"$work/simulator.log" 2>&1 &
simulator_pid=$!
for _ in $(seq 50); do
    [ -e "$work/receiver" ] && break
    sleep 0.1
done

# Starts the program (arguments: clone file or nothing) in a scratch home, so
# that its INI file and settings are not the user's; further environment
# settings come before it as NAME=VALUE words.
start_program() {
    local settings=()
    while [ $# -gt 0 ] && [[ "$1" == *=* ]]; do
        settings+=("$1")
        shift
    done
    env MTZ4_COM1="$work/receiver" HOME="$work" XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work" FONTCONFIG_FILE="$english_fonts" "${settings[@]}" \
        "$program" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# Ends the program without the question about unsaved changes.
stop_program() {
    kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

# The first visible window whose title matches, waiting up to `seconds`.
find_window() {
    local title=$1 seconds=${2:-10} id=""
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        echo "no window \"$title\" appeared" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    echo "$id"
}

# The window's own picture, after `delay` seconds for it to settle.
shot() {
    sleep "${3:-0.8}"
    "$import_cmd" -window "$2" "docs/$1.png"
    echo "wrote docs/$1.png"
}

# The screen where the window is, with whatever lies on it (menus, tool tips,
# message boxes), and `extra` pixels to its right.
shot_area() {
    sleep 0.8
    local X Y WIDTH HEIGHT SCREEN WINDOW extra=${3:-0}
    eval "$(xdotool getwindowgeometry --shell "$2")"
    "$import_cmd" -window root -crop "$((WIDTH + extra))x${HEIGHT}+${X}+${Y}" +repage "docs/$1.png"
    echo "wrote docs/$1.png"
}

# Presses keys in a window: gives it the focus (without a window manager
# nothing else does), then types as a keyboard would.
press() {
    local target=$1
    shift
    for key in "$@"; do
        xdotool windowfocus --sync "$target" 2>/dev/null || true
        xdotool key "$key"
        sleep 0.4
    done
}

keys() {
    press "$window" "$@"
}

# Starts a clone command with the keys of its menu item; the keys are given
# again when the receiver has heard nothing after a few seconds.
clone_command() {
    local before
    for _ in 1 2 3; do
        before=$(wc -l <"$work/commands.log" 2>/dev/null || echo 0)
        keys "$@"
        for _ in $(seq 30); do
            [ "$(wc -l <"$work/commands.log" 2>/dev/null || echo 0)" -gt "$before" ] && return
            sleep 0.1
        done
        press "$window" Escape Escape Escape
    done
    echo "the clone command did not start" >&2
    exit 1
}

# Clicks at a point of the main window.
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.4
}

# File > Import of the file named: the file dialog, the name typed, Return.
import_file() {
    keys alt+f i
    local open
    open=$(find_window "^Open$")
    xdotool windowfocus --sync "$open" 2>/dev/null || true
    xdotool type --delay 20 "$1"
    press "$open" Return
}

# The pictures of imports: a CHIRP file replacing entries in use (the
# question, the report, the comparison), one into bank 12, a German
# spreadsheet's columns, and the stock lists.
import_pictures() {
    # --- File > Import of a channel list that CHIRP wrote, under the default
    # file type: the report of what became of every row.
    {
        echo "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment"
        for n in 1 2 3 4 5 6 7; do
            echo "$((20 + n)),WX CH $n,162.$((375 + 25 * n)),,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,25.00,,,weather"
        done
        echo "30,RPT N,145.650000,-,0.600000,DTCS,88.5,88.5,125,NN,125,Tone->Tone,FM,12.50,,,club"
        echo "31,RPT S,439.125000,-,7.600000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,,"
        echo "32,RPT E,145.775000,-,0.600000,Cross,88.5,88.5,023,NN,023,DTCS->Tone,FM,12.50,,,"
        echo "33,RPT W,438.950000,-,7.600000,TSQL,88.5,71.9,023,NN,023,Tone->Tone,FM,12.50,,,"
        echo "34,SIMPLX,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,"
        echo "35,AIR 1,118.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NAM,8.33,,,"
        echo "35,AIR 2,119.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,8.33,,,"
        echo "36,HF DV,145.375000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DV,12.50,,,"
        echo "37,MARINE,156.800000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,"
        for n in $(seq 12); do
            echo "$((1000 + n)),EXTRA $n,446.$((100 + n))000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,,"
        done
    } >"$work/stations.csv"
    start_program "$PWD/docs/sample.MZ4"
    window=$(find_window "sample.MZ4 - ")
    import_file "$work/stations.csv"
    # The import dialog: as numbered in the file, as it offers.
    dialog=$(find_window "^Import stations.csv$")
    press "$dialog" Return
    # It replaces entries in use: the question first, then OK.
    question=$(find_window "^Import$")
    shot guide-import-question "$question"
    press "$question" shift+Tab space
    # The report, a window of the same title, offers the comparison.
    for _ in $(seq 100); do
        dialog=$(xdotool search --onlyvisible --name "^Import$" 2>/dev/null | grep -vx "$question" |
            head -n 1 || true)
        [ -n "$dialog" ] && break
        sleep 0.1
    done
    shot guide-import-report "$dialog"
    press "$dialog" alt+c
    dialog=$(find_window "^Compare With the data before the import$")
    shot guide-import-compare "$dialog"
    press "$dialog" Escape

    # --- The same kind of file into bank 12 of the sample: the bank grows into
    # the free channels at the end of bank 7, and the report says so.
    {
        echo "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment"
        for n in $(seq 0 11); do
            echo "$n,PMR $((n + 1)),446.$(printf '%05d' $((625 + 1250 * n))),,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,PMR446"
        done
    } >"$work/pmr.csv"
    import_file "$work/pmr.csv"
    dialog=$(find_window "^Import pmr.csv$")
    press "$dialog" alt+b Tab ctrl+a
    xdotool type --delay 60 "12"
    press "$dialog" Return
    dialog=$(find_window "^Import$")
    shot guide-import-bank "$dialog"
    press "$dialog" Return

    # --- A German club's spreadsheet, semicolons and decimal commas, into the
    # free entries: the dialog shows which field each column holds.
    printf '%s\n' "Kanal;Frequenz;Modus;Name;Bemerkung;CTCSS;Ablage" \
        "S20;145,500;FM;S20;Anrufkanal 2 m;;" \
        "RU692;438,950;FM;DB0ABC;Relais Musterstadt;67,0;-7,6" \
        "RV53;145,6625;FM;DB0XYZ;Relais Beispielberg;88,5;-0,6" \
        ";144,800;FM;APRS;APRS Europa;;" \
        "S280;433,500;FM;S280;Anrufkanal 70 cm;;" >"$work/club.csv"
    import_file "$work/club.csv"
    dialog=$(find_window "^Import club.csv$")
    shot guide-import-columns "$dialog"
    press "$dialog" Return
    dialog=$(find_window "^Import$")
    press "$dialog" Return

    # --- File > Import Stock List: the marine VHF channels into bank 20.
    keys alt+f k
    dialog=$(find_window "^Import Stock List$")
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool type --delay 50 "Mar"
    shot guide-stock-lists "$dialog"
    press "$dialog" alt+b Tab ctrl+a
    xdotool type --delay 60 "20"
    press "$dialog" Return
    dialog=$(find_window "^Import$")
    press "$dialog" Return
    stop_program
}

# SCREENSHOT_ONLY=imports takes the pictures of imports alone.
if [ "${SCREENSHOT_ONLY:-}" = imports ]; then
    mkdir -p docs
    import_pictures
    exit 0
fi

mkdir -p docs

# --- The splash window, then the four pages with the sample file. COM 2 is
# a USB serial cable that is not plugged in.
start_program MTZ4_COM2=/dev/ttyUSB1 "$PWD/docs/sample.MZ4"
for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --classname mtz4clone 2>/dev/null || true); do
        geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ { print $2 }')
        if [ "$geometry" = "480x220" ]; then
            "$import_cmd" -window "$id" docs/guide-splash.png && echo "wrote docs/guide-splash.png"
            break 2
        fi
    done
    sleep 0.01
done
window=$(find_window "sample.MZ4 - ")
# The first page has the focus; Ctrl+Tab moves on page by page.
xdotool windowfocus --sync "$window" 2>/dev/null || true
for page in settings1 settings2 memory bank; do
    shot "screenshot-$page" "$window"
    keys ctrl+Tab
done

# --- A note cut short shows whole in its tool tip; a wider window shows
# whole notes. On the Memory page.
click_at 205 71 # the Memory tab
xdotool mousemove --window "$window" 548 116 # the first note
sleep 2
shot_area guide-note-tooltip "$window" 100
xdotool mousemove --window "$window" 450 660
xdotool windowsize --sync "$window" 900 667
shot guide-memory-wide "$window"
xdotool windowsize --sync "$window" 667 667

# --- The Edit and View menus, on the Memory page.
keys alt+e
shot_area screenshot-edit-menu "$window"
press "$window" Escape
keys alt+v
shot_area screenshot-view-menu "$window"
press "$window" Escape

# --- The File menu with the window's own commands; a setting's tip, also in
# the status bar, on Settings 2.
keys alt+f
shot_area guide-file-menu "$window"
press "$window" Escape
click_at 125 71 # the Settings 2 tab
xdotool mousemove --window "$window" 85 198 # the Lamp group
sleep 2
shot_area guide-setting-tip "$window"
xdotool mousemove --window "$window" 450 660

# --- Tool > COM Port Setup.
keys alt+t c
dialog=$(find_window "^COM Port Setup$")
shot guide-com-port "$dialog"
press "$dialog" Escape

# --- Tool > Read > ALL; the memory entries take about half a minute.
clone_command alt+t r a
sleep 10
shot screenshot-reading "$window"
box=$(find_window "^Success$" 60)
shot_area guide-read-done "$window"
press "$box" Return

# --- The edit dialog for the fourth entry of the Memory page: a new
# frequency, confirmed with OK.
click_at 205 71  # the Memory tab
click_at 120 166 # the row "00-003"
keys alt+e m
dialog=$(find_window "^Modify Memory$")
xdotool windowfocus --sync "$dialog"
xdotool type --delay 60 "121.8"
shot guide-edit "$dialog"
press "$dialog" Return

# --- Tool > Compare With Receiver: the edit is the one difference.
clone_command alt+t p
dialog=$(find_window "^Compare With the receiver$" 90)
shot guide-compare "$dialog"
press "$dialog" Escape

# --- Tool > Write > ALL under way, then its end.
clone_command alt+t w a
# The sample's few entries go in a second or two.
shot guide-writing "$window" 0.3
box=$(find_window "^Success$" 60)
press "$box" Return

# --- File > Backups: before and after the read, before the write.
keys alt+f b
dialog=$(find_window "^Backups$")
shot guide-backups "$dialog"
press "$dialog" Escape

# --- Help > About.
keys alt+h a
dialog=$(find_window "^About ")
shot guide-about "$dialog"
press "$dialog" Return

# --- COM 2, where nothing is plugged in: the read fails and says why (in a
# window wide enough for the whole status text).
xdotool windowsize --sync "$window" 900 667
keys alt+t c
dialog=$(find_window "^COM Port Setup$")
press "$dialog" Down
press "$dialog" Return
keys alt+t r s
# The edit above is not saved: the read asks first, and No reads all the same.
box=$(find_window "^(Save Changes|ERROR)$")
if [ "$(xdotool getwindowname "$box")" = "Save Changes" ]; then
    press "$box" alt+n
    box=$(find_window "^ERROR$")
fi
shot_area guide-port-error-message "$window"
for _ in $(seq 5); do
    box=$(xdotool search --onlyvisible --name "^ERROR$" 2>/dev/null | head -n 1 || true)
    [ -z "$box" ] && break
    press "$box" Return
done
shot guide-port-error "$window"
stop_program

# --- The first start: no file, the Memory page.
start_program
window=$(find_window "^Orlenk MT-Z4/Z40 Clone Utility$")
click_at 205 71
shot guide-first-start "$window"
stop_program

# --- Editing many rows at once: the step of the sample's nine airband
# channels (00-000 .. 00-008, selected with Shift+Down) in one Properties
# dialog; a frequency typed in its cell with a decimal comma; the filter on
# "FM"; two rows moved by dragging their row headers.
start_program "$PWD/docs/sample.MZ4"
window=$(find_window "sample.MZ4 - ")
click_at 205 71  # the Memory tab
click_at 120 115 # the row 00-000
for _ in $(seq 8); do
    keys shift+Down
done
keys alt+Return
dialog=$(find_window "^Properties of 9 entries$")
press "$dialog" alt+s
xdotool type --delay 60 "25"
shot guide-properties "$dialog"
press "$dialog" Return
click_at 95 166 # the frequency of 00-003
keys F2 ctrl+a
xdotool type --delay 60 "121,8"
shot guide-cell-edit "$window"
keys Return
keys ctrl+shift+f
xdotool type --delay 60 "FM"
shot guide-filter "$window"
keys Escape
click_at 30 132 # the header of 00-001
xdotool keydown shift
click_at 30 149 # the header of 00-002
xdotool keyup shift
xdotool mousemove --window "$window" 30 140 mousedown 1
for y in 150 165 180 195 210 222; do
    xdotool mousemove --window "$window" 30 "$y"
    sleep 0.1
done
xdotool mouseup 1
shot guide-move-rows "$window"
stop_program

import_pictures

# --- Under a Japanese locale, with a Japanese font: the File menu.
start_program LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 FONTCONFIG_FILE=/etc/fonts/fonts.conf \
    "$PWD/docs/sample.MZ4"
window=$(find_window "sample.MZ4 - ")
keys alt+f
shot_area screenshot-japanese "$window"
press "$window" Escape
stop_program

# --- The printed channel list of the sample file: its first page.
"$build_dir/src/mtz4ctl" report docs/sample.MZ4 -o "$work/channels.pdf"
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$work/channels.pdf" docs/guide-channel-list
echo "wrote docs/guide-channel-list.png"

# --- A laptop screen of 1366 x 768.
stop_screen
start_screen 1366x768
# At 125 % the window is fitted to the screen: everything on it stays on it.
start_program QT_SCALE_FACTOR=1.25 "$PWD/docs/sample.MZ4"
window=$(find_window "sample.MZ4 - ")
xdotool windowfocus --sync "$window" 2>/dev/null || true
keys ctrl+Tab
xdotool mousemove 1300 700
sleep 1
"$import_cmd" -window root docs/screenshot-small-screen.png
echo "wrote docs/screenshot-small-screen.png"
stop_program

# At the normal size two windows fit side by side: File > New Window opens
# the second beside the first; channels copied in one are pasted into the
# other.
start_program "$PWD/docs/sample.MZ4"
window=$(find_window "sample.MZ4 - ")
click_at 205 71 # the Memory tab
keys alt+f w
second=$(find_window "^Orlenk MT-Z4/Z40 Clone Utility$")
second_pid=$(xdotool getwindowpid "$second")
click_at 120 115 # the row 00-000
xdotool keydown shift
click_at 120 251 # the row 00-008
xdotool keyup shift
keys ctrl+c
xdotool mousemove --window "$second" 205 71 click 1
sleep 0.4
xdotool mousemove --window "$second" 120 115 click 1
press "$second" ctrl+v
xdotool mousemove 1300 700
sleep 1
"$import_cmd" -window root -trim +repage docs/guide-two-windows.png
echo "wrote docs/guide-two-windows.png"
kill -KILL "$second_pid" 2>/dev/null || true
stop_program
