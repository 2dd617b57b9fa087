#!/usr/bin/env bash
# Renders the pictures that published pages refer to from the program's own
# icons. Needs rsvg-convert (librsvg2-bin) and ImageMagick; the GIFs are kept
# in the repository, so this only runs when the artwork changes.
set -euo pipefail
cd "$(dirname "$0")"
icons=../icons
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# GIF has one transparent colour: pixels more than half covered stay opaque.
gif() { convert "$1" -channel A -threshold 50% +channel "$2"; }

render() { # svg width height gif
    rsvg-convert -w "$2" -h "$3" "$1" -o "$tmp/p.png"
    gif "$tmp/p.png" "$4"
}

# The folder link picture is 15 by 13: crop the folder's own drawing to that shape.
sed 's/viewBox="0 0 32 32"/viewBox="1.5 4.5 29 25" preserveAspectRatio="none"/' \
    "$icons/folder.svg" > "$tmp/folder.svg"
render "$tmp/folder.svg" 15 13 folder.gif
render "$icons/team.svg" 16 16 team.gif
render "$icons/person.svg" 16 16 person.gif
render "$icons/organization.svg" 16 16 org.gif
render "$icons/website.svg" 16 16 web.gif
render "$icons/vcard.svg" 16 16 vcard.gif
render "$icons/merrowin.svg" 16 16 kex_16.gif
rsvg-convert -w 120 -h 40 credit-button.svg -o "$tmp/p.png"
convert "$tmp/p.png" -background white -flatten tavibtn.gif
