#!/usr/bin/env bash
# skin-gallery's "tabs" and "bars" pages in each built-in style and in the
# sample skin: on a virtual X display the gallery window and the shown
# notification pop-up show the very pixels of the headless screenshot, and
# in that screenshot the tool bar's hot, pressed and down buttons, the open
# side channel, the pop-up and the tab bodies wear the colours their style's
# theme table or the skin file (read back with skin-dump --json) gives them.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOVLA_BUILD:-build/default}"
gallery="$build/tools/skin-gallery/skin-gallery"
dump="$build/tools/skin-dump/skin-dump"
sample="$build/skins/novla-sample.skin"
looks=(MacOS WinXP DeepBlue Protein BlueGlass sample)

if [[ "${1:-}" != "--inside" ]]; then
    for file in "$gallery" "$dump" "$sample"; do
        [[ -e "$file" ]] || { echo "bars-gallery-pixels: $file is not built" >&2; exit 1; }
    done
    for program in xdotool xwd xwdtopnm pnmdepth pngtopnm python3; do
        command -v "$program" >/dev/null || { echo "bars-gallery-pixels: $program is missing" >&2; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    "$dump" "$sample" --json >"$work/sample.json"
    cat >"$work/compare.py" <<'EOF'
import json, sys

def ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    return int(fields[1]), data[pos + 1:]

def marks(path):
    out = {}
    for line in open(path):
        parts = line.split()
        out[parts[0]] = [int(v) for v in parts[1:]]
    return out

def pixel(picture, x, y):
    width, rgb = picture
    at = (y * width + x) * 3
    return "%02x%02x%02x" % tuple(rgb[at:at + 3])

if sys.argv[1] == "same":
    shown, shot, where = ppm(sys.argv[2]), ppm(sys.argv[3]), marks(sys.argv[4])
    # Outside a shaped window's region the headless desktop shows its own
    # colour and the display its root window.
    desktop = pixel(shot, 0, 0)
    for name in ("window", "Popup"):
        if name not in where:
            continue
        l, t, r, b = where[name]
        for y in range(t, b):
            start, end = (y * shown[0] + l) * 3, (y * shown[0] + r) * 3
            if shown[1][start:end] == shot[1][start:end]:
                continue
            for x in range(l, r):
                if pixel(shown, x, y) != pixel(shot, x, y) and pixel(shot, x, y) != desktop:
                    sys.stderr.write("%s differs at (%d, %d): %s, headless %s\n"
                                     % (name, x, y, pixel(shown, x, y), pixel(shot, x, y)))
                    sys.exit(1)
    sys.exit(0)

look, page, shot, where = sys.argv[2], sys.argv[3], ppm(sys.argv[4]), marks(sys.argv[5])
# 0xBBGGRR colours: the theme table's, per style (MacOS, WinXP, DeepBlue,
# Protein, BlueGlass), or the sample skin's.
styles = ["MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"]
table = {
    "button border": [0x474747, 0xC66931, 0x474747, 0x474747, 0x474747],
    "button hot": [0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF],
    "button down": [0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8],
    "channel": [0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7],
    "control border": [0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000],
    "form": [0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7],
    # The tab line picture's rim.
    "tab border": [0x7F7F7F, 0x9C9B91, 0x000000, 0x000000, 0x000000],
}
if look == "sample":
    skin = {i["name"]: i.get("value") for i in json.load(open(sys.argv[6]))["items"]}
    colour = {
        "button border": skin["SKIN2_TOOLBARBORDERCOLOR"],
        "button hot": skin["SKIN2_TOOLBARONCOLOR"],
        "button down": skin["SKIN2_TOOLBARDOWNCOLOR"],
        "channel": skin["SKIN2_SIDECHANNELCOLOR"],
        "channel border": skin["SKIN2_SIDECHANNELBORDERCOLOR"],
        "control border": skin["SKIN2_CONTROLBORDERCOLOR"],
        "form": skin["SKIN2_FORMCOLOR"],
        "tab border": skin["SKIN2_TABCONTROLBORDERCOLOR"],
        "tab body": skin["SKIN2_TABCONTROLCOLOR"],
    }
else:
    colour = {k: v[styles.index(look)] for k, v in table.items()}
    colour["channel border"] = colour["control border"]

def rgb(bgr):
    return "%02x%02x%02x" % (bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF)

checks = []
if page == "bars":
    for name, face in (("HotButton", "button hot"), ("PressedButton", "button down"),
                       ("DownButton", "button down")):
        l, t, r, b = where[name]
        checks += [(name + " frame", l, t, "button border"),
                   (name + " frame", r - 1, b - 1, "button border"),
                   (name + " face", l + 1, t + 1, face)]
    l, t, r, b = where["SideChannel"]
    checks += [("side channel body", l + 5, b - 10, "channel"),
               ("side channel border", l, b - 1, "channel border")]
    l, t, r, b = where["Popup"]
    checks += [("pop-up border", l, t, "control border"),
               ("pop-up border", r - 1, b - 1, "control border"),
               ("pop-up body", r - 3, b - 3, "form")]
else:
    for name in ("TabControl", "PageControl"):
        l, t, r, b = where[name]
        checks += [(name + " frame", (l + r) // 2, b - 1, "tab border"),
                   (name + " frame", l, b - 10, "tab border")]
        if "tab body" in colour:
            checks.append((name + " body", r - 10, b - 10, "tab body"))
bad = 0
for what, x, y, key in checks:
    if pixel(shot, x, y) != rgb(colour[key]):
        sys.stderr.write("bars-gallery-pixels: %s %s: %s at (%d, %d) is %s, expected %s\n"
                         % (look, page, what, x, y, pixel(shot, x, y), rgb(colour[key])))
        bad += 1
sys.exit(1 if bad else 0)
EOF
    for look in "${looks[@]}"; do
        args=(--style "$look")
        [[ "$look" == sample ]] && args=(--skin "$sample")
        for page in tabs bars; do
            "$gallery" --page "$page" "${args[@]}" --headless --landmarks \
                --screenshot "$work/$look-$page.png" >"$work/$look-$page.marks"
            pngtopnm "$work/$look-$page.png" >"$work/$look-$page.ppm"
        done
    done
    "$here/with-xvfb.sh" -s "-screen 0 1024x768x24" bash "$0" --inside "$work"
    exit
fi

work="$2"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
xdotool mousemove 1020 4
failures=0
for look in "${looks[@]}"; do
    args=(--style "$look")
    [[ "$look" == sample ]] && args=(--skin "$sample")
    for page in tabs bars; do
        "$gallery" --page "$page" "${args[@]}" >/dev/null 2>&1 &
        pid=$!
        if [[ -z "$(timeout 15 xdotool search --sync --name 'Skinned controls' | head -1)" ]]; then
            echo "bars-gallery-pixels: $look $page: the window did not appear" >&2
            failures=$((failures + 1))
        else
            # The display may still be drawing: look again a few times.
            ok=1
            for attempt in 1 2 3 4 5 6 7 8 9 10; do
                xwd -root -silent | xwdtopnm 2>/dev/null | pnmdepth 255 >"$work/x.ppm"
                if python3 "$work/compare.py" same "$work/x.ppm" "$work/$look-$page.ppm" \
                    "$work/$look-$page.marks" 2>"$work/why"; then
                    ok=0
                    break
                fi
            done
            if ((ok)); then
                echo "bars-gallery-pixels: $look $page on X: $(cat "$work/why")" >&2
                failures=$((failures + 1))
            fi
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        python3 "$work/compare.py" colours "$look" "$page" "$work/$look-$page.ppm" \
            "$work/$look-$page.marks" "$work/sample.json" || failures=$((failures + 1))
    done
done
((failures == 0)) || exit 1
echo "bars-gallery-pixels: ok"
