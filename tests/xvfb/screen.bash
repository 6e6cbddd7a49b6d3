# What a check inside the virtual display reads off the game's window, and waiting
# for it. Source it with a scratch folder in `scratch`; then `find_face FRAME` sets
# `wid` to the machine's face inside the game's frame, which the helpers read.

# until_true SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; false when it has not after SECONDS.
until_true() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

# find_face FRAME: `wid` becomes the window showing the machine's face (663 x 534,
# or 2 or 3 times as large when zoomed) below the frame's menu bar, once it is there,
# and `zoom` how many times as large it is; false when it is not within 10 s.
zoom=1
face_of() {
    xwininfo -children -id "$1" 2>/dev/null </dev/null | awk '{
        for (i = 2; i <= NF; i++)
            if ($i ~ /^(663x534|1326x1068|1989x1602)[+]/) { print $1, int($i) / 663; exit }
    }'
}
face_shown() {
    local width_zoom
    read -r wid width_zoom <<<"$(face_of "$face_frame")"
    [ -n "$wid" ] || return 1
    zoom=$width_zoom
}
find_face() {
    face_frame=$1
    until_true 10 face_shown
}

# shoot NAME: a screenshot of the window, kept as $scratch/NAME.png.
shoot() { import -window "$wid" "$scratch/$1.png" 2>/dev/null; }

# region_hash NAME WxH+X+Y: the hash of that part of the screenshot NAME.
region_hash() { convert "$scratch/$1.png" -crop "$2" +repage -format '%#' info: 2>/dev/null; }

# face_hash NAME WxH+X+Y: the hash of that part of the face (in the face's own
# pixels) in the screenshot NAME, taken at the face's zoom.
face_hash() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$2"
    convert "$scratch/$1.png" -crop "$((w * zoom))x$((h * zoom))+$((x * zoom))+$((y * zoom))" +repage \
        -sample "${w}x${h}!" -format '%#' info: 2>/dev/null
}

# digit_hashes FOLDER: learns the ten digit pictures of the counters.
declare -A digit_of=()
digit_hashes() {
    local n
    for n in 0 1 2 3 4 5 6 7 8 9; do
        digit_of[$(convert "$1/Digit_$n.bmp" -format '%#' info:)]=$n
    done
}

# credits: the five credit digits on show now (7 x 13 pixels at 602 + 8 i, 384 on
# the face), "?" for one that is no digit picture.
credits() {
    local text="" i h
    shoot credits
    for i in 0 1 2 3 4; do
        h=$(face_hash credits "7x13+$((602 + 8 * i))+384")
        text="$text${digit_of[$h]:-?}"
    done
    echo "$text"
}

credits_are() { [ "$(credits)" = "$1" ]; }
credits_below() {
    local now
    now=$(credits)
    [[ $now =~ ^[0-9]{5}$ ]] && [ $((10#$now)) -lt "$1" ]
}

# idle: the playfield shows the same picture three times a fifth of a second apart
# (no ball flies).
idle() {
    local a b c
    shoot idle && a=$(region_hash idle 320x480+10+10)
    sleep 0.2
    shoot idle && b=$(region_hash idle 320x480+10+10)
    sleep 0.2
    shoot idle && c=$(region_hash idle 320x480+10+10)
    [ -n "$a" ] && [ "$a" = "$b" ] && [ "$b" = "$c" ]
}

# The game buttons' faces (15 x 17 pixels) as they look now.
button_look() {
    shoot button
    region_hash button "15x17+$1+466"
}

# wait_for_board DIGIT-FOLDER STATUS-FILE: once the game's frame is on show, `frame`
# and `wid` are set and the credit digits read as digits; else false, with the
# reason written into the file.
wait_for_board() {
    frame=$(timeout 10 xdotool search --sync --onlyvisible --name "Plonk for Windows" 2>/dev/null | head -n1)
    [ -n "$frame" ] || { echo "no window" >"$2"; return 1; }
    find_face "$frame" || { echo "no face in the window" >"$2"; return 1; }
    digit_hashes "$1"
    until_true 20 eval '[[ $(credits) =~ ^[0-9]{5}$ ]]' || { echo "no board" >"$2"; return 1; }
}

# finish PID STATUS-FILE: once the program has ended, "exit N" into the file;
# "still running" (and the program stopped) when it has not within ten seconds.
finish() {
    if ! until_true 10 eval '! kill -0 "$1" 2>/dev/null'; then
        echo "still running" >"$2"
        kill "$1"
        return
    fi
    wait "$1"
    echo "exit $?" >"$2"
}
