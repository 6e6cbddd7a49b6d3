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

# find_face FRAME: `wid` becomes the window showing the machine's face (663 x 534)
# below the frame's menu bar, once it is there; false when it is not within 10 s.
face_of() { xwininfo -children -id "$1" 2>/dev/null </dev/null | awk '/ 663x534[+]/ {print $1; exit}'; }
face_shown() {
    wid=$(face_of "$face_frame")
    [ -n "$wid" ]
}
find_face() {
    face_frame=$1
    until_true 10 face_shown
}

# shoot NAME: a screenshot of the window, kept as $scratch/NAME.png.
shoot() { import -window "$wid" "$scratch/$1.png" 2>/dev/null; }

# region_hash NAME WxH+X+Y: the hash of that part of the screenshot NAME.
region_hash() { convert "$scratch/$1.png" -crop "$2" +repage -format '%#' info: 2>/dev/null; }

# digit_hashes FOLDER: learns the ten digit pictures of the counters.
declare -A digit_of=()
digit_hashes() {
    local n
    for n in 0 1 2 3 4 5 6 7 8 9; do
        digit_of[$(convert "$1/Digit_$n.bmp" -format '%#' info:)]=$n
    done
}

# credits: the five credit digits on show now (7 x 13 pixels at 602 + 8 i, 384 on
# the window), "?" for one that is no digit picture.
credits() {
    local text="" i h
    shoot credits
    for i in 0 1 2 3 4; do
        h=$(region_hash credits "7x13+$((602 + 8 * i))+384")
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
