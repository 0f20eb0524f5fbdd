#!/usr/bin/env bash
# Builds the libFuzzer targets of the skin file reader (DEFLATE decoder,
# DEFLATE decoder against zlib's, archive walk, skin database) with clang
# (address and undefined-behaviour sanitizers) in build/skinfiles-fuzz and
# runs each for 15 seconds from seeds made by our own skin writer. Fails on
# any finding.
# SKINFILES_FUZZ_SECONDS sets the time per target, SKINFILES_FUZZ_RUNS a
# number of executions instead.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${SKINFILES_FUZZ_SECONDS:-15}"
runs="${SKINFILES_FUZZ_RUNS:-}"
out=build/skinfiles-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=undefined -I.)
read -r -a pkg_flags <<<"$(pkg-config --cflags pixman-1 libpng freetype2 fontconfig)"
read -r -a pkg_libs <<<"$(pkg-config --libs pixman-1 libpng freetype2 fontconfig)"
targets=(Inflate InflateZlib ZipArchive Sk2)

# The reader's framework-free parts, the graphics layer (picture readers) and
# our skin writer are compiled once into objects shared by every target.
sources=(platform/gfx/*.cpp tools/skin-writer/DeflateEncoder.cpp tools/skin-writer/Sk2Writer.cpp
    tools/skin-writer/ZipWriter.cpp)
for source in skinfiles/*.cpp; do
    # The file-theme components need the whole framework; the fuzzed parsers do not.
    case "$source" in
    skinfiles/SUI2SkinReader.cpp | skinfiles/SUIFileThemeMgr.cpp | skinfiles/SUISkinFileTheme.cpp | \
        skinfiles/SUIBuiltInFileTheme.cpp) ;;
    *) sources+=("$source") ;;
    esac
done
objects=()
for source in "${sources[@]}"; do
    object="$out/$(echo "$source" | tr / _ | sed 's/\.cpp$/.o/')"
    if [[ ! -e "$object" || "$source" -nt "$object" ||
        -n "$(find platform/gfx skinfiles tools/skin-writer -name '*.h' -newer "$object")" ]]; then
        clang++ "${flags[@]}" -fsanitize=fuzzer-no-link "${pkg_flags[@]}" -c "$source" -o "$object"
    fi
    objects+=("$object")
done
for target in "${targets[@]}"; do
    clang++ "${flags[@]}" -fsanitize=fuzzer "${pkg_flags[@]}" "tests/skinfiles/fuzz/Fuzz$target.cpp" \
        "${objects[@]}" "${pkg_libs[@]}" -ljpeg -lz -o "$out/fuzz-$target"
done
clang++ "${flags[@]}" "${pkg_flags[@]}" tests/skinfiles/fuzz/MakeSeeds.cpp "${objects[@]}" \
    "${pkg_libs[@]}" -ljpeg -o "$out/make-seeds"

seeds="$out/seeds"
rm -rf "$seeds" && mkdir -p "$seeds/Inflate" "$seeds/ZipArchive" "$seeds/Sk2"
"$out/make-seeds" "$seeds"
# The comparison with zlib starts from the decoder's own seeds.
cp -r "$seeds/Inflate" "$seeds/InflateZlib"

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
        echo "skinfiles-fuzz: $target failed (exit $status); the input is in $out" >&2
        exit 1
    fi
done
echo "skinfiles-fuzz: no findings"
