#!/usr/bin/env bash
# Draws one entry of a collection with "vestrano --export" as PNG, SVG and EMF, lets LibreOffice
# turn the SVG and the EMF into PNG pictures, and tells how far they are from the program's own
# PNG. A look at how other programs read the vector copies; not part of the tests. Installs
# LibreOffice Draw (Debian) when it is missing.
#
#   scripts/compare_export.sh [COLLECTION [ENTRY]]
#   VESTRANO=path/to/vestrano SIZE=800x600 KEEP=folder scripts/compare_export.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${VESTRANO:-$root/build/vestrano}
collection=${1:-$root/tests/data/export_sample.txt}
entry=${2:-}
size=${SIZE:-800x600}

if ! command -v soffice >/dev/null; then
    echo "LibreOffice Draw fehlt, wird installiert ..."
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends libreoffice-draw
fi
for tool in compare convert identify; do
    command -v "$tool" >/dev/null || { echo "ImageMagick ($tool) fehlt" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=(--size "$size")
if [ -n "$entry" ]; then
    args+=(--entry "$entry")
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
for format in png svg emf; do
    "$program" --export "$work/graph.$format" "$collection" "${args[@]}"
done

# LibreOffice keeps its profile in the work folder, so a running office is not disturbed.
mkdir -p "$work/office"
for format in svg emf; do
    soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to png \
        --outdir "$work/office" "$work/graph.$format" >/dev/null 2>&1
    mv "$work/office/graph.png" "$work/$format-office.png"
done

width=${size%x*}
height=${size#*x}
total=$((width * height))
echo "Eintrag: ${entry:-(der erste)} aus $collection, $size Pixel"
# LibreOffice may put a picture on a page with a white margin: every picture is cut to what is
# drawn on it and brought to the same size before the comparison.
fit() {
    convert "$1" -background white -flatten -fuzz 2% -trim +repage -resize "${size}!" "$2"
}
fit "$work/graph.png" "$work/png-scaled.png"
for format in svg emf; do
    original=$(identify -format '%wx%h' "$work/$format-office.png")
    fit "$work/$format-office.png" "$work/$format-scaled.png"
    exact=$(compare -metric AE "$work/png-scaled.png" "$work/$format-scaled.png" null: 2>&1 ||
        true)
    fuzzy=$(compare -metric AE -fuzz 25% "$work/png-scaled.png" "$work/$format-scaled.png" null: \
        2>&1 || true)
    rmse=$(compare -metric RMSE "$work/png-scaled.png" "$work/$format-scaled.png" null: 2>&1 ||
        true)
    printf '%s -> LibreOffice -> PNG %s: %s von %s Pixeln verschieden, %s mit 25 %% Toleranz; RMSE %s\n' \
        "${format^^}" "$original" "${exact%% *}" "$total" "${fuzzy%% *}" "$rmse"
done
if [ -n "${KEEP:-}" ]; then
    mkdir -p "$KEEP"
    cp "$work"/graph.* "$work"/*-office.png "$work"/*-scaled.png "$KEEP"/
    echo "Bilder in $KEEP"
fi
