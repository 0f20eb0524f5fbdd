#!/usr/bin/env bash
# Ending a program from outside on a real (virtual) X display: SIGTERM,
# SIGINT and the display server going away each close the main form, run
# its destruction and end the process with status 0, without spinning.
# The window demo (a plain message loop without the framework) ends on a
# signal too.
set -euo pipefail

build="${NOVLA_BUILD:-build/default}"
probe="$build/tests/framework/shutdown/shutdown-probe"
demo="$build/tools/win-demo/win-demo"
for program in "$probe" "$demo"; do
    [[ -x "$program" ]] || { echo "shutdown-xvfb: $program is not built" >&2; exit 1; }
done
work=$(mktemp -d)
server=""
pid=""
cleanup() {
    # Only what this script started, by process id.
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    [[ -n "$server" ]] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a display server of its own (so that it can be killed) and sets
# DISPLAY to it. The server picks a free display number itself and writes it
# to its standard output once it accepts connections: servers that other
# sessions start at the same time can neither take the number nor be taken
# for this one, and nothing is polled.
start_server() {
    local number=""
    coproc XVFB { exec Xvfb -displayfd 1 -nolisten tcp -screen 0 800x600x24 2>/dev/null; }
    server=$XVFB_PID
    if ! read -r -t 10 number <&"${XVFB[0]}" || [[ ! "$number" =~ ^[0-9]+$ ]]; then
        echo "shutdown-xvfb: no display server could start" >&2
        exit 1
    fi
    export DISPLAY=":$number"
}

stop_server() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    server=""
}

# Runs a program until it prints Ready, then ends it with Action (a signal
# name, or "display" to kill the server) and checks its status and the lines
# it printed afterwards.
check() {
    local name="$1" ready="$2" action="$3" expected="$4"
    shift 4
    start_server
    local out="$work/$name.out"
    # The file exists before tail looks for it: the program's own redirection
    # happens in the background and may come later.
    : >"$out"
    "$@" >"$out" 2>"$work/$name.err" &
    pid=$!
    if ! timeout 30 grep -q -m1 "^$ready" <(tail --pid="$pid" -f "$out"); then
        echo "shutdown-xvfb: $name: the program did not start" >&2
        kill -0 "$pid" 2>/dev/null && echo "(still running)" >&2
        cat "$out" "$work/$name.err" >&2
        exit 1
    fi
    if [[ "$action" == display ]]; then
        stop_server
    else
        kill -s "$action" "$pid"
    fi
    if ! timeout 10 tail --pid="$pid" -f /dev/null; then
        local cpu
        cpu=$(ps -o pcpu= -p "$pid" || true)
        echo "shutdown-xvfb: $name: the program kept running (cpu ${cpu}%)" >&2
        exit 1
    fi
    local status=0
    wait "$pid" || status=$?
    pid=""
    [[ -n "$server" ]] && stop_server
    if [[ $status -ne 0 ]]; then
        echo "shutdown-xvfb: $name: exit status $status, expected 0" >&2
        cat "$work/$name.err" >&2
        exit 1
    fi
    local got
    got=$(sed -n "/^$ready/,\$p" "$out" | tail -n +2 | tr '\n' ' ')
    if [[ "$got" != "$expected" ]]; then
        echo "shutdown-xvfb: $name: printed '$got', expected '$expected'" >&2
        exit 1
    fi
}

for action in TERM INT display; do
    check "probe-$action" shown "$action" "closed destroyed exit " "$probe"
done
check "win-demo-TERM" first-frame-ms TERM "" "$demo" --exit-after-ms 30000
echo "shutdown-xvfb: ok"
