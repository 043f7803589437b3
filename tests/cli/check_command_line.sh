#!/bin/bash
# The program as a shell calls it: a wrong call prints the usage on stderr and ends with status 2
# without a window; a successful export writes its picture and nothing on stderr; a value table
# comes on stdout with status 0, 1 for an entry it cannot compute, 2 for a wrong range; so do the
# points of interest.
# check_command_line.sh PROGRAM COLLECTION TABLE_COLLECTION POINTS_COLLECTION
set -u
program=$1
collection=$2
table_collection=$3
points_collection=$4
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
# An animation: 60 frames of the entry's parameter a in a GIF that loops for ever.
env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" timeout 60 "$program" --export "$work/lauf.gif" \
    "$collection" --animate a --from -2 --to 2 --frames 60 >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "the animation ended with status $status: $(cat "$work/err")"
[ -s "$work/err" ] && fail "the animation wrote on stderr: $(cat "$work/err")"
head -c 6 "$work/lauf.gif" | grep -q '^GIF89a$' || fail "the animation is no GIF"
grep -q 'NETSCAPE2.0' "$work/lauf.gif" || fail "the animation does not loop"
[ "$(stat -c %s "$work/lauf.gif")" -lt 2097152 ] || fail "the animation has 2 MB or more"
rm -f "$work/lauf.gif"
for call in "2:lauf.png --animate a" "2:lauf.gif --animate a --frames 0" \
    "2:lauf.gif --animate a --fps 0" "1:lauf.gif --animate k" "1:fehlt/lauf.gif --animate a"; do
    expected=${call%%:*}
    # shellcheck disable=SC2086 # the call is split into its words on purpose
    set -- ${call#*:}
    picture=$1
    shift
    env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" timeout 60 "$program" --export "$work/$picture" \
        "$collection" --frames 3 "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "--export ${call#*:} ended with status $status"
    [ -s "$work/err" ] || fail "--export ${call#*:} said nothing"
    [ -e "$work/$picture" ] && fail "--export ${call#*:} left a file"
done
grep -q 'hat keinen Parameter "k"' <(env -u XDG_RUNTIME_DIR "$program" --export "$work/l.gif" \
    "$collection" --animate k 2>&1) || fail "an unknown parameter is not named"
[ -z "$(ls -A "$work/tmp")" ] || fail "the animation left $(ls "$work/tmp") behind"
table() {
    env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" timeout 60 "$program" --table "$table_collection" \
        "$@" >"$work/out" 2>"$work/err"
}
table --from 0 --to 90 --step 30
status=$?
[ "$status" -eq 0 ] || fail "the table ended with status $status"
[ -s "$work/err" ] && fail "the table wrote on stderr: $(cat "$work/err")"
printf 'x\tf\tg\th\n0\t0\t\t0\n30\t0.5\t\t3\n60\t0.866025403784439\t3.87298334620742\t6\n90\t1\t6.70820393249937\t\n' |
    cmp -s - "$work/out" || fail "the table printed: $(cat "$work/out")"
for call in "1:--entry Kreis" "1:--entry Ellipse" "2:--step 0" "2:--step" "2:--to 1 --size 9x9"; do
    expected=${call%%:*}
    # shellcheck disable=SC2086 # the call is split into its words on purpose
    table --from 0 --to 1 --step 1 ${call#*:}
    status=$?
    [ "$status" -eq "$expected" ] || fail "--table ${call#*:} ended with status $status"
    [ -s "$work/out" ] && fail "--table ${call#*:} wrote on stdout"
    [ -s "$work/err" ] || fail "--table ${call#*:} said nothing"
done
[ -z "$(ls -A "$work/tmp")" ] || fail "the table left $(ls "$work/tmp") behind"
points() {
    env -u XDG_RUNTIME_DIR LC_ALL=de_DE.UTF-8 TMPDIR="$work/tmp" timeout 60 "$program" --points \
        "$points_collection" "$@" >"$work/out" 2>"$work/err"
}
points
status=$?
[ "$status" -eq 0 ] || fail "the points ended with status $status"
[ -s "$work/err" ] && fail "the points wrote on stderr: $(cat "$work/err")"
# Eleven points, f before g before f,g; a number has a decimal point, never a comma.
cut -f1 "$work/out" | uniq | tr '\n' ' ' | grep -qx 'f g f,g ' ||
    fail "the points printed: $(cat "$work/out")"
grep -qP '^f\tHochpunkt\t(89\.9999999|90\.00000)[0-9]*\t1$' "$work/out" ||
    fail "no maximum at 90 degrees: $(cat "$work/out")"
[ "$(wc -l <"$work/out")" -eq 11 ] || fail "the points printed $(wc -l <"$work/out") lines"
cut -f3,4 "$work/out" | grep -q ',' && fail "the points have decimal commas: $(cat "$work/out")"
for call in "1:--entry Kreis" "1:--entry Ellipse" "2:--from 0" "2:--entry"; do
    expected=${call%%:*}
    # shellcheck disable=SC2086 # the call is split into its words on purpose
    points ${call#*:}
    status=$?
    [ "$status" -eq "$expected" ] || fail "--points ${call#*:} ended with status $status"
    [ -s "$work/out" ] && fail "--points ${call#*:} wrote on stdout"
    [ -s "$work/err" ] || fail "--points ${call#*:} said nothing"
done
exit "$failed"
