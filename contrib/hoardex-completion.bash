# Bash completion for hoardex: the commands, their options, the answers of
# --yes and the monster and lair names of the current folder's files (as
# `hoardex list` gives them, blanks written as "_").

_hoardex_names() { # monsters|lairs
  "${COMP_WORDS[0]}" list 2>/dev/null | awk -v want="$1" '
    /^Monsters:$/ { part = "monsters"; next }
    /^Lairs:$/ { part = "lairs"; next }
    part == want { sub(/^ *[0-9]+: /, ""); gsub(/ /, "_"); print }'
}

_hoardex() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local command="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
    roll | run | check | stats | list | init) command=$word && break ;;
    esac
  done
  local settings="--monster --lair --cdf --group-cdf --jeweler-el --station
    --mel --cel --yes --game-date --position --comment"
  COMPREPLY=()
  case $prev in
  --monster | --lair)
    local kind=monsters name lower_cur=${cur,,}
    [ "$prev" = --lair ] && kind=lairs
    while IFS= read -r name; do
      [[ ${name,,} == "$lower_cur"* ]] && COMPREPLY+=("$name")
    done < <(_hoardex_names "$kind")
    return ;;
  --yes)
    local done_part="" last=$cur
    [[ $cur == *,* ]] && done_part=${cur%,*}, && last=${cur##*,}
    local answer
    for answer in others king elite humanoid male exceptional dressed \
      intelligent magic-user; do
      [[ $answer == "$last"* ]] && COMPREPLY+=("$done_part$answer")
    done
    return ;;
  --format)
    local formats="text json"
    [ "$command" = stats ] && formats="text csv json"
    mapfile -t COMPREPLY < <(compgen -W "$formats" -- "$cur")
    return ;;
  --script-out)
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    return ;;
  --seed | --count | -n | --cdf | --group-cdf | --jeweler-el | --station | \
    --mel | --cel | --game-date | --position | --comment)
    return ;;
  esac
  local words
  case $command in
  "") words="roll run check stats list init --seed --help --version" ;;
  roll) words="$settings --count --seed --format --append --script-out
    --verbose --help" ;;
  run)
    words="--seed --format --strict --help"
    if [[ $cur != -* ]]; then
      mapfile -t COMPREPLY < <(compgen -f -X '!*.hxs' -- "$cur"; compgen -d -- "$cur")
      return
    fi ;;
  check) words="--explain --help" ;;
  stats) words="$settings -n --seed --format --help" ;;
  list) words="--format --help" ;;
  init) words="--help" ;;
  esac
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}
complete -F _hoardex hoardex
