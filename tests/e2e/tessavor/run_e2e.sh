#!/usr/bin/env bash
# Starts the real viewer under Xvfb on a rich-text help file and checks what a user sees.
# Usage: run_e2e.sh <tessavor binary> <folder with rich.vry and tessavor.vry>
# Set TESSAVOR_E2E_SHOT=<file.png> to keep a screenshot of the shown topic.
set -euo pipefail

binary=$1
fixtures=$2
for tool in xvfb-run xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The program directory is the binary's own: the viewer, its help on help and the help file.
cp "$binary" "$dir/tessavor"
cp "$fixtures/tessavor.vry" "$fixtures/rich.vry" "$dir/"

export E2E_DIR=$dir E2E_SHOT=${TESSAVOR_E2E_SHOT:-}
checks='
fail() { echo "FAIL: $*"; exit 1; }

# Several test runs may start X servers at once; a display that does not answer is retried.
for _ in $(seq 20); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
xprop -root >/dev/null 2>&1 || exit 75

# Waits up to 10 s for a window whose title matches; prints its id.
wait_window() {
  for _ in $(seq 100); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ]; then
      echo "$id"; return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s for a viewer started by this shell to end; sets exit_code. Not to be called in
# a subshell: only this shell can collect its child.
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

title() { xprop -id "$1" _NET_WM_NAME | sed -e "s/^[^\"]*\"//" -e "s/\"$//"; }

# 1. A rich-text topic: the window titled "Hilfe: " and the file title, the topic in temp.tmp.
"$E2E_DIR/tessavor" "$E2E_DIR/rich.vry," "Erste Schritte" 2>"$E2E_DIR/stderr" &
viewer=$!
if ! id=$(wait_window "^Hilfe: "); then
  grep -q "platform plugin" "$E2E_DIR/stderr" && exit 75
  cat "$E2E_DIR/stderr"; fail "no viewer window appeared"
fi
[ "$(title "$id")" = "Hilfe: Lateinhilfe für Übungen" ] || fail "window title is \"$(title "$id")\""
[ -f "$E2E_DIR/temp.tmp" ] || fail "temp.tmp was not written"
head -c 6 "$E2E_DIR/temp.tmp" | grep -q "^{.rtf1" || fail "temp.tmp does not hold the RTF topic"
sleep 0.5
if [ -n "$E2E_SHOT" ]; then import -window root "$E2E_SHOT"; fi

# Escape is the cancel key of cmdOK: the viewer closes and deletes temp.tmp.
xdotool windowfocus --sync "$id"
xdotool key Escape
wait_exit "$viewer" || fail "viewer did not close on Escape"
[ "$exit_code" = 0 ] || fail "viewer ended with $exit_code"
[ ! -e "$E2E_DIR/temp.tmp" ] || fail "temp.tmp was left after closing"

# 2. A topic that is not in the rich help: the error box, no main window, the process ends.
"$E2E_DIR/tessavor" "$E2E_DIR/rich.vry, Fehlt" &
viewer=$!
box=$(wait_window "^Hilfethema nicht gefunden!$") || fail "no message box for the missing topic"
if xdotool search --onlyvisible --name "^Hilfe: " >/dev/null 2>&1; then fail "main window shown on a failed start"; fi
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit "$viewer" || fail "viewer did not end after the message"
[ "$exit_code" != 0 ] || fail "failed start ended with code 0"

# 3. Without its own help the viewer refuses to start, whatever the argument.
mv "$E2E_DIR/tessavor.vry" "$E2E_DIR/anders.vry"
"$E2E_DIR/tessavor" "$E2E_DIR/rich.vry, Inhalt" &
viewer=$!
box=$(wait_window "^Tessavor.vry nicht gefunden!$") || fail "no message box for the missing own help"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit "$viewer" || fail "viewer did not end after the message"
[ "$exit_code" != 0 ] || fail "refused start ended with code 0"
echo "e2e tessavor: all checks passed"
'
for attempt in 1 2 3; do
  status=0
  # Other suites start their servers from number 99 upwards at the same moment; starting the
  # search at a random number keeps two runs from sharing one server.
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 800x600x24" bash -euo pipefail -c "$checks" || status=$?
  [ "$status" = 75 ] || exit "$status"
  echo "X server did not answer (attempt $attempt); retrying"
  rm -f "$dir/temp.tmp"
done
exit 1
