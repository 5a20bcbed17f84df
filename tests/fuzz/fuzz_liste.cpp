// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/listes.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArrayView v(reinterpret_cast<const char*>(octets), qsizetype(taille));
    const auto l = data::ListeLaterale::analyser(v, 64);
    if (l.entrees.size() > 64)
        std::abort();
    for (const QString& e : l.entrees)
        if (e.isEmpty() || !l.contient(e))
            std::abort();
    return 0;
}
