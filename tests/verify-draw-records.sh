#!/bin/sh
# quorvan --verify on the committed draw records, as an auditor's script runs
# it: status 0 for every good record, 1 for one whose results its ladder does
# not give or that was altered, 2 for a file that is no readable record.
set -u
program=$1
data=$2
draws=$data/draws
failed=0

# expect STATUS TEXT [ARGUMENT]: the status, and TEXT somewhere in the output.
expect() {
  want=$1 text=$2
  shift 2
  output=$("$program" --verify "$@" 2>&1)
  status=$?
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
    bad-*) ;;
    *) expect 0 "Verified: same ladder, same results" "$record" ;;
  esac
done
expect 1 "Not verified: the record differs from its ladder." "$draws/bad-differs.qdraw"
expect 1 "the record has been altered since it was saved" "$draws/bad-altered.qdraw"
expect 2 "it is not JSON text" "$draws/bad-cut-short.qdraw"
expect 2 "It is not a Quorvan draw record" "$data/members-crlf.txt"
expect 2 "There is no such file (any more)" "$draws/none.qdraw"
expect 2 "usage: quorvan [FILE] | --verify FILE"
export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8
expect 0 "検証済み：同じあみだ、同じ結果" "$draws/small-3-cross-lines.qdraw"
exit $failed
