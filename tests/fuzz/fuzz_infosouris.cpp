// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/infosouris.h"
#include "data/texte.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArrayView v(reinterpret_cast<const char*>(octets), qsizetype(taille));
    const auto s = data::InfoSouris::analyser(v);
    const QStringList l = data::lignes(v);
    if (s.nombrePaires() * 2 > l.size() + 1)
        std::abort();
    if (!l.isEmpty() && !l[0].isEmpty() && s.notes(l[0]).isEmpty())
        std::abort();
    return 0;
}
