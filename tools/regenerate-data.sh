#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the shipped word data (runtime/listes, runtime/infosouris-ods8.txt), the marker pictures
# and the end chime from the two pinned releases of the French hunspell lexicon.
#   tools/regenerate-data.sh           regenerate into runtime/
#   tools/regenerate-data.sh --check   regenerate into a temporary folder and compare byte for byte
# LEXIDOR_BUILD_DIR chooses where the builder is compiled (default: build/builder); LEXIDOR_BUILDER
# names an already built lexidor-builder instead.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
verifier=0
case "${1:-}" in
    --check) verifier=1 ;;
    "") ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# Newer release (7.0, with grammatical tags) and older release (6.3, same "classique" lexicon).
paquet_deb="hunspell-fr-classical"
version_deb="1:7.0-1"
sha_deb="4dda94962c68d6a9276949b314f56a17f739da395f8f7978a49d1886d613526c"
paquet_npm="dictionary-fr@2.2.0"
sha_npm="73a2c314fd1c5d1862d902f2fb3fbfcdebee878c16511f89e0a6696a4c45f678"

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT

echo "Téléchargement des lexiques..."
(
    cd "$travail"
    # apt warns that its sandbox user cannot write into a private temporary folder: harmless here.
    if ! apt-get download "${paquet_deb}=${version_deb}" >/dev/null 2>apt.log; then
        cat apt.log >&2
        echo "Échec du téléchargement de ${paquet_deb} ${version_deb}." >&2
        exit 1
    fi
    if ! npm pack --silent "$paquet_npm" >/dev/null; then
        echo "Échec du téléchargement de ${paquet_npm}." >&2
        exit 1
    fi
)
deb="$(ls "$travail"/${paquet_deb}_*.deb)"
tgz="$(ls "$travail"/dictionary-fr-*.tgz)"
echo "$sha_deb  $deb" | sha256sum --check --quiet
echo "$sha_npm  $tgz" | sha256sum --check --quiet

mkdir -p "$travail/recent" "$travail/ancien"
dpkg-deb -x "$deb" "$travail/recent"
tar -xzf "$tgz" -C "$travail/ancien"

if [ -n "${LEXIDOR_BUILDER:-}" ]; then
    fabricant="$LEXIDOR_BUILDER"
else
    construction="${LEXIDOR_BUILD_DIR:-$racine/build/builder}"
    echo "Compilation du fabricant dans $construction..."
    cmake -S "$racine" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_BENCH=OFF >/dev/null
    cmake --build "$construction" --target lexidor-builder >/dev/null
    fabricant="$construction/tools/lexidor-builder"
fi
# description.txt names the two releases and the day the shipped data was last rebuilt.
cp "$travail/ancien/package/index.aff" "$travail/dictionary-fr-2.2.0.aff"
cp "$travail/ancien/package/index.dic" "$travail/dictionary-fr-2.2.0.dic"
cp "$travail/recent/usr/share/hunspell/fr.aff" "$travail/hunspell-fr-classical-7.0.aff"
cp "$travail/recent/usr/share/hunspell/fr.dic" "$travail/hunspell-fr-classical-7.0.dic"

if [ "$verifier" = 1 ]; then
    sortie="$travail/sortie"
else
    sortie="$racine/runtime"
fi
mkdir -p "$sortie"

"$fabricant" --hunspell \
    "$travail/dictionary-fr-2.2.0.aff" "$travail/dictionary-fr-2.2.0.dic" \
    "$travail/hunspell-fr-classical-7.0.aff" "$travail/hunspell-fr-classical-7.0.dic" \
    --exclusions "$racine/tools/exclusions.txt" --date 2026-12-08 --sortie "$sortie" >/dev/null
"$fabricant" --ressources --sortie "$sortie"

if [ "$verifier" = 1 ]; then
    ecarts=0
    while IFS= read -r fichier; do
        relatif="${fichier#"$sortie"/}"
        if ! cmp -s "$fichier" "$racine/runtime/$relatif"; then
            echo "DIFFÉRENT : runtime/$relatif"
            ecarts=1
        fi
    done < <(find "$sortie" -type f | sort)
    # A committed word file that the lexicons no longer give is stale.
    while IFS= read -r fichier; do
        relatif="${fichier#"$racine/runtime"/}"
        if [ ! -e "$sortie/$relatif" ]; then
            echo "EN TROP : runtime/$relatif"
            ecarts=1
        fi
    done < <(find "$racine/runtime/listes" -type f | sort)
    if [ "$ecarts" = 0 ]; then
        echo "Les fichiers livrés sont identiques, octet pour octet, à ceux que les lexiques donnent."
    fi
    exit "$ecarts"
fi
echo "Données écrites dans $sortie."
