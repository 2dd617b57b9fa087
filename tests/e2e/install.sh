#!/bin/sh
# Installs Merrowin as a user gets it and checks what lands on the disk:
#   install.sh install BUILD VERSION   cmake --install into a scratch root
#                                      (prefix /opt/merrowin: nothing may
#                                      depend on living below /usr)
#   install.sh package BUILD VERSION   the Debian package made by cpack from
#                                      the same build, unpacked with dpkg -x,
#                                      its control fields and lintian
#   install.sh system BUILD VERSION    the package as installed on this
#                                      machine (apt install ./merrowin_*.deb)
# Then both validate the menu entry, the file type and the metadata, run the
# installed programs, and start the desktop program the way its menu entry
# does with two transfer files (the second handed to the running copy).
set -u
mode=$1
build=$(cd "$2" && pwd)
version=$3
src=$(cd "$(dirname "$0")/../.." && pwd)
id=io.github.merrowin.Merrowin
work=$(mktemp -d)
pids=
cleanup() {
    for p in $pids; do kill -KILL "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

case "$mode" in
install)
    DESTDIR="$work/root" cmake --install "$build" --prefix /opt/merrowin >"$work/install.log" 2>&1 ||
        fail "cmake --install: $(cat "$work/install.log")"
    top="$work/root/opt/merrowin"
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$work/cpack.log")"
    deb="$work/pkg/merrowin_$version.0_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/pkg")"
    [ "$(dpkg-deb -f "$deb" Package)" = merrowin ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version.0" ] || fail "package version"
    depends=$(dpkg-deb -f "$deb" Depends)
    # The dependencies come from the libraries the programs link, and the
    # plugin that draws the icons.
    for lib in libc6 libstdc++6 libqt6widgets6 libqt6svg6; do
        echo "$depends" | grep -q "\\b$lib\\b" || fail "Depends lacks $lib: $depends"
    done
    lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
    dpkg -x "$deb" "$work/root" || fail "dpkg -x"
    top="$work/root/usr"
    ;;
system)
    [ "$(dpkg-query -W -f '${Status}' merrowin 2>/dev/null)" = "install ok installed" ] ||
        fail "the package merrowin is not installed"
    top=/usr
    # The package's triggers made the desktop's databases know the file types.
    for type in application/x-merrowin-transfer text/vcard; do
        grep -q "^$type=.*$id.desktop" /usr/share/applications/mimeinfo.cache ||
            fail "the desktop does not offer Merrowin for $type"
    done
    [ "$(xdg-mime query default application/x-merrowin-transfer)" = $id.desktop ] ||
        fail "transfer files open with $(xdg-mime query default application/x-merrowin-transfer)"
    ;;
*)
    fail "mode install, package or system"
    ;;
esac

# --- the files and their places
for f in bin/merrowin bin/merrowin-cli \
    share/merrowin/help/index.html share/merrowin/help/1001.html share/merrowin/web/person.gif \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/merrowin.1.gz share/man/man1/merrowin-cli.1.gz \
    share/doc/merrowin/copyright share/doc/merrowin/changelog.gz; do
    [ -f "$top/$f" ] || fail "not installed: $f"
done
for f in share/merrowin/web/make-gifs.sh share/merrowin/web/credit-button.svg; do
    [ -e "$top/$f" ] && fail "a source of the artwork is installed: $f"
done
# Every rendered icon is as large as the folder it is in says.
for size in 16 22 24 32 48 64 128 256; do
    png="$top/share/icons/hicolor/${size}x$size/apps/$id.png"
    [ -f "$png" ] || fail "no $size px icon"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
    [ "$dims" = "${size}x$size" ] || fail "the $size px icon is $dims"
done
# The programs find their data from where they are: no constant of theirs
# (8-bit or UTF-16, as Qt keeps its literals) names the source or the build.
for p in merrowin merrowin-cli; do
    objcopy -O binary --only-section=.rodata "$top/bin/$p" "$work/rodata" || fail "objcopy $p"
    { strings -a "$work/rodata" && strings -a -el "$work/rodata"; } >"$work/strings"
    grep -q 'tavi\.dat' "$work/strings" || fail "no constants read from $p"
    grep -F -e "$src" -e "$build" "$work/strings" && fail "$p names the source or the build folder"
done

# --- menu entry, metadata, file type
entry="$top/share/applications/$id.desktop"
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
out=$(appstreamcli validate --no-net "$top/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli: $out"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon)"
for type in text/vcard application/x-merrowin-transfer; do
    key MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType lacks $type"
done

mime="$work/mime"
mkdir -p "$mime/mime/packages"
cp "$top/share/mime/packages/$id.xml" "$mime/mime/packages/"
out=$(XDG_DATA_DIRS="$mime" update-mime-database "$mime/mime" 2>&1) || fail "update-mime-database: $out"
[ -z "$out" ] || fail "update-mime-database says: $out"
content_type() {
    XDG_DATA_HOME="$work/nothing" XDG_DATA_DIRS="$mime:/usr/share" \
        gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'
}

# --- the programs
export PATH="$top/bin:$PATH"
for p in merrowin merrowin-cli; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p" --version 2>&1) ||
        fail "$p --version ended with $?"
    [ "$out" = "merrowin $version" ] || fail "$p --version says: $out"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p" --help >"$work/help" 2>&1 ||
        fail "$p --help: $(cat "$work/help")"
    grep -q "^usage: $p " "$work/help" || fail "$p --help: $(cat "$work/help")"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$top/share/man/man1/$p.1.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $p: $out"
done
# Every command merrowin-cli lists has its entry in the manual page.
commands=$(merrowin-cli --help | sed -n '/^commands:/,/^[a-z]/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "merrowin-cli --help lists no commands"
for c in $commands; do
    gzip -dc "$top/share/man/man1/merrowin-cli.1.gz" | sed 's/\\-/-/g' | grep -Eq "^\.BI? $c( |\$)" ||
        fail "the manual page of merrowin-cli lacks the command $c"
done

# A tree made with the installed merrowin-cli, and a transfer file it writes.
cli_home="$work/cli"
mkdir "$cli_home"
printf '{1 0 }Handed Over~~~~~~77\r\n\r\n{2 3 }Dana Reed~~~~~~78\r\n\r\n' >"$work/in.tvd"
merrowin-cli --home "$cli_home" import-tvd "$work/in.tvd" || fail "merrowin-cli import-tvd"
merrowin-cli --home "$cli_home" check >"$work/check" || fail "merrowin-cli check"
grep -qx 'kind 3 person: 1' "$work/check" || fail "merrowin-cli check: $(cat "$work/check")"
merrowin-cli --home "$cli_home" export-tvd "My Contacts/Handed Over" "$work/first.tvd" ||
    fail "merrowin-cli export-tvd"
sed 's/Handed Over/Second Folder/; s/Dana Reed/Eli Stone/' "$work/first.tvd" >"$work/second.tvd"

# The desktop knows such a file by its name and by its first line.
cp "$work/first.tvd" "$work/no-extension"
printf 'plain words\n' >"$work/plain.tvd"
printf 'plain words\n' >"$work/plain"
for case in first.tvd:application/x-merrowin-transfer no-extension:application/x-merrowin-transfer \
    plain.tvd:application/x-merrowin-transfer plain:text/plain; do
    file=${case%%:*}
    want=${case#*:}
    got=$(content_type "$work/$file")
    [ "$got" = "$want" ] || fail "$file is taken for $got, not $want"
done

# --- the desktop program, started as its menu entry starts it
entry_command() { # FILE...: the entry's Exec line with %F standing for the files
    for word in $(key Exec); do
        if [ "$word" = %F ]; then printf '%s ' "$@"; else printf '%s ' "$word"; fi
    done
}
export XDG_RUNTIME_DIR="$work/run" MERROWIN_HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$MERROWIN_HOME"
# The Exec line is split into its words, as the desktop does.
# A vCard file opens along with the transfer file (a card without an
# organization: no question is asked).
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lund;Fay\r\nTEL;TYPE=CELL:555 0100\r\nEND:VCARD\r\n' >"$work/card.vcf"
# shellcheck disable=SC2046,SC2091
$(entry_command "$work/first.tvd" "$work/card.vcf") >"$work/gui.log" 2>&1 &
first=$!
pids="$first"
i=0
until ls "$XDG_RUNTIME_DIR"/merrowin-* >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 150 ] && fail "the program never listened"
    kill -0 "$first" 2>/dev/null || fail "the program ended: $(cat "$work/gui.log")"
    sleep 0.1
done
# A double-click while it runs: the second copy hands the file over and ends.
# shellcheck disable=SC2046
timeout 20 $(entry_command "$work/second.tvd") >>"$work/gui.log" 2>&1 ||
    fail "the second copy did not end with 0"
kill -TERM "$first"
wait "$first"
rc=$?
pids=
[ $rc -eq 0 ] || fail "the program ended with $rc: $(cat "$work/gui.log")"
merrowin-cli dump >"$work/dump.json" || fail "merrowin-cli dump"
for title in "Handed Over" "Dana Reed" "Second Folder" "Eli Stone" "Fay Lund"; do
    grep -q "\"$title\"" "$work/dump.json" || fail "the saved tree lacks $title"
done

# The window's class is the one the menu entry names, so the desktop ties
# the window to the entry.
if [ "$mode" != package ]; then
    wmclass=$(key StartupWMClass)
    # shellcheck disable=SC2016
    QT_QPA_PLATFORM=xcb xvfb-run -a sh -c '
        merrowin & p=$!
        i=0
        while [ $i -lt 100 ]; do
            xwininfo -root -tree | grep -q "\"merrowin\" \"$1\"" && { kill -TERM $p; wait $p; exit 0; }
            kill -0 $p 2>/dev/null || exit 2
            i=$((i + 1)); sleep 0.1
        done
        kill -TERM $p; wait $p; exit 1' sh "$wmclass" >"$work/xvfb.log" 2>&1 ||
        fail "no window of class $wmclass: $(cat "$work/xvfb.log")"
fi
echo "ok"
