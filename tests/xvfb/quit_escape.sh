#!/bin/bash
# Closes the real game and presses Escape in the question "Save score for next
# session ?": the question is dismissed without an answer, so the window stays open
# and "Plonk.ini" is left byte for byte as it was. The next close asks again, and
# Yes then saves the credits and ends the game.
# Usage: quit_escape.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"

mkdir -p "$work/config/plonk"
ini="$work/config/plonk/Plonk.ini"
printf '[Score]\r\nMain=221\r\nStake=300\r\nSaldo=-79\r\n; the player'"'"'s own note\r\n' >"$ini"
cp "$ini" "$work/before.ini"

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 the settings file, $3 its copy from
# before, $4 screenshot folder, $5 report file. Every wait is on a window or a
# process, polled a tenth of a second at a time and given up after a bound.
plonk=$1 ini=$2 before=$3 shots=$4 report=$5
say() { echo "$*" >>"$report"; }
"$plonk" 2>"$(dirname "$report")/plonk.err" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name "Plonk for Windows" 2>/dev/null | head -n1)
if [ -z "$wid" ]; then say "error no window"; kill "$pid"; exit 0; fi

# "&Close" by its mnemonic until the question shows (the first key may come before
# the window takes keys).
ask() {
    local box=""
    for _ in $(seq 1 10); do
        xdotool windowfocus --sync "$wid" key alt+c
        box=$(timeout 3 xdotool search --sync --onlyvisible --name "Save scores" 2>/dev/null | head -n1)
        [ -n "$box" ] && break
    done
    echo "$box"
}
gone() {
    for _ in $(seq 1 100); do
        [ -z "$(xdotool search --onlyvisible --name "Save scores" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

box=$(ask)
if [ -z "$box" ]; then say "error no question"; kill "$pid"; exit 0; fi
import -window root "$shots/quit_question.png"
xdotool windowfocus --sync "$box" key Escape
if ! gone; then say "error the question stayed"; kill "$pid"; exit 0; fi
kill -0 "$pid" 2>/dev/null && say "running after escape" || say "ended after escape"
[ -n "$(xdotool search --onlyvisible --name "Plonk for Windows" 2>/dev/null)" ] && say "window open"
cmp -s "$ini" "$before" && say "file unchanged"

box=$(ask)
if [ -z "$box" ]; then say "error no second question"; kill "$pid"; exit 0; fi
say "asked again"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then say "error still running"; kill "$pid"; exit 0; fi
wait "$pid"
say "exit $?"
SESSION

report="$work/report"
HOME="$work" XDG_CONFIG_HOME="$work/config" \
    xvfb-run -a -s "-screen 0 800x600x24" \
    bash "$work/session.sh" "$plonk" "$ini" "$work/before.ini" "$shots" "$report" ||
    fail "xvfb-run failed"
cat "$report"
grep -q '^error' "$report" && fail "$(grep '^error' "$report") $(cat "$work/plonk.err" 2>/dev/null)"
for line in "running after escape" "window open" "file unchanged" "asked again" "exit 0"; do
    grep -qx "$line" "$report" || fail "expected \"$line\""
done
grep -q '^Main= 221' "$ini" || fail "Yes did not save the credits: $(cat "$ini")"
echo "ok: Escape kept the game open and the settings file as it was"
