#!/usr/bin/env bash
# The chaos driver under the address and undefined-behaviour sanitizers for
# a fixed time: random input into the configuration window on the headless
# desktop against a virtual module whose faults come and go. A new seed each
# run; a failure prints its seed and the shortest event list found that
# still fails.
#
# CHAOS_SECONDS sets the time (default 30), CHAOS_SEED a seed to replay.
set -euo pipefail
cd "$(dirname "$0")/../.."

build="${NOVLA_BUILD_ASAN:-build/asan}"
chaos="$build/tests/app/chaos/novla-chaos"
[[ -x "$chaos" ]] || { echo "chaos: $chaos is not built" >&2; exit 1; }
seed=()
[[ -n "${CHAOS_SEED:-}" ]] && seed=(--seed "$CHAOS_SEED")
# Freed memory is held back from reuse for a while to catch late use; a
# small quarantine keeps that, and keeps the memory check meaningful.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$chaos" "${seed[@]}" --seconds "${CHAOS_SECONDS:-30}" --shrink-seconds 120 --rss-margin-kb 32768
