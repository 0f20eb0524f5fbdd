#!/usr/bin/env bash
# Runs a command on a virtual X display of its own:
#
#   scripts/with-xvfb.sh [-s "SERVER ARGS"] [--] COMMAND [ARGS...]
#
# The server picks a free display number itself and tells it through a
# pipe (-displayfd), so any number of these can run side by side without
# racing for a number. The server ends with the command; the command's exit
# status is returned. Server arguments default to one 1024x768 screen of
# 24-bit colour.
set -euo pipefail
server_args=(-screen 0 1024x768x24)
if [[ "${1:-}" == "-s" ]]; then
    read -r -a server_args <<<"$2"
    shift 2
fi
[[ "${1:-}" == "--" ]] && shift
[[ $# -gt 0 ]] || { echo "usage: with-xvfb.sh [-s \"SERVER ARGS\"] [--] COMMAND [ARGS...]" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/novla-xvfb-XXXXXX")
server=""
cleanup() {
    if [[ -n "$server" ]]; then
        kill -TERM "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -nolisten tcp "${server_args[@]}" 3>"$dir/display" >"$dir/server.log" 2>&1 &
server=$!
number=""
if ! read -r -t 30 number <"$dir/display" || [[ -z "$number" ]]; then
    echo "with-xvfb: the X server did not start:" >&2
    cat "$dir/server.log" >&2
    exit 1
fi
status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
