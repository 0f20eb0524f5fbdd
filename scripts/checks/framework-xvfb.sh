#!/usr/bin/env bash
# form-demo on a real (virtual) X display: the form built from its embedded
# definition appears, a click on its OK button reaches the button's handler,
# Escape (its cancel button closes the form) ends the program, and the
# headless screenshot mode writes a PNG and a BMP.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ "${1:-}" != "--inside" ]]; then
    demo="${NOVLA_BUILD:-build/default}/tools/form-demo/form-demo"
    [[ -x "$demo" ]] || { echo "framework-xvfb: $demo is not built" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    "$demo" --headless --screenshot "$work/shot.png" >/dev/null
    "$demo" --headless --screenshot "$work/shot.bmp" >/dev/null
    [[ "$(head -c 4 "$work/shot.png" | od -An -tx1 | tr -d ' ')" == "89504e47" ]] ||
        { echo "framework-xvfb: the screenshot is not a PNG" >&2; exit 1; }
    [[ "$(head -c 2 "$work/shot.bmp")" == "BM" ]] ||
        { echo "framework-xvfb: the screenshot is not a BMP" >&2; exit 1; }
    "$here/with-xvfb.sh" -s "-screen 0 1024x768x24" bash "$0" --inside "$demo" "$work"
    exit
fi

demo="$2"
work="$3"
out="$work/demo.out"
: >"$out"
"$demo" --exit-after-ms 30000 >"$out" 2>&1 &
pid=$!
finish() {
    # The demo ends on Escape or after its time limit; only if it hangs past
    # that is it stopped, by its own process id.
    if kill -0 "$pid" 2>/dev/null; then
        timeout 5 tail --pid="$pid" -f /dev/null || kill "$pid" 2>/dev/null || true
    fi
}
trap finish EXIT

id=$(timeout 15 xdotool search --sync --name "novla form-demo" | head -1)
[[ -n "$id" ]] || { echo "framework-xvfb: the form did not appear" >&2; exit 1; }
timeout 15 grep -q -m1 "^shown" <(tail --pid="$pid" -f "$out")
read -r _ cx cy < <(grep -m1 "^shown" "$out")

# The OK button lies at (196, 160) in the client area, 75 x 25.
xdotool mousemove --sync $((cx + 230)) $((cy + 172)) click 1
if ! timeout 10 grep -q -m1 "^click OK$" <(tail --pid="$pid" -f "$out"); then
    echo "framework-xvfb: the click did not reach the OK button" >&2
    cat "$out" >&2
    exit 1
fi
xdotool key Escape
if ! timeout 10 tail --pid="$pid" -f /dev/null; then
    echo "framework-xvfb: Escape did not close the form" >&2
    exit 1
fi
wait "$pid"
echo "framework-xvfb: ok"
