# The start shared by the window checks run under a virtual X server: the program
# and the screenshot folder from the command line, a temporary folder `work`
# removed at the end, leak suppressions for the sanitizer build, and `fail`.
# Usage, first thing in a check: source "$(dirname "$0")/common.bash"
set -u
plonk=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Under the sanitizers: memory the system libraries keep to the end is not a leak.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp}"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The virtual X server must not reset when its last client leaves: a program
# started in that moment (the next game after one has ended) would be refused.
xvfb_args="-noreset -screen 0"

# in_display ARG...: runs "$work/session.sh" in a virtual display of its own
# (`display_size`, 800x600 unless set) and a session bus of its own, as on a
# player's desktop, with the settings under "$work/config", given ARG... and then
# the screen helpers.
in_display() {
    HOME="$work" XDG_CONFIG_HOME="$work/config" dbus-run-session -- \
        xvfb-run -a -s "$xvfb_args ${display_size:-800x600}x24" \
        bash "$work/session.sh" "$@" "$(dirname "${BASH_SOURCE[0]}")/screen.bash" ||
        fail "xvfb-run failed"
}
