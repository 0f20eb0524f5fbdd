#!/usr/bin/env bash
# skin-gallery in the look of a skin file: the sample skin, and a skin put
# together by standard tools (pictures converted by netpbm, the skin
# database written by python3 from those pictures and an ini file of
# values, the archive packed by Info-ZIP zip). In each, every skinned
# control, the skinned frame and the title show pixels that are computed
# from the skin's own colours and pictures, read back from the skin file
# with skin-dump --json and --extract. Each built-in style gives its own
# skinned window; a skin that cannot be read leaves the built-in look with
# one line on standard error.
set -euo pipefail

build="${NOVLA_BUILD:-build/default}"
gallery="$build/tools/skin-gallery/skin-gallery"
dump="$build/tools/skin-dump/skin-dump"
sample="$build/skins/novla-sample.skin"
for file in "$gallery" "$dump" "$sample"; do
    [[ -e "$file" ]] || { echo "skin-gallery-pixels: $file is not built" >&2; exit 1; }
done
for tool in zip python3 pngtopnm ppmtobmp ppmmake pnmcat; do
    command -v "$tool" >/dev/null || { echo "skin-gallery-pixels: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The skin built by standard tools: the sample's pictures as BMP files, a
# new three-frame button picture, and the sample's values with other colours.
parts="$work/parts"
mkdir "$parts"
"$dump" "$sample" --extract "$parts" >/dev/null
"$dump" "$sample" --json >"$work/sample.json"
for png in "$parts"/*.png; do
    pngtopnm "$png" | ppmtobmp >"${png%.png}.bmp" 2>/dev/null
    rm "$png"
done
for frame in 1 2 3; do
    ppmmake "rgb:$((frame * 3))0/7$frame/b$frame" 70 22 >"$work/frame$frame.ppm"
done
pnmcat -lr "$work"/frame{1,2,3}.ppm | ppmtobmp >"$parts/SKIN2_BUTTON.bmp" 2>/dev/null
python3 - "$work/sample.json" "$parts/values.ini" <<'EOF'
import json, sys
items = json.load(open(sys.argv[1]))["items"]
# Colours no built-in style and not the sample skin use (0x00BBGGRR).
changed = {"SKIN2_FORMCOLOR": 0xC8E0D0, "SKIN2_MENUBARSTARTCOLOR": 0xF0E0D0, "SKIN2_CONTROLBORDERCOLOR": 0x2060A0,
           "SKIN2_CONTROLCOLOR": 0x90D8F0, "SKIN2_MENUITEMCOLOR": 0xE8F0D8,
           "SKIN2_BUTTONTRANS": 0}
with open(sys.argv[2], "w") as ini:
    for kind in ("integer", "boolean"):
        ini.write("[%s]\n" % kind)
        for item in items:
            if item["kind"] == kind:
                ini.write("%s=%d\n" % (item["name"], changed.get(item["name"], item["value"])))
EOF
mkdir "$work/standard"
python3 - "$parts" "$work/standard/SKINDATA.SK2" <<'EOF'
# The skin database: a 24-byte header, one 77-byte record per item chained by
# offsets and ended by a record whose next offset is 0, then the items' data.
import configparser, os, struct, sys
parts, out = sys.argv[1], sys.argv[2]
items = []
for name in sorted(os.listdir(parts)):
    if name.endswith(".bmp"):
        items.append((name[:-4], 0, open(os.path.join(parts, name), "rb").read()))
ini = configparser.ConfigParser()
ini.optionxform = str
ini.read(os.path.join(parts, "values.ini"))
for key, value in ini["integer"].items():
    items.append((key, 1, struct.pack("<i", int(value))))
for key, value in ini["boolean"].items():
    items.append((key, 2, bytes([int(value)])))
records = 24
data = records + 77 * (len(items) + 1)
header = b"NOVLA-CHECK\0" + struct.pack("<III", 24, 0, records)
chain, blob = b"", b""
for index, (name, kind, value) in enumerate(items):
    chain += struct.pack("<64sBIII", name.encode(), kind, data + len(blob), len(value),
                         records + 77 * (index + 1))
    blob += value
chain += struct.pack("<64sBIII", b"", 0, 0, 0, 0)
open(out, "wb").write(header + chain + blob)
EOF
standard="$work/standard.skin"
(cd "$work/standard" && zip -q -X -9 "$standard" SKINDATA.SK2)

failures=0
fail() { echo "skin-gallery-pixels: $*" >&2; failures=$((failures + 1)); }

# Renders the gallery in the skin FILE and checks its pixels against the
# skin's own values.
check_skin() { # NAME FILE
    local name=$1 file=$2 dir="$work/$1"
    mkdir -p "$dir/pictures"
    "$dump" "$file" --json >"$dir/skin.json" || { fail "$name: skin-dump refuses $file"; return; }
    "$dump" "$file" --extract "$dir/pictures" >/dev/null
    for png in "$dir/pictures"/*.png; do pngtopnm "$png" >"${png%.png}.ppm"; done
    "$gallery" --skin "$file" --headless --landmarks --screenshot "$dir/shot.png" \
        >"$dir/landmarks" 2>"$dir/errors" || { fail "$name: skin-gallery failed"; return; }
    [[ -s "$dir/errors" ]] && fail "$name: skin-gallery says: $(cat "$dir/errors")"
    "$gallery" --skin "$file" --headless --show-menu --screenshot "$dir/menu.png" >/dev/null
    pngtopnm "$dir/shot.png" >"$dir/shot.ppm"
    pngtopnm "$dir/menu.png" >"$dir/menu.ppm"
    python3 - "$name" "$dir" <<'EOF' || failures=$((failures + 1))
import json, os, sys
name, folder = sys.argv[1], sys.argv[2]

def read_ppm(path):
    # The header's four fields are separated by white space, and exactly one
    # white-space byte follows the last; the pixels may start with bytes
    # that look like white space.
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    magic, width, height, depth = fields
    assert magic == b"P6" and depth == b"255", path
    return int(width), int(height), data[pos + 1:]

class Picture:
    def __init__(self, path):
        self.width, self.height, self.pixels = read_ppm(path)
    def __call__(self, x, y):
        if x < 0:
            x += self.width
        if y < 0:
            y += self.height
        i = (y * self.width + x) * 3
        r, g, b = self.pixels[i:i + 3]
        return r << 16 | g << 8 | b

values = {i["name"]: i["value"] for i in json.load(open(os.path.join(folder, "skin.json")))["items"]
          if i["kind"] in ("integer", "boolean")}
def colour(key):  # a skin colour (0x00BBGGRR) as 0xRRGGBB
    v = values[key]
    return (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF)
def picture(key):
    return Picture(os.path.join(folder, "pictures", key + ".ppm"))

shot = Picture(os.path.join(folder, "shot.ppm"))
marks = {}
for line in open(os.path.join(folder, "landmarks")):
    label, *numbers = line.split()
    marks[label] = tuple(int(n) for n in numbers)

failed = 0
def expect(what, got, wanted):
    global failed
    if got != wanted:
        print("skin-gallery-pixels: %s: %s is %06x, expected %06x" % (name, what, got, wanted),
              file=sys.stderr)
        failed += 1
def at(label, x, y):  # a pixel from the top-left corner of a landmark
    left, top, right, bottom = marks[label]
    return shot(left + x if x >= 0 else right + x, top + y if y >= 0 else bottom + y)

form, border, control = colour("SKIN2_FORMCOLOR"), colour("SKIN2_CONTROLBORDERCOLOR"), colour("SKIN2_CONTROLCOLOR")
trans = colour("SKIN2_TRANSCOLOR")

# The window: the client in the form colour, the frame and title from the
# skin's pictures, row for row, the menu bar's gradient in the skin's
# colours.
left, top, right, bottom = marks["window"]
expect("client beside the buttons", at("SkinForm", -4, marks["NormalButton"][1] - marks["SkinForm"][1] + 13), form)
title1, title4 = picture("SKIN2_TITLEBAR1"), picture("SKIN2_TITLEBAR4")
for y in (0, 2, 3, 4, title1.height - 1):
    for x in (0, 1, 3):
        expect("title's left section at %d,%d" % (x, y), shot(left + x, top + y), title1(x, y))
    expect("title's stretched section at row %d" % y, shot(right - 120, top + y), title4(0, y))
side = picture("SKIN2_FORMLEFTBORDER")
middle = (top + title1.height + bottom) // 2
for x in range(side.width):
    if len({side(x, y) for y in range(side.height)}) == 1:
        expect("left frame column %d" % x, shot(left + x, middle), side(x, 0))
expect("menu bar's top row", at("menubar", -20, 0), colour("SKIN2_MENUBARSTARTCOLOR"))
expect("menu bar's bottom row", at("menubar", -20, -1), colour("SKIN2_MENUBARENDCOLOR"))
low = picture("SKIN2_FORMBOTTOMBORDER2")
for y in range(low.height):
    expect("bottom frame row %d" % y, shot((left + right) // 2, bottom - low.height + y), low(0, y))

# Every control lies between the menu bar and the bottom frame.
for label, rect in marks.items():
    if label not in ("window", "titlebar", "menubar", "menu", "SkinForm") and (
            rect[1] < marks["menubar"][3] or rect[3] > bottom - low.height):
        print("skin-gallery-pixels: %s: %s at rows %d..%d leaves the client area" % (name, label, rect[1], rect[3]),
              file=sys.stderr)
        failed += 1

# Push button: the skin's first frame, nine-piece stretched; its transparent
# corners show the form colour.
button = picture("SKIN2_BUTTON")
frame = button.width // 3
def face(x, y):
    c = button(x if x >= 0 else frame + x, y)
    return form if c == trans and values["SKIN2_BUTTONTRANS"] else c
w = marks["NormalButton"][2] - marks["NormalButton"][0]
for x, y, fx, fy in ((0, 0, 0, 0), (-1, -1, -1, -1), (w // 2, 0, frame // 2, 0), (w // 2, -1, frame // 2, -1)):
    expect("button at %d,%d" % (x, y), at("NormalButton", x, y), face(fx, fy))

# Edits, combo boxes, group box, panel: the skin's border colour.
for label in ("PlainEdit", "NumberEdit", "MaskEdit", "PickCombo", "EditableCombo", "UsartBox", "SidePanel"):
    expect(label + " left border", at(label, 0, 30 if label in ("UsartBox", "SidePanel") else 10), border)
for label in ("PickCombo", "EditableCombo"):
    expect(label + " button", at(label, -16, 3), control)
title = picture("SKIN2_SIDECHANNELTITLE")
for y in (1, title.height // 2, title.height - 2):
    expect("panel caption bar row %d" % y, at("SidePanel", -30, y), title(0, y))
expect("status bar panel", at("StatusBar", 100, 10), form)

# The open menu fills its items with the skin's item colour.
menu = Picture(os.path.join(folder, "menu.ppm"))
item = colour("SKIN2_MENUITEMCOLOR")
mx, my = marks["menu"]
def count(picture):
    return sum(picture(x, y) == item for x in range(mx, mx + 120) for y in range(my, my + 60))
if count(menu) < 1000 + count(shot):
    print("skin-gallery-pixels: %s: the open menu shows too little of its item colour" % name,
          file=sys.stderr)
    failed += 1
sys.exit(1 if failed else 0)
EOF
}

check_skin sample "$sample"
check_skin standard "$standard"

# Each built-in style: a skinned window with its title bar, each its own look.
for style in MacOS WinXP DeepBlue Protein BlueGlass; do
    "$gallery" --style "$style" --headless --landmarks --screenshot "$work/$style.png" \
        >"$work/$style.marks" || fail "skin-gallery --style $style failed"
    read -r _ _ bar_top _ bar_bottom < <(grep '^titlebar ' "$work/$style.marks")
    (( bar_bottom - bar_top >= 18 )) || fail "$style: the title bar is $((bar_bottom - bar_top)) rows high"
done
[[ $(md5sum "$work"/{MacOS,WinXP,DeepBlue,Protein,BlueGlass}.png | cut -d' ' -f1 | sort -u | wc -l) == 5 ]] ||
    fail "two built-in styles give one picture"

# A skin that cannot be read: the built-in look, one line naming the file.
"$gallery" --skin "$work/missing.skin" --headless --screenshot "$work/missing.png" \
    2>"$work/missing.err" || fail "an unreadable skin ends skin-gallery"
"$gallery" --headless --screenshot "$work/builtin.png" 2>/dev/null
cmp -s "$work/missing.png" "$work/builtin.png" || fail "an unreadable skin changes the look"
[[ $(wc -l <"$work/missing.err") == 1 ]] && grep -q "missing.skin" "$work/missing.err" ||
    fail "an unreadable skin is reported as: $(cat "$work/missing.err")"

(( failures == 0 )) || exit 1
echo "skin-gallery-pixels: ok"
