#!/usr/bin/env bash
# Without monster.hxi the program ends with status 1 and exactly its message;
# without setup.hxi it starts with the defaults and saving writes them.
. "$(dirname "$0")/lib.sh"

same() { [ "$(od -c <"$1")" = "$(printf '%s' "$2" | od -c)" ] || e2e_fail "$1 holds: $(cat "$1")"; }
e2e_setup
mv "$WORK/monster.hxi" "$WORK/m"
(cd "$WORK" && "$HOARDEX_BIN" >out 2>err </dev/null)
[ $? = 1 ] || e2e_fail "exit status is not 1 without monster.hxi"
same "$WORK/err" $'Cannot open monster information file!\nMake sure \'monster.hxi\' is in current directory.'
same "$WORK/out" ""
mv "$WORK/m" "$WORK/monster.hxi"
rm "$WORK/setup.hxi"
e2e_start
e2e_wait "Output file     : default.hxo"
e2e_keys q
e2e_wait "Do you want to save the current settings? (y/n) :"
e2e_keys y Y
e2e_wait_exit
same "$WORK/setup.hxi" $'default\n0 0 1 1 0\n0 0 0 0\n1 1 1\n'
echo PASS
