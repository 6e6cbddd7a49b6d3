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
# Runs inside the virtual display: $1 plonk, $2 screenshot file, $3 status file.
"$1" 2>"$(dirname "$3")/plonk.err" &
pid=$!
box=""
for _ in $(seq 1 100); do
    for w in $(xdotool search --name "Plonk for Windows" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$w" | grep -c 663x534)" = 0 ] && box=$w
    done
    [ -n "$box" ] && break
    sleep 0.1
done
if [ -z "$box" ]; then echo "no message" >"$3"; kill "$pid"; exit 0; fi
# The message is on show once its window is drawn in more than one colour.
drawn() { import -window "$box" "$2" 2>/dev/null && [ "$(convert "$2" -format %k info: 2>/dev/null)" -gt 1 ]; }
for _ in $(seq 1 100); do
    drawn && break
    sleep 0.1
done
import -window root "$2"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "still running" >"$3"; kill "$pid"; exit 0; fi
wait "$pid"
echo "exit $?" >"$3"
SESSION

shot="$shots/missing_picture.png"
rm -f "$shot"
HOME="$work" XDG_CONFIG_HOME="$work/config" \
    xvfb-run -a -s "-screen 0 800x600x24" bash "$work/session.sh" "$work/bin/plonk" "$shot" "$work/status" ||
    fail "xvfb-run failed"

status=$(cat "$work/status" 2>/dev/null)
[ "$status" = "exit 1" ] || fail "expected exit 1, got: ${status:-no status} $(cat "$work/plonk.err" 2>/dev/null)"
[ -s "$shot" ] || fail "no screenshot of the message"
[ ! -e "$work/config/plonk/Plonk.ini" ] || fail "Plonk.ini was written"
echo "ok: the missing picture ended the game with status 1 ($shot)"
