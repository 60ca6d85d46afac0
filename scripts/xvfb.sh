# Sourced: start_private_xvfb starts an Xvfb on a free display number, exports
# DISPLAY and sets LUMETRA_XVFB_PID; stop_private_xvfb ends that one only.
start_private_xvfb() {
  local number_file
  number_file=$(mktemp)
  # -displayfd picks a free display and writes its number once it accepts clients.
  Xvfb -displayfd 7 -screen 0 "${1:-1920x1080x24}" -nolisten tcp 7>"$number_file" 2>/dev/null &
  LUMETRA_XVFB_PID=$!
  local i
  for i in $(seq 200); do
    [ -s "$number_file" ] && break
    sleep 0.05
  done
  if [ ! -s "$number_file" ]; then
    rm -f "$number_file"
    echo "Xvfb did not start" >&2
    return 1
  fi
  DISPLAY=":$(head -n 1 "$number_file")"
  export DISPLAY LUMETRA_XVFB_PID
  rm -f "$number_file"
}

stop_private_xvfb() {
  if [ -n "${LUMETRA_XVFB_PID:-}" ]; then
    kill "$LUMETRA_XVFB_PID" 2>/dev/null || true
    wait "$LUMETRA_XVFB_PID" 2>/dev/null || true
    LUMETRA_XVFB_PID=""
  fi
}
