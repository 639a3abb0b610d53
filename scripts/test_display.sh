# Sourced by test.sh (or by a developer's shell before running ctest by hand): starts a
# throwaway X display (Xvfb) for the tests and benchmarks that draw in 3D and exports it
# as DISPLAY. Mesa's software renderer draws there where there is no graphics card.

stop_test_display() {
  if [ -n "${yz_xvfb_pid:-}" ]; then
    kill "$yz_xvfb_pid" 2>/dev/null || true
    wait "$yz_xvfb_pid" 2>/dev/null || true
    yz_xvfb_pid=""
  fi
}

start_test_display() {
  local number_file
  number_file="$(mktemp /tmp/yz-xvfb.XXXXXX)"
  # Xvfb picks a free display number and writes it to the file once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  yz_xvfb_pid=$!
  for _ in $(seq 50); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(tr -d '\n' <"$number_file")"
  rm -f "$number_file"
  echo "Test display: $DISPLAY"
}
