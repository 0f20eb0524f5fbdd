#!/usr/bin/env bash
# Builds every libFuzzer target with clang (address and undefined-behaviour
# sanitizers) in build/fuzz and runs each for a fixed time from seeds of our
# own. The sources the targets share are compiled once, through the compiler
# cache, into objects every target links. Fails on any finding.
#
# FUZZ_SECONDS sets the time per target (default 15), FUZZ_RUNS a number of
# executions instead; FUZZ_TARGETS limits the run to the named targets.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${FUZZ_SECONDS:-15}"
runs="${FUZZ_RUNS:-}"
out=build/fuzz
mkdir -p "$out/obj"

# Each target: its name, its source and the longest input it is given.
targets=(
    "Bmp tests/platform/gfx/fuzz/FuzzBmp.cpp 4096"
    "Ico tests/platform/gfx/fuzz/FuzzIco.cpp 4096"
    "DrawText tests/platform/gfx/fuzz/FuzzDrawText.cpp 4096"
    "Inflate tests/skinfiles/fuzz/FuzzInflate.cpp 8192"
    "InflateZlib tests/skinfiles/fuzz/FuzzInflateZlib.cpp 8192"
    "ZipArchive tests/skinfiles/fuzz/FuzzZipArchive.cpp 8192"
    "Sk2 tests/skinfiles/fuzz/FuzzSk2.cpp 8192"
    "BlockFile tests/tools/fuzz/FuzzBlockFile.cpp 4096"
    "FormText tests/framework/fuzz/FuzzFormText.cpp 8192"
    "FormBinary tests/framework/fuzz/FuzzFormBinary.cpp 8192"
)

# The graphics layer, the skin-file reader's framework-free parsers and our
# skin writer (which makes the seeds).
sources=(platform/gfx/*.cpp tools/skin-writer/DeflateEncoder.cpp tools/skin-writer/Sk2Writer.cpp
    tools/skin-writer/ZipWriter.cpp)
for source in skinfiles/*.cpp; do
    # The file-theme components need the whole framework; the parsers do not.
    case "$source" in
    skinfiles/SUI2SkinReader.cpp | skinfiles/SUIFileThemeMgr.cpp | skinfiles/SUISkinFileTheme.cpp | \
        skinfiles/SUIBuiltInFileTheme.cpp) ;;
    *) sources+=("$source") ;;
    esac
done
# The block-file reader (in protocol/); the form-definition reader with the whole
# framework, the window system's in-memory desktop and the sample classes of
# every property kind.
sources+=(protocol/*.cpp tests/framework/SampleClasses.cpp)
mapfile -t -O "${#sources[@]}" sources < <(find framework platform/win -name '*.cpp' -not -path 'platform/win/sdl/*' | sort)

# Where the normal build compiled these libraries in unity batches, the
# batches are compiled here instead of their sources one by one: the same
# text, a fraction of the work.
build="${NOVLA_BUILD:-build/default}"
batched=()
for batch in "$build"/platform/gfx/unity/novla_gfx_[0-9]*.cpp "$build"/platform/win/unity/novla_win_[0-9]*.cpp \
    "$build"/framework/unity/novla_framework_[0-9]*.cpp; do
    [[ -e "$batch" ]] || continue
    while read -r member; do
        batched+=("$(realpath --relative-to=. "$(dirname "$batch")/$member")")
    done < <(sed -n 's/^#include "\(.*\)"$/\1/p' "$batch")
    sources+=("$(realpath --relative-to=. "$batch")")
done
if [[ ${#batched[@]} -gt 0 ]]; then
    mapfile -t sources < <(printf '%s\n' "${sources[@]}" | grep -vxF -f <(printf '%s\n' "${batched[@]}"))
fi

compiler=(clang++)
command -v ccache >/dev/null && compiler=(ccache clang++)
flags=(-std=c++20 -O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -I.)
read -r -a pkg_flags <<<"$(pkg-config --cflags pixman-1 libpng freetype2 fontconfig)"
read -r -a pkg_libs <<<"$(pkg-config --libs pixman-1 libpng freetype2 fontconfig)"

# Compiled in parallel; the compiler cache makes an unchanged source cheap.
objects=()
running=0
failed=0
for source in "${sources[@]}"; do
    object="$out/obj/$(echo "$source" | tr / _ | sed 's/\.cpp$/.o/')"
    objects+=("$object")
    # The window system's sources see its internal headers.
    internal=()
    [[ "$source" == *platform/win/* ]] && internal=(-Iplatform/win)
    "${compiler[@]}" "${flags[@]}" -fsanitize=fuzzer-no-link "${internal[@]}" "${pkg_flags[@]}" \
        -c "$source" -o "$object" &
    running=$((running + 1))
    if [[ $running -ge $(nproc) ]]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
done
while [[ $running -gt 0 ]]; do
    wait -n || failed=1
    running=$((running - 1))
done
[[ $failed -eq 0 ]] || { echo "fuzz: a shared source did not compile" >&2; exit 1; }

for entry in "${targets[@]}"; do
    read -r name source _ <<<"$entry"
    "${compiler[@]}" "${flags[@]}" -fsanitize=fuzzer "${pkg_flags[@]}" "$source" "${objects[@]}" \
        "${pkg_libs[@]}" -ljpeg -lz -lpthread -o "$out/fuzz-$name"
done
"${compiler[@]}" "${flags[@]}" "${pkg_flags[@]}" tests/skinfiles/fuzz/MakeSeeds.cpp "${objects[@]}" \
    "${pkg_libs[@]}" -ljpeg -o "$out/make-seeds"

# Seeds: skin files, archives and DEFLATE streams from our own writer; a
# 1x1 24-bit BMP, a 2x1 run-length coded 8-bit BMP, a 1x1 32-bit icon with
# its mask, and a caption with prefixes, a tab and a line break.
seeds="$out/seeds"
rm -rf "$seeds"
for entry in "${targets[@]}"; do
    read -r name _ <<<"$entry"
    mkdir -p "$seeds/$name"
done
"$out/make-seeds" "$seeds"
# The comparison of our DEFLATE decoder with zlib's starts from the
# decoder's own seeds.
cp "$seeds/Inflate/"* "$seeds/InflateZlib/"
printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\x00' \
    >"$seeds/Bmp/rgb24.bmp"
printf 'BM\x42\x00\x00\x00\x00\x00\x00\x00\x3e\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x08\x00\x01\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00\x02\x01\x00\x01' \
    >"$seeds/Bmp/rle8.bmp"
printf '\x00\x00\x01\x00\x01\x00\x01\x01\x00\x00\x01\x00\x20\x00\x30\x00\x00\x00\x16\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x20\x30\xff\x00\x00\x00\x00' \
    >"$seeds/Ico/argb32.ico"
printf '\x11\x50\x40Write &All\tmodule\r\nparameters &&' >"$seeds/DrawText/caption.txt"
# Block files: what read --json prints, a hand-edited preset with a
# byte-order mark, and one with refused values.
printf '%s\n' '{"frequency_mhz": 433.00, "spreading": "2048", "rf_mode": "Standard", "bandwidth": "125K", "uart_baud": "9600", "uart_parity": "NO", "power": "7", "node_id": 0, "net_id": 0, "breath": "2s", "wake": "32ms"}' \
    >"$seeds/BlockFile/read.json"
printf '\xef\xbb\xbf{ "net_id": 7, "power": 5, "rf_mode": "central",\n  "node_id": 65535 }' >"$seeds/BlockFile/preset.json"
printf '{"frequency_mhz": 120.5e0, "wake": "2MS", "x": "\\u00e9\\n"}' >"$seeds/BlockFile/refused.json"
# Form definitions: every one of the tree. Stored pictures (the first byte
# picks the property): the BMP above as a bitmap picture, the icon above as
# an icon picture and as a form's icon.
for definition in $(git ls-files '*.nfm' '*.nfm.in'); do
    cp "$definition" "$seeds/FormText/$(echo "$definition" | tr / _)"
done
{ printf '\x00\x07TBitmap' && cat "$seeds/Bmp/rgb24.bmp"; } >"$seeds/FormBinary/bitmap-picture"
{ printf '\x00\x05TIcon' && cat "$seeds/Ico/argb32.ico"; } >"$seeds/FormBinary/icon-picture"
{ printf '\x01' && cat "$seeds/Ico/argb32.ico"; } >"$seeds/FormBinary/form-icon"

if [[ -n "$runs" ]]; then
    limit=(-runs="$runs") label="$runs runs"
else
    limit=(-max_total_time="$seconds") label="${seconds} s"
fi
for entry in "${targets[@]}"; do
    read -r name _ max_len <<<"$entry"
    [[ -z "${FUZZ_TARGETS:-}" || " $FUZZ_TARGETS " == *" $name "* ]] || continue
    mkdir -p "$out/corpus-$name"
    status=0
    (cd "$out" && "./fuzz-$name" "${limit[@]}" -max_len="$max_len" -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus-$name" "seeds/$name" >"log-$name.txt" 2>&1) || status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$out/log-$name.txt" >&2
        echo "fuzz: $name failed (exit $status); the input is in $out" >&2
        exit 1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log-$name.txt")
    echo "fuzz: $name: $executions executions in $label, no findings"
done
echo "fuzz: no findings"
