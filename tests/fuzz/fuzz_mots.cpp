// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/index.h"

#include <cstdlib>

// The complete lists are compressed: the input is mostly taken as the text inside, so that the
// fuzzer reaches the lines rather than zlib's checks; a first byte 'B' hands the raw bytes over.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArrayView v(reinterpret_cast<const char*>(octets), qsizetype(taille));
    const bool brut = !v.isEmpty() && v.front() == 'B';
    const QByteArray fichier = brut ? v.sliced(1).toByteArray()
                                    : QByteArrayLiteral("LEXIDOR-MOTS 1\n") + qCompress(v.toByteArray(), 1);
    const recherche::Index ix = recherche::Index::analyser(fichier);
    if (ix.vide() == ix.erreur().isEmpty())
        std::abort();
    // Every word read is found again where it lies, in increasing order, within its group.
    for (qsizetype i = 0; i < ix.taille(); ++i) {
        if (ix.trouver(ix.mot(i)) != i || (i > 0 && !(ix.mot(i - 1) < ix.mot(i))))
            std::abort();
    }
    qsizetype dansLesGroupes = 0;
    for (qsizetype g = 0; g < ix.nombreGroupes(); ++g) {
        const auto [debut, fin] = ix.groupe(g);
        dansLesGroupes += fin - debut;
    }
    if (dansLesGroupes != ix.taille())
        std::abort();
    return 0;
}
