#!/usr/bin/env bash
# The install rules put the program, the three sample files and the manual
# page under DESTDIR and the prefix, and nothing outside DESTDIR; the
# installed program then starts in a fresh folder holding copies of the
# installed sample files, and leaves with the farewell and status 0; without
# them it names the installed folder.
set -u

: "${HOARDEX_BUILD:?HOARDEX_BUILD must name the build folder}"
: "${HOARDEX_SOURCE:?HOARDEX_SOURCE must name the source folder}"
: "${HOARDEX_BIN:=unused}"   # lib.sh wants both; they are set below
: "${HOARDEX_DATA:=unused}"
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

STAGE=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$STAGE"' EXIT

log=$(DESTDIR="$STAGE" cmake --install "$HOARDEX_BUILD" --prefix /usr/local 2>&1)
status=$?
[ $status -eq 0 ] || e2e_fail "cmake --install ended with status $status:"$'\n'"$log"

# Every file cmake reports must lie under DESTDIR.
outside=$(printf '%s\n' "$log" | grep -E '^-- (Installing|Up-to-date): ' |
          grep -vF -- "-- Installing: $STAGE/" | grep -vF -- "-- Up-to-date: $STAGE/")
[ -z "$outside" ] || e2e_fail "installed outside DESTDIR:"$'\n'"$outside"

root="$STAGE/usr/local"
[ -f "$root/bin/hoardex" ] && [ -x "$root/bin/hoardex" ] ||
  e2e_fail "the program is not installed as $root/bin/hoardex"
for f in monster.hxi area.hxi setup.hxi; do
  [ -f "$root/share/hoardex/$f" ] ||
    e2e_fail "the sample file $f is not installed in $root/share/hoardex"
  cmp -s "$root/share/hoardex/$f" "$HOARDEX_SOURCE/data/$f" ||
    e2e_fail "the installed $f differs from data/$f"
done
[ -f "$root/share/man/man6/hoardex.6" ] ||
  e2e_fail "the manual page is not installed in $root/share/man/man6"
cmp -s "$root/share/man/man6/hoardex.6" "$HOARDEX_SOURCE/doc/hoardex.6" ||
  e2e_fail "the installed manual page differs from doc/hoardex.6"

# A new user's first run: copy the installed samples into an empty folder
# and start the installed program there.
HOARDEX_BIN="$root/bin/hoardex"
HOARDEX_DATA="$root/share/hoardex"
e2e_setup
setup_stamp=$(stat -c '%i %y' "$WORK/setup.hxi")
e2e_start 80 26
e2e_wait "MAIN MENU"
e2e_wait "Enter your choice :"
e2e_keys q
e2e_wait "Do you want to save the current settings? (y/n) :"
e2e_keys n
e2e_wait "Do you want to exit the program? (y/n) :"
e2e_keys y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "the installed program ended with status $E2E_STATUS"
grep -qxF "Thank you for using an Ombrel product." "$WORK/.stdout" ||
  e2e_fail "no farewell on the standard output; it held: $(cat "$WORK/.stdout")"
# "n" to the save question leaves the copied settings file untouched.
cmp -s "$WORK/setup.hxi" "$HOARDEX_DATA/setup.hxi" &&
  [ "$(stat -c '%i %y' "$WORK/setup.hxi")" = "$setup_stamp" ] ||
  e2e_fail "setup.hxi was written although saving was declined"
# Started in a folder without the files, the installed program names the
# folder it was installed with.
rm "$WORK"/*.hxi
(cd "$WORK" && "$HOARDEX_BIN" >/dev/null 2>err </dev/null)
[ "$(tail -n 1 "$WORK/err")" = "The sample files are in $root/share/hoardex; 'hoardex init' copies them here." ] ||
  e2e_fail "the hint does not name the installed folder: $(cat "$WORK/err")"
echo "install and first start work"
