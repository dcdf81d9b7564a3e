#!/usr/bin/env bash
# Starts the real dictionary under Xvfb in a program directory of its own and checks what a user
# sees: the opening window waits for a character key, then the status and main windows appear.
# Usage: run_e2e.sh <zembrota binary> <folder with latein.lst>
# Set ZEMBROTA_E2E_SHOT=<file.png> to keep a screenshot of the main window with an entry.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../e2elib.sh"

binary=$1
fixtures=$2
e2e_require Xvfb xdotool xprop

e2e_make_dir
dir=$E2E_DIR
# The program directory is the binary's own: the program and its word list.
mkdir "$dir/prog" "$dir/empty"
cp "$binary" "$dir/prog/zembrota"
cp "$binary" "$dir/empty/zembrota"
cp "$fixtures/latein.lst" "$dir/prog/"

export E2E_SHOT=${ZEMBROTA_E2E_SHOT:-}
# The checks run on an X server of their own, with fail, wait_window, wait_exit, width and title of
# e2elib.sh.
checks='
shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
# Whether a visible window with this title and width is there now.
shown_with_width() {
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$(width "$id")" = "$2" ] && return 0
  done
  return 1
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
# A run again after a lost X server starts without the old messages.
forget_stderr() { rm -f "$dir/stderr"; }
E2E_BEFORE_RETRY=forget_stderr
e2e_run_checks 1024x768x24 "$checks"
