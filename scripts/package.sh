#!/usr/bin/env bash
# Builds the Debian package build/package/morvik_<version>_amd64.deb and
# checks it: every file a desktop needs is there, the desktop entry, the
# AppStream metadata and the manual pages pass their validators, the
# dependencies come from the binaries, and lintian finds no error.
#   scripts/package.sh             a release build of its own (build/package/tree)
#   scripts/package.sh BUILD_DIR   the programs of a tree already built
set -euo pipefail
case "${1:-}" in
  -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac
cd "$(dirname "$0")/.."
out=$PWD/build/package
mkdir -p "$out"
if [ $# -ge 1 ]; then
  tree=$1
  cmake --build "$tree" -j "$(nproc)" --target morvik morvik-engine morvik-train morvik_package_docs
else
  scripts/install-deps.sh
  tree=$out/tree
  cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release -DMORVIK_TESTS=OFF -DMORVIK_BENCHMARKS=OFF
  cmake --build "$tree" -j "$(nproc)"
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$tree/CPackConfig.cmake")
deb=$out/morvik_${version}_amd64.deb
rm -f "$out"/morvik_*.deb
(cd "$tree" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
rm -rf "$out/_CPack_Packages"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "package: $*" >&2; exit 1; }
for f in bin/morvik bin/morvik-engine bin/morvik-train \
         share/morvik/gammon.pc share/morvik/pubeval/contact.txt share/morvik/pubeval/race.txt \
         share/applications/morvik.desktop share/metainfo/invalid.morvik.Morvik.metainfo.xml \
         share/man/man6/morvik.6.gz share/man/man1/morvik-engine.1.gz \
         share/man/man1/morvik-train.1.gz share/doc/morvik/copyright; do
  [ -f "$root/usr/$f" ] || fail "/usr/$f is missing"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/morvik.png" ] || fail "no ${size}x${size} icon"
done
desktop-file-validate "$root/usr/share/applications/morvik.desktop" || fail "invalid desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml > "$out/appstream.log" ||
  { cat "$out/appstream.log"; fail "invalid AppStream metadata"; }
for page in "$root"/usr/share/man/man*/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  zcat "$page" | grep -q '^\.SH NAME' || fail "$(basename "$page") is no manual page"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no Qt dependency computed"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
echo "$deb"
