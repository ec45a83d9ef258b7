# Sourced by the whole-program tests and the latency check: own_display WORKDIR starts an
# Xvfb of its own (1024 x 768), sets xvfb to its pid and exports DISPLAY; on failure it
# says why and returns 1.
# Xvfb picks a free number and writes it once it takes connections, so there is no race
# with other servers and no guessing how long it needs on a busy machine. No reset when the
# last client leaves: a server resetting refuses the next connection.
own_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$1/display" >"$1/xvfb.txt" 2>&1 &
  xvfb=$!
  for _ in $(seq 300); do
    [ -s "$1/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start: $(cat "$1/xvfb.txt")"; return 1; }
    sleep 0.1
  done
  [ -s "$1/display" ] || { echo "Xvfb gave no display within 30 s"; return 1; }
  export DISPLAY=":$(head -n 1 "$1/display")"
}
