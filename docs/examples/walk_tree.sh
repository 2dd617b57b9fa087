#!/bin/sh
# Prints the position and title of every node of the running Merrowin's tree
# with gdbus. gdbus connects anew for every call, and a cursor ends with the
# connection that made it, so a small holder (Debian's python3-dbus) makes the
# cursor and stays on the bus until the walk is done; any caller may use it.
set -eu
name=${TAVI_APPLICATION:-Tavi.Application}
out=$(mktemp)
/usr/bin/python3 -c '
import dbus, signal, sys
bus = dbus.SessionBus()
app = bus.get_object(sys.argv[1], "/Tavi/Application")
print(app.CreateObject(dbus_interface="Tavi.Application"), flush=True)
signal.pause()' "$name" >"$out" &
holder=$!
trap 'kill $holder; rm -f "$out"' EXIT
until [ -s "$out" ]; do sleep 0.1; done
cursor=$(cat "$out")

call() { gdbus call --session --dest "$name" --object-path "$cursor" "$@"; }
prop() {
    call --method org.freedesktop.DBus.Properties.Get Tavi.Application.Cursor "$1" |
        sed -e "s/^(<'\{0,1\}//" -e "s/'\{0,1\}>,)\$//"
}

count=$(prop ItemCount)
i=0
while [ "$i" -lt "$count" ]; do
    call --method Tavi.Application.Cursor.Items "$i" >/dev/null
    echo "$i $(prop taviTitle)"
    i=$((i + 1))
done
