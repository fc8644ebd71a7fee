# Sourced by the run and test scripts: makes sure an X display is there for
# Wine, starting a private Xvfb when the current one is missing or unusable.
kelvo_x_resources=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/x-resources
kelvo_display_usable() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

kelvo_ensure_display() {
  kelvo_display_usable && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X${n}-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    KELVO_XVFB_PID=$!
    export DISPLAY=":$n"
    # A desktop session loads X resources when it starts. Without any, Xlib
    # reads its resource files again whenever asked, and 64-bit Wine asks at
    # every font it selects, so menus and lists draw far slower than anywhere.
    export XENVIRONMENT=$kelvo_x_resources
    local tries
    for tries in $(seq 50); do
      kelvo_display_usable && return 0
      sleep 0.1
    done
    kill "$KELVO_XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

kelvo_stop_display() {
  if [ -n "${KELVO_XVFB_PID:-}" ]; then kill "$KELVO_XVFB_PID" 2>/dev/null || true; fi
}
