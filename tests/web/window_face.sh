#!/bin/bash
# The window's face at 1x, as the player sees the fresh board: starts the real game
# under a virtual X server, waits for the board and saves a screenshot of the face.
# Usage: window_face.sh PATH-TO-PLONK SCREENSHOT-FILE
source "$(dirname "$0")/../xvfb/common.bash" "$1" "$(dirname "$2")"
shot=$2

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 plonk, $2 screenshot file, $3 status file,
# $4 the folder of the digit pictures, $5 the screen helpers.
"$1" 2>"$(dirname "$3")/plonk.err" &
pid=$!
scratch=$(dirname "$3")
source "$5"
if wait_for_board "$4" "$3"; then
    import -window "$wid" "$2" && echo "shot" >"$3"
fi
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
SESSION

rm -f "$shot"
in_display "$plonk" "$shot" "$work/status" "$(dirname "$plonk")"
[ "$(cat "$work/status" 2>/dev/null)" = "shot" ] || fail "no face: $(cat "$work/status" 2>/dev/null)"
