#!/usr/bin/env bash
# A site published by merrowin-cli as a visitor sees it: tidy finds no error in
# any page, and headless Chromium shows the frames with the index on the left
# and the content on the right, every person with the link to its card and the
# index with the link to the transfer file.
# usage: publish_site.sh MERROWIN-CLI DATA-FILE [SCREENSHOT-FOLDER]
set -euo pipefail
cli=$1
data=$2
shots=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "publish_site: $*" >&2; exit 1; }

mkdir -p "$work/home"
cp "$data" "$work/home/tavi.dat"
"$cli" --home "$work/home" publish html "My Contacts/Friends" "$work/site" ||
    fail "publish html failed"
"$cli" --home "$work/home" publish html "My Contacts/Friends" "$work/single" --no-frames \
    --background marble --text Maroon --link Teal || fail "publish html --no-frames failed"

if command -v tidy >/dev/null; then
    for page in "$work"/site/*.htm "$work"/single/*.htm; do
        out=$(tidy -errors -quiet --show-warnings no "$page" 2>&1) && status=0 || status=$?
        [ "$status" -lt 2 ] && [ -z "$out" ] || fail "tidy: $page: $out"
    done
else
    echo "publish_site: tidy is not installed, pages not checked" >&2
fi

browser=$(command -v chromium || command -v chromium-browser || true)
[ -n "$browser" ] || { echo "publish_site: no Chromium, skipped" >&2; exit 0; }
run_browser() {
    timeout 60 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile" "$@" 2>/dev/null
}

frames=$(run_browser --dump-dom "file://$work/site/Friends.htm")
grep -q '<frameset cols="35%,65%">' <<<"$frames" || fail "no frameset: $frames"
# The index frame comes first, so it is the left one.
tr -d '\n' <<<"$frames" | grep -q 'src="taviindex.htm".*src="tavimain.htm"' ||
    fail "frames out of order: $frames"

index=$(run_browser --dump-dom "file://$work/site/taviindex.htm")
grep -q '<a href="tavimain.tvd">' <<<"$index" || fail "the index lacks the transfer link"
grep -q 'Get Merrowin™ file' <<<"$index" || fail "the index lacks the transfer text"
grep -q 'href="tavimain.htm#r10"' <<<"$index" || fail "the index does not link Ann Lee"

content=$(run_browser --dump-dom "file://$work/site/tavimain.htm")
for id in 10 17; do
    grep -q "<a href=\"vc$id.vcf\">" <<<"$content" || fail "person $id does not link its card"
    grep -q "<a name=\"r$id\">" <<<"$content" || fail "person $id has no anchor"
done
grep -q '12 High Street' <<<"$content" || fail "the content lacks Ann Lee's address"

single=$(run_browser --dump-dom "file://$work/single/Friends.htm")
grep -q 'background="marble.gif"' <<<"$single" || fail "no background: $single"
[ -f "$work/single/marble.gif" ] || fail "the background was not copied"

run_browser --window-size=900,600 --screenshot="$work/framed.png" "file://$work/site/Friends.htm"
run_browser --window-size=900,600 --screenshot="$work/single.png" "file://$work/single/Friends.htm"
for s in framed single; do
    [ -s "$work/$s.png" ] || fail "no screenshot of the $s site"
    [ -z "$shots" ] || cp "$work/$s.png" "$shots/publish-$s.png"
done
echo "publish_site: ok"
