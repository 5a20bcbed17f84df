// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace menu {

// Designed names of the menu's own controls, by role; the launch buttons and the count labels take
// theirs from the catalogue.
namespace nom {
const QString titre = QStringLiteral("Label1");
const QString enteteGroupe = QStringLiteral("TitreU");  // indexed
const QString enteteNombre = QStringLiteral("Label3");  // "Nombre" over the counts, indexes 2 and 3
const QString tuiles[] = {QStringLiteral("Image1"), QStringLiteral("Image2")};
const QString compteRallongesOds8 = QStringLiteral("Label7");  // index 3 of the count labels
constexpr int indexRallongesOds8 = 3;
const QString scoreTest = QStringLiteral("Label9");
const QString ligneAide = QStringLiteral("Label2");
const QString boutonOptions = QStringLiteral("Command12");
const QString boutonApropos = QStringLiteral("Command2");
const QString boutonMotsDisparus = QStringLiteral("Command9");
const QString boutonQuitter = QStringLiteral("quitter");
const QString mesListes = QStringLiteral("mesListes");
const QString ligneDonnees = QStringLiteral("ligneDonnees");
const QString boutonRecherche = QStringLiteral("boutonRecherche");
}  // namespace nom

}  // namespace menu
