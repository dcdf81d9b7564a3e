# Shared helpers of the end-to-end scripts: a private X server, waiting for windows and programs,
# failure reports, and cleaning up. Sourced by the scripts, and again inside the checks they run
# on the X server (e2e_run_checks does that).

# Where this library is, for the checks that load it again.
E2E_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2elib.sh
export E2E_LIB

# Exits with 77 (ctest's "skipped") when one of the tools is missing.
e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
  done
}

# Makes the test's working folder E2E_DIR (mktemp template optional) and removes it, and stops the
# X server, however the script ends, also when ctest stops it at its timeout.
e2e_make_dir() {
  E2E_DIR=$(mktemp -d ${1:+"$1"})
  export E2E_DIR
  trap e2e_cleanup EXIT
  trap 'exit 143' TERM INT HUP
}

e2e_cleanup() {
  e2e_stop_x
  if [ -n "${E2E_DIR:-}" ]; then rm -rf "$E2E_DIR"; fi
}

# Starts Xvfb on a display that it finds free itself (no race with other runs that start theirs at
# the same moment) and sets DISPLAY. -noreset: without it the server resets whenever its last
# client leaves, and a program that starts in that moment cannot connect.
e2e_start_x() { # screen geometry, such as 1024x768x24
  local fifo=$E2E_DIR/.displayfd display=""
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fifo" 2>"$E2E_DIR/xvfb-stderr" &
  E2E_XVFB=$!
  # The server writes its display number once it accepts clients.
  read -r -t 10 display <"$fifo" || true
  rm -f "$fifo"
  [ -n "$display" ] || return 1
  export DISPLAY=":$display"
}

e2e_stop_x() {
  if [ -n "${E2E_XVFB:-}" ]; then
    kill "$E2E_XVFB" 2>/dev/null || true
    wait "$E2E_XVFB" 2>/dev/null || true
    E2E_XVFB=""
  fi
}

# Runs the checks (a bash script text) on an X server of their own with -euo pipefail and this
# library loaded. Checks that exit with 75 lost their X server: they run again on a new one, after
# the function named by E2E_BEFORE_RETRY (if any) has put the files back. Ends the script with the
# checks' exit code.
e2e_run_checks() { # screen geometry, checks
  local attempt status
  for attempt in 1 2 3 4 5; do
    status=0
    if e2e_start_x "$1"; then
      E2E_X=1 bash -euo pipefail -c ". \"$E2E_LIB\"; e2e_display_ready || exit 75
$2" || status=$?
    else
      status=75
    fi
    e2e_stop_x
    [ "$status" = 75 ] || exit "$status"
    echo "X server did not answer (attempt $attempt); retrying"
    if [ -n "${E2E_BEFORE_RETRY:-}" ]; then "$E2E_BEFORE_RETRY"; fi
  done
  exit 1
}

# Inside the checks -----------------------------------------------------------------------------

# Whether the X server answers, waiting up to 2 s.
e2e_display_ready() {
  local _
  for _ in $(seq 20); do xprop -root >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# A failed check: exit 1 with the message, the windows shown and what the programs wrote to their
# stderr files in E2E_DIR. When the X server went away under the test (other suites share the
# machine) it is no failure of the programs: exit 75, so that the checks run again.
fail() {
  if [ -n "${E2E_X:-}" ]; then
    if ! xprop -root >/dev/null 2>&1 || grep -qs "could not connect to display" "$E2E_DIR"/*stderr; then
      exit 75
    fi
  fi
  echo "FAIL: $*"
  if [ -n "${E2E_X:-}" ]; then
    local id name
    for id in $(xdotool search --name "" 2>/dev/null); do
      name=$(xdotool getwindowname "$id" 2>/dev/null || true)
      [ -n "$name" ] && echo "  window $id \"$name\" $(xdotool getwindowgeometry "$id" 2>/dev/null | tr "\n" " ")"
    done
  fi
  local file
  for file in "$E2E_DIR"/*stderr; do
    [ -s "$file" ] && { echo "--- $(basename "$file")"; cat "$file"; }
  done
  exit 1
}

width() { xdotool getwindowgeometry "$1" | sed -n "s/.*Geometry: \([0-9]*\)x.*/\1/p"; }
title() { xprop -id "$1" _NET_WM_NAME | sed -e "s/^[^\"]*\"//" -e "s/\"$//"; }

# How long the waits below poll, in tenths of a second (10 s unless the script sets it).
E2E_WAIT=${E2E_WAIT:-100}

# Waits for a visible window whose title matches and, when a width other than 0 is given, has that
# width; prints its id.
wait_window() { # title pattern, [width]
  local _ id
  for _ in $(seq "$E2E_WAIT"); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      if [ "${2:-0}" = 0 ] || [ "$(width "$id")" = "$2" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# Waits for a visible window whose title matches and that is none of the given windows (a second
# window of the same title); prints its id.
wait_other_window() { # title pattern, ids to pass over
  local _ id
  for _ in $(seq "$E2E_WAIT"); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      case " ${*:2} " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    sleep 0.1
  done
  return 1
}

# Waits until no visible window's title matches.
wait_gone() {
  local _
  for _ in $(seq "$E2E_WAIT"); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Waits until the command succeeds: a file that a program writes in its own time is checked with
# this, never after a fixed pause.
wait_until() { # command and its arguments
  local _
  for _ in $(seq "$E2E_WAIT"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Waits for a program started by this shell to end; sets exit_code. Not to be called in a subshell
# ($(...)): only the shell that started the program can collect its exit code. A program that has
# ended but is not yet collected (a zombie in /proc) counts as ended.
wait_exit() {
  local _
  for _ in $(seq "$E2E_WAIT"); do
    if ! kill -0 "$1" 2>/dev/null || [ "$(sed -n "s/.*) \(.\).*/\1/p" "/proc/$1/stat" 2>/dev/null)" = Z ]; then
      exit_code=0
      wait "$1" || exit_code=$?
      return 0
    fi
    sleep 0.1
  done
  kill "$1"
  return 1
}
