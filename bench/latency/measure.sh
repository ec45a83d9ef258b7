#!/usr/bin/env bash
# How exactly Velmora measures reaction times: under Xvfb a robot answers ROUNDS rounds a
# fixed DELAY ms after the stimulus appears; the stored times minus DELAY are the error.
# Usage: bench/latency/measure.sh [build dir] [rounds] [delay ms]
set -eu
build=$(cd "${1:-build}" && pwd)
rounds=${2:-100}
delay=${3:-500}
work=$(mktemp -d)
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME/Documents" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
app='' xvfb=''
trap 'kill $xvfb $app 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../../scripts/own-display.sh"
own_display "$work" || exit 1
"$build/velmora" win >/dev/null 2>&1 &
app=$!
sleep 2
xdotool mousemove 330 388 click 1 && sleep 1        # family 1
xdotool mousemove 524 486 click 1 key ctrl+a type "$rounds"
xdotool key Return && sleep 1 && xdotool key space   # start, instruction read
"$build/bench/latency/answer_bot" 512 385 "$delay" "$rounds" >"$work/bot.txt"
sleep 1.5
xdotool key Escape && sleep 1 && xdotool key j && sleep 1
xdotool mousemove 666 513 click 1 && sleep 1 && xdotool type Bot && xdotool key Return && sleep 1
xdotool mousemove 440 567 click 1 && sleep 1 && xdotool key Return && sleep 1
file=$HOME/Documents/Velmora/Zavor/Daten/Bot.dat
tr -d '\r' <"$file" | awk -v d="$delay" 'length($0) == 40 && $0 !~ /\$/ { print $3 - d }' | sort -n |
  awk '{ a[NR] = $1 } END { printf "median %d ms, 90th percentile %d ms\n", a[int((NR + 1) / 2)], a[int(NR * 0.9)] }'
tr -d '\r' <"$file" | awk -v d="$delay" 'length($0) == 40 && $0 !~ /\$/ {
    e = $3 - d; n++; s += e; q += e * e; if (n == 1 || e < lo) lo = e; if (n == 1 || e > hi) hi = e }
  END {
    m = s / n; v = (q - n * m * m) / (n - 1)
    # The stored times carry a random 0..4 ms (mean 2, variance 2): take it out.
    printf "rounds %d  raw error mean %.2f ms sd %.2f ms (min %d, max %d)\n", n, m, sqrt(v), lo, hi
    vv = v - 2; if (vv < 0) vv = 0
    printf "without the random 0..4 ms: mean %.2f ms, spread (sd) %.2f ms\n", m - 2, sqrt(vv) }'
# The robot's own part: how late its key went out after the delay.
awk -v d="$delay" '{ o = ($6 - $4) / 1e6 - d; if (o > hi) hi = o; s += o }
  END { printf "robot: key sent on average %.3f ms, at most %.3f ms after the delay\n", s / NR, hi }' "$work/bot.txt"
