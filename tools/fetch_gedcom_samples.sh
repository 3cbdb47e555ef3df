#!/usr/bin/env bash
# Fetches GEDCOM files that other people wrote, for the real-data import tests: the
# sample.ged of Debian's gramps package, the examples of libgedcom-perl, and the
# self-test file of lifelines-reports (odd on purpose: families with two husbands,
# events as records, empty dates). The
# packages are downloaded and unpacked into a cache folder, never installed; only
# their .ged data files are kept. Safe to run again: it does nothing once the files
# are there. A failed download is not an error: the tests then skip, saying why.
set -uo pipefail
cd "$(dirname "$0")/.."
cache="${1:-build/gedcom-samples}"
packages=(gramps libgedcom-perl lifelines-reports)
wanted=(sample.ged royal.ged ti.ged)
have_all=1
for file in "${wanted[@]}"; do [ -f "$cache/$file" ] || have_all=0; done
if [ $have_all -eq 1 ]; then
    exit 0
fi
mkdir -p "$cache/debs" "$cache/unpacked"
if ! (cd "$cache/debs" && apt-get download "${packages[@]}") >"$cache/fetch.log" 2>&1; then
    echo "fetch_gedcom_samples: apt-get download failed (see $cache/fetch.log); the real-data tests will skip" >&2
    exit 0
fi
for deb in "$cache"/debs/*.deb; do
    dpkg-deb -x "$deb" "$cache/unpacked" || echo "fetch_gedcom_samples: cannot unpack $deb" >&2
done
find "$cache/unpacked" -iname '*.ged' -exec cp {} "$cache/" \;
rm -rf "$cache/debs" "$cache/unpacked"
ls "$cache"/*.ged
