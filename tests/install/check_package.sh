#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks it as apt would see it: the
# control fields, owners and modes, a stripped binary, the files a desktop needs, and the
# program unpacked from it answering --help and exporting a picture. Lintian, when present,
# must report no error. Skipped (77) where the Debian tools are missing.
# check_package.sh CPACK BUILD_DIR VERSION COLLECTION
set -u
cpack=$1
build_dir=$2
version=$3
collection=$4
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" > /dev/null || { echo "no $tool: package not checked"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

"$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack failed"; exit 1; }
deb="$work/out/vestrano_${version}_$(dpkg --print-architecture).deb"
[ -s "$deb" ] || { ls "$work/out"; echo "FAIL: no ${deb##*/}"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vestrano ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = math ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ ", $depends," == *", $library ("* ]] || fail "Depends lacks $library: $depends"
done
description=$(field Description)
[ "$(head -n1 <<< "$description")" = "plot graphs of functions with dynamic parameters" ] ||
    fail "synopsis: $(head -n1 <<< "$description")"
grep -q 'Deutsch: Graphen von Funktionen mit dynamischen Parametern zeichnen' <<< "$description" ||
    fail "no German short description"

# Everything belongs to root; directories 755, files 644, the program 755.
while read -r mode owner _ _ _ path _; do
    case "$path" in
    */) want=drwxr-xr-x ;;
    ./usr/bin/vestrano) want=-rwxr-xr-x ;;
    *) want=-rw-r--r-- ;;
    esac
    [ "$mode $owner" = "$want root/root" ] || fail "$path is $mode $owner"
done < <(dpkg-deb -c "$deb")

root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
id=org.vestrano.Vestrano
for file in usr/bin/vestrano usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
    usr/share/doc/vestrano/copyright usr/share/doc/vestrano/changelog.gz \
    usr/share/man/man1/vestrano.1.gz; do
    [ -s "$root/$file" ] || fail "not in the package: /$file"
done
grep -q '^Comment=Graphen von Funktionen' "$share/applications/$id.desktop" ||
    fail "the launcher has no German comment"
readelf -S "$root/usr/bin/vestrano" | grep -q '\.debug_\|\.symtab' &&
    fail "the program is not stripped"
gzip -dc "$share/doc/vestrano/changelog.gz" | head -n1 | grep -q "^vestrano ($version) " ||
    fail "the changelog does not start with version $version"

program="$root/usr/bin/vestrano"
mkdir "$work/home"
QT_QPA_PLATFORM=offscreen HOME="$work/home" timeout 10 "$program" --help > "$work/help" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "--help ended with status $status"
grep -q '^Aufruf:' "$work/help" || fail "--help printed no usage"
# The manual page names every option the program knows.
gzip -dc "$share/man/man1/vestrano.1.gz" > "$work/manual"
while read -r option; do
    grep -qF -- "\\-\\-${option#--}" "$work/manual" || fail "the manual page lacks $option"
done < <(grep -o -- '--[a-z]\+' "$work/help" | sort -u)
QT_QPA_PLATFORM=offscreen HOME="$work/home" timeout 60 "$program" --export "$work/bild.png" \
    "$collection" --size 320x240 > "$work/out.txt" 2> "$work/err"
status=$?
[ "$status" -eq 0 ] || fail "the export ended with status $status: $(cat "$work/err")"
[ "$(head -c8 "$work/bild.png" 2> /dev/null | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
    fail "the export wrote no PNG"

if command -v lintian > /dev/null; then
    if ! lintian --fail-on error "$deb" > "$work/lintian" 2>&1 || grep -q '^E:' "$work/lintian"; then
        fail "lintian: $(grep -v 'root privileges' "$work/lintian")"
    fi
fi
[ "$failed" -eq 0 ] && echo "package built and working"
exit "$failed"
