#!/bin/bash
# Fails when a lower layer reaches into a higher one: src/tables including a
# header of src/engine, src/ui or src/app; src/engine including one of src/ui
# or src/app; src/tables or src/engine mentioning curses or the screen; or a
# file other than the curses screen including curses.h.
src=${1:?usage: check_layers.sh SOURCE_DIR}/src
fail=0
headers() { (cd "$src/$1" && ls *.h 2>/dev/null); }
check_includes() {  # layer, then the layers it may not include
  local layer=$1 h
  shift
  for higher in "$@"; do
    for h in $(headers "$higher"); do
      if grep -n "#include \"$h\"" "$src/$layer"/* ; then
        echo "src/$layer includes $h of src/$higher"
        fail=1
      fi
    done
  done
}
check_includes tables engine ui app
check_includes engine ui app
# The screen is the ui's Screen class, its header and its accessors.
if grep -niE 'curses' "$src/tables"/* "$src/engine"/* ||
  grep -nE '\bScreen\b|\bscr\(\)|screen(_curses)?\.h|set_screen|wherex|wherey' \
    "$src/tables"/* "$src/engine"/*; then
  echo "src/tables or src/engine mention curses or the screen"
  fail=1
fi
for f in $(grep -rlE '#include *[<"](n?curses)\.h' "$src"); do
  if [ "$f" != "$src/ui/screen_curses.cpp" ]; then
    echo "$f includes curses.h"
    fail=1
  fi
done
exit $fail
