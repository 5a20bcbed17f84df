// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/base.h"
#include "data/texte.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArrayView v(reinterpret_cast<const char*>(octets), qsizetype(taille));
    const data::Base b = data::analyserBase(v);
    // Every line is either an entry or skipped, and no rack keeps a ';'.
    if (b.lignes.size() + b.ignorees != data::lignes(v).size())
        std::abort();
    for (const auto& l : b.lignes)
        if (l.tirage.contains(QLatin1Char(';')))
            std::abort();
    // Decoding then encoding gives the bytes back: Windows-1252 is a bijection here.
    if (data::encoder(data::decoder(v)) != v)
        std::abort();
    if (data::compterLignes(v) < data::lignes(v).size())
        std::abort();
    return 0;
}
