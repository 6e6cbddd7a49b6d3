#!/bin/bash
# Starts the real game under a virtual X server, takes a screenshot of the fresh
# board, closes the window with "&Close" answering Yes to the save question, and
# checks the exit status and the settings file.
# Usage: screenshot.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"
home=$work

cat >"$home/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 screenshot file, $3 status file,
# $4 the folder of the digit pictures, $5 the screen helpers.
"$1" 2>"$(dirname "$3")/plonk.err" &
pid=$!
# The board is drawn once the credit digits show.
scratch=$(dirname "$3")
source "$5"
if ! wait_for_board "$4" "$3"; then kill "$pid"; exit 0; fi
import -window root "$2"
import -window "$wid" "$(dirname "$3")/face.png"
# "&Close" by its mnemonic, then Yes (the default button) to the save question.
xdotool mousemove --window "$wid" 320 200 windowfocus --sync "$frame" key alt+c
box=$(timeout 5 xdotool search --sync --name "Save scores" 2>/dev/null | head -n1)
if [ -z "$box" ]; then echo "no question" >"$3"; kill "$pid"; exit 0; fi
xdotool windowfocus --sync "$box" key Return
finish "$pid" "$3"
SESSION

shot="$shots/fresh_board.png"
rm -f "$shot"
in_display "$plonk" "$shot" "$home/status" "$(dirname "$plonk")"

status=$(cat "$home/status" 2>/dev/null)
[ "$status" = "exit 0" ] || fail "the game did not end cleanly: ${status:-no status} $(cat "$home/plonk.err" 2>/dev/null)"
[ -s "$shot" ] || fail "no screenshot"
colours=$(convert "$shot" +repage -format %k info:)
[ "${colours:-0}" -gt 1 ] || fail "the screenshot is one colour"
# The face is grey behind its controls, also in the frame that holds it on black.
face="$home/face.png"
for corner in '2,531' '660,531'; do
    pixel=$(convert "$face" -format "%[pixel:p{$corner}]" info: 2>/dev/null)
    [ "$pixel" = "srgb(192,192,192)" ] || [ "$pixel" = "grey75" ] ||
        fail "the face at $corner is ${pixel:-not there}, not its grey"
done
ini="$home/config/plonk/Plonk.ini"
[ -s "$ini" ] || fail "Plonk.ini was not written"
grep -qi '^\[Bonus\]' "$ini" || fail "Plonk.ini has no [Bonus] section"
echo "ok: $shot ($colours colours), $ini written"
