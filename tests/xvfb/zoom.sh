#!/bin/bash
# Shows the real game twice as large under a virtual X server: the enlarged face is
# the plain face with every pixel doubled, a button works at its doubled place, the
# zoom and the window's place are there again at the next start, and on a screen of
# twice the pixel density the pictures are just as crisp.
# Usage: zoom.sh PATH-TO-PLONK SCREENSHOT-DIR
source "$(dirname "$0")/common.bash"
home=$work
display_size=1600x1200

cat >"$home/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 screenshot folder, $3 report file,
# $4 the folder of the digit pictures, $5 the screen helpers.
plonk=$1 shots=$2 report=$3
scratch=$(dirname "$report")
say() { echo "$*" >>"$report"; }
stop() { say "error $*"; kill "$pid" 2>/dev/null; exit 0; }
source "$5"
digit_hashes "$4"

# start [VAR=VALUE...]: the game, its frame and its face, once the board is drawn.
start() {
    env "$@" "$plonk" 2>>"$scratch/plonk.err" &
    pid=$!
    frame=$(timeout 20 xdotool search --sync --name "Plonk for Windows" 2>/dev/null | head -n1)
    [ -n "$frame" ] || stop "no window"
    find_face "$frame" || stop "no face"
    until_true 20 eval '[[ $(credits) =~ ^[0-9]{5}$ ]]' || stop "no board"
}
# close: "&Close" by its mnemonic and Yes to the save question; the game has ended.
close() {
    xdotool mousemove --window "$wid" 20 20 windowfocus --sync "$frame" key alt+c
    box=$(timeout 5 xdotool search --sync --name "Save scores" 2>/dev/null | head -n1)
    [ -n "$box" ] || stop "no save question"
    xdotool windowfocus --sync "$box" key Return
    finish "$pid" "$scratch/status"
    [ "$(cat "$scratch/status")" = "exit 0" ] || stop "the game ended: $(cat "$scratch/status")"
}
zoomed_to() { face_shown && [ "$zoom" = "$1" ]; }
# enlarged NAME: the screenshot NAME (taken at `zoom`) is the plain face with every
# pixel made a block of `zoom` x `zoom`, in the game screen above the clock and in
# the row of game buttons.
enlarged() {
    local part
    shoot "$1" || return 1
    for part in 644x440+8+8 257x17+337+466; do
        IFS='x+' read -r w h x y <<<"$part"
        [ "$(convert "$scratch/plain.png" -crop "$part" +repage -sample "$((100 * zoom))%" -format '%#' info:)" = \
          "$(convert "$scratch/$1.png" -crop "$((w * zoom))x$((h * zoom))+$((x * zoom))+$((y * zoom))" +repage \
                 -format '%#' info:)" ] || return 1
    done
}

# 1. The plain face, then twice as large by its shortcut.
start
[ "$zoom" = 1 ] || stop "the first start shows zoom $zoom"
until_true 10 credits_are 00000 || stop "fresh credits $(credits)"
shoot plain
xdotool windowfocus --sync "$frame" key ctrl+2
until_true 10 zoomed_to 2 || stop "Ctrl+2 did not double the face"
until_true 10 enlarged doubled || stop "the doubled face is not the plain face enlarged"
cp "$scratch/plain.png" "$shots/zoom_1x.png"
cp "$scratch/doubled.png" "$shots/zoom_2x.png"

# 2. "Insert points" clicked at its doubled place raises the credits.
xdotool mousemove --window "$wid" 986 948 click 1
until_true 10 credits_are 00100 || stop "Insert points at 2x left credits $(credits)"

# 3. Moved, closed and started again: the same zoom at the same place.
xdotool windowmove "$frame" 40 30
close
start
[ "$zoom" = 2 ] || stop "the zoom was not kept: $zoom"
place=$(xdotool getwindowgeometry "$frame" | awk '/Position/ {print $2}')
[ "$place" = "40,30" ] || stop "the place was not kept: $place"
xdotool windowfocus --sync "$frame" key ctrl+1
until_true 10 zoomed_to 1 || stop "Ctrl+1 did not bring the plain face back"
# The plain face as it is now, with the kept credits.
until_true 10 credits_are 00100 || stop "the kept credits are $(credits)"
cp "$scratch/credits.png" "$scratch/plain.png"
close

# 4. A screen of twice the density shows the plain face doubled too.
start QT_SCALE_FACTOR=2
[ "$zoom" = 2 ] || stop "the face on a dense screen is not twice as large"
until_true 10 enlarged dense || stop "the face on a dense screen is not the plain face enlarged"
cp "$scratch/dense.png" "$shots/zoom_dense_screen.png"
close
say ok
SESSION

rm -f "$shots"/zoom_*.png
in_display "$plonk" "$shots" "$home/report" "$(dirname "$plonk")"
report=$(cat "$home/report" 2>/dev/null)
[ "$report" = ok ] || fail "${report:-no report} $(cat "$home/plonk.err" 2>/dev/null)"
grep -qi '^Zoom=1$' "$home/config/plonk/Plonk.ini" || fail "the zoom is not kept in Plonk.ini"
echo "ok: $shots/zoom_2x.png is $shots/zoom_1x.png doubled"
