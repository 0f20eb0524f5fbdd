#!/usr/bin/env bash
# The window system on a real (virtual) X display: the demo window appears at
# the requested size and position, the screen shows what it painted at chosen
# points, and a synthetic click reaches the right child window; at scale 2
# all of it doubled on the screen.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ "${1:-}" != "--inside" ]]; then
    demo="${NOVLA_BUILD:-build/default}/tools/win-demo/win-demo"
    [[ -x "$demo" ]] || { echo "win-xvfb: $demo is not built" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # -fbdir keeps the screen in a file (XWD format) that can be read back.
    "$here/with-xvfb.sh" -s "-screen 0 1024x768x24 -fbdir $work" bash "$0" --inside "$demo" "$work"
    exit
fi

demo="$2"
work="$3"
out="$work/demo.out"
: >"$out"
"$demo" --x 100 --y 80 --width 393 --height 322 --exit-after-ms 30000 >"$out" 2>&1 &
pid=$!
finish() {
    # The demo ends itself on Escape or after its time limit; only if it
    # hangs past that is it stopped, by its own process id.
    if kill -0 "$pid" 2>/dev/null; then
        xdotool key Escape 2>/dev/null || true
        timeout 5 tail --pid="$pid" -f /dev/null || kill "$pid" 2>/dev/null || true
    fi
}
trap finish EXIT

id=$(timeout 15 xdotool search --sync --name "novla win-demo" | head -1)
[[ -n "$id" ]] || { echo "win-xvfb: the demo window did not appear" >&2; exit 1; }
timeout 15 grep -q -m1 "first-frame-ms" <(tail --pid="$pid" -f "$out")

geometry=$(xwininfo -id "$id")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
w=$(awk '/Width:/ {print $2}' <<<"$geometry")
h=$(awk '/Height:/ {print $2}' <<<"$geometry")
if [[ "$x $y $w $h" != "100 80 393 322" ]]; then
    echo "win-xvfb: window at $x,$y size ${w}x$h, expected 100,80 393x322" >&2
    exit 1
fi

# Pixels at chosen points (x,y,r,g,b). The client area starts at (103, 102):
# a 3-pixel frame and a 19-pixel caption; panels are 8 pixels apart.
check_pixels() {
    python3 - "$work/Xvfb_screen0" "$@" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header, byte_order, bpp, stride, ncolors = fields[0], fields[7], fields[11], fields[12], fields[19]
pixels = header + ncolors * 12
def rgb(x, y):
    at = pixels + y * stride + x * (bpp // 8)
    value = int.from_bytes(data[at:at + 4], "little" if byte_order == 0 else "big")
    return (value >> 16) & 255, (value >> 8) & 255, value & 255
bad = 0
for item in sys.argv[2:]:
    x, y, r, g, b = map(int, item.split(","))
    if rgb(x, y) != (r, g, b):
        print(f"win-xvfb: pixel {x},{y} is {rgb(x, y)}, expected {(r, g, b)}", file=sys.stderr)
        bad = 1
sys.exit(bad)
PY
}
check_pixels \
    123,122,192,64,64 \
    400,122,64,160,64 \
    123,300,64,96,192 \
    400,300,208,176,48 \
    105,104,212,208,200 \
    300,90,10,36,106 \
    50,50,0,0,0

# A click on panel D reaches panel D's window procedure.
xdotool mousemove --sync 400 300 click 1
if ! timeout 10 grep -q -m1 "^click D$" <(tail --pid="$pid" -f "$out"); then
    echo "win-xvfb: the click did not reach panel D" >&2
    cat "$out" >&2
    exit 1
fi
xdotool key Escape
timeout 10 tail --pid="$pid" -f /dev/null
wait "$pid"
first=$(grep first-frame-ms "$out")

# A window region shapes the OS window: the rounded corner shows the root.
: >"$out"
"$demo" --x 100 --y 80 --width 393 --height 322 --round 40 --exit-after-ms 30000 >"$out" 2>&1 &
pid=$!
timeout 15 grep -q -m1 "first-frame-ms" <(tail --pid="$pid" -f "$out")
check_pixels 101,81,0,0,0 300,90,10,36,106 123,122,192,64,64
xdotool key Escape
timeout 10 tail --pid="$pid" -f /dev/null
wait "$pid"

# At scale 2 the window system's places and sizes are doubled on the screen:
# the same points, doubled, show the same colours (every pixel a 2 x 2
# square, the rounded corner still showing the root), and a click at doubled
# coordinates reaches panel D. Placed higher, so that it fits on the screen.
: >"$out"
"$demo" --x 100 --y 20 --width 393 --height 322 --round 40 --scale 2 --exit-after-ms 30000 >"$out" 2>&1 &
pid=$!
timeout 15 grep -q -m1 "first-frame-ms" <(tail --pid="$pid" -f "$out")
geometry=$(xwininfo -id "$(timeout 15 xdotool search --sync --name "novla win-demo" | head -1)")
size=$(awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2}
    /Height:/ {h=$2} END {print x, y, w, h}' <<<"$geometry")
[[ "$size" == "200 40 786 644" ]] ||
    { echo "win-xvfb: at scale 2 the window is at $size, expected 200 40 786 644" >&2; exit 1; }
check_pixels 202,42,0,0,0 210,46,0,0,0 600,60,10,36,106 \
    246,124,192,64,64 247,125,192,64,64 800,480,208,176,48 801,481,208,176,48
xdotool mousemove --sync 800 480 click 1
if ! timeout 10 grep -q -m1 "^click D$" <(tail --pid="$pid" -f "$out"); then
    echo "win-xvfb: at scale 2 the click did not reach panel D" >&2
    cat "$out" >&2
    exit 1
fi
xdotool key Escape
timeout 10 tail --pid="$pid" -f /dev/null
wait "$pid"
echo "win-xvfb: ok ($first)"
