#!/bin/bash
# The program as a shell calls it: a wrong call prints the usage on stderr and ends with status 2
# without a window; a successful export writes its picture and nothing on stderr.
# check_command_line.sh PROGRAM COLLECTION
set -u
program=$1
collection=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/tmp"
export HOME="$work/home"
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

for call in "--bogus" "--entry Parabel" "--size 800x600" "a.txt -x" "a.txt b.txt"; do
    # Offscreen, so that a window opened by mistake keeps running into the timeout.
    # shellcheck disable=SC2086 # the call is split into its words on purpose
    QT_QPA_PLATFORM=offscreen timeout 10 "$program" $call >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "vestrano $call ended with status $status"
    grep -q '^Aufruf:' "$work/err" || fail "vestrano $call printed no usage"
    [ -s "$work/out" ] && fail "vestrano $call wrote on stdout"
done

env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" timeout 60 "$program" --export "$work/bild.png" \
    "$collection" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "the export ended with status $status"
[ -s "$work/err" ] && fail "the export wrote on stderr: $(cat "$work/err")"
[ -s "$work/bild.png" ] || fail "the export wrote no picture"
[ -z "$(ls -A "$work/tmp")" ] || fail "the export left $(ls "$work/tmp") behind"
exit "$failed"
