#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree and checks what a player gets: the programs and every
# command-line tool, the data, the desktop entry, icon and metainfo (both valid), the documents, the
# dependencies a window needs beyond the linked libraries, and one version throughout.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "$*"; exit 1; }

cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" > "$tmp/log" 2>&1 || { cat "$tmp/log"; echec "cpack a échoué"; }
version=$(cat "$build/lexidor-version.txt")
deb="$tmp/out/lexidor_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$tmp/out"; echec "paquet attendu absent : $(basename "$deb")"; }

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || echec "version du paquet : $(dpkg-deb -f "$deb" Version), attendu $version"
depends=$(dpkg-deb -f "$deb" Depends)
for d in qt6-qpa-plugins fonts-liberation2 libqt6widgets6 libqt6multimedia6 libstdc++6; do
    [[ ", $depends," == *", $d "* || ", $depends," == *", $d,"* ]] || echec "dépendance absente : $d (Depends: $depends)"
done

dpkg-deb -x "$deb" "$tmp/root"
attendus=(usr/bin/lexidor usr/libexec/lexidor/lexidor usr/bin/lexidor-builder
          usr/share/lexidor/listes/7L.txt usr/share/lexidor/images/ppi_28x28.bmp usr/share/lexidor/APP05.WAV
          usr/share/lexidor/infosouris-ods8.txt usr/share/lexidor/description.txt
          usr/share/applications/io.github.lexidor.Lexidor.desktop
          usr/share/metainfo/io.github.lexidor.Lexidor.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/io.github.lexidor.Lexidor.svg
          usr/share/doc/lexidor/copyright usr/share/doc/lexidor/NOTICE usr/share/doc/lexidor/changelog.gz
          usr/share/man/man1/lexidor.1.gz usr/share/man/man1/lexidor-builder.1.gz)
# Every command-line tool the build makes, wherever it is declared.
while IFS= read -r outil; do
    attendus+=("usr/bin/$(basename "$outil")")
done < <(find "$build" -path "$build/CMakeFiles" -prune -o -path "$build/_CPack_Packages" -prune -o \
              -type f -executable -name 'lexidor-*' ! -name '*.*' ! -name lexidor-launcher -print)
for f in "${attendus[@]}"; do
    [ -e "$tmp/root/$f" ] || echec "manque dans le paquet : $f"
done
autres=$(cd "$tmp/root" && find . -type f ! -path './usr/*')
[ -z "$autres" ] || echec "fichiers hors de /usr : $autres"

desktop-file-validate "$tmp/root/usr/share/applications/io.github.lexidor.Lexidor.desktop" > "$tmp/desktop" 2>&1 || true
[ ! -s "$tmp/desktop" ] || { cat "$tmp/desktop"; echec "entrée de bureau refusée"; }
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/io.github.lexidor.Lexidor.metainfo.xml" > "$tmp/appstream" 2>&1 \
    || { cat "$tmp/appstream"; echec "métadonnées AppStream refusées"; }
grep -q "<release version=\"${version%+dirty}\"" "$tmp/root/usr/share/metainfo/io.github.lexidor.Lexidor.metainfo.xml" \
    || echec "les métadonnées AppStream ne nomment pas la version ${version%+dirty}"
echo "paquet : 1 passed, 0 failed"
