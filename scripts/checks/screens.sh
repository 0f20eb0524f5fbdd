#!/usr/bin/env bash
# Every picture of the window and of every skin-gallery page, in the five
# built-in styles and the sample skin, compared with the fingerprints in
# tests/screens/fingerprints.txt (a SHA-256 of each picture's decoded
# pixels). A picture that differs fails the check; the pictures stay in
# build/checks/screens/ to be looked at.
#
#   scripts/checks/screens.sh            compare
#   scripts/checks/screens.sh --update   write the fingerprints of this build
#
# Run --update when a change of looks is meant, look at the new pictures,
# and commit the file with the change. The window's clock is held at a fixed
# time, so its pictures do not depend on when they are taken.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${NOVLA_BUILD:-$here/build/default}"
tool="$build/app/novla-tool"
gallery="$build/tools/skin-gallery/skin-gallery"
sample="$build/skins/novla-sample.skin"
expected="$here/tests/screens/fingerprints.txt"
out="$here/build/checks/screens"
for file in "$tool" "$gallery" "$sample"; do
    [[ -e "$file" ]] || { echo "screens: $file is not built" >&2; exit 1; }
done
for program in faketime pngtopnm sha256sum; do
    command -v "$program" >/dev/null || { echo "screens: $program is missing" >&2; exit 1; }
done
rm -rf "$out"
mkdir -p "$out/home"

looks=("--style MacOS" "--style WinXP" "--style DeepBlue" "--style Protein" "--style BlueGlass"
    "--skin $sample")
# look_name OPTIONS: "MacOS" ... or "sample-skin"
look_name() { [[ $1 == --style* ]] && echo "${1#--style }" || echo sample-skin; }

# shoot NAME PROGRAM ARGS...: the picture NAME.png and its fingerprint line.
shoot() {
    local name=$1
    shift
    # The clock starts at a fixed moment; monotonic time stays real, so
    # timers and waits behave as usual. Port links and settings come from
    # an empty folder, so modules other checks start are not listed.
    if ! XDG_CONFIG_HOME="$out/home" XDG_RUNTIME_DIR="$out/home" TZ=UTC \
        FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@2026-01-05 10:30:00" \
        "$@" --headless --screenshot "$out/$name.png" >"$out/$name.log" 2>&1; then
        echo "screens: $name: the program failed: $(tail -n 3 "$out/$name.log")" >&2
        return 1
    fi
    echo "$name $(pngtopnm "$out/$name.png" | sha256sum | cut -d' ' -f1)"
}

{
    for look in "${looks[@]}"; do
        # shellcheck disable=SC2086 # the look is two words on purpose
        shoot "window-$(look_name "$look")" "$tool" --no-settings $look
    done
    while read -r page; do
        for look in "${looks[@]}"; do
            # shellcheck disable=SC2086
            shoot "gallery-$page-$(look_name "$look")" "$gallery" --page "$page" $look
        done
    done < <("$gallery" --list-pages)
    shoot gallery-basic-menu "$gallery" --show-menu
    shoot gallery-basic-dropped "$gallery" --drop-combo
} >"$out/fingerprints.txt"

if [[ "${1:-}" == --update ]]; then
    cp "$out/fingerprints.txt" "$expected"
    echo "screens: wrote $(wc -l <"$expected") fingerprints to $expected"
    exit 0
fi
if ! diff -u "$expected" "$out/fingerprints.txt" >"$out/differences.txt"; then
    echo "screens: pictures differ from tests/screens/fingerprints.txt:" >&2
    grep '^[-+][^-+]' "$out/differences.txt" | sed 's/^/    /' >&2
    echo "screens: the pictures are in $out; if the change is meant," \
        "run scripts/checks/screens.sh --update and commit the file" >&2
    exit 1
fi
echo "screens: $(wc -l <"$expected") pictures as expected"
