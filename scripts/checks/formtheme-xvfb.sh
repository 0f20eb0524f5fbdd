#!/usr/bin/env bash
# novla-tool in the rounded sample skin on a real (virtual) X display: the
# window is shaped by the skin (its outer corner pixels show the black root
# window, the pixels beside them the skin's title and bottom border), and
# dragging it by the skinned title bar moves it by the distance dragged.
# Also the headless screenshot in that skin keeps the same corners.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ "${1:-}" != "--inside" ]]; then
    build="${NOVLA_BUILD:-build/default}"
    tool="$build/app/novla-tool"
    skin="$build/skins/novla-sample-rounded.skin"
    for file in "$tool" "$skin"; do
        [[ -e "$file" ]] || { echo "formtheme-xvfb: $file is not built" >&2; exit 1; }
    done
    for program in xdotool xwd xwdtopnm pnmdepth pngtopnm python3; do
        command -v "$program" >/dev/null || { echo "formtheme-xvfb: $program is missing" >&2; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    "$tool" --no-settings --headless --screenshot "$work/window.png" --skin "$skin"
    pngtopnm "$work/window.png" >"$work/window.ppm"
    "$here/with-xvfb.sh" -s "-screen 0 1024x768x24 -br" bash "$0" --inside "$tool" "$skin" "$work"
    exit
fi

tool="$2"
skin="$3"
work="$4"
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

fail() {
    echo "formtheme-xvfb: $*" >&2
    exit 1
}

"$tool" --no-settings --skin "$skin" >"$work/tool.log" 2>&1 &
pid=$!
finish() {
    # The program is stopped by its own process id, only if still running.
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
}
trap finish EXIT

id=$(timeout 15 xdotool search --sync --name "NOVLA TOOL" | head -1)
[[ -n "$id" ]] || fail "the window did not appear"
eval "$(xdotool getwindowgeometry --shell "$id")"
position() {
    xdotool getwindowgeometry --shell "$id" | sed -n 's/^[XY]=//p' | paste -sd' '
}

# Reads pixels of the root window, relative to the window's top-left corner
# at (X, Y); a negative offset counts from the window's right / bottom edge.
# Prints "r g b" per point.
pixels() {
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmdepth 255 >"$work/root.ppm"
    python3 - "$work/root.ppm" "$X" "$Y" "$WIDTH" "$HEIGHT" "$@" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    if data[pos:pos + 1] == b"#":
        pos = data.index(b"\n", pos)
        continue
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pos += 1
width = int(fields[1])
x0, y0, w, h = map(int, sys.argv[2:6])
for point in sys.argv[6:]:
    dx, dy = map(int, point.split(","))
    x = x0 + (dx if dx >= 0 else w + dx)
    y = y0 + (dy if dy >= 0 else h + dy)
    at = pos + 3 * (y * width + x)
    print(*data[at:at + 3])
EOF
}

# The corners once the window has painted: black where the region leaves
# the window out, the skin's pictures right beside.
black="0 0 0"
for _ in $(seq 1 100); do
    mapfile -t got < <(pixels 0,0 2,0 0,2 5,0 -1,0 -1,-1 0,-1 3,-1 3,2)
    [[ "${got[3]}" != "$black" ]] && break
    sleep 0.1
done
for i in 0 1 2 4 5 6; do
    [[ "${got[$i]}" == "$black" ]] || fail "corner pixel $i shows ${got[$i]}, not the root window"
done
for i in 3 7 8; do
    [[ "${got[$i]}" != "$black" ]] || fail "pixel $i beside a corner is cut away too"
done
# The headless picture leaves the same corners to the desktop behind.
python3 - "$work/window.ppm" <<'EOF' || fail "the headless picture is not shaped like the window"
import sys
data = open(sys.argv[1], "rb").read()
head = data.split(b"\n", 3)
w, h = map(int, head[1].split())
body = head[3]
px = lambda x, y: body[3 * (y * w + x):3 * (y * w + x) + 3]
desktop = px(0, 0)
assert px(2, 0) == desktop and px(w - 1, h - 1) == desktop
assert px(5, 0) != desktop and px(3, h - 1) != desktop
EOF

# A drag on the title bar, away from its buttons, moves the window by the
# distance dragged.
read -r X0 Y0 < <(position)
x=$((X0 + 150))
y=$((Y0 + 12))
xdotool mousemove --sync "$x" "$y" mousedown 1
xdotool mousemove --sync $((x + 30)) $((y + 20))
xdotool mousemove --sync $((x + 60)) $((y + 40)) mouseup 1
for _ in $(seq 1 100); do
    [[ "$(position)" == "$((X0 + 60)) $((Y0 + 40))" ]] && break
    sleep 0.1
done
[[ "$(position)" == "$((X0 + 60)) $((Y0 + 40))" ]] ||
    fail "a drag on the title bar left the window at $(position), not at $((X0 + 60)) $((Y0 + 40))"
# The moved window keeps its shape once it has painted there.
eval "$(xdotool getwindowgeometry --shell "$id")"
for _ in $(seq 1 100); do
    mapfile -t got < <(pixels 0,0 5,0)
    [[ "${got[0]}" == "$black" && "${got[1]}" != "$black" ]] && break
    sleep 0.1
done
[[ "${got[0]}" == "$black" && "${got[1]}" != "$black" ]] ||
    fail "the moved window lost its shape (${got[0]} / ${got[1]})"

xdotool key alt+F4
timeout 10 tail --pid="$pid" -f /dev/null || fail "the window did not close"
echo "formtheme-xvfb: ok"
