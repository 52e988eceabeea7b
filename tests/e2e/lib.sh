# End-to-end helpers: the program in a private tmux server (80x26 unless
# told), the screen polled instead of slept on. A script that reaches its
# end passes.
set -u

: "${HOARDEX_BIN:?HOARDEX_BIN must name the program}"
: "${HOARDEX_DATA:?HOARDEX_DATA must name the sample folder}"

E2E_SOCK="hx$$-$RANDOM"
WORK="" STAGE="" E2E_COUNTERS=""

e2e_tmux() { tmux -L "$E2E_SOCK" -f /dev/null "$@"; }
# python3 is the interpreter CMake chose, where it chose one.
[ -z "${HOARDEX_PYTHON:-}" ] || python3() { "$HOARDEX_PYTHON" "$@"; }
hx() { "$HOARDEX_BIN" "$@"; }

e2e_cleanup() {
  local status=$?
  e2e_tmux kill-server >/dev/null 2>&1 || true
  rm -rf "$WORK" "$STAGE"
  [ "$status" != 0 ] || echo PASS
}
trap e2e_cleanup EXIT

# A work folder with the sample files, made the current one. A run past a
# file-size limit cannot write a coverage build's counters whole, and a torn
# counter file stops every later run from adding to it: such a run is given
# GCOV_PREFIX=$E2E_COUNTERS, so it writes them in its own folder (a build
# without counters ignores the variable).
e2e_setup() {
  WORK=$(mktemp -d)
  E2E_COUNTERS="$WORK/.counters"
  cp "$HOARDEX_DATA"/monster.hxi "$HOARDEX_DATA"/area.hxi "$HOARDEX_DATA"/setup.hxi "$WORK"/
  cd "$WORK" || exit 1
}

# The program in the work folder (WIDTH HEIGHT [ARGUMENTS]), then its menu.
e2e_start() {
  rm -f "$WORK/.status"
  e2e_tmux new-session -d -s t -x "${1:-80}" -y "${2:-26}" \
    "cd '$WORK' && TERM=screen '$HOARDEX_BIN' ${3:-} 2>'$WORK/.stderr'; echo \$? >'$WORK/.status'; sleep 600"
  e2e_wait "Enter your choice :"
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
e2e_wait_exit() {
  e2e_poll "${1:-15}" "the program did not end" test -s "$WORK/.status"
  E2E_STATUS=$(cat "$WORK/.status")
}
# Leaves from the main menu without saving; the program ends with status 0.
e2e_quit() { e2e_keys q n y && e2e_wait_exit && [ "$E2E_STATUS" = 0 ] || e2e_fail "status $E2E_STATUS"; }
# Row N of the screen (from 0): whether it is, or holds, a text.
e2e_row() { e2e_screen | sed -n "$(($1 + 1))p"; }
e2e_row_is() { [ "$(e2e_row "$1")" = "$2" ]; }
e2e_row_has() { e2e_row "$1" | grep -qF -- "$2"; }

# e2e_steps: a step a line of standard input, "KEYS -> TEXT": sends KEYS
# (shell words: tmux key names, and "=TEXT" typed as it is), then waits for
# TEXT: on the screen, "!TEXT" until it has gone, "@N=TEXT" until row N is
# TEXT, "@N~TEXT" until row N holds it. Either side may be empty.
e2e_steps() {
  local line want word keys
  while IFS= read -r line; do
    want="" keys=()
    [[ $line == *"->"* ]] && want=${line#*-> } line=${line%%->*}
    eval "set -- $line"
    for word; do
      if [[ $word == =* ]]; then
        ((${#keys[@]})) && e2e_keys "${keys[@]}"
        keys=() && e2e_type "${word#=}"
      else
        keys+=("$word")
      fi
    done
    ((${#keys[@]})) && e2e_keys "${keys[@]}"
    case $want in
    "") ;;
    !*) e2e_poll 15 "'${want#!}' did not leave" e2e_hides "${want#!}" ;;
    @*=*) word=${want%%=*} && e2e_poll 10 "row ${word#@} is not '${want#*=}'" e2e_row_is "${word#@}" "${want#*=}" ;;
    @*~*) word=${want%%~*} && e2e_poll 10 "row ${word#@} has no '${want#*~}'" e2e_row_has "${word#@}" "${want#*~}" ;;
    *) e2e_wait "$want" ;;
    esac
  done
}

# e2e_cli: a case a line of standard input, "STATUS | COMMAND | TEXT": the
# COMMAND (shell code, hx the program) run in the current folder without
# input ends with STATUS, and a failure writes nothing on standard output;
# "=TEXT" is all it wrote (standard output, then error; "\n" a line end),
# another TEXT a part of its standard error.
e2e_cli() {
  local line command want got
  while IFS= read -r line; do
    want=${line##* | } command=${line#* | } && command=${command% | *}
    eval "$command" </dev/null >out 2>err
    got=$?
    [ "$got" = "${line%% | *}" ] || e2e_fail "'$command' ended with $got: $(cat out err)"
    [ "$got" = 0 ] || [ ! -s out ] || e2e_fail "'$command' failed with an output: $(cat out)"
    if [[ $want == =* ]]; then
      [ "$(cat out err)" = "$(printf '%b' "${want#=}")" ] || e2e_fail "'$command' wrote: $(cat out err)"
    else
      grep -qF -- "$want" err || e2e_fail "'$command' said: $(cat err)"
    fi
  done
}
# A plain shell in the work folder (WIDTH HEIGHT [SETTINGS]), for tests
# that start the program themselves.
e2e_shell() { e2e_tmux -u new-session -d -s t -x "$1" -y "$2" "cd '$WORK' && ${3:-} TERM=screen bash --norc --noprofile -i"; }
