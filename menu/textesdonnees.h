// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/description.h"
#include "data/motsdisparus.h"

#include <QString>

// What the menu says about the data in use: the removed-words notice and the line that tells
// whose lists these are.
namespace menu {

// Beyond this many removed words the notice gives their number and a window of their own lists them.
constexpr int motsDisparusAffiches = 20;
// Words read for that window: far more than an edition ever removed, little memory all the same.
constexpr int motsDisparusLus = 200000;

// The notice behind "Mots qui disparaissent" for the removed words read from the data; the designed
// fixed text when the data folder has no such file. For a list too long for it, only the heading
// of the window that lists them (listeAOuvrir).
QString avisMotsDisparus(const data::MotsDisparus& mots, const data::Description& d);
bool listeAOuvrir(const data::MotsDisparus& mots);
// In French alphabetical order.
QStringList motsTries(QStringList mots);

// The menu's own line about the data: the stand-in says that it is one and where to bring one's own
// lists, lists the player built say which editions and when. Empty (no line) without a description.
QString ligneDonnees(const data::Description& d);

}  // namespace menu
