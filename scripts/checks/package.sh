#!/usr/bin/env bash
# The Debian package as a user gets it: packed from the normal build,
# unpacked into a scratch root (dpkg -x, no root needed) and used from
# there. The installed programs run and answer each other, the desktop
# entry validates, the manual pages format without warnings, the
# completions complete, and the package depends on every library the
# programs load.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${NOVLA_BUILD:-$repo/build/default}")
[[ -f "$build/CPackConfig.cmake" ]] || { echo "package: $build is not configured" >&2; exit 1; }
work=$(mktemp -d)
module_pid=""
finish() {
    if [[ -n "$module_pid" ]] && kill -0 "$module_pid" 2>/dev/null; then
        kill -TERM "$module_pid" 2>/dev/null || true
        wait "$module_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "package: $*" >&2; exit 1; }

start=$SECONDS
# gzip instead of the release's xz: the same contents, packed in half the time.
cpack --config "$build/CPackConfig.cmake" -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/novla-tool_*.deb)
root="$work/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
version=$(sed -n 's/^project(novla VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version $(dpkg-deb -f "$deb" Version), expected $version"

programs=(novla-cli novla-virtual-module)
[[ -e "$usr/bin/novla-tool" ]] && programs+=(novla-tool)

# What every installation holds.
expected=(
    share/doc/novla-tool/README.md
    share/novla-tool/skins/novla-sample.skin
    share/novla-tool/skins/novla-sample-encrypted.skin
)
for program in "${programs[@]}"; do
    expected+=(bin/$program share/man/man1/$program.1.gz share/bash-completion/completions/$program)
done
if [[ " ${programs[*]} " == *" novla-tool "* ]]; then
    expected+=(share/applications/novla-tool.desktop share/doc/novla-tool/novla-tool.png)
    for size in 16 22 24 32 48 64 128 256; do
        expected+=(share/icons/hicolor/${size}x$size/apps/novla-tool.png)
    done
fi
for file in "${expected[@]}"; do
    [[ -s "$usr/$file" ]] || fail "the package lacks /usr/$file"
done

# Every library a program links comes from a package the package names.
depends=$(dpkg-deb -f "$deb" Depends)
depends_on() { [[ ", $depends," == *", $1 "* || ", $depends," == *", $1,"* ]]; }
for program in "${programs[@]}"; do
    loaded=$(ldd "$usr/bin/$program")
    for needed in $(readelf -d "$usr/bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
        library=$(awk -v n="$needed" '$1 == n && $2 == "=>" {print $3}' <<<"$loaded")
        [[ "$library" == /* ]] || fail "$program needs $needed, which is not found"
        owner=""
        # With merged /usr a library has two paths; dpkg knows one of them.
        for path in "$library" "/usr$library" "${library#/usr}" "$(realpath "$library")"; do
            owner=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1) || true
            [[ -n "$owner" ]] && break
        done
        [[ -n "$owner" ]] || fail "no package holds $library, which $program loads"
        depends_on "$owner" || fail "$program loads $library of $owner, which the package does not depend on ($depends)"
    done
done
depends_on fonts-wine || fail "the package does not depend on fonts-wine ($depends)"

# The installed programs run from the scratch root.
for program in "${programs[@]}"; do
    out=$("$usr/bin/$program" --version)
    [[ "$out" == "$program $version" ]] || fail "$program --version printed '$out', expected '$program $version'"
done

# The installed client reads the installed virtual module's block.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
: >"$work/module.log"
"$usr/bin/novla-virtual-module" >"$work/module.log" 2>&1 &
module_pid=$!
timeout 10 grep -q -m1 '^ready ' <(tail --pid="$module_pid" -f "$work/module.log") ||
    { cat "$work/module.log" >&2; fail "the installed virtual module did not start"; }
port=$(awk '/^ready / {print $2; exit}' "$work/module.log")
"$usr/bin/novla-cli" read --port "$port" --json --timeout 2000 >"$work/block.json" ||
    fail "the installed novla-cli could not read $port"
grep -q '"node_id"' "$work/block.json" || fail "novla-cli read printed no block: $(cat "$work/block.json")"
kill -TERM "$module_pid"
wait "$module_pid" || fail "the virtual module did not stop cleanly"
module_pid=""

if [[ " ${programs[*]} " == *" novla-tool "* ]]; then
    "$usr/bin/novla-tool" --no-settings --headless --screenshot "$work/window.png" >/dev/null ||
        fail "the installed novla-tool could not take its picture"
    [[ "$(head -c 4 "$work/window.png" | od -An -tx1 | tr -d ' ')" == "89504e47" ]] ||
        fail "novla-tool's picture is not a PNG"
    desktop-file-validate "$usr/share/applications/novla-tool.desktop" ||
        fail "the desktop entry does not validate"
    grep -q '^Categories=.*HardwareSettings;' "$usr/share/applications/novla-tool.desktop" ||
        fail "the desktop entry is not among the hardware settings"
    for png in "$usr"/share/icons/hicolor/*/apps/novla-tool.png; do
        size=$(basename "$(dirname "$(dirname "$png")")")
        read -r w h < <(od -An -tu1 -j 16 -N 8 "$png" |
            awk '{print $3 * 256 + $4, $7 * 256 + $8}')
        [[ "${w}x$h" == "$size" ]] || fail "the $size icon is ${w}x$h"
    done
fi

# Manual pages format without a warning, through groff and through man.
for program in "${programs[@]}"; do
    page="$usr/share/man/man1/$program.1.gz"
    warnings=$(zcat "$page" | groff -ww -man -z -t 2>&1) || true
    [[ -z "$warnings" ]] || fail "groff warns about $program.1: $warnings"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || true
    [[ -z "$warnings" ]] || fail "man warns about $program.1: $warnings"
    zcat "$page" | grep -q "^\.SH SYNOPSIS" || fail "$program.1 has no synopsis"
done

# The completions complete what the programs take.
complete_words() { # PROGRAM WORD...: the completions of the last word
    bash --norc --noprofile -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        "$(complete -p "$1" | awk "{print \$3}")"
        printf "%s\n" "${COMPREPLY[@]}"' _ "$usr/share/bash-completion/completions/$1" "$@"
}
expect_completion() { # EXPECTED PROGRAM WORD...
    local expected=$1 got
    shift
    got=$(PATH="$usr/bin:$PATH" complete_words "$@" | sort | tr '\n' ' ')
    [[ "$got" == "$expected " ]] || fail "completing '$*' gave '$got', expected '$expected'"
}
expect_completion "--help --version clone discover ports read write" novla-cli ""
expect_completion "--timeout-per-setting" novla-cli discover --ti
expect_completion "auto" novla-cli discover --baud a
expect_completion "--retries" novla-cli read --ret
expect_completion "central" novla-cli write --rf-mode c
expect_completion "--uart-baud --uart-parity" novla-cli write --port COM1 --uart
expect_completion "62.5K" novla-cli write --bandwidth 6
expect_completion "--all" novla-cli ports --a
expect_completion "stale-first" novla-virtual-module --fault st
if [[ " ${programs[*]} " == *" novla-tool "* ]]; then
    expect_completion "--headless --help" novla-tool --he
fi

echo "package: ok ($(du -k "$deb" | cut -f1) KiB, $(( SECONDS - start )) s)"
