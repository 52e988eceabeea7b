#!/usr/bin/env bash
# The built package holds the program, sample files, manual page and bash
# completion, depends on its libraries, and unpacked (not installed) names its
# sample folder.
set -u

: "${HOARDEX_BUILD:?HOARDEX_BUILD must name the build folder}"
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

deb=$(ls -t "$HOARDEX_BUILD"/hoardex_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || e2e_fail "no hoardex_*.deb in $HOARDEX_BUILD"
listed=$(dpkg-deb -c "$deb" | awk '{print $6}') || e2e_fail "dpkg-deb -c failed"
for f in bin/hoardex share/hoardex/monster.hxi share/hoardex/area.hxi \
         share/hoardex/setup.hxi share/man/man6/hoardex.6 \
         share/bash-completion/completions/hoardex; do
  grep -qxF "./usr/$f" <<<"$listed" || e2e_fail "./usr/$f is not in the package:"$'\n'"$listed"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libncurses; do
  grep -q "$lib" <<<"$depends" || e2e_fail "Depends lacks $lib: '$depends'"
done

STAGE=$(mktemp -d)
dpkg-deb -x "$deb" "$STAGE" || e2e_fail "dpkg-deb -x failed"

WORK=$(mktemp -d)
(cd "$WORK" && "$STAGE/usr/bin/hoardex" >/dev/null 2>err </dev/null)
[ "$(tail -n 1 "$WORK/err")" = "The sample files are in $STAGE/usr/share/hoardex; 'hoardex init' copies them here." ] ||
  e2e_fail "the hint does not name the installed folder: $(cat "$WORK/err")"
echo "package lists, unpacks and runs"
