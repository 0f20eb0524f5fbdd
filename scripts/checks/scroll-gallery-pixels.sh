#!/usr/bin/env bash
# skin-gallery's "scroll" page on a virtual X display, in each built-in style
# and in the sample skin: the pixels follow the drawing rules of the skinned
# scroll bars. The standing bars are 16 x 100 over 0..100 with a page of 20
# at 30: 16-pixel arrows and a thumb from 36 to 49 of the 68-pixel track.
# Normal and disabled bars show the same arrows and track, only the
# disabled one has no thumb; the pressed arrow is not the normal one; the
# list box's window scroll bar shows the same up arrow as the bars.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOVLA_BUILD:-build/default}"
gallery="$build/tools/skin-gallery/skin-gallery"
sample="$build/skins/novla-sample.skin"

if [[ "${1:-}" != "--inside" ]]; then
    for file in "$gallery" "$sample"; do
        [[ -e "$file" ]] || { echo "scroll-gallery-pixels: $file is not built" >&2; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    "$here/with-xvfb.sh" bash "$0" --inside "$gallery" "$sample" "$work"
    exit
fi
gallery=$2 sample=$3 work=$4

failures=0
fail() {
    echo "scroll-gallery-pixels: $*" >&2
    failures=$((failures + 1))
}

check() { # LOOK NAME ARGS...
    local look=$1 shot="$work/$2.bmp"
    shift 2
    "$gallery" --page scroll "$@" --landmarks --screenshot "$shot" >"$work/$look.marks" ||
        { fail "$look: skin-gallery failed"; return; }
    local data width height bpp stride
    uint() { od -An -tu"$2" -j "$1" -N "$2" --endian=little "$shot" | tr -d ' '; }
    sint() { od -An -td"$2" -j "$1" -N "$2" --endian=little "$shot" | tr -d ' '; }
    data=$(uint 10 4) width=$(sint 18 4) height=$(sint 22 4) bpp=$(uint 28 2)
    stride=$(( (width * bpp / 8 + 3) / 4 * 4 ))
    pixel() {
        local row=$2 bytes
        (( height > 0 )) && row=$(( height - 1 - $2 ))
        bytes=($(od -An -tx1 -j $(( data + row * stride + $1 * bpp / 8 )) -N 3 "$shot"))
        echo "${bytes[2]}${bytes[1]}${bytes[0]}"
    }
    mark() { grep "^$1 " "$work/$look.marks" | cut -d' ' -f2-; }
    local nx ny dx dy px py lr lt _
    read -r nx ny _ <<<"$(mark StandingNormal)"
    read -r dx dy _ <<<"$(mark StandingDisabled)"
    read -r px py _ <<<"$(mark StandingPressed)"
    read -r _ lt lr _ <<<"$(mark ScrollingList)"
    [[ -n "$nx" && -n "$dx" && -n "$px" && -n "$lr" ]] || { fail "$look: landmarks missing"; return; }
    local track thumb
    track=$(pixel $((nx + 8)) $((ny + 70)))
    thumb=$(pixel $((nx + 8)) $((ny + 42)))
    [[ "$thumb" != "$track" ]] || fail "$look: no thumb on the normal bar"
    [[ "$(pixel $((dx + 8)) $((dy + 42)))" == "$track" ]] || fail "$look: a thumb on the disabled bar"
    [[ "$(pixel $((dx + 8)) $((dy + 70)))" == "$track" ]] || fail "$look: the disabled track differs"
    local y
    for y in 4 8 11; do
        [[ "$(pixel $((dx + 8)) $((dy + y)))" == "$(pixel $((nx + 8)) $((ny + y)))" ]] ||
            fail "$look: the disabled up arrow differs at row $y"
        [[ "$(pixel $((lr - 2 - 8)) $((lt + 2 + y)))" == "$(pixel $((nx + 8)) $((ny + y)))" ]] ||
            fail "$look: the list's up arrow differs at row $y"
    done
    local differs=0
    for y in 86 90 94 98; do
        [[ "$(pixel $((px + 8)) $((py + y)))" != "$(pixel $((nx + 8)) $((ny + y)))" ]] && differs=1
    done
    (( differs )) || fail "$look: the pressed down arrow looks as the normal one"
}

for style in MacOS WinXP DeepBlue Protein BlueGlass; do
    check "$style" "$style" --style "$style"
done
check sample sample --skin "$sample"
for a in MacOS WinXP DeepBlue Protein BlueGlass; do
    cmp -s "$work/$a.bmp" "$work/sample.bmp" && fail "$a and the sample skin give one picture"
done
(( failures == 0 )) || exit 1
echo "scroll-gallery-pixels: ok"
