#!/usr/bin/env bash
# The three programs working together as real processes under Xvfb, checked through window titles,
# the viewers' command lines and screenshots sampled at known points.
# Usage: run_e2e.sh <program directory> <folder of RTF documents from real tools>
# The program directory holds zembrota, tessavor, quorantc and the companion files, as built or
# installed. Set SUITE_E2E_SHOTS=<folder> to keep the screenshots.
set -euo pipefail
. "$(dirname "$0")/../e2elib.sh"

programs=${1:-${GLOSSAND_PROGRAM_DIR:-}}
documents=$2
e2e_require Xvfb xdotool xprop import convert identify
for file in zembrota tessavor quorantc latein.lst zembrota.vry tessavor.vry; do
  [ -e "$programs/$file" ] || { echo "FAIL: $programs/$file is missing"; exit 1; }
done

# A private program directory: the dictionary's settings and the viewer's temp.tmp land there.
# No dot in its path, so that quorantc's and the viewer's path rules cannot cut it short.
e2e_make_dir /tmp/suitee2eXXXXXX
dir=$E2E_DIR
mkdir "$dir/bin" "$dir/shots" "$dir/projekt"
for file in zembrota tessavor quorantc latein.lst zembrota.vry tessavor.vry tessavor.txt bestell.txt; do
  [ -e "$programs/$file" ] && cp "$programs/$file" "$dir/bin/"
done
# The user colour red; the cycle off.
printf 'BF\r\nAus\r\n1000\r\n255\r\n0\r\n0\r\n' >"$dir/bin/zembrota.ini"

# A rich help project from documents written by real tools, compiled as a build system would.
cp "$documents/pandoc-kapitel.rtf" "$documents/libreoffice-kopfzeile.rtf" "$dir/projekt/"
printf '%s\r\n' TESSAVOR RTF "Texte aus Programmen" "" "Pandoc" "Kopfzeile" "" \
  "[Pandoc]" pandoc-kapitel.rtf "" "[Kopfzeile]" libreoffice-kopfzeile.rtf "" >"$dir/projekt/texte.vrp"
out=$("$dir/bin/quorantc" "$dir/projekt/texte.vrp" "$dir/bin/texte.vry") || { echo "FAIL: quorantc: $out"; exit 1; }

# Several programs at once on a loaded machine: every wait polls up to 15 s.
export E2E_SHOTS=${SUITE_E2E_SHOTS:-} E2E_WAIT=150
# Another attempt on a new X server starts from the files as they were.
put_back() { rm -f "$dir/bin/temp.tmp" "$dir"/*stderr; }
E2E_BEFORE_RETRY=put_back
checks='
B=$E2E_DIR/bin

# Polls until a window is no longer visible.
wait_hidden() { # id, title pattern
  for _ in $(seq "$E2E_WAIT"); do
    xdotool search --onlyvisible --name "$2" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
# The argument the viewer of a window was started with.
viewer_argument() { tr "\0" "\n" <"/proc/$(xdotool getwindowpid "$1")/cmdline" | sed -n 2p; }
# A screenshot of one window; kept when asked for.
shot() {
  import -window "$1" "$E2E_DIR/shots/$2.png"
  if [ -n "$E2E_SHOTS" ]; then cp "$E2E_DIR/shots/$2.png" "$E2E_SHOTS/"; fi
}
# The colour of one pixel of a screenshot, as RRGGBB.
pixel() { convert "$E2E_DIR/shots/$1.png" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6; }
# The share of exactly red pixels in a screenshot, in per cent (frames and fields keep their own colours).
red_share() {
  convert "$E2E_DIR/shots/$1.png" -alpha off -fill black +opaque "#FF0000" -fill white -opaque "#FF0000" \
    -format "%[fx:int(mean*100)]" info:
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.2; }
# Closes a viewer window with Escape and waits for its process to end.
close_viewer() {
  local pid
  pid=$(xdotool getwindowpid "$1")
  focus "$1"
  xdotool key Escape
  for _ in $(seq "$E2E_WAIT"); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  fail "viewer $pid did not close on Escape"
}
rtf_lines() { tr -d "\r" <"$1" | sed "/^$/d"; }

# The dictionary title as the viewer shows it: line 3 of zembrota.vry.
help_title=$(sed -n 3p "$B/zembrota.vry" | tr -d "\r" | iconv -f WINDOWS-1252 -t UTF-8)
[ -n "$help_title" ] || fail "zembrota.vry has no title line"

# --- 1. The dictionary starts: opening window, a key, status and main window ---------------------
"$B/zembrota" 2>"$E2E_DIR/zembrota-stderr" &
dictionary=$!
if ! opening=$(wait_window "^Glossand$"); then
  grep -q "platform plugin" "$E2E_DIR/zembrota-stderr" && exit 75
  fail "the opening window did not appear"
fi
focus "$opening"
xdotool key a
status=$(wait_window "^Glossand: Status$") || fail "no status window after a key in the opening window"
main=$(wait_other_window "^Glossand$" "$opening") || fail "no main window after a key in the opening window"
wait_hidden "$opening" "^Glossand$" || fail "the opening window stayed open"
kill -0 "$dictionary" 2>/dev/null || fail "the dictionary ended during start-up"

# --- 2. Mode BF red: every shown coloured window is red at a sampled background point ----------
# Polls up to 15 s: a window just shown may still be painting, slowly in a sanitized build.
red_window() {
  local id=$1 name=$2 y colour share
  for _ in $(seq 30); do
    sleep 0.5
    shot "$id" "$name"
    # The left margin halfway down lies outside every control.
    y=$(( $(identify -format "%h" "$E2E_DIR/shots/$name.png") / 2 ))
    colour=$(pixel "$name" 3 "$y")
    share=$(red_share "$name")
    [ "$colour" = FF0000 ] && [ "$share" -ge 10 ] && return 0
  done
  fail "$name: the pixel at 3,$y is #$colour and $share % of the window is red"
}
red_window "$main" haupt
red_window "$status" anzeige

# --- 3. The help menu starts a viewer at the contents of zembrota.vry ----------------------------
focus "$main"
# The menu bar runs along the top of the client area and "?" is its last menu: its title is the
# rightmost dark text in the bar. Click it and take its first item, "Inhalt".
shot "$main" haupt-menue
menu_x=$(convert "$E2E_DIR/shots/haupt-menue.png" -crop 300x16+0+0 +repage -depth 8 txt:- \
  | awk -F"[(,:)]" "NR > 1 && \$4 < 128 && \$1 > x { x = \$1 } END { print x - 2 }")
[ "$menu_x" -gt 0 ] || fail "no menu titles found in the main window"
windows_before=$(xdotool search --onlyvisible --pid "$dictionary" 2>/dev/null | wc -l)
xdotool mousemove --window "$main" "$menu_x" 8 click 1
# The menu is a window of its own: wait until it is shown before choosing from it.
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --pid "$dictionary" 2>/dev/null | wc -l)" -gt "$windows_before" ] && break
  sleep 0.1
done
sleep 0.3
shot root menue-offen
xdotool key Down Return
viewer=$(wait_window "^Hilfe: ") || fail "the help menu started no viewer"
[ "$(title "$viewer")" = "Hilfe: $help_title" ] || fail "viewer title is \"$(title "$viewer")\""
[ "$(viewer_argument "$viewer")" = "$B/zembrota.vry, Inhalt" ] \
  || fail "viewer started with \"$(viewer_argument "$viewer")\""
shot "$viewer" hilfe-inhalt
close_viewer "$viewer"

# --- 4. F1 in the status window opens its topic "Status - Anzeige" --------------------------------
focus "$status"
xdotool key F1
viewer=$(wait_window "^Hilfe: ") || fail "F1 in the status window started no viewer"
[ "$(title "$viewer")" = "Hilfe: $help_title" ] || fail "viewer title is \"$(title "$viewer")\""
[ "$(viewer_argument "$viewer")" = "$B/zembrota.vry, Status - Anzeige" ] \
  || fail "viewer started with \"$(viewer_argument "$viewer")\""
# The topic shown is the status window'"'"'s own: temp.tmp holds its RTF document.
[ -f "$B/temp.tmp" ] || fail "the viewer wrote no temp.tmp"
block=$(tr -d "\r" <"$B/zembrota.vry" | awk "/^\\[Status - Anzeige\\] *\$/ { on = 1; next } on && /^\$/ { exit } on")
[ -n "$block" ] || fail "zembrota.vry has no topic \"Status - Anzeige\""
[ "$(tr -d "\r" <"$B/temp.tmp" | sed "/^\$/d")" = "$(echo "$block" | sed "/^\$/d")" ] \
  || fail "temp.tmp does not hold the topic \"Status - Anzeige\""
sleep 0.3
shot "$viewer" hilfe-status
close_viewer "$viewer"
[ ! -e "$B/temp.tmp" ] || fail "temp.tmp was left after the viewer closed"

# The dictionary ends with "Ende" (Ctrl+E), nothing written on the way out.
before=$(md5sum <"$B/zembrota.ini")
focus "$main"
xdotool key ctrl+e
wait_exit "$dictionary" || fail "the dictionary did not end on Ctrl+E"
[ "$exit_code" = 0 ] || fail "the dictionary ended with $exit_code"
[ "$(md5sum <"$B/zembrota.ini")" = "$before" ] || fail "the dictionary changed zembrota.ini on the way out"
echo "e2e suite: dictionary and viewer checks passed"

# --- 5. The viewer'"'"'s failure messages: a window with its title, the process ends after OK -------
printf "%s\r\n" "KEINE HILFE" TXT Titel "" >"$B/falsch.vry"
check_failure() {
  local expected=$1 pid box
  shift
  "$B/tessavor" "$@" 2>>"$E2E_DIR/tessavor-stderr" &
  pid=$!
  box=$(wait_window "^$expected\$") || fail "no message \"$expected\" for: $*"
  if xdotool search --onlyvisible --name "^Hilfe: " >/dev/null 2>&1; then fail "a viewer window on a failed start"; fi
  shot "$box" "$(echo "$expected" | tr -c "A-Za-z0-9\n" _)"
  focus "$box"
  xdotool key Return
  wait_exit "$pid" || fail "the viewer did not end after \"$expected\""
  [ "$exit_code" != 0 ] || fail "a failed start ended with code 0"
}
check_failure "Kein Hilfedatei angegeben!"
check_failure "Kein Hilfedatei angegeben!" " , Inhalt"
check_failure "Hilfedatei nicht gefunden!" "$B/fehlt.vry, Inhalt"
check_failure "Kein gültige Hilfedatei!" "$B/falsch.vry, Inhalt"
echo "e2e suite: viewer failure checks passed"

# --- 6. A help project compiled with quorantc opens in the viewer, every topic of it --------------
for topic in Pandoc Kopfzeile; do
  "$B/tessavor" "$B/texte.vry, $topic" 2>>"$E2E_DIR/tessavor-stderr" &
  pid=$!
  viewer=$(wait_window "^Hilfe: ") || fail "the compiled help file did not open at \"$topic\""
  [ "$(title "$viewer")" = "Hilfe: Texte aus Programmen" ] || fail "viewer title is \"$(title "$viewer")\""
  case $topic in
    Pandoc) document=pandoc-kapitel.rtf ;;
    *) document=libreoffice-kopfzeile.rtf ;;
  esac
  [ "$(rtf_lines "$B/temp.tmp")" = "$(rtf_lines "$E2E_DIR/projekt/$document")" ] \
    || fail "temp.tmp does not hold the document of \"$topic\""
  sleep 0.3
  shot "$viewer" "texte-$topic"
  # The text area shows the document: the window is no longer one plain colour.
  colours=$(convert "$E2E_DIR/shots/texte-$topic.png" -format "%k" info:)
  [ "$colours" -gt 8 ] || fail "the topic \"$topic\" shows only $colours colours"
  close_viewer "$viewer"
done
echo "e2e suite: compiled help checks passed"
'
e2e_run_checks 1024x768x24 "$checks"
