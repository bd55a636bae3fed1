#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the Debian package and
# checks what it installs and what it depends on.
# Usage: check_install.sh <build folder> <application id>
set -euo pipefail
build="$1"
id="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$build/resources/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net "$build/resources/$id.metainfo.xml" || fail "metainfo"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack"; }
deb="$(ls "$out"/*.deb)"
files="$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')"
for wanted in \
  /usr/bin/tessaro \
  "/usr/share/applications/$id.desktop" \
  "/usr/share/metainfo/$id.metainfo.xml" \
  "/usr/share/icons/hicolor/48x48/apps/$id.png" \
  "/usr/share/icons/hicolor/128x128/apps/$id.png" \
  "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
  /usr/share/tessaro/translations/tessaro_es.qm \
  /usr/share/tessaro/translations/tessaro_fr.qm \
  /usr/share/tessaro/translations/tessaro_de.qm; do
  grep -qxF "$wanted" <<<"$files" || fail "the package lacks $wanted"
done
# Nothing but the program's own files: no headers, libraries or test programs.
if grep -E '/include/|\.a$|tests?_|screenshots' <<<"$files"; then fail "stray files in the package"; fi
depends="$(dpkg-deb -f "$deb" Depends)"
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  grep -q "$wanted" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
grep -q qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)" ||
  fail "Recommends lacks qt6-translations-l10n"
echo "package $(basename "$deb") installs $(wc -l <<<"$files") paths; depends: $depends"
