#!/bin/bash
# Plays a whole game in the real window under a virtual X server, driven with
# xdotool: insert, hold "Invest points" until it repeats, shoot, ask for extra
# balls, invest again for the next game, play it out and close answering Yes. Each
# step waits for what the window shows: the credits, read off the screen digit by
# digit against the digit pictures, the game buttons' faces, and a playfield at
# rest. At the end the settings file must hold credits = stake + balance.
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
# $3 screenshot folder, $4 report file, $5 the screen helpers. Every step waits for
# what the window shows, never for a fixed time.
plonk=$1 digits=$2 shots=$3 report=$4
say() { echo "$*" >>"$report"; }
stop() { say "error $*"; kill "$pid" 2>/dev/null; exit 0; }
"$plonk" 2>"$(dirname "$report")/plonk.err" &
pid=$!
frame=$(timeout 20 xdotool search --sync --name "Plonk for Windows" 2>/dev/null | head -n1)
[ -n "$frame" ] || stop "no window"
scratch=$shots
source "$5"
find_face "$frame" || stop "no face in the window"
digit_hashes "$digits"
until_true 20 credits_are 00000 || stop "the fresh window shows credits $(credits)"
xdotool windowfocus --sync "$frame"

# The mouse rests over the playfield between presses, so no button shows a hover.
f1_left=562 f2_left=578 f1_x=569 f2_x=585 row_y=474
away() { xdotool mousemove --window "$wid" 320 200; }
looks() { [ "$(button_look "$1")" = "$2" ]; }
looks_not() { [ "$(button_look "$1")" != "$2" ]; }
# One ball, and wait until no ball flies.
shoot_ball() {
    xdotool key o
    until_true 60 idle || stop "the playfield never came to rest"
}
# Shoot until the button at $1 looks ($2 = looks) or stops looking ($2 = looks_not) like $3.
shoot_until() {
    local tries
    for tries in $(seq 1 40); do
        "$2" "$1" "$3" && return 0
        shoot_ball
    done
    stop "shot 40 balls without the game moving on"
}

# 1. Insert: 100 credits. "Invest points" is enabled now, "Request extra balls" not.
away
xdotool key p
until_true 10 credits_are 00100 || stop "credits after inserting: $(credits)"
say "inserted $(credits)"
f1_on=$(button_look $f1_left)
f2_off=$(button_look $f2_left)

# 2. Hold "Invest points" until the screen shows it repeating (the press and two
#    ticks of the timer at least), let go, and read the credits once they stand.
xdotool mousemove --window "$wid" $f1_x $row_y mousedown 1
until_true 20 credits_below 98 || stop "holding invest points spent only $((100 - 10#$(credits)))"
xdotool mouseup 1
away
until_true 10 idle || stop "the window never came to rest"
invested=$(credits)
until_true 5 credits_are "$invested" || stop "the credits went on changing after the release"
say "invested $invested"

# 3. Shoot until the fifth ball has landed: "Request extra balls" lights up.
shoot_until $f2_left looks_not "$f2_off"
until_true 10 idle
say "played $(credits)"
played=$(credits)

# 4. Hold "Request extra balls" until a request is paid for, and let go.
xdotool mousemove --window "$wid" $f2_x $row_y mousedown 1
until_true 20 credits_below $((10#$played)) || stop "asking for extra balls spent nothing"
xdotool mouseup 1
away
until_true 10 idle
say "extra $(credits)"

# 5. Play out any extra ball won: "Invest points" lights up when the game is over.
shoot_until $f1_left looks "$f1_on"

# 6. A press on "Invest points" collects the card (any win is at least 4 points)
#    and charges one point for the next game: the credits change.
before=$(credits)
xdotool mousemove --window "$wid" $f1_x $row_y mousedown 1
until_true 20 eval '! credits_are "$before"' || stop "the next game did not start"
xdotool mouseup 1
away
until_true 10 idle
say "next $(credits)"

# 7. Play the next game out, then "&Close" by its mnemonic and Yes to the question.
shoot_until $f1_left looks_not "$f1_on"
shoot_until $f1_left looks "$f1_on"
xdotool windowfocus --sync "$frame" key alt+c
box=$(timeout 15 xdotool search --sync --name "Save scores" 2>/dev/null | head -n1)
[ -n "$box" ] || stop "no question"
xdotool windowfocus --sync "$box" key Return
finish "$pid" "$scratch/status"
say "$(cat "$scratch/status")"
SESSION

report="$home/report"
in_display "$plonk" "$(dirname "$plonk")" "$shots" "$report"
cat "$report"
value() { sed -n "s/^$1 //p" "$report"; }
grep -q '^error' "$report" && fail "$(grep '^error' "$report") $(cat "$home/plonk.err" 2>/dev/null)"
[ "$(value exit)" = "0" ] || fail "the game did not end cleanly: $(cat "$home/plonk.err" 2>/dev/null)"

# Inserting shows 100 credits; holding "Invest points" invests on the press and
# again at every tick while held; asking for extra balls after the fifth ball costs
# points and wins none.
[ "$(value inserted)" = "00100" ] || fail "credits after inserting: $(value inserted)"
for step in invested played extra next; do
    [[ $(value $step) =~ ^[0-9]{5}$ ]] || fail "unreadable credits after $step: $(value $step)"
done
spent=$((100 - 10#$(value invested)))
echo "the hold invested $spent times"
[ "$spent" -ge 3 ] || fail "the hold invested $spent times"
[ $((10#$(value extra))) -lt $((10#$(value played))) ] || fail "asking for extra balls spent nothing"

ini="$home/config/plonk/Plonk.ini"
setting() { sed -n "/^\[Score\]/,/^\[/s/^$1=//p" "$ini" | tr -d '\r '; }
main=$(setting Main) stake=$(setting Stake) saldo=$(setting Saldo)
echo "saved: credits $main, stake $stake, balance $saldo"
[ "$stake" = "100" ] || fail "stake $stake"
[ "$main" = "$((stake + saldo))" ] || fail "credits $main differ from stake + balance $((stake + saldo))"
echo "ok"
