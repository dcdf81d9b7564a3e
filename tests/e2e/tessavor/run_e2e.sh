#!/usr/bin/env bash
# Starts the real viewer under Xvfb on a rich-text help file and checks what a user sees.
# Usage: run_e2e.sh <tessavor binary> <folder with rich.vry and tessavor.vry>
# Set TESSAVOR_E2E_SHOT=<file.png> to keep a screenshot of the shown topic.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../e2elib.sh"

binary=$1
fixtures=$2
e2e_require Xvfb xdotool xprop

e2e_make_dir
dir=$E2E_DIR
# The program directory is the binary's own: the viewer, its help on help and the help file.
cp "$binary" "$dir/tessavor"
cp "$fixtures/tessavor.vry" "$fixtures/rich.vry" "$dir/"

export E2E_SHOT=${TESSAVOR_E2E_SHOT:-}
# The checks run on an X server of their own, with fail, wait_window, wait_exit and title of
# e2elib.sh.
checks='
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
"$E2E_DIR/tessavor" "$E2E_DIR/rich.vry, Fehlt" 2>"$E2E_DIR/stderr" &
viewer=$!
box=$(wait_window "^Hilfethema nicht gefunden!$") || fail "no message box for the missing topic"
if xdotool search --onlyvisible --name "^Hilfe: " >/dev/null 2>&1; then fail "main window shown on a failed start"; fi
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit "$viewer" || fail "viewer did not end after the message"
[ "$exit_code" != 0 ] || fail "failed start ended with code 0"

# 3. Without its own help the viewer refuses to start, whatever the argument.
mv "$E2E_DIR/tessavor.vry" "$E2E_DIR/anders.vry"
"$E2E_DIR/tessavor" "$E2E_DIR/rich.vry, Inhalt" 2>"$E2E_DIR/stderr" &
viewer=$!
box=$(wait_window "^Tessavor.vry nicht gefunden!$") || fail "no message box for the missing own help"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit "$viewer" || fail "viewer did not end after the message"
[ "$exit_code" != 0 ] || fail "refused start ended with code 0"
echo "e2e tessavor: all checks passed"
'
# A run again after a lost X server starts from the same files.
put_back() {
  rm -f "$dir/temp.tmp"
  if [ -f "$dir/anders.vry" ]; then mv "$dir/anders.vry" "$dir/tessavor.vry"; fi
}
E2E_BEFORE_RETRY=put_back
e2e_run_checks 800x600x24 "$checks"
