#!/usr/bin/env bash
# Start-up time and peak memory of the desktop program, measured on a virtual X display (Xvfb).
#  - start-up: from the launch of the process to the main window's first drawn diagram, without the
#    splash's 400 ms. The program reports it itself when ZORVEK_STARTUP_PROBE holds its launch time.
#  - memory: peak resident set size of a session that starts, drags the distillate slider's cursor
#    across its track, and closes through File > Exit (answering No to the save prompt).
# Settings live in a temporary folder, so the user's own are untouched. Needs xvfb, xdotool, GNU time.
# Usage: bench/startup.sh [build-folder] [runs]        (default: build 10)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
exe=$build/app/zorvek
[ -x "$exe" ] || { echo "build $exe first (cmake --build $build --target zorvek)" >&2; exit 1; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1400x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1

wait_for() { # file pattern seconds
    for _ in $(seq 1 $(($3 * 20))); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.05; done
    return 1
}

startups=()
cpus=()
peaks=()
for run in $(seq 1 "$runs"); do
    export XDG_CONFIG_HOME=$work/config$run
    out=$work/out$run
    : >"$out"
    ZORVEK_STARTUP_PROBE=$(date +%s%N) /usr/bin/time -f "peak_kb %M" -o "$work/mem$run" "$exe" >"$out" 2>/dev/null &
    pid=$!
    wait_for "$out" cursor_xd 20 || { echo "run $run: no start-up report" >&2; kill $pid; exit 1; }
    startups+=("$(awk '/^startup_ms/ {print $2}' "$out")")
    cpus+=("$(awk '/^startup_cpu_ms/ {print $2}' "$out")")
    read -r x y < <(awk '/^cursor_xd/ {print $2, $3}' "$out")
    # Drag the distillate cursor left and back, a few pixels per step.
    xdotool mousemove "$x" "$y" mousedown 1
    for dx in $(seq 0 -4 -80) $(seq -80 4 0); do xdotool mousemove $((x + dx)) "$y"; done
    xdotool mouseup 1
    sleep 0.3
    xdotool key alt+f; sleep 0.3; xdotool key e; sleep 0.5; xdotool key n
    for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
    if kill -0 $pid 2>/dev/null; then
        echo "run $run: did not close by itself, ended" >&2
        kill $pid
    fi
    wait $pid 2>/dev/null || true
    peaks+=("$(awk '/^peak_kb/ {print $2}' "$work/mem$run")")
done

summary() { # label unit values...
    local label=$1 unit=$2
    shift 2
    printf '%s\n' "$@" | sort -n | awk -v l="$label" -v u="$unit" \
        '{v[NR]=$1} END {printf "%s: median %.1f %s, min %.1f, max %.1f (%d runs)\n", l, v[int((NR+1)/2)], u, v[1], v[NR], NR}'
}
summary "start-up to first drawn diagram (splash 400 ms excluded)" ms "${startups[@]}"
summary "CPU time of the process up to that moment" ms "${cpus[@]}"
summary "peak memory of a start, drag and close session" MB $(for k in "${peaks[@]}"; do echo "scale=1; $k/1024" | bc; done)
