#!/bin/bash
# Starts the real game from a program folder that lacks "Kracht.bmp": the game
# must show a message naming the file and, once it is answered, end with a
# non-zero status without writing "Plonk.ini".
# Usage: missing_picture.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"

# The program folder is the executable's own: a copy of it beside the pictures.
mkdir -p "$work/bin"
cp "$plonk" "$work/bin/plonk"
src=$(cd "$(dirname "$plonk")" && pwd)
for f in "$src"/*.bmp "$src"/*.gif "$src"/*.wav; do
    [ -e "$f" ] && ln -s "$f" "$work/bin/"
done
rm -f "$work/bin/Kracht.bmp"

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 screenshot file, $3 status file,
# $4 the screen helpers.
source "$4"
shot=$2
"$1" 2>"$(dirname "$3")/plonk.err" &
pid=$!
# The message is the program's window on show that is neither the game's frame
# (which holds the 663 x 534 face) nor the face itself.
box=""
message() {
    local w
    for w in $(xdotool search --onlyvisible --name "Plonk for Windows" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$w" | grep -c 663x534)" = 0 ] && [ -z "$(face_of "$w")" ] && box=$w
    done
    [ -n "$box" ]
}
if ! until_true 10 message; then echo "no message" >"$3"; kill "$pid"; exit 0; fi
# It is on show once its window is drawn in more than one colour.
drawn() { import -window "$box" "$shot" 2>/dev/null && [ "$(convert "$shot" -format %k info: 2>/dev/null)" -gt 1 ]; }
if ! until_true 10 drawn; then echo "message not drawn" >"$3"; kill "$pid"; exit 0; fi
import -window root "$shot"
timeout 10 xdotool windowfocus --sync "$box" key Return
finish "$pid" "$3"
SESSION

shot="$shots/missing_picture.png"
rm -f "$shot"
in_display "$work/bin/plonk" "$shot" "$work/status"

status=$(cat "$work/status" 2>/dev/null)
[ "$status" = "exit 1" ] || fail "expected exit 1, got: ${status:-no status} $(cat "$work/plonk.err" 2>/dev/null)"
[ -s "$shot" ] || fail "no screenshot of the message"
[ ! -e "$work/config/plonk/Plonk.ini" ] || fail "Plonk.ini was written"
echo "ok: the missing picture ended the game with status 1 ($shot)"
