// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace recherche::nom {

// The search window's controls by role.
const QString fenetre = QStringLiteral("Recherche");
const QString modes[] = {QStringLiteral("modeJuger"), QStringLiteral("modeAnagrammes"),
                         QStringLiteral("modeSousAnagrammes"), QStringLiteral("modeMotif"),
                         QStringLiteral("modeRallonges")};
const QString saisie = QStringLiteral("saisie");
const QString aide = QStringLiteral("aide");
const QString longueurMin = QStringLiteral("longueurMin");
const QString longueurMax = QStringLiteral("longueurMax");
const QString nouveaux = QStringLiteral("nouveauxSeulement");
const QString disparus = QStringLiteral("disparusSeulement");
const QString compte = QStringLiteral("compte");
const QString verdict = QStringLiteral("verdict");
const QString details = QStringLiteral("details");
const QString resultats = QStringLiteral("resultats");
const QString copier = QStringLiteral("copier");
const QString fermer = QStringLiteral("fermer");

}  // namespace recherche::nom
