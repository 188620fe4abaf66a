#!/usr/bin/env bash
# run-as-nobody.sh DATA PROGRAM [ARGS]: runs a test program as the user
# "nobody" when started by root, so that the checks of files without
# permission mean something; an ordinary user runs it as it is. The program
# and the sample files in DATA are copied to a private folder of nobody's
# own, so the run does not depend on where the checkout lives (a home of
# mode 700 is out of nobody's reach). Leak checking is left to the normal run
# of the same program.
set -euo pipefail
data=$1
program=$2
shift 2
if [ "$(id -u)" -ne 0 ]; then
  exec "$program" "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$program" "$home/"
cp -r "$data" "$home/data"
chmod 700 "$home"
chown -R nobody "$home"
HOME=$home XDG_RUNTIME_DIR=$home QUORVAN_TEST_DATA_COPY="$home/data" \
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$home/$(basename "$program")" "$@"
