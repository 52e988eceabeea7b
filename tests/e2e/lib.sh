# Shared helpers of the end-to-end tests: the real program in a private tmux
# server (80x26 unless told), the screen polled instead of slept on.
# e2e_setup makes $WORK with the sample files; e2e_wait TEXT waits for TEXT
# on the screen (e2e_wait_gone for it to leave), e2e_wait_exit for the end
# and its $E2E_STATUS; e2e_fail MSG shows the screen and fails.
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
