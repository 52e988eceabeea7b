#!/usr/bin/env bash
# The built package holds the game, sample files, manual page, bash completion
# and Debian's documents (the copyright file giving the code's licence),
# depends on its libraries, passes lintian without an error or a warning, and
# unpacked (not installed) names its sample folder.
set -u

: "${HOARDEX_BUILD:?HOARDEX_BUILD must name the build folder}"
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

deb=$(ls -t "$HOARDEX_BUILD"/hoardex_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || e2e_fail "no hoardex_*.deb in $HOARDEX_BUILD"
listed=$(dpkg-deb -c "$deb" | awk '{print $6}') || e2e_fail "dpkg-deb -c failed"
for f in games/hoardex share/hoardex/monster.hxi share/hoardex/area.hxi \
         share/hoardex/setup.hxi share/man/man6/hoardex.6.gz \
         share/doc/hoardex/copyright share/doc/hoardex/changelog.gz \
         share/bash-completion/completions/hoardex; do
  grep -qxF "./usr/$f" <<<"$listed" || e2e_fail "./usr/$f is not in the package:"$'\n'"$listed"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libncurses; do
  grep -q "$lib" <<<"$depends" || e2e_fail "Depends lacks $lib: '$depends'"
done

if command -v lintian >/dev/null; then
  # An error or a warning fails; information and pedantic notes are shown.
  found=$(lintian --display-info --pedantic "$deb" 2>&1)
  status=$?
  ! grep -E '^[EW]: ' <<<"$found" || e2e_fail "lintian:"$'\n'"$found"
  [ $status = 0 ] || e2e_fail "lintian failed:"$'\n'"$found"
  grep -E '^[IP]: ' <<<"$found"
fi

STAGE=$(mktemp -d)
dpkg-deb -x "$deb" "$STAGE" || e2e_fail "dpkg-deb -x failed"
gzip -dc "$STAGE/usr/share/man/man6/hoardex.6.gz" | grep -qx '\.I /usr/share/hoardex/' ||
  e2e_fail "the manual page does not name /usr/share/hoardex/"
grep -qx 'License: MIT' "$STAGE/usr/share/doc/hoardex/copyright" ||
  e2e_fail "the copyright file does not give the code's licence"

WORK=$(mktemp -d)
(cd "$WORK" && "$STAGE/usr/games/hoardex" >/dev/null 2>err </dev/null)
[ "$(tail -n 1 "$WORK/err")" = "The sample files are in $STAGE/usr/share/hoardex; 'hoardex init' copies them here." ] ||
  e2e_fail "the hint does not name the installed folder: $(cat "$WORK/err")"
echo "package lists, unpacks and runs"
