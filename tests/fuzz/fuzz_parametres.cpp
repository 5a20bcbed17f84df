// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/parametres.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArrayView v(reinterpret_cast<const char*>(octets), qsizetype(taille));
    const auto r = data::analyserParametres(v);
    if (r.absent)
        std::abort();
    return 0;
}
