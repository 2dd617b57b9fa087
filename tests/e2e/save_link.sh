#!/bin/sh
# The desktop program saves through a link to another folder and keeps the
# link; a hard-linked kex.ini is written in place with a backup; an unreadable
# tavi.dat and an unwritable kex.ini are reported, and a second SIGTERM ends
# the report.
set -u
prog=$1
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR="$work/run"
# Every start writes the bus activation file there, not in the user's own.
export XDG_DATA_HOME="$work/data"
mkdir -m 700 "$XDG_RUNTIME_DIR"
home="$work/home"
synced="$work/synced"
mkdir "$home" "$synced" "$work/elsewhere"

# Starts the program hidden on $home and waits until it listens.
start() {
    rm -f "$XDG_RUNTIME_DIR"/merrowin-*
    "$prog" --home "$home" HIDEWIN >"$work/prog.log" 2>&1 &
    pid=$!
    i=0
    until ls "$XDG_RUNTIME_DIR"/merrowin-* >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -gt 100 ] && fail "the program never listened: $(cat "$work/prog.log")"
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/prog.log")"
        sleep 0.1
    done
}
# Hands a transfer file holding one folder named $1 to the running program.
hand_over() {
    printf '{1 0 }%s~~~~~~77\r\n{Fold}0\r\n' "$1" >"$work/in.tvd"
    timeout 10 "$prog" --home "$home" "$work/in.tvd" || fail "the second copy did not end with 0"
}
# Waits up to 10 s for the program to end; sets rc.
wait_end() {
    i=0
    while kill -0 "$pid" 2>/dev/null; do
        i=$((i + 1))
        [ $i -gt 100 ] && fail "the program did not end"
        sleep 0.1
    done
    wait "$pid"
    rc=$?
    pid=
}

# 1. tavi.dat is a relative link into another folder; kex.ini has a second name.
printf '{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }Before~~~~~~5\r\n{Fold}0\r\n' \
    >"$synced/contacts.dat"
ln -s ../synced/contacts.dat "$home/tavi.dat"
printf '[Settings]\r\nINetMail=1\r\n' >"$home/kex.ini"
ln "$home/kex.ini" "$work/elsewhere/kex.ini"
start
hand_over "Handed Over"
kill -TERM "$pid"
wait_end
[ $rc -eq 0 ] || fail "the program ended with $rc: $(cat "$work/prog.log")"
[ -L "$home/tavi.dat" ] || fail "tavi.dat is no longer a link"
[ "$(readlink "$home/tavi.dat")" = "../synced/contacts.dat" ] || fail "the link changed"
grep -q '}Handed Over~~' "$synced/contacts.dat" || fail "the link's target lacks the new data"
grep -q '}Before~~' "$synced/contacts.dat" || fail "the link's target lost its data"
grep -q '^\[WinState\]' "$work/elsewhere/kex.ini" || fail "kex.ini's other name lacks the window state"
[ "$(stat -c %i "$home/kex.ini")" = "$(stat -c %i "$work/elsewhere/kex.ini")" ] ||
    fail "kex.ini lost its second name"
grep -q '^INetMail=1' "$home/kex.bak" || fail "kex.bak does not hold the old kex.ini"
leftover=$(ls "$home" "$synced" | grep -c '\.tmp-')
[ "$leftover" -eq 0 ] || fail "temporary files left behind"

# 2. kex.ini cannot be written: the data is saved, the error shown; the
#    program waits on the error box until a second SIGTERM closes it.
rm "$home/kex.ini" "$home/kex.bak"
mkdir "$home/kex.ini"
start
hand_over "Second Run"
kill -TERM "$pid"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended without showing the error"
grep -q '}Second Run~~' "$synced/contacts.dat" || fail "the data was not saved first"
grep -q 'kex.ini: File access denied' "$work/prog.log" || fail "the error was not reported"
kill -TERM "$pid"
wait_end
[ $rc -eq 1 ] || fail "a failed end ended with $rc"

# 3. tavi.dat cannot be read: the error is shown, nothing is written.
rmdir "$home/kex.ini"
rm "$home/tavi.dat"
mkdir "$home/tavi.dat"
"$prog" --home "$home" HIDEWIN >"$work/prog.log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended without showing the load error"
kill -TERM "$pid"
wait_end
[ $rc -eq 1 ] || fail "a failed load ended with $rc"
[ -d "$home/tavi.dat" ] || fail "the unreadable tavi.dat was replaced"
[ -z "$(ls "$home/tavi.dat")" ] || fail "something was written into tavi.dat"
echo "ok"
