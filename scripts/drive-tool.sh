#!/usr/bin/env bash
# Drives the real novla-tool on an X display ($DISPLAY) against
# novla-virtual-module with synthetic mouse and keyboard input: Open, Read
# All, a changed frequency (868.50), Write All, drags on the title bar (only
# a left-button drag outside its buttons moves the window, by the distance
# dragged), then closes the window.
# Writes a picture of the window after each step into OUTDIR (01-shown.png
# ...), prints the module's log line of each exchange, and fails when a step
# does not show what it should.
# With --find the module talks only at 19200 ODD, and the window finds it
# instead: Ctrl+F, then Read All at the setting found, then Alt+F4.
# With --scale the desktop's factor is 2 (GDK_SCALE): the window must come up
# twice as large, centred on the screen, and clicks at twice the distances
# must reach Open and Read All.
#
#   scripts/drive-tool.sh BUILD_DIR OUTDIR [--find | --scale]
#
# The module and the tool share private port folders in which the fixed
# table's ports (COM1-96) are hidden, so the module's port is the only one
# the window lists and selects.
set -euo pipefail
build="$1"
out="$2"
mode="${3:-}"
scale=1
[[ "$mode" == "--scale" ]] && scale=2
tool="$build/app/novla-tool"
module="$build/tools/virtual-module/novla-virtual-module"
for program in "$tool" "$module"; do
    [[ -x "$program" ]] || { echo "drive-tool: $program is not built" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
mkdir -p -m 700 "$XDG_CONFIG_HOME/novla-tool" "$XDG_CONFIG_HOME/novla-tool/ports"
for n in $(seq 1 96); do ln -s "$work/unplugged" "$XDG_CONFIG_HOME/novla-tool/ports/com$n"; done

module_pid=""
tool_pid=""
finish() {
    # Each program is stopped by its own process id, and only if it is
    # still running.
    if [[ -n "$tool_pid" ]] && kill -0 "$tool_pid" 2>/dev/null; then
        kill "$tool_pid" 2>/dev/null || true
        wait "$tool_pid" 2>/dev/null || true
    fi
    if [[ -n "$module_pid" ]] && kill -0 "$module_pid" 2>/dev/null; then
        kill -TERM "$module_pid" 2>/dev/null || true
        wait "$module_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "drive-tool: $*" >&2
    echo "drive-tool: the module logged:" >&2
    sed 's/^/  /' "$work/module.log" >&2 || true
    exit 1
}

: >"$work/module.log"
module_line=()
[[ "$mode" == "--find" ]] && module_line=(--uart-baud 19200 --uart-parity odd)
"$module" --delay-ms 30 "${module_line[@]}" >"$work/module.log" 2>&1 &
module_pid=$!
timeout 10 grep -q -m1 '^ready ' <(tail --pid="$module_pid" -f "$work/module.log") ||
    fail "the virtual module did not start"
read -r _ port device < <(grep -m1 '^ready ' "$work/module.log")
echo "virtual module on $port ($device)"

# The desktop's own factor, unless asked for: the caller's must not count.
if [[ "$mode" == "--scale" ]]; then export GDK_SCALE=$scale; else unset GDK_SCALE; fi
"$tool" --no-settings >"$work/tool.log" 2>&1 &
tool_pid=$!
id=$(timeout 15 xdotool search --sync --name "NOVLA TOOL" | head -1)
[[ -n "$id" ]] || fail "the window did not appear"
eval "$(xdotool getwindowgeometry --shell "$id")"
# The client area (393 x 342, the skinned title bar included) sits inside
# the frame, whose sides and bottom are equally wide; control positions are
# taken from its top-left corner, at the window's scale.
border=$(((WIDTH - 393 * scale) / 2))
cx=$((X + border))
cy=$((Y + HEIGHT - 342 * scale - border))

capture() {
    xwd -root -silent | xwdtopnm 2>/dev/null |
        pnmcut -left "$X" -top "$Y" -width "$WIDTH" -height "$HEIGHT" 2>/dev/null
}
shot() {
    # The window once it has painted after the step: two captures in a row
    # that agree, or the last one after 5 s.
    local previous="" current
    for _ in $(seq 1 50); do
        current=$(capture | md5sum)
        [[ "$current" == "$previous" ]] && break
        previous=$current
        sleep 0.1
    done
    capture | pnmtopng >"$out/$1.png" 2>/dev/null || fail "no screenshot for $1"
}
click() { xdotool mousemove --sync $((cx + $1 * scale)) $((cy + $2 * scale)) click 1; }
exchanges() { grep -c -E '^(read|write)-all' "$work/module.log" || true; }
wait_exchange() {
    # The module logs each request it answers.
    local want=$1
    for _ in $(seq 1 50); do
        [[ $(exchanges) -ge $want ]] && return 0
        sleep 0.1
    done
    fail "the module saw no request for $2"
}

close_window() {
    xdotool key alt+F4
    timeout 10 tail --pid="$tool_pid" -f /dev/null || fail "the window did not close"
    local status=0
    wait "$tool_pid" || status=$?
    [[ $status -eq 0 ]] || { cat "$work/tool.log" >&2; fail "novla-tool ended with status $status"; }
    tool_pid=""
}

shot 01-shown
if [[ "$mode" == "--scale" ]]; then
    [[ "$WIDTH x $HEIGHT" == "$((399 * scale)) x $((347 * scale))" ]] ||
        fail "the window is $WIDTH x $HEIGHT, not 399 x 347 enlarged $scale times"
    read -r screen_w screen_h < <(xdotool getdisplaygeometry)
    off_x=$((2 * X + WIDTH - screen_w))
    off_y=$((2 * Y + HEIGHT - screen_h))
    ((off_x * off_x <= 4 * scale * scale && off_y * off_y <= 4 * scale * scale)) ||
        fail "the window at $X,$Y ($WIDTH x $HEIGHT) is not centred on the $screen_w x $screen_h screen"
    click 28 46 # Open
    shot 02-opened
    click 320 279 # Read All
    wait_exchange 1 "Read All at scale $scale"
    shot 03-read
    grep -E '^read-all' "$work/module.log" | tail -1 | sed 's/^/module: /'
    echo "at scale $scale the window is $WIDTH x $HEIGHT, centred, and clicks reach Open and Read All"
    close_window
    echo "screenshots of each step: $out"
    exit 0
fi
if [[ "$mode" == "--find" ]]; then
    # A click on the title bar gives the window the keyboard.
    xdotool mousemove --sync $((cx + 300)) $((cy + 10)) click 1
    xdotool key ctrl+f
    # The search's read request that the module answered: only one at
    # 19200 ODD is.
    wait_exchange 1 "Find module"
    shot 02-found
    grep -E '^read-all' "$work/module.log" | tail -1 | sed 's/^/module: /'
    # The window opened the port at the setting found: Read All is answered.
    for _ in $(seq 1 50); do
        click 320 279 # Read All
        [[ $(exchanges) -ge 2 ]] && break
        sleep 0.1
    done
    wait_exchange 2 "Read All after Find module"
    shot 03-read
    echo "found the module at 19200 ODD and read it"
    close_window
    echo "screenshots of each step: $out"
    exit 0
fi
click 28 46 # Open, in the "Usart" group
shot 02-opened
click 320 279 # Read All
wait_exchange 1 "Read All"
shot 03-read
grep -E '^read-all' "$work/module.log" | tail -1 | sed 's/^/module: /'
click 164 51 # the frequency edit
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 40 "868.50"
xdotool key Tab
shot 04-frequency
click 192 280 # Write All
wait_exchange 2 "Write All"
shot 05-written
line=$(grep -E '^write-all' "$work/module.log" | tail -1)
echo "module: $line"
[[ "$line" == "write-all: stored 868.50 MHz"* ]] || fail "the module did not store 868.50 MHz"

# Dragging by the title bar moves the window by the distance dragged; a
# right-button drag, or a drag that starts on the close button or on the
# icon (the control box), leaves it where it is.
position() {
    xdotool getwindowgeometry --shell "$id" | sed -n 's/^[XY]=//p' | paste -sd' '
}
drag() { # BUTTON FROM_X FROM_Y DX DY, the start in client coordinates
    local x=$((cx + $2)) y=$((cy + $3))
    xdotool mousemove --sync "$x" "$y" mousedown "$1"
    xdotool mousemove --sync $((x + $4 / 2)) $((y + $5 / 2))
    xdotool mousemove --sync $((x + $4)) $((y + $5)) mouseup "$1"
}
expect_position() { # X Y WHAT: waits for the window to get there
    for _ in $(seq 1 100); do
        [[ "$(position)" == "$1 $2" ]] && return 0
        sleep 0.1
    done
    fail "$3: the window is at $(position), not at $1 $2"
}
expect_still() { # WHAT: the window stays put and open a moment after
    local before
    before=$(position)
    # Nothing to wait for: the check is that nothing happens in this time.
    sleep 0.5
    kill -0 "$tool_pid" 2>/dev/null || fail "$1 closed the window"
    [[ "$(position)" == "$before" ]] || fail "$1 moved the window from $before to $(position)"
}
X0=$X
Y0=$Y
drag 1 300 10 60 40
expect_position $((X0 + 60)) $((Y0 + 40)) "a drag on the title bar"
cx=$((cx + 60))
cy=$((cy + 40))
drag 3 250 10 -50 30 # not where the last drag ended: --sync waits for a move
expect_still "a right-button drag on the title bar"
drag 1 382 8 -80 50
expect_still "a drag from the close button"
drag 1 10 8 70 50
expect_still "a drag from the icon"
xdotool mousemove --sync $((cx + 300)) $((cy + 10)) click 1
expect_still "a click on the title bar"
X=$((X0 + 60))
Y=$((Y0 + 40))
shot 06-moved
echo "dragged by the title bar: the window moved by 60, 40"

close_window
echo "screenshots of each step: $out"
