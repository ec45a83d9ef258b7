#!/usr/bin/env bash
# Whole-program checks under Xvfb, driven like a person with xdotool.
# Usage: run_program.sh <velmora executable> <case>
# Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u
exe=$1
case_name=$2
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run XDG_DOCUMENTS_DIR=$work/home/Documents
mkdir -p "$HOME/Documents" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
opts=$HOME/Documents/Velmora/Zavor/Daten/optionen.cfg

# A display of our own: the first free number from 90 on.
for n in $(seq 90 140); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=$n; break; }
done
Xvfb ":$disp" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$disp"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*"; exit 1; }

start() {
  "$exe" "$@" >"$work/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    kill -0 $pid 2>/dev/null || fail "program ended early: $(cat "$work/out.txt")"
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no main window"
  sleep 1
}

press_escape_and_wait() {
  # No window manager here: focus the window, then type as a person would (XTEST).
  xdotool windowfocus --sync "$wid"
  xdotool key Escape
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && fail "Escape did not end the program"
  wait $pid
}

options_bytes() { od -An -tx1 "$opts" | tr -d ' \n'; }

case "$case_name" in
fresh_start)
  start win
  import -window root "$work/shot.png"
  sd=$(convert "$work/shot.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  awk -v sd="$sd" 'BEGIN { exit !(sd > 0.05) }' || fail "screenshot looks blank (sd $sd)"
  [ -n "${VELMORA_SHOT:-}" ] && cp "$work/shot.png" "$VELMORA_SHOT"
  press_escape_and_wait
  [ -f "$opts" ] || fail "optionen.cfg not written"
  [ "$(options_bytes)" = "010000001e000000" ] || fail "optionen.cfg holds $(options_bytes)"
  ;;
bad_debug_size_keeps_options)
  mkdir -p "$(dirname "$opts")"
  printf '\x00\x00\x00\x00\x63\x00\x00\x00' >"$opts"
  start debug 8x0 600
  geometry=$(xdotool getwindowgeometry "$wid" | grep Geometry | awk '{print $2}')
  [ "$geometry" = "1024x768" ] || fail "display area $geometry, expected 1024x768"
  press_escape_and_wait
  [ "$(options_bytes)" = "0000000063000000" ] || fail "stored options lost: $(options_bytes)"
  ;;
second_start_ends)
  start win
  first=$pid
  timeout 10 "$exe" win >/dev/null 2>&1
  rc=$?
  [ $rc -eq 0 ] || fail "second start ended with $rc"
  kill -0 $first 2>/dev/null || fail "first instance is gone"
  [ "$(xdotool search --onlyvisible --name '^Velmora$' | wc -l)" -eq 1 ] || fail "two main windows"
  press_escape_and_wait
  ;;
user_run_stored)
  # A person starts a family-1 run of 4 rounds, answers with the arrows, closes the
  # statistics, creates a user when asked and finds the run in that user's file.
  start win
  xdotool mousemove 330 388 click 1          # family 1
  sleep 1
  xdotool mousemove 524 486 click 1          # rounds field
  xdotool key ctrl+a
  xdotool type 4
  xdotool key Return                         # start
  sleep 1
  xdotool key space                          # instruction read
  sleep 1.7                                  # first stimulus after 0.7 s
  keys="Up Left Right Down"
  for k in $keys; do
    xdotool key "$k"                         # about 1 s after the stimulus
    sleep 2.7                                # feedback 1 s, pause 0.7 s, then answer
  done
  sleep 0.5
  xdotool key Escape                         # close the statistics
  sleep 1
  xdotool key j                              # yes, choose a user
  sleep 1
  xdotool mousemove 666 513 click 1          # "Neuer Benutzer"
  sleep 1
  xdotool type Klient1
  xdotool key Return
  sleep 1
  xdotool mousemove 440 567 click 1          # "Öffnen"
  sleep 1
  xdotool key Return                         # confirmation
  sleep 1
  file=$HOME/Documents/Velmora/Zavor/Daten/Klient1.dat
  [ -f "$file" ] || fail "no results file"
  [ "$(grep -c '^\$ prname' "$file")" -eq 1 ] || fail "expected one run block"
  rounds=$(tr -d '\r' <"$file" | awk 'length($0) == 40 && $0 !~ /\$/')
  [ "$(printf '%s\n' "$rounds" | wc -l)" -eq 4 ] || fail "expected 4 round lines: $rounds"
  answers=$(printf '%s\n' "$rounds" | awk '{print $2}' | tr '\n' ' ')
  # Fixed positions: up, left, right, down are the targets 1, 2, 3, 4.
  [ "$answers" = "1 2 3 4 " ] || fail "answers $answers do not match the keys"
  tr -d '\r' <"$file" | grep -q '^\$ eodata $' || fail "no end line"
  press_escape_and_wait
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "PASS: $case_name"
