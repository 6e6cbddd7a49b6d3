#!/bin/bash
# The whole game of whole_game.sh, from inserting points to the next game and the
# close, played with the keyboard alone: no mouse event is sent.
# Usage: keyboard_game.sh PATH-TO-PLONK SCREENSHOT-DIR
export KEYS_ONLY=1
source "$(dirname "$0")/whole_game.sh"
