// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recherche/index.h"

#include <QString>
#include <QStringList>

namespace recherche {

// The whole answer to a corrected rack, for its tooltip and the notes box, on a few lines: every
// valid word of its letters and the hooks of the expected words, new words marked with '*'. A hook
// rack ("?ABOTA", "ABOTA?") gives the letters of its side instead, and what the player typed.
// Empty when the lists say nothing more than the correction.
QString reponseEntiere(const Index& index, const QString& tirage, const QStringList& attendus, bool rallonge,
                       const QString& saisi);

}  // namespace recherche
