#!/usr/bin/env bash
# Runs a test program as the user "nobody" when started by root, so that the
# checks of files without permission mean something; an ordinary user runs it
# as it is. The program is copied to a folder nobody can reach, wherever the
# build lives. Leak checking is left to the normal run of the same program.
set -euo pipefail
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$program" "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$program" "$home/"
chmod 700 "$home"
chown -R nobody "$home"
HOME=$home XDG_RUNTIME_DIR=$home ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$home/$(basename "$program")" "$@"
