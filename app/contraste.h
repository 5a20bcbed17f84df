// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Status colours (right, wrong, current row, tiles...) are designed for the default background; on
// a background the player picked they must still stand out from it.
namespace ctl {

// Two colours (0x00BBGGRR) stand apart when one of red, green or blue differs by at least this.
constexpr int ecartNet = 0x30;

bool distinctes(quint32 a, quint32 b);

// The designed status colour when it stands apart from the background; otherwise the same hue
// darkened (or, on a dark background, lightened) until it does. Call it wherever a status colour
// is painted over the window: colorerFond(w, couleurDistincte(vert, fond)).
quint32 couleurDistincte(quint32 voulue, quint32 fond);

}  // namespace ctl
