# Shared helpers of the end-to-end tests: run the real program in a private
# tmux server at 80x26 and poll the screen instead of sleeping.
#
#   e2e_setup              make a work folder ($WORK) with the sample files
#   e2e_start [W H]        start $HOARDEX_BIN in $WORK (80x26 by default)
#   e2e_keys KEY...        tmux send-keys (names like Enter, Escape, C-c)
#   e2e_type TEXT          send TEXT literally
#   e2e_wait TEXT [SECS]   wait until TEXT is on the screen, or fail
#   e2e_wait_gone TEXT     wait until TEXT has left the screen, or fail
#   e2e_screen             print the screen
#   e2e_wait_exit [SECS]   wait for the program to end; sets $E2E_STATUS
#   e2e_fail MSG           report a failure with the screen and exit 1
set -u

: "${HOARDEX_BIN:?HOARDEX_BIN must name the program}"
: "${HOARDEX_DATA:?HOARDEX_DATA must name the sample folder}"

E2E_SOCK="hx$$-$RANDOM"
WORK=""

e2e_tmux() { tmux -L "$E2E_SOCK" -f /dev/null "$@"; }

e2e_cleanup() {
  e2e_tmux kill-server >/dev/null 2>&1 || true
  [ -n "$WORK" ] && rm -rf "$WORK"
}
trap e2e_cleanup EXIT

e2e_setup() {
  WORK=$(mktemp -d)
  cp "$HOARDEX_DATA"/monster.hxi "$HOARDEX_DATA"/area.hxi "$HOARDEX_DATA"/setup.hxi "$WORK"/
}

e2e_start() {
  local w=${1:-80} h=${2:-26}
  rm -f "$WORK/.status"
  e2e_tmux new-session -d -s t -x "$w" -y "$h" \
    "cd '$WORK' && TERM=screen '$HOARDEX_BIN' 2>'$WORK/.stderr' >'$WORK/.stdout'; echo \$? >'$WORK/.status'; sleep 600"
}

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

e2e_wait() {
  local text=$1 secs=${2:-15} end=$((SECONDS + ${2:-15}))
  while [ $SECONDS -le $end ]; do
    e2e_screen 2>/dev/null | grep -qF -- "$text" && return 0
    sleep 0.1
  done
  e2e_fail "'$text' did not appear within $secs s"
}

e2e_wait_gone() {
  local text=$1 secs=${2:-15} end=$((SECONDS + ${2:-15}))
  while [ $SECONDS -le $end ]; do
    e2e_screen 2>/dev/null | grep -qF -- "$text" || return 0
    sleep 0.1
  done
  e2e_fail "'$text' did not leave the screen within $secs s"
}

e2e_wait_exit() {
  local secs=${1:-15} end=$((SECONDS + ${1:-15}))
  while [ $SECONDS -le $end ]; do
    if [ -s "$WORK/.status" ]; then
      E2E_STATUS=$(cat "$WORK/.status")
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "the program did not end within $secs s"
}
