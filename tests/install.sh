#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch prefix, starts the installed launcher for a fresh user and checks that the
# program comes up and stays up on the shipped data in a working folder of that user's own.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
for f in bin/lexidor share/applications/io.github.lexidor.Lexidor.desktop \
         share/metainfo/io.github.lexidor.Lexidor.metainfo.xml \
         share/icons/hicolor/scalable/apps/io.github.lexidor.Lexidor.svg share/lexidor/listes/7L.txt \
         bin/lexidor-mots share/lexidor/listes/mots-complets.dat \
         libexec/lexidor/lexidor-son.so; do
    [ -e "$tmp/prefix/$f" ] || { echo "manque après installation : $f"; exit 1; }
done
rc=0
HOME="$tmp/home" XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen timeout 5 "$tmp/prefix/bin/lexidor" \
    > "$tmp/log" 2>&1 || rc=$?
if [ "$rc" -ne 124 ]; then
    echo "le programme installé s'est arrêté (code $rc) :"; cat "$tmp/log"; exit 1
fi
work="$tmp/home/.local/share/lexidor"
for f in listes/7L.txt description.txt mots-disparus.txt; do
    [ -e "$work/$f" ] || { echo "dossier de travail non préparé : $f"; exit 1; }
done
touch "$work/settings.dat"
if touch "$work/listes/essai" 2>/dev/null && [ "$(id -u)" -ne 0 ]; then
    echo "les données installées sont modifiables"; exit 1
fi
# The search's command line finds the installed data by itself.
if [ "$(cd "$tmp" && HOME="$tmp/nobody" XDG_DATA_HOME="" "$tmp/prefix/bin/lexidor-mots" juger chat | head -1)" != "VALIDE" ]; then
    echo "lexidor-mots ne juge pas sur les données installées"; exit 1
fi
echo "installation : 1 passed, 0 failed"
