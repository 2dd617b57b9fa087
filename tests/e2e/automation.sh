#!/bin/sh
# The program on a private session bus: a client in another process walks the
# tree and changes it, the change is in tavi.dat after the end; cursors go
# with their client; -REGSERVER lets a call start the program.
set -u
prog=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
# The bus daemon and what it starts see the scratch folders too.
if [ -z "${MERROWIN_AUTOMATION_WORK:-}" ]; then
    work=$(mktemp -d)
    mkdir -m 700 "$work/run"
    mkdir "$work/home"
    XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen \
        MERROWIN_HOME="$work/home" MERROWIN_AUTOMATION_WORK="$work" \
        dbus-run-session -- "$0" "$@"
    rc=$?
    rm -rf "$work"
    exit $rc
fi
work=$MERROWIN_AUTOMATION_WORK
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/prog.log" ] && cat "$work/prog.log" >&2; exit 1; }

home="$work/home"
# Debian's python3-dbus belongs to the system's python.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
printf '{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }Family~~~~~~77\r\n\r\n{2 3 }Dana Reed~~~~~~78\r\n\r\n{2 3 }Abe Reed~~~~~~79\r\n\r\n{1 0 }J\374rgen~~~~~~80\r\n\r\n' >"$home/tavi.dat"

has_owner() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
wait_owner() {
    i=0
    until has_owner "$1"; do
        i=$((i + 1))
        [ $i -gt 150 ] && fail "nobody took $1"
        sleep 0.1
    done
}
owner_pid() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed 's/.*uint32 \([0-9]*\).*/\1/'
}

# --- an ordinary start: the activation file is written, the name taken ------------
"$prog" --home "$home" HIDEWIN >"$work/prog.log" 2>&1 &
pid=$!
wait_owner Tavi.Application
grep -qx "Exec=$(readlink -f "$prog") -AUTOMATION" "$XDG_DATA_HOME/dbus-1/services/Tavi.Application.service" ||
    fail "the activation file was not written"

answer=$(gdbus call --session --dest Tavi.Application --object-path /Tavi/Application \
    --method Tavi.Application.CreateObject) || fail "CreateObject"
echo "$answer" | grep -q "objectpath '/Tavi/Cursor/[0-9]*'" || fail "CreateObject answered $answer"

# The documented walk prints every node with its depth.
"$py" "$src/docs/examples/walk_tree.py" >"$work/walk.txt" 2>&1 || fail "walk: $(cat "$work/walk.txt")"
printf '0 My Contacts\n1 Family\n2 Abe Reed\n2 Dana Reed\n1 J\303\274rgen\n' >"$work/want.txt"
cmp -s "$work/walk.txt" "$work/want.txt" || fail "walk printed: $(cat "$work/walk.txt")"

sh "$src/docs/examples/walk_tree.sh" >"$work/walk.txt" 2>&1 || fail "gdbus walk: $(cat "$work/walk.txt")"
printf '0 My Contacts\n1 Family\n2 Abe Reed\n3 Dana Reed\n4 J\303\274rgen\n' >"$work/want.txt"
cmp -s "$work/walk.txt" "$work/want.txt" || fail "gdbus walk printed: $(cat "$work/walk.txt")"

out=$("$py" "$src/tests/e2e/automation_client.py" Tavi.Application 2>&1) || fail "client: $out"
echo "$out" | tail -1 | grep -qx ok || fail "client: $out"
# The client has left: its cursors went with it.
left=$(gdbus introspect --session --dest Tavi.Application --object-path /Tavi/Cursor) ||
    fail "introspect"
echo "$left" | grep -q "node [0-9]" && fail "cursors outlived their client: $left"
gdbus introspect --session --dest Tavi.Application --object-path /Tavi/Application |
    grep -q "CreateObject" || fail "introspection lacks CreateObject"

# A second copy with another folder takes the folder's own name.
home2="$work/home2"
mkdir "$home2"
"$prog" --home "$home2" HIDEWIN >"$work/second.log" 2>&1 &
second=$!
name2=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.ListNames | grep -o "Tavi\.Application\.F[0-9a-f]*" | head -1)
i=0
while [ -z "$name2" ] && [ $i -lt 150 ]; do
    sleep 0.1
    i=$((i + 1))
    name2=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.ListNames | grep -o "Tavi\.Application\.F[0-9a-f]*" | head -1)
done
[ -n "$name2" ] || fail "the second copy took no name"
gdbus call --session --dest "$name2" --object-path /Tavi/Application \
    --method org.freedesktop.DBus.Properties.Get Tavi.Application ProgramFolder |
    grep -q "home2" || fail "$name2 is not the second copy"
kill -TERM "$second"
wait "$second"

kill -TERM "$pid"
wait "$pid"
rc=$?
pid=
[ $rc -eq 0 ] || fail "the program ended with $rc"
grep -qF "$(printf '}Dana Re\303\251d-Smith~~')" "$home/tavi.dat" || fail "tavi.dat lacks the new title"
grep -q "}Work mail~~dana@example.org~~" "$home/tavi.dat" || fail "tavi.dat lacks the inserted item"

# --- activation: -REGSERVER writes the file and ends; a call starts the program ---
rm -f "$XDG_DATA_HOME/dbus-1/services/Tavi.Application.service"
timeout 10 "$prog" /regserver || fail "/regserver did not end with 0"
[ -f "$XDG_DATA_HOME/dbus-1/services/Tavi.Application.service" ] || fail "/regserver wrote no file"
has_owner Tavi.Application && fail "/regserver stayed on the bus"
gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.ReloadConfig >/dev/null
answer=$(gdbus call --session --dest Tavi.Application \
    --object-path /Tavi/Application --method Tavi.Application.CreateObject) ||
    fail "the call did not start the program"
echo "$answer" | grep -q "/Tavi/Cursor/" || fail "the started program answered $answer"
pid=$(owner_pid Tavi.Application)
[ -n "$pid" ] || fail "no process owns Tavi.Application"
kill -TERM "$pid" || fail "the started program is gone"
i=0
while kill -0 "$pid" 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "the started program did not end"
    sleep 0.1
done
pid=
timeout 10 "$prog" -UnRegServer || fail "-UNREGSERVER did not end with 0"
[ -f "$XDG_DATA_HOME/dbus-1/services/Tavi.Application.service" ] && fail "-UNREGSERVER left the file"
echo "ok"
