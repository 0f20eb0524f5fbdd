#!/usr/bin/env bash
# novla-tool on a real (virtual) X display against novla-virtual-module:
# Open, Read All, a changed frequency and Write All with synthetic input
# (scripts/drive-tool.sh); the module must store the window's frequency, and
# the window must follow a drag on its title bar, and only that. Then Find
# module (Ctrl+F) against a module that talks only at 19200 ODD.
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
echo "app-xvfb: ok"
