#!/bin/bash
# Closes the real game and presses Escape in "Save score for next session ?": the
# window stays open and "Plonk.ini" is left byte for byte as it was. The next close
# asks again, and Yes saves the credits and ends the game.
# Usage: quit_escape.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"

ini="$work/config/plonk/Plonk.ini"
mkdir -p "$(dirname "$ini")"
printf '[Score]\r\nMain=221\r\nStake=300\r\nSaldo=-79\r\n; the player'"'"'s note\r\n' >"$ini"
cp "$ini" "$work/before.ini"

# Inside the virtual display: $1 plonk, $2 the settings file, $3 its copy, $4 the
# screenshot folder, $5 the report. Every wait is on a window or the process.
cat >"$work/session.sh" <<'SESSION'
plonk=$1 ini=$2 before=$3 shots=$4 report=$5
say() { echo "$*" >>"$report"; }
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
"$plonk" 2>"$(dirname "$report")/plonk.err" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name "Plonk for Windows" 2>/dev/null | head -n1)
[ -n "$wid" ] || { say "error no window"; kill "$pid"; exit 0; }
# "&Close" by its mnemonic until the question shows (the first key may come early).
ask() {
    for _ in $(seq 1 10); do
        xdotool windowfocus --sync "$wid" key alt+c
        box=$(timeout 3 xdotool search --sync --onlyvisible --name "Save scores" 2>/dev/null | head -n1)
        [ -n "$box" ] && return 0
    done
    return 1
}
ask || { say "error no question"; kill "$pid"; exit 0; }
import -window root "$shots/quit_question.png"
xdotool windowfocus --sync "$box" key Escape
for _ in $(seq 1 100); do [ -z "$(shown "Save scores")" ] && break; sleep 0.1; done
[ -z "$(shown "Save scores")" ] || { say "error the question stayed"; kill "$pid"; exit 0; }
kill -0 "$pid" 2>/dev/null && [ -n "$(shown "Plonk for Windows")" ] && say "open after escape"
cmp -s "$ini" "$before" && say "file unchanged"
ask || { say "error not asked again"; kill "$pid"; exit 0; }
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { say "error still running"; kill "$pid"; exit 0; }
wait "$pid"
say "exit $?"
SESSION

report="$work/report"
HOME="$work" XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "$xvfb_args 800x600x24" \
    bash "$work/session.sh" "$plonk" "$ini" "$work/before.ini" "$shots" "$report" || fail "xvfb-run failed"
cat "$report"
grep -q '^error' "$report" && fail "$(grep '^error' "$report") $(cat "$work/plonk.err" 2>/dev/null)"
for line in "open after escape" "file unchanged" "exit 0"; do
    grep -qx "$line" "$report" || fail "expected \"$line\""
done
grep -q '^Main= 221' "$ini" || fail "Yes did not save the credits: $(cat "$ini")"
echo "ok: Escape kept the game open and the settings file as it was"
