#!/usr/bin/env bash
# Builds the Debian package: installs the missing build packages, builds the
# normal configuration and packs what it installs (cpack -G DEB). The
# package is written to FOLDER (build/package unless given); its path is
# printed last.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/package}")
scripts/install-deps.sh build
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
mkdir -p "$out"
cpack --config build/default/CPackConfig.cmake -G DEB -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls -t "$out"/novla-tool_*.deb | head -1
