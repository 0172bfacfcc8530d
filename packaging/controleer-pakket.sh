#!/usr/bin/env bash
# Checks a built package: its desktop entry with desktop-file-validate, its
# AppStream metainfo with appstreamcli, and the whole package with lintian.
# Any finding of the first two, or an error of lintian, fails the check;
# lintian's warnings and notes are shown.
#
#   packaging/controleer-pakket.sh build-pakket/rvl92_<versie>_<arch>.deb
#
# appstreamcli runs with --no-net: the screenshot lies on the publisher's
# site, which a build machine need not reach.
set -euo pipefail

deb=${1:?"Gebruik: $0 PAKKET.deb"}
[ -f "$deb" ] || {
    echo "FOUT: het pakket $deb bestaat niet." >&2
    exit 1
}
for tool in desktop-file-validate appstreamcli lintian dpkg-deb; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "FOUT: $tool ontbreekt (pakketten desktop-file-utils, appstream, lintian, dpkg-dev)." >&2
        exit 1
    }
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
failed=0

echo "== desktop-file-validate"
for entry in "$tree"/usr/share/applications/*.desktop; do
    out=$(desktop-file-validate "$entry" 2>&1) || failed=1
    if [ -n "$out" ]; then
        echo "$out"
        failed=1
    fi
done

echo "== appstreamcli validate"
for meta in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    if ! appstreamcli validate --no-net --pedantic --explain "$meta"; then
        failed=1
    fi
done

echo "== lintian"
# Root may run lintian; it only reads the package.
if ! lintian --fail-on error --display-level '>=info' "$deb"; then
    failed=1
fi

if [ "$failed" -ne 0 ]; then
    echo "FOUT: het pakket $deb heeft bevindingen (zie hierboven)." >&2
    exit 1
fi
echo "Pakket $deb: desktop-file-validate en appstreamcli zonder bevindingen, lintian zonder fouten."
