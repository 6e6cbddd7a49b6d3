#!/bin/bash
# Plays a whole game in the real window under a virtual X server with the keyboard
# only: P inserts, F1 held down invests until it repeats, O shoots, F2 held down asks
# for extra balls, F1 again collects the card and starts the next game, which is
# played out before "&Close" (Alt+C) and Return. No mouse event is sent. Each step
# waits for what the window shows: the credits read off the screen and the faces of
# the F1 and F2 buttons.
# Usage: keyboard_game.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"
home=$work

# Fast flights keep the game short.
mkdir -p "$home/config/plonk"
printf '[Speed]\nValue=99\n[Speed_Offset]\nValue=1\n' >"$home/config/plonk/Plonk.ini"

cat >"$home/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 folder of the digit pictures,
# $3 screenshot folder, $4 report file, $5 the screen helpers.
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

f1=562 f2=578
looks() { [ "$(button_look "$1")" = "$2" ]; }
looks_not() { [ "$(button_look "$1")" != "$2" ]; }
shoot_until() {
    local tries
    for tries in $(seq 1 40); do
        "$2" "$1" "$3" && return 0
        xdotool key o
        until_true 60 idle || stop "the playfield never came to rest"
    done
    stop "shot 40 balls without the game moving on"
}
# hold KEY COMMAND...: holds KEY down until COMMAND succeeds, then lets it go.
hold() {
    local key=$1
    shift
    xdotool keydown "$key"
    until_true 20 "$@" || { xdotool keyup "$key"; stop "holding $key: $*"; }
    xdotool keyup "$key"
    until_true 10 idle
}

# 1. P inserts 100 points.
xdotool key p
until_true 10 credits_are 00100 || stop "credits after P: $(credits)"
f1_on=$(button_look $f1) f2_off=$(button_look $f2)
say "inserted $(credits)"
# 2. F1 held: the press starts the game and the machine's timer invests again.
hold F1 credits_below 98
invested=$(credits)
until_true 5 credits_are "$invested" || stop "the credits went on changing after F1 was let go"
say "invested $invested"
# 3. O shoots until the fifth ball has landed and F2 lights up.
shoot_until $f2 looks_not "$f2_off"
played=$(credits)
# 4. F2 held asks for extra balls until one is paid for.
hold F2 credits_below $((10#$played))
say "extra $(credits) of $played"
# 5. Any extra ball won is played out; F1 lights up when the game is over.
shoot_until $f1 looks "$f1_on"
# 6. F1 collects the card and starts the next game: the credits change.
before=$(credits)
hold F1 eval '! credits_are "$before"'
say "next $(credits)"
# 7. The next game played out, then "&Close" by its mnemonic and Yes.
shoot_until $f1 looks_not "$f1_on"
shoot_until $f1 looks "$f1_on"
xdotool key alt+c
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
[ "$(value inserted)" = "00100" ] || fail "credits after P: $(value inserted)"
spent=$((100 - 10#$(value invested)))
echo "F1 held invested $spent times"
[ "$spent" -ge 3 ] || fail "F1 held invested $spent times"
[[ $(value next) =~ ^[0-9]{5}$ ]] || fail "unreadable credits after the next game started: $(value next)"
echo "ok"
