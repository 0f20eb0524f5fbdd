#!/usr/bin/env bash
# Process-level figures of novla-tool, printed one per line:
#   start-ms     a whole headless run (process start, the window built from
#                its definition with COM1-255 probed, first frame presented,
#                exit), median of 15, beside the same for a bare window of
#                the same size (win-demo --panels 0) in the same run;
#   peak-rss-kb  the tool's peak resident memory on a (virtual) X display
#                with the port open, after 10 s;
#   idle-cpu     CPU time the tool used in those 10 s with the port open.
# Needs Xvfb and xdotool (scripts/packages-check.txt).
#
#   scripts/bench-tool.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="${1:-build/default}"
tool="$build/app/novla-tool"
bare="$build/tools/win-demo/win-demo"
module="$build/tools/virtual-module/novla-virtual-module"

median_ms() {
    local times=()
    for _ in $(seq 1 15); do
        local t0 t1
        t0=$(date +%s%N)
        "$@" >/dev/null
        t1=$(date +%s%N)
        times+=($(((t1 - t0) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 8p | awk '{printf "%.1f", $1 / 1000}'
}
tool_ms=$(median_ms "$tool" --no-settings --headless)
bare_ms=$(median_ms "$bare" --headless --width 393 --height 322 --panels 0)
echo "start-ms novla-tool $tool_ms bare-window $bare_ms ratio $(awk "BEGIN{printf \"%.2f\", $tool_ms / $bare_ms}")"

if [[ "${1:-}" != "--inside" && -z "${NOVLA_BENCH_INSIDE:-}" ]]; then
    NOVLA_BENCH_INSIDE=1 "$here/with-xvfb.sh" bash -c '
        set -euo pipefail
        tool="$1"; module="$2"
        work=$(mktemp -d)
        export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
        mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/novla-tool/ports"
        for n in $(seq 1 96); do ln -s "$work/none" "$XDG_CONFIG_HOME/novla-tool/ports/com$n"; done
        : >"$work/module.log"
        "$module" >"$work/module.log" &
        module_pid=$!
        timeout 10 grep -q -m1 "^ready " <(tail --pid="$module_pid" -f "$work/module.log")
        "$tool" --no-settings &
        tool_pid=$!
        id=$(timeout 15 xdotool search --sync --name "NOVLA TOOL" | head -1)
        eval "$(xdotool getwindowgeometry --shell "$id")"
        border=$(((WIDTH - 393) / 2))
        xdotool mousemove --sync $((X + border + 28)) $((Y + HEIGHT - 342 - border + 46)) click 1
        sleep 1
        ticks() { awk "{print \$14 + \$15}" "/proc/$tool_pid/stat"; }
        before=$(ticks)
        sleep 10
        after=$(ticks)
        hz=$(getconf CLK_TCK)
        echo "peak-rss-kb $(awk "/VmHWM/ {print \$2}" "/proc/$tool_pid/status")"
        echo "idle-cpu-ms-in-10s $(((after - before) * 1000 / hz))"
        xdotool key alt+F4
        timeout 10 tail --pid="$tool_pid" -f /dev/null
        kill -TERM "$module_pid"; wait "$module_pid" || true
        rm -rf "$work"
    ' bench "$tool" "$module"
fi
