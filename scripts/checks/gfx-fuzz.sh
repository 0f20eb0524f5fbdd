#!/usr/bin/env bash
# Builds the libFuzzer targets of the BMP and icon readers and of text layout
# with clang (address and undefined-behaviour sanitizers) in build/gfx-fuzz
# and runs each for a bounded time from a small seed corpus. Fails on any
# finding.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${GFX_FUZZ_SECONDS:-15}"
out=build/gfx-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
read -r -a pkg_flags <<<"$(pkg-config --cflags pixman-1 libpng freetype2 fontconfig)"
read -r -a pkg_libs <<<"$(pkg-config --libs pixman-1 libpng freetype2 fontconfig)"
targets=(Bmp Ico DrawText)

# The whole layer is compiled once into objects shared by every target.
objects=()
for source in platform/gfx/*.cpp; do
    object="$out/$(basename "$source" .cpp).o"
    if [[ ! -e "$object" || "$source" -nt "$object" || -n "$(find platform/gfx -name '*.h' -newer "$object")" ]]; then
        clang++ "${flags[@]}" "${pkg_flags[@]}" -c "$source" -o "$object"
    fi
    objects+=("$object")
done
for target in "${targets[@]}"; do
    clang++ "${flags[@]}" "${pkg_flags[@]}" "tests/platform/gfx/fuzz/Fuzz$target.cpp" "${objects[@]}" \
        "${pkg_libs[@]}" -ljpeg -o "$out/fuzz-$target"
done

# Seeds: a 1x1 24-bit BMP, a 2x1 run-length coded 8-bit BMP, a 1x1 32-bit
# icon with its mask, and a caption with prefixes, a tab and a line break.
seeds="$out/seeds"
rm -rf "$seeds" && mkdir -p "$seeds/Bmp" "$seeds/Ico" "$seeds/DrawText"
printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\x00' \
    >"$seeds/Bmp/rgb24.bmp"
printf 'BM\x42\x00\x00\x00\x00\x00\x00\x00\x3e\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x08\x00\x01\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00\x02\x01\x00\x01' \
    >"$seeds/Bmp/rle8.bmp"
printf '\x00\x00\x01\x00\x01\x00\x01\x01\x00\x00\x01\x00\x20\x00\x30\x00\x00\x00\x16\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\xff\x00\x00\x00\x00' \
    >"$seeds/Ico/argb32.ico"
printf '\x11\x50\x40Write &All\tmodule\r\nparameters &&' >"$seeds/DrawText/caption.txt"

for target in "${targets[@]}"; do
    mkdir -p "$out/corpus-$target"
    echo "fuzzing $target for ${seconds}s"
    status=0
    (cd "$out" && "./fuzz-$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 \
        "corpus-$target" "seeds/$target" >"log-$target.txt" 2>&1) || status=$?
    tail -n 1 "$out/log-$target.txt"
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$out/log-$target.txt" >&2
        echo "gfx-fuzz: $target failed (exit $status); the input is in $out" >&2
        exit 1
    fi
done
echo "gfx-fuzz: no findings"
