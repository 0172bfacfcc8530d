#!/usr/bin/env bash
# Pictures of every screen, reached with the keyboard alone, under a virtual X
# server. A developer check, not part of the test command.
#
#   tools/accessibility/screenshots.sh [PROGRAM] [FOLDER] [SUFFIX]
#
# Defaults: build/rvl92, docs/screenshots, "-200". The scale comes from
# QT_SCALE_FACTOR (default 2) and the screen from SCREEN (default 2560x1600x24).
# A window manager (openbox) places and maximises the screens as a desktop does.
# Packages: xvfb xauth xdotool x11-apps netpbm openbox
set -euo pipefail
program=$(realpath "${1:-build/rvl92}")
folder=${2:-docs/screenshots}
suffix=${3--200}
mkdir -p "$folder"
folder=$(realpath "$folder")
export QT_SCALE_FACTOR=${QT_SCALE_FACTOR:-2}

if [ -z "${RVL92_IN_XVFB:-}" ]; then
    RVL92_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 ${SCREEN:-2560x1600x24}" \
        "$0" "$program" "$folder" "$suffix"
fi

keys() {
    xdotool key --delay 150 "$@"
    sleep 2
}

# The window whose title begins with $1, cut out of the screen.
picture() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1( |\$)" | tail -n 1)
    if [ -z "$id" ]; then
        echo "geen venster: $1" >&2
        return 1
    fi
    xwd -silent -id "$id" | xwdtopnm 2>/dev/null | pnmtopng >"$folder/$2$suffix.png"
    echo "$folder/$2$suffix.png"
}

openbox &
wm=$!
sleep 2
"$program" &
pid=$!
trap 'kill $pid $wm 2>/dev/null || true' EXIT
sleep 4
picture "Startscherm RVL92" startscherm

keys alt+z
picture "Zoekprogramma en classificatielijsten" zoekprogramma

# Zoeken / Functienaam, a search with Enter.
keys alt+z Return
xdotool type --delay 100 bak
keys Return
picture "Zoeken op functienamen" zoeken-functienamen

# Zoeken / RVL92-code (the first item is off here): one digit, Tab to Zoeken.
keys alt+z Return
keys 2 Tab Tab Tab Tab space
picture "Zoeken op RVL92-Code" zoeken-rvl92

# Zoeken / Kenmerken: the first level, back to Zoeken with Shift+Tab.
keys alt+z Down Return
keys Down shift+Tab shift+Tab shift+Tab space
picture "Zoeken op kenmerken" zoeken-kenmerken

# The lists by their underlined letters; a jump typed into the job titles.
keys alt+z f
xdotool type --delay 150 bak
sleep 2
picture "Overzicht Functienamen" functienamen
keys alt+z b
keys 2
picture "Overzicht Beroepen" beroepen
keys alt+z k
picture "Kenmerken van beroep" kenmerken
keys alt+z n
picture "Functienamen bij beroep" namen

# The help of this screen; Escape closes it.
keys alt+h question
picture "Functienamen behorend bij geselecteerde beroep" help-namen
keys Escape
