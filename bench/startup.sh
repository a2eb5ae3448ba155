#!/usr/bin/env bash
# How long the game takes from its launch to its window on the screen, and how much memory it holds
# by then, against an empty Qt window built from the same tree. Each start gets its own fresh X
# server; the two programs take turns, round after round, so that a busy machine weighs on both
# alike. Prints the medians and the game's ratios to the empty window.
#
#   bench/startup.sh [build folder] [rounds] [screen]
#   defaults: build-release 15 1280x1024       (build it with -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build-release}" && pwd)"
rounds="${2:-15}"
screen="${3:-1280x1024}"
for tool in Xvfb xev stdbuf; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
for program in ixa ixa-bare; do
  [ -x "$build/$program" ] || { echo "no $build/$program: build it first" >&2; exit 1; }
done

scratch="$(mktemp -d)"
xvfb=""
watcher=""
started=""
stop() {
  for pid in $started $watcher $xvfb; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  started="" watcher="" xvfb=""
}
trap 'stop; rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch"
unset WAYLAND_DISPLAY

# One start: prints the milliseconds from launch to the window mapped, and the peak resident
# memory in kB one second later.
measure() {
  local program="$1" display line t0 t1 hwm
  rm -f "$scratch/display" "$scratch/events"
  Xvfb -displayfd 5 -screen 0 "${screen}x24" -nolisten tcp -noreset 5>"$scratch/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
  done
  display=":$(head -n1 "$scratch/display")"

  # The root window reports every window mapped on it; no window manager stands in between.
  mkfifo "$scratch/events"
  exec {events}<>"$scratch/events"
  stdbuf -oL xev -display "$display" -root -event substructure >"$scratch/events" 2>/dev/null &
  watcher=$!
  sleep 0.3

  t0=$EPOCHREALTIME
  DISPLAY="$display" "$build/$program" 2>/dev/null &
  started=$!
  while read -t 30 -r line <&"$events"; do
    [[ $line == MapNotify* ]] && break
  done
  t1=$EPOCHREALTIME
  [[ $line == MapNotify* ]] || { echo "$program showed no window" >&2; exit 1; }

  sleep 1
  hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$started/status")
  exec {events}<&-
  stop
  echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f", (b - a) * 1000 }') $hwm"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: >"$scratch/ixa-bare" && : >"$scratch/ixa"
for round in $(seq "$rounds"); do
  # Who goes first alternates.
  if ((round % 2)); then order="ixa-bare ixa"; else order="ixa ixa-bare"; fi
  for program in $order; do
    measure "$program" >>"$scratch/$program"
  done
  printf '\rround %d of %d' "$round" "$rounds" >&2
done
echo >&2

bareMs=$(cut -d' ' -f1 "$scratch/ixa-bare" | median)
bareKb=$(cut -d' ' -f2 "$scratch/ixa-bare" | median)
ixaMs=$(cut -d' ' -f1 "$scratch/ixa" | median)
ixaKb=$(cut -d' ' -f2 "$scratch/ixa" | median)
awk -v bm="$bareMs" -v bk="$bareKb" -v im="$ixaMs" -v ik="$ixaKb" -v n="$rounds" -v s="$screen" 'BEGIN {
  printf "medians of %d rounds on a %s screen\n", n, s
  printf "%-14s %16s %15s\n", "", "launch to map", "peak memory"
  printf "%-14s %13.1f ms %11.1f MiB\n", "bare window", bm, bk / 1024
  printf "%-14s %13.1f ms %11.1f MiB\n", "ixa", im, ik / 1024
  printf "%-14s %15.2fx %14.2fx\n", "ixa / bare", im / bm, ik / bk
}'
