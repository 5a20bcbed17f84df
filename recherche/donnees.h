// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/infosouris.h"
#include "recherche/index.h"

#include <QString>

#include <memory>

namespace recherche {

// The lists and notes of the data in use in the working folder `travail` (the current folder when
// empty), read once: later calls give the same objects while the data in use and its files stay
// the same. An index that could not be read is empty and says why.
std::shared_ptr<const Index> indexEnUsage(const QString& travail = {});
std::shared_ptr<const data::InfoSouris> notesEnUsage(const QString& travail = {});

}  // namespace recherche
