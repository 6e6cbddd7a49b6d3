#!/bin/bash
# Plays a whole game in the real window under a virtual X server, driven with
# xdotool: insert, hold "Invest points" for a second, shoot, ask for extra balls,
# invest again for the next game, play it out and close answering Yes. The credits are read off the
# screen by comparing the five credit digits with the digit pictures; at the end the
# settings file must hold credits = stake + balance.
# Usage: whole_game.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"
home=$work

# Fast flights keep the game short.
mkdir -p "$home/config/plonk"
cat >"$home/config/plonk/Plonk.ini" <<'INI'
[Score]
Main=0
Stake=0
Saldo=0
[Speed]
Value=99
[Speed_Offset]
Value=1
INI

cat >"$home/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 folder of the digit pictures,
# $3 screenshot folder, $4 report file.
plonk=$1 digits=$2 shots=$3 report=$4
say() { echo "$*" >>"$report"; }
"$plonk" 2>"$(dirname "$report")/plonk.err" &
pid=$!
wid=$(timeout 20 xdotool search --sync --name "Plonk for Windows" 2>/dev/null | head -n1)
if [ -z "$wid" ]; then say "error no window"; kill "$pid"; exit 0; fi
sleep 1
xdotool windowfocus --sync "$wid"

# The credits on show: each digit (7 x 13 pixels at 602 + 8 i, 384 on the window)
# is the digit picture it matches exactly.
credits() {
    local shot="$shots/$1.png" text="" i n
    import -window "$wid" "$shot"
    for i in 0 1 2 3 4; do
        local found=""
        for n in 0 1 2 3 4 5 6 7 8 9; do
            local diff
            diff=$(convert "$shot" -crop "7x13+$((602 + 8 * i))+384" +repage "$digits/Digit_$n.bmp" \
                -compose difference -composite -format '%[fx:maxima]' info: 2>/dev/null)
            if [ "$diff" = "0" ]; then found=$n; break; fi
        done
        text="$text${found:-?}"
    done
    echo "$text"
}
# Hold a game button (by its place on the window) with the mouse for a while.
hold() {
    xdotool mousemove --window "$wid" "$1" "$2" mousedown 1
    sleep "$3"
    xdotool mouseup 1
    sleep 0.5
}
f1_x=569 f2_x=585 row_y=474

xdotool key p
sleep 0.5
say "inserted $(credits inserted)"
hold $f1_x $row_y 1
say "invested $(credits invested)"
# Five balls and some to spare for those that drain.
for _ in $(seq 1 10); do
    xdotool key o
    sleep 0.8
done
sleep 2
# "Request extra balls" works from the fifth ball on; on a busy machine the last
# flights may still be queued, so shoot on and try again.
for _ in 1 2 3 4; do
    before=$(credits played)
    hold $f2_x $row_y 0.6
    sleep 1
    after=$(credits extra)
    if [[ $before =~ ^[0-9]{5}$ && $after =~ ^[0-9]{5}$ ]] && [ $((10#$after)) -lt $((10#$before)) ]; then break; fi
    for _ in 1 2 3; do
        xdotool key o
        sleep 0.8
    done
    sleep 2
done
say "played $before"
say "extra $after"
# Any extra ball won is shot (the keys wait behind the flights), then the press on
# "Invest points" starts the next game.
for _ in $(seq 1 5); do
    xdotool key o
    sleep 0.1
done
hold $f1_x $row_y 0.2
sleep 3
say "next $(credits next_game)"

# The next game is played out with the keys queued behind the flights, then
# "&Close" by its mnemonic (refused while balls are left), then Yes to the save
# question.
xdotool mousemove --window "$wid" 320 200 windowfocus --sync "$wid"
box=""
for _ in 1 2 3 4; do
    for _ in $(seq 1 8); do
        xdotool key o
        sleep 0.1
    done
    xdotool key alt+c
    box=$(timeout 15 xdotool search --sync --name "Save scores" 2>/dev/null | head -n1)
    [ -n "$box" ] && break
    # Balls still left (drains on a busy machine): shoot on and ask again.
    xdotool windowfocus --sync "$wid"
done
if [ -z "$box" ]; then say "error no question"; kill "$pid"; exit 0; fi
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then say "error still running"; kill "$pid"; exit 0; fi
wait "$pid"
say "exit $?"
SESSION

report="$home/report"
HOME="$home" XDG_CONFIG_HOME="$home/config" \
    xvfb-run -a -s "-screen 0 800x600x24" \
    bash "$home/session.sh" "$plonk" "$(dirname "$plonk")" "$shots" "$report" ||
    fail "xvfb-run failed"
cat "$report"
value() { sed -n "s/^$1 //p" "$report"; }
grep -q '^error' "$report" && fail "$(grep '^error' "$report") $(cat "$home/plonk.err" 2>/dev/null)"
[ "$(value exit)" = "0" ] || fail "the game did not end cleanly: $(cat "$home/plonk.err" 2>/dev/null)"

# Inserting shows 100 credits; a second's hold of "Invest points" (one invest on the
# press and one every 250 ms) spends about five; a busy machine may shift a tick.
[ "$(value inserted)" = "00100" ] || fail "credits after inserting: $(value inserted)"
invested=$(value invested)
[[ $invested =~ ^[0-9]{5}$ ]] || fail "unreadable credits: $invested"
spent=$((100 - 10#$invested))
echo "a second's hold invested $spent times"
[ "$spent" -ge 3 ] && [ "$spent" -le 7 ] || fail "a second's hold invested $spent times"
# Every later reading is a number (wins are paid into the credits as they come);
# asking for extra balls after the fifth ball costs points and wins none.
for step in played extra next; do
    [[ $(value $step) =~ ^[0-9]{5}$ ]] || fail "unreadable credits after $step: $(value $step)"
done
[ $((10#$(value extra))) -lt $((10#$(value played))) ] || fail "asking for extra balls spent nothing"

ini="$home/config/plonk/Plonk.ini"
setting() { sed -n "/^\[Score\]/,/^\[/s/^$1=//p" "$ini" | tr -d '\r '; }
main=$(setting Main) stake=$(setting Stake) saldo=$(setting Saldo)
echo "saved: credits $main, stake $stake, balance $saldo"
[ "$stake" = "100" ] || fail "stake $stake"
[ "$main" = "$((stake + saldo))" ] || fail "credits $main differ from stake + balance $((stake + saldo))"
echo "ok"
