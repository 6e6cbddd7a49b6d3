#!/bin/bash
# Starts the real game from a program folder that lacks a picture: "Kracht.bmp",
# a picture of the window itself, checked before the window shows; "Digit_0.bmp",
# first shown by the start-up inside the window; and "Min.bmp", first shown when
# the first invest makes the balance negative, while the game runs. Each time the
# game must show a message naming the file and, once it is answered, end with a
# non-zero status without writing "Plonk.ini" (the statistics of what was played
# are kept as ever).
# Usage: missing_picture.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"
pictures="Kracht.bmp Digit_0.bmp Min.bmp"

# The program folder is the executable's own: a copy of it beside the pictures.
src=$(cd "$(dirname "$plonk")" && pwd)
for missing in $pictures; do
    mkdir -p "$work/$missing/bin"
    cp "$plonk" "$work/$missing/bin/plonk"
    for f in "$src"/*.bmp "$src"/*.gif "$src"/*.wav; do
        [ -e "$f" ] && ln -s "$f" "$work/$missing/bin/"
    done
    rm -f "$work/$missing/bin/$missing"
done

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 the folder of one folder per missing picture,
# $2 the pictures, $3 the screenshot folder, $4 the configuration folder, $5 the
# screen helpers. Each game's end goes to "status" in its folder.
source "$5"
for missing in $2; do
    here="$1/$missing"
    shot="$3/missing_picture_${missing%.bmp}.png"
    "$here/bin/plonk" 2>"$here/plonk.err" &
    pid=$!
    if [ "$missing" = Min.bmp ]; then
        # Points in, then the first invest, by their keys once the game is up.
        scratch=$here
        digit_hashes "$here/bin"
        frame=$(timeout 20 xdotool search --sync --onlyvisible --name "Plonk for Windows" 2>/dev/null | head -n1)
        up() { find_face "$frame" && [[ $(credits) =~ ^[0-9]{5}$ ]]; }
        if [ -z "$frame" ] || ! until_true 20 up; then echo "no game" >"$here/status"; kill "$pid"; continue; fi
        xdotool windowfocus --sync "$frame" key p
        until_true 10 credits_are 00100 || { echo "no points in" >"$here/status"; kill "$pid"; continue; }
        xdotool key F1
    fi
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
    if ! until_true 10 message; then echo "no message" >"$here/status"; kill "$pid"; continue; fi
    # It is on show once its window is drawn in more than one colour.
    drawn() { import -window "$box" "$shot" 2>/dev/null && [ "$(convert "$shot" -format %k info: 2>/dev/null)" -gt 1 ]; }
    if ! until_true 10 drawn; then echo "message not drawn" >"$here/status"; kill "$pid"; continue; fi
    import -window root "$shot"
    timeout 10 xdotool windowfocus --sync "$box" key Return
    finish "$pid" "$here/status"
    # What the game left beside its settings file.
    ls -A "$4/plonk" >"$here/left" 2>/dev/null
    rm -rf "$4/plonk"
done
SESSION

rm -f "$shots"/missing_picture*.png
in_display "$work" "$pictures" "$shots" "$work/config"

for missing in $pictures; do
    here="$work/$missing"
    status=$(cat "$here/status" 2>/dev/null)
    [ "$status" = "exit 1" ] ||
        fail "$missing: expected exit 1, got: ${status:-no status} $(cat "$here/plonk.err" 2>/dev/null)"
    [ -s "$shots/missing_picture_${missing%.bmp}.png" ] || fail "$missing: no screenshot of the message"
    ! grep -q '^Plonk\.ini' "$here/left" || fail "$missing: the game left $(tr '\n' ' ' <"$here/left")"
    echo "ok: the missing $missing ended the game with status 1 without writing Plonk.ini"
done
