#!/usr/bin/env bash
# The real authoring programs: quorantc on projects from a build system's point of view, then quorant
# under Xvfb from its start-up checks through a whole authoring session, and the help files it
# builds opened in the real viewer, every topic of them.
# Usage: run_e2e.sh <quorant binary> <quorantc binary> [<tessavor binary>]
# Set QUORANT_E2E_SHOTS=<folder> to keep screenshots of the windows.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../e2elib.sh"

quorant=$1
quorantc=$2
tessavor=${3:-}

# No dot in the folder: the help file's path is cut at the first dot of the project path.
e2e_make_dir /tmp/quorante2eXXXXXX
dir=$E2E_DIR
crlf() { printf '%s\r\n' "$@"; }

# --- quorantc -------------------------------------------------------------------------------------
mkdir -p "$dir/c/themen"
cd "$dir/c"
crlf TESSAVOR TXT "Kurze Hilfe" "" Erstes "" "[Erstes]" "Zeile eins" "" >txt.vrp
out=$("$quorantc" txt.vrp) || fail "quorantc failed on a TXT project"
[ "$out" = "quorantc: txt.vry geschrieben (TXT, 64 Bytes)" ] || fail "quorantc said \"$out\""
cmp -s txt.vrp txt.vry || fail "a TXT help file differs from its project"

printf '{\\rtf1\\ansi\r\n{\\b Verben}\\par\r\n}' >themen/verben.rtf
printf '{\\rtf1 Nomen\\par}\r\n' >themen/nomen.rtf
crlf TESSAVOR RTF "Lateinhilfe" "" Verben " Nomen " "" "[Verben]" themen/verben.rtf "" "[Nomen]" themen/nomen.rtf "" >rtf.vrp
out=$("$quorantc" rtf.vrp ziel/../rtf.vry 2>&1) && fail "quorantc wrote through a missing folder"
out=$("$quorantc" rtf.vrp "$dir/c/rtf.vry") || fail "quorantc failed on an RTF project: $out"
[ "$out" = "quorantc: $dir/c/rtf.vry geschrieben (RTF, 2 RTF - Dateien, 124 Bytes)" ] || fail "quorantc said \"$out\""
expected=$(crlf TESSAVOR RTF Lateinhilfe "" Verben " Nomen " "" "[Verben]" '{\rtf1\ansi' '{\b Verben}\par' '}' "" \
  "[Nomen]" '{\rtf1 Nomen\par}' "" | od -c)
[ "$(od -c <rtf.vry)" = "$expected" ] || fail "the RTF help file is not what the project names"
cp rtf.vry erste.vry
"$quorantc" rtf.vrp rtf.vry >/dev/null
cmp -s rtf.vry erste.vry || fail "compiling twice gave different files"

# A missing RTF file: message on standard error naming file and topic, exit 1, old file untouched.
rm themen/nomen.rtf
status=0
"$quorantc" rtf.vrp rtf.vry >stdout 2>stderr || status=$?
[ "$status" = 1 ] || fail "a missing RTF file gave exit code $status"
[ ! -s stdout ] || fail "a failed build printed to standard output"
grep -q 'Die RTF - Datei "themen/nomen.rtf" des Themas "Nomen" kann nicht gelesen werden' stderr \
  || fail "unexpected message: $(cat stderr)"
cmp -s rtf.vry erste.vry || fail "a failed build changed the help file"
printf '{\\rtf1 Nomen\\par}\r\n' >themen/nomen.rtf

status=0; "$quorantc" 2>stderr || status=$?
[ "$status" = 2 ] && grep -q "^Aufruf: quorantc PROJEKT.vrp \[ZIEL.vry\]" stderr || fail "no usage without arguments"
crlf "TESSAVOR " TXT >falsch.vrp
status=0; "$quorantc" falsch.vrp 2>stderr || status=$?
[ "$status" = 1 ] && grep -q "keine gültige Quorant - Datei" stderr || fail "a file without the signature passed"
cp rtf.vrp vorher.vrp
status=0; "$quorantc" rtf.vrp ./rtf.vrp 2>stderr || status=$?
[ "$status" = 1 ] && grep -q "wäre die Projektdatei selbst" stderr || fail "a project was compiled onto itself"
cmp -s rtf.vrp vorher.vrp || fail "compiling onto the project changed it"
status=0; "$quorantc" fehlt.vrp 2>stderr || status=$?
[ "$status" = 1 ] && grep -q "kann nicht gelesen werden" stderr || fail "a missing project passed"
echo "e2e quorantc: all checks passed"

# --- quorant under Xvfb ----------------------------------------------------------------------------
e2e_require Xvfb xdotool xprop
mkdir -p "$dir/p"
cp "$quorant" "$dir/p/quorant"
[ -n "$tessavor" ] && cp "$tessavor" "$dir/p/tessavor"
# The program's own help and the viewer's, built with quorantc like the shipped ones.
crlf TESSAVOR TXT "Quorant-Hilfe" "" Neu "" "[Neu]" "Ein neues Projekt." "" >"$dir/c/quorant.vrp"
"$quorantc" "$dir/c/quorant.vrp" "$dir/p/quorant.vry" >/dev/null
crlf TESSAVOR TXT "Hilfe zur Hilfe" "" "" >"$dir/c/tessavor.vrp"
"$quorantc" "$dir/c/tessavor.vrp" "$dir/p/tessavor.vry" >/dev/null

export E2E_SHOTS=${QUORANT_E2E_SHOTS:-} E2E_VIEWER=$tessavor
# The checks run on an X server of their own, with fail, wait_window, wait_gone and wait_exit of
# e2elib.sh.
checks='
P=$E2E_DIR/p

shot() { if [ -n "$E2E_SHOTS" ]; then sleep 0.3; import -window root "$E2E_SHOTS/$1.png"; fi; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.2; }
keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 20 "$1"; }
# The project file on disk, CR LF shown as |.
project() { tr "\r\n" "|~" <"$1" 2>/dev/null | sed "s/|~/|/g"; }
project_is() { [ "$(project "$1")" = "$2" ]; }

# A run again after a lost X server starts from the same files.
[ -f "$P/weg.vry" ] && mv "$P/weg.vry" "$P/quorant.vry"
[ -f "$P/tessavor.weg" ] && mv "$P/tessavor.weg" "$P/tessavor"
rm -f "$E2E_DIR/kurs.vrp" "$E2E_DIR/kurs.vry"

# 1. Start-up checks: without the viewer, then without the own help, the program ends after its message.
mv "$P/quorant.vry" "$P/weg.vry"
mv "$P/tessavor" "$P/tessavor.weg" 2>/dev/null || true
"$P/quorant" 2>"$E2E_DIR/stderr" &
program=$!
if ! box=$(wait_window "^Programm Tessavor nicht gefunden!$"); then
  grep -q "platform plugin" "$E2E_DIR/stderr" && exit 75
  cat "$E2E_DIR/stderr"; fail "no message for the missing viewer"
fi
shot startup-viewer-missing
focus "$box"; keys Return
wait_exit "$program" || fail "quorant did not end after the missing viewer"
[ "$exit_code" != 0 ] || fail "quorant ended with code 0 after a failed start"
if [ -f "$P/tessavor.weg" ]; then mv "$P/tessavor.weg" "$P/tessavor"; else : >"$P/tessavor"; chmod +x "$P/tessavor"; fi
"$P/quorant" &
program=$!
box=$(wait_window "^Quorant.vry nicht gefunden!$") || fail "no message for the missing help file"
focus "$box"; keys Return
wait_exit "$program" || fail "quorant did not end after the missing help file"
mv "$P/weg.vry" "$P/quorant.vry"

# 2. A session: new TXT project, three topics typed, one deleted, saved, help file built.
"$P/quorant" 2>"$E2E_DIR/stderr" &
program=$!
main=$(wait_window "^Quorant$") || { cat "$E2E_DIR/stderr"; fail "no main window"; }
shot main-empty
focus "$main"; keys F3
dialog=$(wait_window "^Speichern unter$") || fail "no save dialog on F3"
focus "$dialog"; type_text "$E2E_DIR/kurs.vrp"; keys Return
dialog=$(wait_window "^RTF - oder TXT - Hilfedatei$") || fail "no help type dialog"
shot type-dialog
focus "$dialog"; keys Up space Return
dialog=$(wait_window "^Namen eingeben!$") || fail "no input box for the title"
focus "$dialog"; type_text "Lateinkurs"; keys Return
wait_gone "^Namen eingeben!$" || fail "the input box stayed"
wait_until project_is "$E2E_DIR/kurs.vrp" "TESSAVOR|TXT|Lateinkurs|||" \
  || fail "new project: $(project "$E2E_DIR/kurs.vrp")"

add_topic() { # name, two lines of text
  focus "$main"; keys F6
  dialog=$(wait_window "^TXT - Thema hinzufügen$") || fail "no TXT topic dialog on F6"
  focus "$dialog"; type_text "$1"; keys Tab; type_text "$2"; keys Return; type_text "$3"
  [ -n "${4:-}" ] && shot "$4"
  keys Tab Return
  wait_gone "^TXT - Thema hinzufügen$" || fail "the topic dialog stayed open for $1"
}
add_topic "Verben" "amare - lieben" "videre - sehen" txt-topic-dialog
add_topic "Nomen" "rosa - die Rose" "amicus - der Freund"
add_topic "Pronomen" "ego - ich" "tu - du"
shot main-topics
# Select the list entry "Nomen" (line 6) and delete it.
focus "$main"; xdotool mousemove --window "$main" 300 400 click 1
keys ctrl+Home Down Down Down Down Down shift+End
shot selected
keys F7
sleep 0.5
keys F5
expected="TESSAVOR|TXT|Lateinkurs||Verben|Pronomen||[Verben]|amare - lieben|videre - sehen||[Pronomen]|ego - ich|tu - du||"
wait_until project_is "$E2E_DIR/kurs.vrp" "$expected" || fail "after delete: $(project "$E2E_DIR/kurs.vrp")"
# "Hilfedatei erstellen": from the path field, Tab reaches the button.
xdotool mousemove --window "$main" 200 38 click 1
keys Tab space
wait_until cmp -s "$E2E_DIR/kurs.vrp" "$E2E_DIR/kurs.vry" || fail "the help file is not the saved TXT project"
focus "$main"; keys F2
info=$(wait_window "^Info$") || fail "no about window on F2"
shot info
focus "$info"; keys Escape
wait_gone "^Info$" || fail "the about window stayed"
kill "$program"

# 3. The viewer shows every topic of the built help files; F1 in quorant starts it on its help.
if [ -n "$E2E_VIEWER" ]; then
  show_topic() { # help file, topic, expected title
    "$P/tessavor" "$1, $2" 2>"$E2E_DIR/viewer-stderr" &
    viewer=$!
    if ! id=$(wait_window "^Hilfe: "); then
      kill -0 "$viewer" 2>/dev/null && echo "viewer still running" || echo "viewer ended: $(wait "$viewer"; echo $?)"
      for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do echo "window: $(xdotool getwindowname "$w")"; done
      cat "$E2E_DIR/viewer-stderr"
      fail "the viewer showed no window for $2"
    fi
    [ "$(xdotool getwindowname "$id")" = "Hilfe: $3" ] || fail "viewer window \"$(xdotool getwindowname "$id")\""
    if xdotool search --onlyvisible --name "nicht gefunden" >/dev/null 2>&1; then fail "viewer error for $2"; fi
    shot "viewer-$(basename "$1" .vry)-$2"
    focus "$id"; keys Escape
    wait_exit "$viewer" || fail "the viewer did not close"
  }
  for topic in Inhalt Index Verben Pronomen; do show_topic "$E2E_DIR/kurs.vry" "$topic" Lateinkurs; done
  for topic in Inhalt Verben Nomen; do show_topic "$E2E_DIR/c/rtf.vry" "$topic" Lateinhilfe; done
  "$P/quorant" &
  program=$!
  main=$(wait_window "^Quorant$") || fail "no main window"
  focus "$main"; keys F1
  id=$(wait_window "^Hilfe: Quorant-Hilfe$") || fail "F1 did not show quorant.vry in the viewer"
  focus "$id"; keys Escape
  kill "$program"
fi
echo "e2e quorant: all checks passed"
'
e2e_run_checks 1024x768x24 "$checks"
