// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contraste.h"

#include <algorithm>
#include <cstdlib>

namespace ctl {

namespace {

int canal(quint32 c, int k)
{
    return int((c >> (8 * k)) & 0xFF);
}

int ecart(quint32 a, quint32 b)
{
    int e = 0;
    for (int k = 0; k < 3; ++k)
        e = std::max(e, std::abs(canal(a, k) - canal(b, k)));
    return e;
}

// Each channel moves the fraction `part` of the way towards `cible` (0 black, 255 white), so the
// hue stays that of the designed colour.
quint32 nuance(quint32 c, int cible, double part)
{
    quint32 r = 0;
    for (int k = 0; k < 3; ++k) {
        const int v = canal(c, k);
        r |= quint32(std::clamp(int(v + (cible - v) * part + 0.5), 0, 255)) << (8 * k);
    }
    return r;
}

}  // namespace

bool distinctes(quint32 a, quint32 b)
{
    return ecart(a, b) >= ecartNet;
}

quint32 couleurDistincte(quint32 voulue, quint32 fond)
{
    voulue &= 0xFFFFFF;
    if (distinctes(voulue, fond))
        return voulue;
    quint32 meilleure = voulue;
    for (const double part : {0.3, 0.5, 0.7, 1.0}) {
        for (const int cible : {0, 255}) {
            const quint32 c = nuance(voulue, cible, part);
            if (distinctes(c, fond))
                return c;
            if (ecart(c, fond) > ecart(meilleure, fond))
                meilleure = c;
        }
    }
    return meilleure;
}

}  // namespace ctl
