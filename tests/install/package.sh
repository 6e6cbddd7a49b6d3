#!/bin/bash
# Builds the Debian package under a umask that keeps everything private, unpacks it
# into a staging folder, checks what it installs (modes readable by all, launcher,
# metainfo, icons, documents, declared dependencies), then starts
# the installed game under a virtual X server with no audio device: it must find its
# data folder, draw the board, and say nothing about sound on the terminal.
# Usage: package.sh BUILD-DIR SCREENSHOT-DIR
source "$(dirname "$0")/../xvfb/common.bash"
build=$1
id=org.plonkgame.Plonk

(umask 077 && cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    fail "cpack failed: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/package/plonk_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package was made"
private=$(dpkg-deb -c "$deb" | awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x|lrwxrwxrwx)$/')
[ -z "$private" ] || fail "the package keeps the builder's umask: $private"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6*libsdl2-2.0-0*libx11-6* ]] || fail "its dependencies are not declared: $depends"
stage=$work/stage
dpkg-deb -x "$deb" "$stage" || fail "the package does not unpack"
usr=$stage/usr

[ -s "$usr/share/doc/plonk/README.md" ] || fail "the package has no README"
[ "$(ls "$usr"/share/plonk/*.wav | wc -l)" = 12 ] || fail "the package does not have the twelve sounds"
grep -q "^MIT License" "$usr/share/doc/plonk/LICENSE" || fail "the package has no MIT licence"
for size in 16 24 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -regard-warnings -format '%m %wx%h' "$icon" 2>/dev/null)" = "PNG ${size}x${size}" ] || fail "no ${size}x${size} icon"
done
launcher=$usr/share/applications/$id.desktop
grep -q '^Categories=Game;' "$launcher" || fail "the launcher is not in the Games category"
desktop-file-validate "$launcher" || fail "the launcher does not validate"
appstreamcli validate --no-net --strict "$usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "the metainfo does not validate: $(cat "$work/appstream.log")"

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
# Runs inside the virtual display: $1 the installed game, $2 screenshot file, $3
# status file, $4 its data folder, $5 the screen helpers. No audio device: ALSA is
# asked for a card that no machine has.
mkdir -m 700 -p "$HOME/runtime"
XDG_RUNTIME_DIR="$HOME/runtime" SDL_AUDIODRIVER=alsa AUDIODEV=hw:77 "$1" 2>"$(dirname "$3")/plonk.err" &
pid=$!
scratch=$(dirname "$3")
source "$5"
if ! wait_for_board "$4" "$3"; then kill "$pid"; exit 0; fi
# The window shows the installed icon.
if ! xprop -id "$frame" _NET_WM_ICON | grep -q 'Icon ('; then echo "no window icon" >"$3"; kill "$pid"; exit 0; fi
import -window root "$2"
kill "$pid"
wait "$pid"
echo "shown" >"$3"
SESSION

shot="$2/installed_game.png"
rm -f "$shot"
in_display "$usr/bin/plonk" "$shot" "$work/status" "$usr/share/plonk"
status=$(cat "$work/status" 2>/dev/null)
[ "$status" = "shown" ] || fail "the installed game did not show its board: ${status:-no status} $(cat "$work/plonk.err")"
[ -s "$shot" ] || fail "no screenshot"
if grep -iE 'alsa|sdl|snd_|jack|pulse' "$work/plonk.err"; then fail "sound messages reached the terminal"; fi
echo "ok: $(basename "$deb") unpacked and started, $shot"
