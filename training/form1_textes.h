// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace entrainement {

// The short form of a rack that lists its other anagrams: "AEFRT - FARTE FRETA" -> "AEFRT (+2)",
// "AEIPPRRSS - RAPPRISES (+1)" -> "AEIPPRRSS (+2)", "AEINST - (+11)" -> "AEINST (+11)". Any other
// text comes back unchanged.
QString formeComptee(const QString& tirage);

}  // namespace entrainement
