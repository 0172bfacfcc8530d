#!/usr/bin/env bash
# Proves the Debian package on a machine that has never seen the project:
# builds a minimal Debian 12 root with debootstrap, installs the package
# there with apt-get (its dependencies come from the package archive), and
# inside it
#   - starts the program without a display and lets it quit after the start
#     screen (rvl92 --afsluiten-na-start);
#   - searches job titles on the installed program directory and exports the
#     result (rvl92-rooktest, built from packaging/rooktest.cpp and copied in).
#
#   sudo packaging/proef-debian12.sh [PAKKET.deb]
#
# Without a package it builds one with ./rvl92.sh pakket. It downloads from
# the Debian archive, so it is run by hand, not by the test run. Needs root
# (debootstrap, chroot). RVL92_SPIEGEL chooses another archive mirror;
# RVL92_BEWAAR=1 keeps the root afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "FOUT: dit script bouwt een Debian-omgeving met debootstrap en chroot: start het als root." >&2
    exit 1
fi
command -v debootstrap >/dev/null 2>&1 || {
    echo "FOUT: debootstrap ontbreekt (apt-get install debootstrap)." >&2
    exit 1
}

PAKKET_DIR=${RVL92_PAKKET_DIR:-build-pakket}
deb=${1:-}
if [ -z "$deb" ]; then
    deb=$(RVL92_PAKKET_DIR=$PAKKET_DIR ./rvl92.sh pakket | tee /dev/stderr | sed -n 's/^Pakket: //p')
    [ -n "$deb" ] || exit 1
fi
cmake --build "$PAKKET_DIR" --target rvl92-rooktest -j "$(nproc)"
rooktest="$PAKKET_DIR/packaging/rvl92-rooktest"

root=$(mktemp -d /tmp/rvl92-debian12.XXXXXX)
chmod 755 "$root" # apt fetches as its own user
cleanup() {
    mountpoint -q "$root/dev/pts" && umount "$root/dev/pts"
    mountpoint -q "$root/proc" && umount "$root/proc"
    if [ "${RVL92_BEWAAR:-0}" = 1 ]; then
        echo "De omgeving blijft staan in $root"
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT

echo "== Minimale Debian 12-omgeving in $root"
debootstrap --variant=minbase bookworm "$root" ${RVL92_SPIEGEL:+"$RVL92_SPIEGEL"} >"$root.log" 2>&1 || {
    tail -n 30 "$root.log"
    echo "FOUT: debootstrap mislukte (volledig verslag: $root.log)." >&2
    exit 1
}
rm -f "$root.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts" # apt's terminal log
cp "$deb" "$root/tmp/"
install -m 755 "$rooktest" "$root/usr/local/bin/rvl92-rooktest"
in_root() { chroot "$root" env -i PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== Pakket installeren: apt-get install ./$(basename "$deb")"
in_root apt-get update -qq
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$(basename "$deb")" |
    grep -E '^(The following NEW|Need to get|After this|Setting up rvl92|[0-9]+ upgraded)' || true
# shellcheck disable=SC2016 # dpkg-query's own fields
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' rvl92

echo "== Geïnstalleerde bestanden"
for f in /usr/bin/rvl92 /usr/lib/rvl92/rvl92 /usr/lib/rvl92/Programmabestanden/RVL92.MDB \
    /usr/share/applications/rvl92.desktop /usr/share/metainfo/nl.kvd.rvl92.metainfo.xml \
    /usr/share/man/man1/rvl92.1.gz /usr/bin/rvl92-codeer /usr/share/man/man1/rvl92-codeer.1.gz \
    /usr/share/icons/hicolor/256x256/apps/rvl92.png \
    /usr/share/icons/hicolor/16x16/apps/rvl92.png; do
    [ -e "$root$f" ] || {
        echo "FOUT: $f ontbreekt na de installatie." >&2
        exit 1
    }
    echo "  $f"
done

echo "== QT_QPA_PLATFORM=offscreen rvl92 --afsluiten-na-start"
start=$(date +%s%N)
in_root env QT_QPA_PLATFORM=offscreen rvl92 --afsluiten-na-start
echo "  gestart en afgesloten, exitcode 0, $((($(date +%s%N) - start) / 1000000)) ms"

echo "== Zoeken en exporteren: rvl92-rooktest"
in_root env QT_QPA_PLATFORM=offscreen rvl92-rooktest --programmamap /usr/lib/rvl92 \
    --uit /tmp/functies.txt
echo "  eerste regels van /tmp/functies.txt:"
head -n 3 "$root/tmp/functies.txt" | iconv -f WINDOWS-1252 -t UTF-8 | sed 's/^/    /'

echo "== Een bestand coderen: rvl92-codeer"
printf 'nr;functie\r\n1;Bakker\r\n2;medew. klantenservice\r\n' >"$root/tmp/antwoorden.csv"
in_root rvl92-codeer --stil /tmp/antwoorden.csv /tmp/antwoorden-gecodeerd.csv
iconv -f WINDOWS-1252 -t UTF-8 "$root/tmp/antwoorden-gecodeerd.csv" | cut -d';' -f1-7 | sed 's/^/    /'

echo "Het pakket $(basename "$deb") installeert, start en exporteert in een verse Debian 12-omgeving."
