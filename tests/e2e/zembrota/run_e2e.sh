#!/usr/bin/env bash
# Starts the real dictionary under Xvfb in a program directory of its own and checks what a user
# sees: the opening window waits for a character key, then the status and main windows appear.
# Usage: run_e2e.sh <zembrota binary> <folder with latein.lst>
# Set ZEMBROTA_E2E_SHOT=<file.png> to keep a screenshot of the main window with an entry.
set -euo pipefail

binary=$1
fixtures=$2
for tool in xvfb-run xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The program directory is the binary's own: the program and its word list.
mkdir "$dir/prog" "$dir/empty"
cp "$binary" "$dir/prog/zembrota"
cp "$binary" "$dir/empty/zembrota"
cp "$fixtures/latein.lst" "$dir/prog/"

export E2E_DIR=$dir E2E_SHOT=${ZEMBROTA_E2E_SHOT:-}
checks='
fail() {
  # The X server went away under the test (other suites share the machine): the run is repeated.
  if grep -q "could not connect to display" "$E2E_DIR/stderr" 2>/dev/null; then exit 75; fi
  echo "FAIL: $*"
  for id in $(xdotool search --name "" 2>/dev/null); do
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    [ -n "$name" ] && echo "  window $id \"$name\" $(xdotool getwindowgeometry "$id" 2>/dev/null | tr "\n" " ")"
  done
  cat "$E2E_DIR/stderr" 2>/dev/null || true
  exit 1
}

for _ in $(seq 20); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
xprop -root >/dev/null 2>&1 || exit 75

# Waits up to 10 s for a visible window whose title matches and whose width is given (0: any);
# prints its id.
wait_window() {
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      if [ "$2" = 0 ] || [ "$(width "$id")" = "$2" ]; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}
shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
# Whether a visible window with this title and width is there now.
shown_with_width() {
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$(width "$id")" = "$2" ] && return 0
  done
  return 1
}
width() { xdotool getwindowgeometry "$1" | sed -n "s/.*Geometry: \([0-9]*\)x.*/\1/p"; }
title() { xprop -id "$1" _NET_WM_NAME | sed -e "s/^[^\"]*\"//" -e "s/\"$//"; }

# Waits up to 10 s for a program started by this shell to end; sets exit_code.
wait_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      exit_code=0
      wait "$1" || exit_code=$?
      return 0
    fi
    sleep 0.1
  done
  kill "$1"; return 1
}

start() {
  (cd "$1" && exec ./zembrota 2>>"$E2E_DIR/stderr") &
  program=$!
}

# 1. The opening window waits; a function key does nothing, a letter starts the program.
start "$E2E_DIR/prog"
opening=$(wait_window "^Glossand$" 488) || fail "no opening window appeared"
[ "$(title "$opening")" = "Glossand" ] || fail "opening window title is \"$(title "$opening")\""
xdotool windowfocus --sync "$opening"
xdotool key F5
sleep 0.5
shown "^Glossand: Status$" && fail "a function key started the program"
xdotool key a
status=$(wait_window "^Glossand: Status$" 240) || fail "no status window after the key"
main=$(wait_window "^Glossand$" 721) || fail "no main window after the key"
[ "$(title "$status")" = "Glossand: Status" ] || fail "status window title is \"$(title "$status")\""
[ "$(title "$main")" = "Glossand" ] || fail "main window title is \"$(title "$main")\""
sleep 0.3
shown_with_width "^Glossand$" 488 && fail "opening window still shown"

# A word typed into the input field and Enter; then Ctrl+E there ends the program.
xdotool windowfocus --sync "$main"
xdotool type --delay 20 amare
xdotool key Return
sleep 0.5
if [ -n "$E2E_SHOT" ]; then import -window root "$E2E_SHOT"; fi
kill -0 "$program" 2>/dev/null || fail "program ended after the lookup"
xdotool key ctrl+e
wait_exit "$program" || fail "Ctrl+E in the input field did not end the program"
[ "$exit_code" = 0 ] || { cat "$E2E_DIR/stderr"; fail "program ended with $exit_code"; }

# 2. "Datei" > "Ende" with the mouse ends it too.
start "$E2E_DIR/prog"
opening=$(wait_window "^Glossand$" 488) || fail "no opening window on the second start"
xdotool windowfocus --sync "$opening"
xdotool key Return
main=$(wait_window "^Glossand$" 721) || fail "Enter did not start the program"
xdotool mousemove 20 8 click 1
sleep 0.5
xdotool mousemove 30 32 click 1
wait_exit "$program" || fail "Datei > Ende did not end the program"
[ "$exit_code" = 0 ] || { cat "$E2E_DIR/stderr"; fail "program ended with $exit_code"; }

# 3. No word list: the error box, no main window, the program ends with a failure.
start "$E2E_DIR/empty"
opening=$(wait_window "^Glossand$" 488) || fail "no opening window without a word list"
xdotool windowfocus --sync "$opening"
xdotool key x
box=$(wait_window "^Wortliste nicht lesbar!$" 0) || fail "no message box for the missing word list"
shown_with_width "^Glossand$" 721 && fail "main window shown without a word list"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit "$program" || fail "program did not end after the message"
[ "$exit_code" != 0 ] || fail "failed start ended with code 0"
echo "e2e zembrota: all checks passed"
'
for attempt in 1 2 3; do
  status=0
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash -euo pipefail -c "$checks" || status=$?
  [ "$status" = 75 ] || exit "$status"
  echo "X server did not answer (attempt $attempt); retrying"
  rm -f "$dir/stderr"
done
exit 1
