#!/usr/bin/env bash
# Builds the libFuzzer targets of the BMP and icon readers with clang
# (address and undefined-behaviour sanitizers) in build/gfx-fuzz and runs
# each for a bounded time from a small seed corpus. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${GFX_FUZZ_SECONDS:-20}"
out=build/gfx-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
read -r -a pkg_flags <<<"$(pkg-config --cflags pixman-1 libpng)"
read -r -a pkg_libs <<<"$(pkg-config --libs pixman-1 libpng)"
sources=(platform/gfx/Surface.cpp platform/gfx/Color.cpp platform/gfx/Dib.cpp platform/gfx/CodecStatus.cpp
         platform/gfx/BmpCodec.cpp platform/gfx/IcoCodec.cpp platform/gfx/PngCodec.cpp)

for target in Bmp Ico; do
    clang++ "${flags[@]}" "${pkg_flags[@]}" "tests/platform/gfx/fuzz/Fuzz$target.cpp" "${sources[@]}" \
        "${pkg_libs[@]}" -o "$out/fuzz-$target"
done

# Seeds: a 1x1 24-bit BMP, a 2x1 run-length coded 8-bit BMP and a 1x1 32-bit
# icon with its mask.
seeds="$out/seeds"
rm -rf "$seeds" && mkdir -p "$seeds/Bmp" "$seeds/Ico"
printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\x00' \
    >"$seeds/Bmp/rgb24.bmp"
printf 'BM\x42\x00\x00\x00\x00\x00\x00\x00\x3e\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x08\x00\x01\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00\x02\x01\x00\x01' \
    >"$seeds/Bmp/rle8.bmp"
printf '\x00\x00\x01\x00\x01\x00\x01\x01\x00\x00\x01\x00\x20\x00\x30\x00\x00\x00\x16\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\xff\x00\x00\x00\x00' \
    >"$seeds/Ico/argb32.ico"

for target in Bmp Ico; do
    mkdir -p "$out/corpus-$target"
    echo "fuzzing the $target reader for ${seconds}s"
    status=0
    (cd "$out" && "./fuzz-$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 \
        "corpus-$target" "seeds/$target" >"log-$target.txt" 2>&1) || status=$?
    tail -n 1 "$out/log-$target.txt"
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$out/log-$target.txt" >&2
        echo "gfx-fuzz: the $target reader failed (exit $status); the input is in $out" >&2
        exit 1
    fi
done
echo "gfx-fuzz: no findings"
