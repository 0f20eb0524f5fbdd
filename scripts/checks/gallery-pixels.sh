#!/usr/bin/env bash
# controls-gallery renders headless: PNG and BMP screenshots are written, and
# a few pixels of the BMP sit where the controls' frames put them: the
# edit's sunken client edge, the combo box's raised button with its black
# arrow, and the status bar's panel edges. skin-gallery's open menu and
# dropped combo box each change its picture, and the two are not taken at once.
set -euo pipefail

gallery="${NOVLA_BUILD:-build/default}/tools/controls-gallery/controls-gallery"
[[ -x "$gallery" ]] || { echo "gallery-pixels: $gallery is not built" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$gallery" --headless --screenshot "$work/shot.png" >/dev/null
[[ "$(head -c 4 "$work/shot.png" | od -An -tx1 | tr -d ' ')" == "89504e47" ]] ||
    { echo "gallery-pixels: the screenshot is not a PNG" >&2; exit 1; }
"$gallery" --headless --show-menu --screenshot "$work/menu.png" >/dev/null
"$gallery" --headless --screenshot "$work/shot.bmp" >"$work/landmarks"
[[ "$(head -c 2 "$work/shot.bmp")" == "BM" ]] ||
    { echo "gallery-pixels: the screenshot is not a BMP" >&2; exit 1; }

# Little-endian unsigned / signed integer of N bytes at OFFSET.
uint() { od -An -tu"$2" -j "$1" -N "$2" --endian=little "$work/shot.bmp" | tr -d ' '; }
sint() { od -An -td"$2" -j "$1" -N "$2" --endian=little "$work/shot.bmp" | tr -d ' '; }
data=$(uint 10 4)
width=$(sint 18 4)
height=$(sint 22 4)
bpp=$(uint 28 2)
[[ "$bpp" == 24 || "$bpp" == 32 ]] || { echo "gallery-pixels: $bpp bits per pixel" >&2; exit 1; }
stride=$(( (width * bpp / 8 + 3) / 4 * 4 ))

# RRGGBB of the screen pixel (X, Y).
pixel() {
    local row=$2
    (( height > 0 )) && row=$(( height - 1 - $2 ))
    local bytes
    bytes=($(od -An -tx1 -j $(( data + row * stride + $1 * bpp / 8 )) -N 3 "$work/shot.bmp"))
    echo "${bytes[2]}${bytes[1]}${bytes[0]}"
}

landmark() { grep "^$1 " "$work/landmarks" | cut -d' ' -f2-; }
read -r el et er eb <<<"$(landmark edit)"
read -r bl bt br bb <<<"$(landmark combo-button)"
read -r sl st sr sb <<<"$(landmark status-bar)"
read -r e1 e2 <<<"$(landmark panel-edges)"

failures=0
expect() { # NAME X Y RRGGBB
    local got
    got=$(pixel "$2" "$3")
    if [[ "$got" != "$4" ]]; then
        echo "gallery-pixels: $1 at ($2, $3) is $got, expected $4" >&2
        failures=$((failures + 1))
    fi
}
shadow=808080 dark=404040 light=ffffff face=d4d0c8 window=ffffff black=000000
ey=$(( (et + eb) / 2 ))
expect "edit frame, outer left" "$el" "$ey" "$shadow"
expect "edit frame, inner left" $((el + 1)) "$ey" "$dark"
expect "edit frame, outer top" $((el + 20)) "$et" "$shadow"
expect "edit frame, outer right" $((er - 1)) "$ey" "$light"
expect "edit inside" $((er - 4)) "$ey" "$window"
by=$(( (bt + bb) / 2 ))
expect "combo button, left edge" "$bl" "$by" "$face"
expect "combo button, inner left" $((bl + 1)) "$by" "$light"
expect "combo button, right edge" $((br - 1)) "$by" "$dark"
expect "combo button, arrow" $(( (bl + br) / 2 )) "$by" "$black"
expect "combo button, face" $((bl + 3)) $((bt + 3)) "$face"
sy=$(( st + 10 ))
expect "status bar, gap before panel 2" $((e1 - 1)) "$sy" "$face"
expect "status bar, panel 2 left edge" "$e1" "$sy" "$shadow"
expect "status bar, gap before panel 3" $((e2 - 1)) "$sy" "$face"
expect "status bar, panel 3 left edge" "$e2" "$sy" "$shadow"
expect "status bar, panel 1 left edge" "$sl" "$sy" "$shadow"
(( e1 - sl == 120 && e2 - sl == 280 )) ||
    { echo "gallery-pixels: panel edges at $((e1 - sl)) and $((e2 - sl)), expected 120 and 280" >&2; failures=$((failures + 1)); }

skins="${NOVLA_BUILD:-build/default}/tools/skin-gallery/skin-gallery"
if [[ -x "$skins" ]]; then
    "$skins" --headless --screenshot "$work/skin.bmp"
    "$skins" --headless --show-menu --screenshot "$work/skin-menu.bmp"
    "$skins" --headless --drop-combo --screenshot "$work/skin-combo.bmp"
    for shot in skin-menu skin-combo; do
        cmp -s "$work/skin.bmp" "$work/$shot.bmp" &&
            { echo "gallery-pixels: $shot.bmp shows nothing more than skin.bmp" >&2; failures=$((failures + 1)); }
    done
    cmp -s "$work/skin-menu.bmp" "$work/skin-combo.bmp" &&
        { echo "gallery-pixels: the menu and the dropped combo box give one picture" >&2; failures=$((failures + 1)); }
    if "$skins" --headless --show-menu --drop-combo 2>/dev/null; then
        echo "gallery-pixels: skin-gallery took --show-menu with --drop-combo" >&2
        failures=$((failures + 1))
    fi
fi
(( failures == 0 )) || exit 1
echo "gallery-pixels: ok"
