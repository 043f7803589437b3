#!/usr/bin/env bash
# Installs the built program into a scratch root and checks that a desktop finds it: the
# launcher, the icon in every size and the software-centre description, each valid.
set -euo pipefail
build_dir=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build_dir" --prefix /usr > /dev/null
share="$root/usr/share"
id=org.vestrano.Vestrano

expected=(
    "$root/usr/bin/vestrano"
    "$share/applications/$id.desktop"
    "$share/metainfo/$id.metainfo.xml"
    "$share/mime/packages/$id.xml"
    "$share/icons/hicolor/scalable/apps/$id.svg"
    "$share/man/man1/vestrano.1.gz"
)
for size in 16 32 48 64 128 256; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [ -s "$file" ] || { echo "not installed: ${file#"$root"}"; exit 1; }
done
[ -x "$root/usr/bin/vestrano" ] || { echo "not executable: /usr/bin/vestrano"; exit 1; }
# Debian's copyright file and changelog go into the package only.
[ -e "$share/doc/vestrano" ] && { echo "installed the package's /usr/share/doc/vestrano"; exit 1; }
for size in 16 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    # Width and height stand big-endian in the PNG header at bytes 16..23.
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<< "$(od -An -tu1 -j16 -N8 "$png")"
    width=$(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 ))
    height=$(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 ))
    [ "$width x $height" = "$size x $size" ] || { echo "$size px icon is $width x $height"; exit 1; }
done

desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Categories=Education;Math;' "$share/applications/$id.desktop"
grep -qx "Icon=$id" "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -qx 'Exec=vestrano %f' "$share/applications/$id.desktop"
grep -qx 'MimeType=application/x-vestrano-collection;' "$share/applications/$id.desktop"
# The MIME package is well-formed and tells a collection from other text by its first line.
if command -v update-mime-database > /dev/null; then
    update-mime-database "$share/mime" > /dev/null
    [ -s "$share/mime/application/x-vestrano-collection.xml" ] ||
        { echo "MIME type not registered"; exit 1; }
    grep -qa '\[Vestrano\]' "$share/mime/magic" || { echo "no magic for collections"; exit 1; }
fi
echo "installed and valid"
