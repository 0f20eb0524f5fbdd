#!/usr/bin/env bash
# Builds the libFuzzer targets of the form-definition reader (definitions as
# text read into components; the pictures stored in them as binary data)
# with clang (address and undefined-behaviour sanitizers) in
# build/framework-fuzz and runs each for a bounded time from seeds: the
# definitions of the tree and small pictures. Fails on any finding.
# FRAMEWORK_FUZZ_SECONDS sets the time per target (default 15 s),
# FRAMEWORK_FUZZ_RUNS a number of executions instead.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${FRAMEWORK_FUZZ_SECONDS:-15}"
runs="${FRAMEWORK_FUZZ_RUNS:-}"
out=build/framework-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=undefined -I.)
read -r -a pkg_flags <<<"$(pkg-config --cflags pixman-1 libpng freetype2 fontconfig)"
read -r -a pkg_libs <<<"$(pkg-config --libs pixman-1 libpng freetype2 fontconfig)"
targets=(FormText FormBinary)

# The framework with the layers below it (the window system's in-memory
# desktop, graphics) and the sample classes of every property kind are
# compiled once into objects shared by both targets.
mapfile -t sources < <(find framework platform/gfx platform/win -name '*.cpp' -not -path 'platform/win/sdl/*' | sort)
sources+=(tests/framework/SampleClasses.cpp)
objects=()
for source in "${sources[@]}"; do
    object="$out/$(echo "$source" | tr / _ | sed 's/\.cpp$/.o/')"
    if [[ ! -e "$object" || "$source" -nt "$object" ||
        -n "$(find framework platform/gfx platform/win tests/framework -name '*.h' -newer "$object")" ]]; then
        clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -Iplatform/win "${pkg_flags[@]}" \
            -c "$source" -o "$object"
    fi
    objects+=("$object")
done
for target in "${targets[@]}"; do
    clang++ "${flags[@]}" -fsanitize=fuzzer "${pkg_flags[@]}" "tests/framework/fuzz/Fuzz$target.cpp" \
        "${objects[@]}" "${pkg_libs[@]}" -ljpeg -lpthread -o "$out/fuzz-$target"
done

# Seeds: every form definition of the tree; a 1x1 24-bit BMP as a bitmap
# picture, and a 1x1 32-bit icon as an icon picture and as a form's icon.
seeds="$out/seeds"
rm -rf "$seeds" && mkdir -p "$seeds/FormText" "$seeds/FormBinary"
for definition in $(git ls-files '*.nfm' '*.nfm.in'); do
    cp "$definition" "$seeds/FormText/$(echo "$definition" | tr / _)"
done
bmp='BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\x00'
ico='\x00\x00\x01\x00\x01\x00\x01\x01\x00\x00\x01\x00\x20\x00\x30\x00\x00\x00\x16\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\xff\x00\x00\x00\x00'
printf "\\x00\\x07TBitmap$bmp" >"$seeds/FormBinary/bitmap-picture"
printf "\\x00\\x05TIcon$ico" >"$seeds/FormBinary/icon-picture"
printf "\\x01$ico" >"$seeds/FormBinary/form-icon"

for target in "${targets[@]}"; do
    mkdir -p "$out/corpus-$target"
    if [[ -n "$runs" ]]; then
        limit=(-runs="$runs") label="$runs runs"
    else
        limit=(-max_total_time="$seconds") label="${seconds}s"
    fi
    echo "fuzzing $target ($label)"
    status=0
    (cd "$out" && "./fuzz-$target" "${limit[@]}" -max_len=8192 -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus-$target" "seeds/$target" >"log-$target.txt" 2>&1) || status=$?
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$out/log-$target.txt" | tail -n 2 || true
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$out/log-$target.txt" >&2
        echo "framework-fuzz: $target failed (exit $status); the input is in $out" >&2
        exit 1
    fi
done
echo "framework-fuzz: no findings"
