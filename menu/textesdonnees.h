// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/description.h"
#include "data/motsdisparus.h"

#include <QString>

// What the menu says about the data in use: the removed-words notice and the line that tells
// whose lists these are.
namespace menu {

// Beyond this many removed words the notice gives their number and the first ones.
constexpr int motsDisparusAffiches = 20;

// The notice behind "Mots qui disparaissent" for the removed words read from `chemin`; the designed
// fixed text when the data folder has no such file.
QString avisMotsDisparus(const data::MotsDisparus& mots, const data::Description& d, const QString& chemin);

// The menu's own line about the data: the stand-in says that it is one and where to bring one's own
// lists, lists the player built say which editions and when. Empty (no line) without a description.
QString ligneDonnees(const data::Description& d);

}  // namespace menu
