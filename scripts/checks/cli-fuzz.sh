#!/usr/bin/env bash
# Builds the libFuzzer target of the client's block-file reader (flat JSON,
# values set into a block, printed back) with clang (address and
# undefined-behaviour sanitizers) in build/cli-fuzz and runs it for a
# bounded time from a small seed corpus. Fails on any finding.
# CLI_FUZZ_SECONDS sets the time (default 15 s), CLI_FUZZ_RUNS a number of
# executions instead.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${CLI_FUZZ_SECONDS:-15}"
runs="${CLI_FUZZ_RUNS:-}"
out=build/cli-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=undefined -I.)
sources=(protocol/*.cpp tools/cli/BlockInput.cpp tools/cli/BlockText.cpp)
objects=()
for source in "${sources[@]}"; do
    object="$out/$(echo "$source" | tr / _ | sed 's/\.cpp$/.o/')"
    if [[ ! -e "$object" || "$source" -nt "$object" ||
        -n "$(find protocol tools/cli -name '*.h' -newer "$object")" ]]; then
        clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$source" -o "$object"
    fi
    objects+=("$object")
done
clang++ "${flags[@]}" -fsanitize=fuzzer tests/tools/fuzz/FuzzBlockFile.cpp "${objects[@]}" \
    -o "$out/fuzz-BlockFile"

# Seeds: what read --json prints, a hand-edited preset with a byte-order
# mark, and one with a refused value.
seeds="$out/seeds"
rm -rf "$seeds" && mkdir -p "$seeds"
printf '%s\n' '{"frequency_mhz": 433.00, "spreading": "2048", "rf_mode": "Standard", "bandwidth": "125K", "uart_baud": "9600", "uart_parity": "NO", "power": "7", "node_id": 0, "net_id": 0, "breath": "2s", "wake": "32ms"}' \
    >"$seeds/read.json"
printf '\xef\xbb\xbf{ "net_id": 7, "power": 5, "rf_mode": "central",\n  "node_id": 65535 }' >"$seeds/preset.json"
printf '{"frequency_mhz": 120.5e0, "wake": "2MS", "x": "\\u00e9\\n"}' >"$seeds/refused.json"

mkdir -p "$out/corpus"
if [[ -n "$runs" ]]; then
    limit=(-runs="$runs") label="$runs runs"
else
    limit=(-max_total_time="$seconds") label="${seconds}s"
fi
echo "fuzzing BlockFile ($label)"
status=0
(cd "$out" && ./fuzz-BlockFile "${limit[@]}" -max_len=4096 -print_final_stats=1 corpus seeds \
    >log-BlockFile.txt 2>&1) || status=$?
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$out/log-BlockFile.txt" | tail -n 2 || true
if [[ $status -ne 0 ]]; then
    tail -n 40 "$out/log-BlockFile.txt" >&2
    echo "cli-fuzz: BlockFile failed (exit $status); the input is in $out" >&2
    exit 1
fi
echo "cli-fuzz: no findings"
