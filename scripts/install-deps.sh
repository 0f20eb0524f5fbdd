#!/usr/bin/env bash
# Installs the Debian packages of the given lists that are not installed yet,
# in one apt call: "build" (scripts/packages-build.txt), "display"
# (scripts/packages-display.txt) and/or "check" (scripts/packages-check.txt);
# all three when no list is named. Run by ./test and ./run. Without root it uses sudo, never asking for a password.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
lists=("$@")
[[ ${#lists[@]} -eq 0 ]] && lists=(build display check)
missing=()
for list in "${lists[@]}"; do
    file="$here/packages-$list.txt"
    [[ -f "$file" ]] || { echo "install-deps: no package list '$list'" >&2; exit 2; }
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
    done <"$file"
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        echo "need root, or sudo without a password, to install: ${missing[*]}" >&2
        echo "install them by hand: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo -n)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
