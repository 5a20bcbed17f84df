// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/emplacement.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the main menu computes when it loads: the counts of the bases.
namespace menu {

inline const QString dossierListes = QStringLiteral("listes");
// Shown instead of a count when the base cannot be read.
inline const QString compteInconnu = QStringLiteral("?");

struct Comptes {
    QStringList textes;        // one per labelsComptes() entry, padded
    QString texteRallongesOds8;  // Label7(3): front hooks, two spaces, back hooks
    QStringList problemes;     // one French line per base that is missing or unreadable
    bool dossierAbsent = false;
    QString dossierDonnees;    // where the bases were looked for, for the message
    QString avertissement;     // the player's folder could not be used (Emplacement::avertissement)
    // The whole message for the user, empty when every base is there.
    QString message() const;
};

// The bases of the data in use: the shipped ones or the player's own.
Comptes compterBases(const data::Emplacement& donnees = data::Emplacement::courant());

}  // namespace menu
