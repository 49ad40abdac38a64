#!/usr/bin/env bash
# The interactive host on a real terminal (tmux): start it on a sample tree,
# open the view list from the plugin menu, create a view and keep it (the
# panel shows its folder), walk the list in Ctrl mode and commit by letting
# go of Ctrl (a stand-in key, then Ctrl's own press and release events),
# reopen, create and delete a view, quit with F10 and exit status 0 with the
# terminal's modes restored; restored again after a SIGSEGV. Also: resizing
# with the list open (too small: only the message, keys wait; larger: the
# list centred again), the mouse wheel in the panels and the list, mouse
# reports asked for while the host runs, the welcome box and German texts;
# clicks on panel items and list lines; the help at the smallest size.
# Every check reads the screen tmux shows.
set -uo pipefail
cd "$(dirname "$0")/.."

# The linux32 host, brought up to date (quick when it is); TOLVIK_HOST names
# another build of it.
host=${TOLVIK_HOST:-build/linux32/tools/tolvik_host}
if [ -z "${TOLVIK_HOST:-}" ]; then
  { [ -f build/linux32/build.ninja ] || cmake --preset linux32; } >/dev/null 2>&1
  cmake --build --preset linux32 --target tolvik_host >/dev/null 2>&1 \
    || { echo "test-tmux: cannot build $host"; exit 1; }
fi
command -v tmux >/dev/null || { echo "test-tmux: tmux is missing (scripts/setup.sh installs it)"; exit 1; }

work=$(mktemp -d)
socket="tolvik-test-$$"
cleanup() {
  tmux -L "$socket" kill-server >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/root/left/docs" "$work/root/left/src" "$work/root/right/music"
echo "notes" >"$work/root/left/notes.txt"
echo "la" >"$work/root/right/song.txt"

failures=0
fail() { echo "test-tmux: FAIL: $*"; failures=$((failures + 1)); }

screen() { tmux -L "$socket" capture-pane -p -t tolvik 2>/dev/null; }

# Waits (up to 10 s) until the screen shows the text; fails with the screen.
expect() {
  local text=$1 what=$2
  for _ in $(seq 100); do
    screen | grep -qF -- "$text" && return 0
    sleep 0.1
  done
  fail "$what: expected the screen to show '$text', got:"
  screen | sed 's/^/    /'
  return 1
}

# Waits until the screen no longer shows the text.
expect_gone() {
  local text=$1 what=$2
  for _ in $(seq 100); do
    screen | grep -qF -- "$text" || return 0
    sleep 0.1
  done
  fail "$what: expected '$text' to go, got:"
  screen | sed 's/^/    /'
  return 1
}

keys() { tmux -L "$socket" send-keys -t tolvik "$@"; }

# The wheel as a terminal in SGR mouse mode reports it, at column 10, row 5.
wheel_down() { keys -H 1b 5b 3c 36 35 3b 31 30 3b 35 4d; }   # CSI < 65 ; 10 ; 5 M
wheel_up() { keys -H 1b 5b 3c 36 34 3b 31 30 3b 35 4d; }     # CSI < 64 ; 10 ; 5 M
# Whether the program in the pane asked for SGR mouse reports: "1" or "0".
mouse_mode() { tmux -L "$socket" display -p -t tolvik '#{mouse_sgr_flag}'; }
resize() { tmux -L "$socket" resize-window -t tolvik -x "$1" -y "$2"; }

# The first screen row: the two panels' titles.
titles() { screen | head -n 1; }

# F11 and Enter: the plugin menu (the entry the plugin gives), then its list.
# The argument says when.
open_list() {
  keys F11
  expect 'tolvik: panel views' "$1: the plugin menu"
  keys Enter
  expect 'Panel views' "$1: the list opens"
}

# The pane's shell notes the terminal's modes before and after the host.
# Extra arguments go to the host.
run_host() {
  tmux -L "$socket" new-session -d -s tolvik -x 100 -y 30 \
    "stty -g >'$work/modes-before'; '$host' --root '$work/root' $* '$work/root/left' '$work/root/right' 2>'$work/stderr';
     echo \$? >'$work/status'; stty -g >'$work/modes-after'; sleep 30"
}
# Waits for the host's exit status; prints it.
exit_status() {
  for _ in $(seq 100); do [ -s "$work/modes-after" ] && break; sleep 0.1; done
  cat "$work/status" 2>/dev/null
}
# Ends the host in the pane and starts a fresh one; arguments go to it.
restart_host() {
  tmux -L "$socket" kill-session -t tolvik
  rm -f "$work/status" "$work/modes-before" "$work/modes-after"
  run_host "$@"
}
# F10 quits; the host must exit with status 0. The argument names the session.
quit() {
  keys F10
  local status
  status=$(exit_status)
  [ "$status" = "0" ] || fail "expected exit status 0 after F10 ($1), got '${status:-none}'"
}
run_host

expect 'C:\left' "start" || { echo "test-tmux: the host did not start"; exit 1; }
expect 'F11 Plugins' "key bar"
[ "$(mouse_mode)" = 1 ] || fail "the host did not ask for SGR mouse reports"

# The wheel in the panels moves the cursor: the footer names the item.
wheel_down
expect '|docs' "the wheel moves the panel cursor down"
wheel_up
expect '|..' "and up again"

# The plugin menu, then the list.
open_list "first"
expect '< C:\left' "the active panel's view is listed"
expect '> C:\right' "the other panel's view is listed"

# Too small with the list open: only the message; Del waits for the size.
keys C-S-F3
expect '3. file panel' "a third view to walk and delete"
expect ' C:\ -' "the new view of C:\\ in the left panel"
# The wheel walks the list (view 1 is the other panel's and is skipped).
wheel_down
expect ' C:\left -' "the wheel moves the list cursor down: view 2 in the panel"
wheel_up
expect ' C:\ -' "and up again: view 3"
resize 60 16
expect 'too small' "60x16 is too small"
expect_gone 'Panel views' "the list is not drawn while the screen is too small"
screen | grep -qF 'F1 Help' && fail "the key bar stays on a screen too small"
keys DC
resize 120 40
expect 'Panel views' "the list again at 120x40"
expect_gone 'too small' "the message goes"
expect_gone '3. file panel' "Del waited for the size, then deleted view 3"
# Centred on 120 columns: as much room left of the box as right of it.
row=$(screen | grep -F 'Panel views')
before=${row%%+=*}
after=${row##*=+}
[ $(( ${#before} - ${#after} )) -le 1 ] && [ $(( ${#after} - ${#before} )) -le 1 ] \
  || fail "the list is off-centre at 120x40: '$row'"
[ "$(screen | head -n 1 | sed 's/ *$//' | wc -c)" -eq 121 ] || fail "the panels do not span 120 columns: $(titles)"
expect 'C-R Retest' "the whole key bar at 120 columns"
resize 100 30
expect 'Panel views' "the list at 100x30 again"

# A new view of C:\ (the sample root), kept with Enter: the panel shows it.
keys C-S-F3
expect '3. file panel' "Ctrl+Shift+F3 creates view 3"
keys Enter
expect_gone 'Panel views' "Enter keeps the view and closes the list"
titles | grep -qF ' C:\ ' || fail "expected the left panel on C:\\, got: $(titles)"
expect 'right\' "the sample root's folders in the panel"

# Ctrl mode: the list walks with a live preview and commits when Ctrl goes up.
keys F12
expect 'Ctrl held' "F12 opens the list in Ctrl mode"
keys Down
expect 'C:\left -' "moving in the list previews the next view"
keys Space
expect_gone 'Panel views' "letting go of Ctrl commits and closes the list"
expect 'F11 Plugins' "back in the panels"
titles | grep -qF 'C:\left' || fail "the committed view is not in the panel: $(titles)"
expect 'notes.txt' "the committed folder's files"

# Ctrl held for real, as a terminal with the progressive keyboard protocol
# reports it: Ctrl goes down, F12, Ctrl+~ walks down, Ctrl goes up.
ctrl_down() { keys -H 1b 5b 35 37 34 34 32 75; }                    # CSI 57442 u
ctrl_up() { keys -H 1b 5b 35 37 34 34 32 3b 35 3a 33 75; }          # CSI 57442;5:3 u
ctrl_tilde() { keys -H 1b 5b 39 36 3b 35 75; }                      # CSI 96;5 u
ctrl_down
keys F12
expect 'Release Ctrl' "the list in Ctrl mode with Ctrl really held"
ctrl_tilde
expect ' C:\ -' "Ctrl+~ previews the next view (C:\\)"
ctrl_up
expect_gone 'Panel views' "releasing Ctrl commits and closes the list"
titles | grep -qF ' C:\ ' || fail "expected the left panel on C:\\ after releasing Ctrl, got: $(titles)"

# Reopen, create a view and delete it again.
open_list "again"
keys C-S-F3
expect '4. file panel' "a fourth view"
keys DC
expect_gone '4. file panel' "Del deletes it"
expect '3. file panel' "the other views stay"
keys Escape
expect_gone 'Panel views' "Esc closes the list"

# Quit.
quit "the first session"
cmp -s "$work/modes-before" "$work/modes-after" || fail "the terminal's modes were not restored after F10"
[ ! -s "$work/stderr" ] || fail "the host reported: $(cat "$work/stderr")"
[ "$(mouse_mode)" = 0 ] || fail "mouse reports still on after F10"

# The welcome box, in German: any key closes it; the host's texts follow.
restart_host --welcome --lang de
expect 'Willkommen' "the welcome box"
expect 'Taste' "its key bar"
keys Down
expect_gone 'Willkommen' "any key closes the welcome box"
expect 'F1 Hilfe' "the German key bar"
expect_gone '|docs' "the key that closed the box did nothing else"
quit "German"

# Clicks, and the smallest size: a fresh host on the sample tree.
restart_host
expect 'F11 Plugins' "the host starts for the clicks"
# A left-button press as a terminal in SGR mouse mode reports it, at a cell
# counted from 0 (the terminal counts from 1).
click() { keys -H $(printf '\033[<0;%d;%dM' $(($1 + 1)) $(($2 + 1)) | od -An -tx1); }
# The column and row (from 0) of the first cell that shows the text.
cell_of() { screen | awk -v t="$1" '{ i = index($0, t); if (i) { print i - 1, NR - 1; exit } }'; }
click 3 2
expect '|docs' "a click moves the panel cursor to the item"
click 3 2
click 3 2
expect 'C:\left\docs' "a double click opens the folder"
keys C-PgUp
expect_gone 'C:\left\docs' "back up"
open_list "for the clicks"
keys C-S-F3
expect '3. file panel' "a third view"
read -r x y <<<"$(cell_of '2. file panel')"
click "$x" "$y"
expect ' C:\left -' "a click on a list line moves the list's cursor there; the preview follows"
keys Escape
expect_gone 'Panel views' "Esc closes the list"

# 68x15: the host's help scrolls above the status row, with its own keys.
resize 68 15
expect_gone 'too small' "68x15 is large enough"
keys F1
expect 'tolvik host keys' "the host's help at 68x15"
expect 'Up/Down Scroll' "the help's keys in the key bar"
expect "/$(grep -c '^help = ' lang/host_en.txt) " "where the help is"
screen | tail -n 2 | head -n 1 | grep -qF 'sort:' || fail "the help covers the status row at 68x15"
keys End
expect "$(grep '^help = ' lang/host_en.txt | tail -n 1 | sed 's/^help = //')" "End shows the help's last line"
keys Escape
expect 'F11 Plugins' "Esc closes the help"
quit "the clicks"

# A crash signal: the terminal gets its modes back all the same.
restart_host
expect 'F11 Plugins' "the host starts again"
shell=$(tmux -L "$socket" display -p -t tolvik '#{pane_pid}')
pid=$(pgrep -P "$shell" | head -n 1)
if [ -n "$pid" ]; then
  kill -SEGV "$pid"
  status=$(exit_status)
  [ -n "$status" ] && [ "$status" != "0" ] || fail "expected a failure status after SIGSEGV, got '${status:-none}'"
  cmp -s "$work/modes-before" "$work/modes-after" || fail "the terminal's modes were not restored after SIGSEGV"
  [ "$(mouse_mode)" = 0 ] || fail "mouse reports still on after SIGSEGV"
else
  fail "cannot find the host's process in the pane"
fi

if [ "$failures" -ne 0 ]; then
  echo "test-tmux: $failures failed"
  exit 1
fi
echo "test-tmux: ok"
