#!/bin/sh
# A copy started hidden keeps running; a second copy hands it a transfer file
# and ends at once; SIGTERM to the first saves the data and the window state.
set -u
prog=$1
work=$(mktemp -d)
first=
cleanup() {
    [ -n "$first" ] && kill -KILL "$first" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR="$work/run"
# Every start writes the bus activation file there, not in the user's own.
export XDG_DATA_HOME="$work/data"
mkdir -m 700 "$XDG_RUNTIME_DIR"
home="$work/home"
mkdir "$home"

"$prog" --home "$home" HIDEWIN >"$work/first.log" 2>&1 &
first=$!
i=0
until ls "$XDG_RUNTIME_DIR"/merrowin-* >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "the first copy never listened"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended: $(cat "$work/first.log")"
    sleep 0.1
done

printf '{1 0 }Handed Over~~~~~~77\r\n\r\n{2 3 }Dana Reed~~~~~~78\r\n\r\n' >"$work/in.tvd"
# A relative name, given where the second copy was started.
(cd "$work" && timeout 10 "$prog" --home "$home" in.tvd) || fail "the second copy did not end with 0"
kill -0 "$first" 2>/dev/null || fail "the first copy ended after the hand-over"
# A vCard file too (no organization in it, so no question is asked).
printf 'BEGIN:VCARD\r\nN:Lund;Fay\r\nTEL;CELL:555 0100\r\nEND:VCARD\r\n' >"$work/fay.vcf"
(cd "$work" && timeout 10 "$prog" --home "$home" fay.vcf) || fail "the vCard hand-over did not end with 0"
kill -0 "$first" 2>/dev/null || fail "the first copy ended after the vCard hand-over"

kill -TERM "$first"
wait "$first"
rc=$?
first=
[ $rc -eq 0 ] || fail "the first copy ended with $rc"

grep -q '}Handed Over~~' "$home/tavi.dat" || fail "tavi.dat lacks the handed-over folder"
grep -q '}Dana Reed~~' "$home/tavi.dat" || fail "tavi.dat lacks the handed-over person"
grep -q '}Fay Lund~~' "$home/tavi.dat" || fail "tavi.dat lacks the person of the vCard file"
grep -q '}Cellular~~555 0100~~' "$home/tavi.dat" || fail "tavi.dat lacks the vCard's phone"
keys=$(awk '/^\[/{s=($0 ~ /^\[WinState\]/)} s && /=/{split($0,a,"="); printf "%s ", a[1]}' "$home/kex.ini" | tr -d '\r')
want="Norm_Left Norm_Top Norm_Width Norm_Height Norm_Split Alt_Left Alt_Top Alt_Width Alt_Height Alt_Split Norm_Style Alt_Style Norm_ColPos1 Norm_ColPos2 Norm_ColPos3 Alt_ColPos1 Alt_ColPos2 Alt_ColPos3 "
[ "$keys" = "$want" ] || fail "kex.ini [WinState] keys: $keys"
echo "ok"
