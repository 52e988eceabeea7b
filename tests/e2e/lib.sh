# End-to-end helpers: the program in a private tmux server (80x26 unless
# told), the screen polled instead of slept on.
set -u

: "${HOARDEX_BIN:?HOARDEX_BIN must name the program}"
: "${HOARDEX_DATA:?HOARDEX_DATA must name the sample folder}"

E2E_SOCK="hx$$-$RANDOM"
WORK="" STAGE="" E2E_COUNTERS=""

e2e_tmux() { tmux -L "$E2E_SOCK" -f /dev/null "$@"; }

e2e_cleanup() {
  e2e_tmux kill-server >/dev/null 2>&1 || true
  rm -rf "$WORK" "$STAGE"
}
trap e2e_cleanup EXIT

# A run past a file-size limit cannot write a coverage build's counters
# whole, and a torn counter file stops every later run from adding to it:
# such a run is given GCOV_PREFIX=$E2E_COUNTERS, so it writes them in its
# own folder (a build without counters ignores the variable).
e2e_setup() {
  WORK=$(mktemp -d)
  E2E_COUNTERS="$WORK/.counters"
  cp "$HOARDEX_DATA"/monster.hxi "$HOARDEX_DATA"/area.hxi "$HOARDEX_DATA"/setup.hxi "$WORK"/
}

e2e_start() { # [WIDTH HEIGHT [ARGUMENTS]]
  rm -f "$WORK/.status"
  e2e_tmux new-session -d -s t -x "${1:-80}" -y "${2:-26}" \
    "cd '$WORK' && TERM=screen '$HOARDEX_BIN' ${3:-} 2>'$WORK/.stderr'; echo \$? >'$WORK/.status'; sleep 600"
}
# The files of the folder, to see that none changed.
e2e_listing() { ls -l --time-style=full-iso ./*.hx?; md5sum ./*.hx?; }

e2e_keys() { e2e_tmux send-keys -t t "$@"; }
e2e_type() { e2e_tmux send-keys -t t -l "$1"; }
e2e_screen() { e2e_tmux capture-pane -p -t t; }

e2e_fail() {
  echo "FAIL: $*" >&2
  echo "---- screen ----" >&2
  e2e_screen >&2 || true
  echo "----------------" >&2
  exit 1
}

# e2e_poll SECS WHAT CONDITION...: retries CONDITION until it holds, or fails.
e2e_poll() {
  local secs=$1 what=$2 end=$((SECONDS + $1))
  shift 2
  until "$@"; do
    [ $SECONDS -le $end ] || e2e_fail "$what within $secs s"
    sleep 0.1
  done
}
e2e_shows() { e2e_screen 2>/dev/null | grep -qF -- "$1"; }
e2e_wait() { e2e_poll "${2:-15}" "'$1' did not appear" e2e_shows "$1"; }
e2e_hides() { ! e2e_shows "$1"; }
e2e_wait_gone() { e2e_poll 15 "'$1' did not leave" e2e_hides "$1"; }
e2e_wait_exit() {
  e2e_poll "${1:-15}" "the program did not end" test -s "$WORK/.status"
  E2E_STATUS=$(cat "$WORK/.status")
}
# Leaves from the main menu without saving; the program ends with status 0.
e2e_quit() { e2e_keys q n y && e2e_wait_exit && [ "$E2E_STATUS" = 0 ] || e2e_fail "status $E2E_STATUS"; }
# Row N of the screen (from 0): waits for it to be, or to hold, a text.
e2e_row() { e2e_screen | sed -n "$(($1 + 1))p"; }
e2e_row_is() { [ "$(e2e_row "$1")" = "$2" ]; }
e2e_row_has() { e2e_row "$1" | grep -qF -- "$2"; }
e2e_wait_row() { e2e_poll 10 "row $1 is not '$2'" e2e_row_is "$1" "$2"; }
e2e_wait_in_row() { e2e_poll 10 "row $1 has no '$2'" e2e_row_has "$1" "$2"; }
# A plain shell in the work folder (WIDTH HEIGHT [SETTINGS]), for tests
# that start the program themselves.
e2e_shell() { e2e_tmux -u new-session -d -s t -x "$1" -y "$2" "cd '$WORK' && ${3:-} TERM=screen bash --norc --noprofile -i"; }
