# Bash completion for hoardex: the commands, their options, the answers of
# --yes and the monster and lair names of the current folder's files (as
# `hoardex list` gives them, blanks written as "_"). Every offer is quoted
# for the shell, so a name holding ; ' * $ or a blank is inserted as one word
# and never run or expanded; files go through bash's own file completion.

_hoardex_names() { # monsters|lairs
  "${COMP_WORDS[0]}" list 2>/dev/null | awk -v want="$1" '
    /^Monsters:$/ { part = "monsters"; next }
    /^Lairs:$/ { part = "lairs"; next }
    part == want { sub(/^ *[0-9]+: /, ""); gsub(/ /, "_"); print }'
}

# The word typed so far as the shell will read it, without expanding or
# running anything: hx_word the text, hx_quote the quote still open (or
# empty) and hx_before the length of the text before that quote, where the
# shell's completion replaces the word from.
_hoardex_dequote() { # WORD
  local in=$1 c i
  hx_word="" hx_quote="" hx_before=0
  for ((i = 0; i < ${#in}; i++)); do
    c=${in:i:1}
    if [ "$hx_quote" = "'" ]; then
      [ "$c" = "'" ] && hx_quote="" || hx_word+=$c
    elif [ "$c" = '\' ]; then
      c=${in:i+1:1}
      [ -z "$hx_quote" ] || [[ $c == [\$\`\"\\] ]] || hx_word+='\'
      hx_word+=$c && ((i++))
    elif [ -z "$hx_quote" ] && [[ $c == [\'\"] ]]; then
      hx_quote=$c hx_before=${#hx_word}
    elif [ "$hx_quote" = '"' ] && [ "$c" = '"' ]; then
      hx_quote=""
    else
      hx_word+=$c
    fi
  done
  [ -n "$hx_quote" ] || hx_before=0
}

# A name quoted for the shell in place of the word typed so far: escaped
# with backslashes, or, inside a quote still open, its rest for that quote.
_hoardex_quoted() { # NAME
  local rest=${1:hx_before}
  case $hx_quote in
  \') printf '%s' "${rest//\'/\'\\\'\'}" ;;
  \") rest=${rest//\\/\\\\} && rest=${rest//\$/\\\$} &&
    rest=${rest//\`/\\\`} && printf '%s' "${rest//\"/\\\"}" ;;
  *) # a backslash before each character the shell reads as more than
    # itself (%q's form only for control characters, which need $'...')
    [[ $rest == *[[:cntrl:]]* ]] && printf '%q' "$rest" && return
    local i c
    for ((i = 0; i < ${#rest}; i++)); do
      c=${rest:i:1}
      [[ $c == [[:alnum:]_,.:/+=@%^-] || $c != [[:ascii:]] ]] || c=\\$c
      printf '%s' "$c"
    done ;;
  esac
}

_hoardex() {
  local prev=${COMP_WORDS[COMP_CWORD - 1]} hx_word hx_quote hx_before
  _hoardex_dequote "${COMP_WORDS[COMP_CWORD]}"
  local cur=$hx_word
  local command="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
    roll | run | check | stats | manual | save | list | init | export)
      command=$word && break ;;
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
      [[ ${name,,} == "$lower_cur"* ]] &&
        COMPREPLY+=("$(_hoardex_quoted "$name")")
    done < <(_hoardex_names "$kind")
    return ;;
  --yes)
    local done_part="" last=$cur
    [[ $cur == *,* ]] && done_part=${cur%,*}, && last=${cur##*,}
    [[ $done_part == *[!a-z,-]* ]] && return  # only answers are offered raw
    local answer
    for answer in others king elite humanoid male exceptional dressed \
      intelligent magic-user; do
      [[ $answer == "$last"* ]] && COMPREPLY+=("$done_part$answer")
    done
    return ;;
  --format)
    local formats="text json" exports="markdown csv foundry foundry-table roll20"
    [ "$command" = stats ] && formats="text csv json"
    [ "$command" = roll ] || [ "$command" = run ] && formats="$formats $exports"
    [ "$command" = export ] && formats=$exports
    mapfile -t COMPREPLY < <(compgen -W "$formats" -- "$cur")
    return ;;
  --script-out)
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    return ;;
  --seed | --count | -n | --output | --report | --cdf | --group-cdf | --jeweler-el | --station | \
    --mel | --cel | --game-date | --position | --comment)
    return ;;
  esac
  local words
  case $command in
  "") words="roll run check stats manual save list init export --seed --help
    --version" ;;
  roll) words="$settings --count --seed --format --append --script-out
    --verbose --help" ;;
  run)
    words="--seed --format --strict --help"
    if [[ $cur != -* ]]; then
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -X '!*.hxs' -- "$cur"; compgen -d -- "$cur")
      return
    fi ;;
  export)
    words="--format --report --help"
    if [[ $cur != -* ]]; then
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -X '!*.hxo' -- "$cur"; compgen -d -- "$cur")
      return
    fi ;;
  check) words="--explain --help" ;;
  stats) words="$settings -n --seed --format --help" ;;
  manual) words="$settings --seed --help" ;;
  save) words="$settings --output --help" ;;
  list) words="--format --help" ;;
  init) words="--help" ;;
  esac
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}
complete -F _hoardex hoardex
