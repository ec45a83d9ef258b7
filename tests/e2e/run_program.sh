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
pid='' xvfb=''
trap 'kill $pid 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run XDG_DOCUMENTS_DIR=$work/home/Documents
mkdir -p "$HOME/Documents" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
opts=$HOME/Documents/Velmora/Zavor/Daten/optionen.cfg

fail() { echo "FAIL: $*"; exit 1; }

. "$(dirname "$0")/../../scripts/own-display.sh"
own_display "$work" || fail "no display of our own"
xdpyinfo >/dev/null 2>&1 || fail "display $DISPLAY does not answer"

start() {
  "$exe" "$@" >"$work/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
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

# The program's visible top-level windows, one "<width>x<height> <owner>" line each, sorted;
# the owner is the WM_TRANSIENT_FOR window, or "none".
program_windows() {
  local w info size owner
  for w in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q "= $pid\$" || continue
    info=$(xwininfo -id "$w")
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    size=$(awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}' <<<"$info")
    owner=$(xprop -id "$w" WM_TRANSIENT_FOR | awk '/window id/ {print $NF}')
    echo "$size ${owner:-none}${1:+ $w}"
  done | sort
}

# The id of the program's visible top-level window of a size.
program_window_of_size() { program_windows with_id | awk -v s="$1" '$1 == s {print $3; exit}'; }

# expect_windows <label> <owner> <size>...: waits until exactly these windows are shown,
# every one of them owned by <owner>.
expect_windows() {
  local label=$1 owner=$2 want got
  shift 2
  want=$(printf "%s $owner\n" "$@" | sort)
  for _ in $(seq 50); do
    got=$(program_windows)
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  fail "$label: shown [$(echo $got)], expected [$(echo $want)]"
}

# A window of another program, standing in for the host; sets host to its id.
start_host_window() {
  for tool in xlogo xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
  done
  xlogo -geometry 100x100+0+0 >/dev/null 2>&1 &
  for _ in $(seq 50); do
    host=$(xdotool search --name '^xlogo$' 2>/dev/null | head -n 1)
    [ -n "$host" ] && return 0
    sleep 0.1
  done
  fail "no host window"
}

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
host_window_owns_every_window)
  # Started with a host's window handle, every window of the program names the host's
  # window as its owner: main screen, dialogs, message boxes, viewers, instruction and run.
  start_host_window
  start win "hwnd=$host"
  o=$(printf '0x%x' "$host")
  main=1024x768
  expect_windows "main screen" "$o" $main
  xdotool mousemove 168 193 click 1          # "Einstellungen"
  expect_windows "options dialog" "$o" $main 438x231
  xdotool key Escape
  expect_windows "options closed" "$o" $main
  xdotool mousemove 397 193 click 1          # "Einzelstatistik" before any run: message
  expect_windows "message box" "$o" $main 487x220
  xdotool key Return
  expect_windows "message closed" "$o" $main
  xdotool mousemove 855 193 click 1          # "Hilfe"
  expect_windows "help viewer" "$o" $main 676x531
  xdotool key F11                            # the user data folder, over the help
  expect_windows "folder message" "$o" $main 676x531 487x220
  xdotool key Return
  expect_windows "help after the message" "$o" $main 676x531
  xdotool key space
  expect_windows "help closed" "$o" $main
  xdotool mousemove 330 388 click 1          # family 1
  expect_windows "parameter dialog" "$o" $main 454x424
  xdotool mousemove 524 486 click 1          # rounds field
  xdotool key ctrl+a
  xdotool type 4
  xdotool key Return                         # start
  expect_windows "instruction screen" "$o" $main $main
  xdotool key space
  sleep 1.7                                  # first stimulus after 0.7 s
  expect_windows "run screen" "$o" $main $main
  for k in Up Left Right Down; do
    xdotool key "$k"
    sleep 2.7
  done
  expect_windows "single-run statistics" "$o" $main 684x501
  stats=$(program_window_of_size 684x501)
  [ -n "$stats" ] || fail "no statistics dialog"
  eval "$(xdotool getwindowgeometry --shell "$stats")"
  xdotool mousemove $((X + 23 + 14 + 69)) $((Y + 47 + 386 + 17)) click 1   # "Erklärung"
  expect_windows "statistics explanation" "$o" $main 684x501 846x671
  xdotool key Escape
  expect_windows "explanation closed" "$o" $main 684x501
  xdotool key Escape                         # close the statistics: asks for a user
  expect_windows "user question" "$o" $main 487x308
  xdotool key n
  expect_windows "back on the main screen" "$o" $main
  # Owned windows do not count as the last window closed: Escape must still end it.
  press_escape_and_wait
  ;;
host_window_zero_gives_no_owner)
  # A handle of 0 leaves every window without an owner: the instruction screen, made
  # with the main screen as its parent, is not owned by the main screen either.
  start win hwnd=0
  [ "$(program_windows)" = "1024x768 none" ] || fail "main screen: $(program_windows)"
  xdotool mousemove 330 388 click 1          # family 1
  sleep 1
  xdotool key Return                         # start
  for _ in $(seq 50); do
    [ "$(program_windows | wc -l)" -eq 2 ] && [ -z "$(program_windows | grep -v '^1024x768')" ] && break
    sleep 0.1
  done
  main_owner=$(printf '0x%x' "$wid")
  shown=$(program_windows)
  [ "$(wc -l <<<"$shown")" -eq 2 ] || fail "instruction screen not shown: $(echo $shown)"
  grep -q "^1024x768 none\$" <<<"$shown" || fail "main screen got an owner: $(echo $shown)"
  grep -q " $main_owner\$" <<<"$shown" && fail "instruction screen owned by the main screen"
  xdotool key Escape                         # back to the main screen
  sleep 1
  press_escape_and_wait
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "PASS: $case_name"
