#!/usr/bin/env bash
# novla-tool on a real (virtual) X display against novla-virtual-module:
# Open, Read All, a changed frequency and Write All with synthetic input
# (scripts/drive-tool.sh); the module must store the window's frequency, and
# the window must follow a drag on its title bar, and only that. Then Find
# module (Ctrl+F) against a module that talks only at 19200 ODD. Then the
# window at the desktop's factor 2: twice as large, centred, and clicks at
# twice the distances reach Open and Read All; and a display whose resources
# say 192 dpi gives that factor too.
# Also the headless screenshot mode writes a PNG.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOVLA_BUILD:-build/default}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/app/novla-tool" --no-settings --headless --screenshot "$work/window.png"
[[ "$(head -c 4 "$work/window.png" | od -An -tx1 | tr -d ' ')" == "89504e47" ]] ||
    { echo "app-xvfb: the screenshot is not a PNG" >&2; exit 1; }
"$here/with-xvfb.sh" "$here/drive-tool.sh" "$build" "$work/steps" >"$work/out" ||
    { cat "$work/out" >&2; exit 1; }
"$here/with-xvfb.sh" "$here/drive-tool.sh" "$build" "$work/find" --find >"$work/find-out" ||
    { cat "$work/find-out" >&2; exit 1; }
"$here/with-xvfb.sh" "$here/drive-tool.sh" "$build" "$work/scale" --scale >"$work/scale-out" ||
    { cat "$work/scale-out" >&2; exit 1; }
# The server keeps the resources when their setter disconnects (-noreset).
"$here/with-xvfb.sh" -s "-screen 0 1024x768x24 -noreset" bash -c '
    set -euo pipefail
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
    env -u GDK_SCALE "$1" --no-settings &
    pid=$!
    id=$(timeout 15 xdotool search --sync --name "NOVLA TOOL" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    kill -TERM "$pid"
    wait "$pid"
    [[ "$WIDTH x $HEIGHT" == "798 x 694" ]] ||
        { echo "app-xvfb: at 192 dpi the window is $WIDTH x $HEIGHT, not 798 x 694" >&2; exit 1; }
' resources "$build/app/novla-tool"
echo "app-xvfb: ok"
