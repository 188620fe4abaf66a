#!/bin/sh
# quorvan --verify on the committed draw records, as an auditor's script runs
# it: status 0 for every good record, 1 for one whose results its ladder does
# not give or that was altered, 2 for a file that is no readable record; and
# the guide's own Python verifier giving the same status on every one.
set -u
program=$1
data=$2
draws=$data/draws
failed=0
# The status --verify gave each record it was given alone ("STATUS<tab>FILE" lines).
statuses=$(mktemp)
trap 'rm -f "$statuses"' EXIT

# expect STATUS TEXT [ARGUMENT]: the status, and TEXT somewhere in the output.
expect() {
  want=$1 text=$2
  shift 2
  output=$("$program" --verify "$@" 2>&1)
  status=$?
  [ $# -eq 1 ] && printf '%s\t%s\n' "$status" "$1" >>"$statuses"
  if [ "$status" -ne "$want" ] || ! printf '%s' "$output" | grep -qF -- "$text"; then
    echo "FAIL: --verify $* exited $status (expected $want) saying: $output"
    failed=1
  else
    echo "ok: --verify $* exited $status"
  fi
}

export LC_ALL=C.UTF-8 LANG=C.UTF-8
for record in "$draws"/*.qdraw; do
  case ${record##*/} in
    bad-*|announced*) ;;
    *) expect 0 "Verified: same ladder, same results" "$record" ;;
  esac
done
expect 1 "Not verified: the record differs from its ladder." "$draws/bad-differs.qdraw"
expect 1 "the record has been altered since it was saved" "$draws/bad-altered.qdraw"
expect 2 "it is not JSON text" "$draws/bad-cut-short.qdraw"
# Forged by hand, their digests made to fit again.
expect 1 "The shuffle “history[1]” is not the order the program's generator gives" "$draws/bad-program-shuffle-chosen.qdraw"
expect 2 "the entry “program” should be one of Quorvan" "$draws/bad-other-program.qdraw"
expect 2 "“history[3]” comes after the last Build" "$draws/bad-shuffle-after-build.qdraw"
expect 2 "the fair Build “history[2]” does not follow" "$draws/bad-fair-without-shuffle.qdraw"
expect 2 "The key “rows” appears twice in one object" "$draws/bad-duplicate-key.qdraw"
expect 2 "The number 12.0 at byte" "$draws/bad-float-rows.qdraw"
expect 2 "The number 1.2e1 at byte" "$draws/bad-exponent-rows.qdraw"
expect 2 "It begins with a byte order mark" "$draws/bad-byte-order-mark.qdraw"
# A key "\uFEFFrows" written with the mark itself is an entry of its own, not "rows".
expect 2 "a draw record has no entry" "$draws/bad-byte-order-mark-key.qdraw"
# A name that begins with one is another name: its results no longer match.
expect 1 "the ladder gives member 1" "$draws/bad-byte-order-mark-name.qdraw"
expect 2 "A control character stands unescaped in a text" "$draws/bad-control-character.qdraw"
expect 2 "one half of a surrogate pair without the other" "$draws/bad-lone-surrogate.qdraw"
expect 2 "it is not JSON text: invalid escape sequence" "$draws/bad-unknown-escape.qdraw"
# An announced draw: verified with the A people compare, and forged in every way the table names.
A=798baa8038575c8d6149e4484b9bd837c230389ac43cfe3bd8328b8a637497f8
expect 0 "Verified: this outcome is the one the announcement and the values allow." "$draws/announced.qdraw" --announcement $A
expect 0 "compare the A above with the one that was published" "$draws/announced.qdraw"
expect 1 "The announcement's digest A is not the one given." "$draws/announced.qdraw" --announcement 0$(printf %s $A | cut -c2-)
expect 1 "The hits' order recorded is not the one" "$draws/bad-announced-swapped-hits.qdraw" --announcement $A
expect 1 "The lists are not the announcement's." "$draws/bad-announced-swapped-members.qdraw" --announcement $A
expect 1 "The seed recorded is not the one" "$draws/bad-announced-chosen-seed.qdraw" --announcement $A
expect 1 "The hits' order recorded is not the one" "$draws/bad-announced-chosen-order.qdraw" --announcement $A
expect 1 "does not match the commitment" "$draws/bad-announced-wrong-reveal.qdraw" --announcement $A
expect 1 "is not its dice as announced" "$draws/bad-announced-dice.qdraw" --announcement $A
expect 2 "The number 5.0 at byte" "$draws/bad-announced-float-rows.qdraw"
expect 2 "The key “key” appears twice in one object" "$draws/bad-announced-duplicate-key.qdraw"
expect 2 "one half of a surrogate pair without the other" "$draws/bad-announced-lone-surrogate.qdraw"
# What a record of format version 1 cannot show, it says it cannot.
for forged in swapped-hits deleted-build; do
  expect 0 "whether this was the first draw, or a fair one, cannot be told from this record" "$draws/forged-$forged.qdraw"
done
expect 2 "It is not a Quorvan draw record" "$data/members-crlf.txt"
expect 2 "There is no such file (any more)" "$draws/none.qdraw"
# A record whose name is not UTF-8 is there, but cannot be opened by that name: said so.
odd=$(mktemp -d) && cp "$draws/plain-12.qdraw" "$odd/$(printf 'draw\377.qdraw')"
expect 2 "stands for bytes that are not UTF-8 text" "$odd/$(printf 'draw\377.qdraw')"
rm -r "$odd"
expect 2 "usage: quorvan [FILE] | --verify FILE [--announcement HEX]"
# An answer that cannot reach its reader is no success.
for answer in "--verify $draws/plain-12.qdraw" --version; do
  output=$("$program" $answer 2>&1 >/dev/full)
  [ $? -eq 2 ] && printf '%s' "$output" | grep -qF "could not be written to standard output" ||
    { echo "FAIL: quorvan $answer > /dev/full said: $output"; failed=1; }
done
export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8
expect 0 "検証済み：同じあみだ、同じ結果" "$draws/small-3-cross-lines.qdraw"
export LC_ALL=C.UTF-8 LANG=C.UTF-8

# --verify loads Qt Core and none of the window's libraries (the loader's own
# account of every file it loads, from the program's start to its end).
loaded=$(LD_DEBUG=files "$program" --verify "$draws/plain-12.qdraw" 2>&1 >/dev/null | grep -o 'file=[^ ]*')
qt=$(printf '%s\n' "$loaded" | grep -o 'libQt6[A-Za-z]*' | sort -u | tr '\n' ' ')
graphical=$(printf '%s\n' "$loaded" | grep -E 'lib(X11|xcb|GL|EGL|OpenGL|fontconfig|freetype|png|harfbuzz)' | tr '\n' ' ')
if [ "$qt" != "libQt6Core " ] || [ -n "$graphical" ]; then
  echo "FAIL: --verify loaded Qt libraries: $qt; graphical libraries: $graphical"
  failed=1
fi
# Anything else is the window's: a record to open reaches the toolkit's start
# (here without any platform to start on).
output=$( (QT_QPA_PLATFORM=quorvan-no-platform "$program" "$draws/plain-12.qdraw"; :) 2>&1)
if ! printf '%s' "$output" | grep -qF 'Could not find the Qt platform plugin "quorvan-no-platform"'; then
  echo "FAIL: quorvan FILE did not start the window's toolkit, saying: $output"
  failed=1
fi
# Without /proc (taken away in a mount namespace) it cannot know its folder: it says so, and looks in no other.
# (A sanitized build's own runtime cannot end without /proc, so it is not tried there.)
if ldd "$program" | grep -q libasan; then
  echo "skipped: quorvan without /proc (a sanitized build)"
elif unshare -rm true 2>/dev/null; then
  output=$(cd "$data" && unshare -rm sh -c 'mount -t tmpfs none /proc && exec "$0" --version' "$program" 2>&1)
  [ $? -eq 2 ] && printf '%s' "$output" | grep -qF "quorvan: cannot find its own folder" ||
    { echo "FAIL: quorvan without /proc said: $output"; failed=1; }
else
  echo "skipped: quorvan without /proc (no mount namespace here)"
fi

# The guide's Python verifier, as printed in every language's guide, gives every committed record the program's status
# (under the system's Python, as the other tests that run Python do).
guide=$data/../../docs/guide
/usr/bin/python3 - "$guide" <<'PYTHON' || failed=1
import glob, html, os, re, sys
script = open(sys.argv[1] + "/verify-draw.py", encoding="utf-8").read()
pages = sorted(glob.glob(sys.argv[1] + "/index*.html"))
if len(pages) < 5:
    sys.exit("FAIL: the guide's pages are missing: %s" % [os.path.basename(page) for page in pages])
for page in pages:
    shown = re.search(r'<pre><code id="verify-draw">(.*?)</code></pre>', open(page, encoding="utf-8").read(), re.S)
    if not shown or html.unescape(shown.group(1)) != script:
        sys.exit("FAIL: %s does not show verify-draw.py as it is" % page)
PYTHON
for record in "$draws"/*.qdraw; do
  /usr/bin/python3 "$guide/verify-draw.py" "$record" >/dev/null 2>&1
  python_status=$?
  status=$(awk -F '\t' -v record="$record" '$2 == record { print $1; exit }' "$statuses")
  if [ -z "$status" ]; then
    "$program" --verify "$record" >/dev/null 2>&1
    status=$?
  fi
  if [ "$python_status" -ne "$status" ]; then
    echo "FAIL: verify-draw.py ends $python_status, quorvan --verify $status, on $record"
    failed=1
  fi
done
exit $failed
