#!/usr/bin/env bash
# Fetches GEDCOM files that other people wrote, for the real-data import tests: the
# sample.ged of Debian's gramps package and the examples of libgedcom-perl. The
# packages are downloaded and unpacked into a cache folder, never installed; only
# their .ged data files are kept. Safe to run again: it does nothing once the files
# are there. A failed download is not an error: the tests then skip, saying why.
set -uo pipefail
cd "$(dirname "$0")/.."
cache="${1:-build/gedcom-samples}"
if [ -n "$(find "$cache" -name '*.ged' -print -quit 2>/dev/null)" ]; then
    exit 0
fi
mkdir -p "$cache/debs" "$cache/unpacked"
if ! (cd "$cache/debs" && apt-get download gramps libgedcom-perl) >"$cache/fetch.log" 2>&1; then
    echo "fetch_gedcom_samples: apt-get download failed (see $cache/fetch.log); the real-data tests will skip" >&2
    exit 0
fi
for deb in "$cache"/debs/*.deb; do
    dpkg-deb -x "$deb" "$cache/unpacked" || echo "fetch_gedcom_samples: cannot unpack $deb" >&2
done
find "$cache/unpacked" -iname '*.ged' -exec cp {} "$cache/" \;
rm -rf "$cache/debs" "$cache/unpacked"
ls "$cache"/*.ged
