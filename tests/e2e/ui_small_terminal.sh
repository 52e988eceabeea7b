#!/usr/bin/env bash
# A terminal below 80x26 shows the request for a larger window; once it is
# large enough the screen comes back, at start-up and mid-run.
. "$(dirname "$0")/lib.sh"

e2e_setup
e2e_start 70 20
e2e_wait "Please enlarge the window to at least 80x26."
# Keys typed while the window is too small are not acted on.
e2e_keys q
sleep 0.3
e2e_screen | grep -qF "Do you want" && e2e_fail "a key acted while too small"
e2e_tmux resize-window -t t -x 80 -y 26
e2e_wait "Enter your choice :"
e2e_wait "CURRENT SETTINGS"

# Mid-run, inside a dialogue.
e2e_keys 1
e2e_wait "SELECT MONSTER"
e2e_tmux resize-window -t t -x 80 -y 24
e2e_wait "Please enlarge the window to at least 80x26."
e2e_tmux resize-window -t t -x 80 -y 26
e2e_wait "SELECT MONSTER"
e2e_wait "Ashen Crawler"
e2e_type "2"
e2e_keys Enter
e2e_wait "Monster         : Mirewight, Bog Lurker"
e2e_keys q n y
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
echo PASS
