#!/usr/bin/env bash
# Times what a newcomer meets first: a fresh clone's ./run up to the built
# window and its whole ./test, both with an empty compiler cache of their
# own, so the user's cache is neither used nor touched.
#
#   scripts/bench-build.sh [REVISION]      (default: HEAD)
#
# Prints one line per stage: wall seconds, user and system CPU seconds of
# everything the stage ran. The ./test stages are the "== NAME" sections it
# prints (formatting, each preset's build and tests, each check). Then the
# size of the default build folder and of novla-tool. The clone and its
# cache are removed at the end; NOVLA_BENCH_KEEP=1 keeps them.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rev="${1:-HEAD}"
work=$(mktemp -d "${TMPDIR:-/tmp}/novla-bench-build-XXXXXX")
[[ "${NOVLA_BENCH_KEEP:-}" == 1 ]] || trap 'rm -rf "$work"' EXIT

git clone -q "$here" "$work/src"
git -C "$work/src" checkout -q "$(git -C "$here" rev-parse "$rev")"
export CCACHE_DIR="$work/ccache"
mkdir -p "$CCACHE_DIR"
unset DISPLAY

ticks=$(getconf CLK_TCK)
# User and system CPU of a process's waited-for descendants, in ticks.
child_cpu() { awk '{ print $16, $17 }' "/proc/$1/stat"; }
now() { date +%s.%N; }

# run_timed LABEL COMMAND...: runs the command in the clone, splits its time
# at every line that starts with "== " and prints one figure line per part.
# A part ends at the next marker; the last ends when the command does.
run_timed() {
    local label=$1
    shift
    local fifo="$work/fifo" log="$work/$label.log"
    rm -f "$fifo"
    mkfifo "$fifo"
    (cd "$work/src" && exec "$@") >"$fifo" 2>&1 &
    local pid=$! stage="$label" start cpu line
    start=$(now)
    read -r -a cpu < <(child_cpu "$pid")
    local base_user base_sys
    read -r base_user base_sys < <(child_cpu $$)
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$log"
        [[ "$line" == "== "* ]] || continue
        local t c
        t=$(now)
        read -r -a c < <(child_cpu "$pid" 2>/dev/null || echo "${cpu[*]}")
        report "$stage" "$start" "$t" "${cpu[0]}" "${cpu[1]}" "${c[0]}" "${c[1]}"
        stage="$label: ${line#== }"
        start=$t
        cpu=("${c[@]}")
    done <"$fifo"
    local status=0
    wait "$pid" || status=$?
    local t end_user end_sys
    t=$(now)
    read -r end_user end_sys < <(child_cpu $$)
    # After the wait the whole run is in this shell's own child figures.
    report "$stage" "$start" "$t" "${cpu[0]}" "${cpu[1]}" "$((end_user - base_user))" "$((end_sys - base_sys))"
    report "$label (total)" "$total_start" "$t" 0 0 "$((end_user - base_user))" "$((end_sys - base_sys))"
    if [[ $status -ne 0 ]]; then
        echo "bench-build: $label failed with status $status; its output: $log" >&2
        NOVLA_BENCH_KEEP=1
        trap - EXIT
        exit 1
    fi
}

report() {
    awk -v s="$1" -v a="$2" -v b="$3" -v u0="$4" -v s0="$5" -v u1="$6" -v s1="$7" -v hz="$ticks" \
        'BEGIN { printf "%-44s %8.1f s wall %8.1f s user %7.1f s sys\n", s, b - a, (u1 - u0) / hz, (s1 - s0) / hz }'
}

echo "bench-build: revision $(git -C "$work/src" rev-parse --short HEAD), $(nproc) cores, empty compiler cache"
# ./run prints its first "== " line once the window and the module are
# built; the part before it is the build a newcomer waits for.
total_start=$(now)
run_timed run ./run
rm -rf "$work/src/build" "$CCACHE_DIR"
mkdir -p "$CCACHE_DIR"
total_start=$(now)
run_timed test ./test
# Without the build folders of ./run's stage, which was removed above.
du -sh "$work/src/build/default" | awk '{ print "size of build/default: " $1 }'
du -h "$work/src/build/default/app/novla-tool" | awk '{ print "size of novla-tool: " $1 }'
