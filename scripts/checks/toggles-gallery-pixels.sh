#!/usr/bin/env bash
# skin-gallery's "toggles" and "gauges" pages on a virtual X display, in the
# five built-in styles and the sample skin: a checked and an unchecked check
# box show different marks, and the 40% progress bar shows its frame in the
# look's border colour, a fill at its start that differs from the rest, and
# (built-in styles) the style's control colour past the fill.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOVLA_BUILD:-build/default}"
gallery="$build/tools/skin-gallery/skin-gallery"
dump="$build/tools/skin-dump/skin-dump"
sample="$build/skins/novla-sample.skin"

if [[ "${1:-}" != "--inside" ]]; then
    for file in "$gallery" "$dump" "$sample"; do
        [[ -e "$file" ]] || { echo "toggles-gallery-pixels: $file is not built" >&2; exit 1; }
    done
    exec "$here/with-xvfb.sh" bash "$0" --inside
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# RRGGBB of a TColor (0x00BBGGRR).
rgb() { printf '%02x%02x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)); }

# RRGGBB of each pixel (X, Y) of a 24- or 32-bit BMP, one a line.
pixels() { # FILE X Y [X Y ...]
    python3 - "$@" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
start, = struct.unpack_from("<I", data, 10)
width, height = struct.unpack_from("<ii", data, 18)
bpp, = struct.unpack_from("<H", data, 28)
stride = (width * bpp // 8 + 3) // 4 * 4
args = list(map(int, sys.argv[2:]))
for x, y in zip(args[::2], args[1::2]):
    row = height - 1 - y if height > 0 else y
    b, g, r = data[start + row * stride + x * bpp // 8:][:3]
    print(f"{r:02x}{g:02x}{b:02x}")
PY
}

failures=0
fail() { echo "toggles-gallery-pixels: $*" >&2; failures=$((failures + 1)); }

skin_value() {
    "$dump" "$sample" --json | python3 -c "
import json, sys
print(next(i['value'] for i in json.load(sys.stdin)['items'] if i['name'] == sys.argv[1]))" "$1"
}

# Border and control colours of each look (theme items 25 and 26).
declare -A border=([MacOS]=0x7F7F7F [WinXP]=0x686868 [DeepBlue]=0 [Protein]=0 [BlueGlass]=0)
declare -A face=([MacOS]=0xE7E7E7 [WinXP]=0xDEEBEF [DeepBlue]=0xE8E8E8 [Protein]=0xFBFBFB
    [BlueGlass]=0xE7E7E7)
border[skin]=$(skin_value SKIN2_CONTROLBORDERCOLOR)

for look in MacOS WinXP DeepBlue Protein BlueGlass skin; do
    args=(--style "$look")
    [[ "$look" == skin ]] && args=(--skin "$sample")
    for page in toggles gauges; do
        "$gallery" --page "$page" "${args[@]}" --headless --landmarks \
            --screenshot "$work/$look-$page.bmp" >"$work/$look-$page.marks"
    done

    landmark() { grep "^$1 " "$work/$look-$2.marks" | cut -d' ' -f2-; }
    shot="$work/$look-toggles.bmp"
    read -r ul ut _ ub <<<"$(landmark UncheckedBox toggles)"
    read -r cl ct _ cb <<<"$(landmark CheckedBox toggles)"
    [[ -n "${ul:-}" && -n "${cl:-}" ]] || { fail "$look: no check box landmarks"; continue; }
    coords=()
    for dy in -3 -1 0 1 3; do
        for dx in 3 5 6 7 9; do
            coords+=($((ul + dx)) $(((ut + ub) / 2 + dy)) $((cl + dx)) $(((ct + cb) / 2 + dy)))
        done
    done
    differ=$(pixels "$shot" "${coords[@]}" | paste - - | awk '$1 != $2' | wc -l)
    ((differ >= 5)) || fail "$look: the checked mark differs from the unchecked one in $differ pixels"

    shot="$work/$look-gauges.bmp"
    read -r pl pt pr pb <<<"$(landmark HalfProgress gauges)"
    [[ -n "${pl:-}" ]] || { fail "$look: no progress bar landmark"; continue; }
    mid=$(((pt + pb) / 2))
    want=$(rgb "${border[$look]}")
    read -r got filled empty <<<"$(pixels "$shot" "$pl" "$mid" $((pl + 4)) "$mid" $((pr - 4)) "$mid" |
        tr '\n' ' ')"
    [[ "$got" == "$want" ]] || fail "$look: progress frame is $got, expected $want"
    [[ "$filled" != "$empty" ]] || fail "$look: the fill looks like the empty part ($filled)"
    if [[ -n "${face[$look]:-}" ]]; then
        want=$(rgb "${face[$look]}")
        [[ "$empty" == "$want" ]] || fail "$look: past the fill $empty, expected $want"
    fi
done
((failures == 0)) || exit 1
echo "toggles-gallery-pixels: ok"
