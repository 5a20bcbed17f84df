// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/emplacement.h"
#include "data/parametres.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the main menu computes when it loads: the counts of the bases and the stored settings.
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

// The stored settings, with the checks the rest of the program relies on: a time per word or a
// sample size whose 30-fold does not fit in 16 bits is replaced by its default, with a note.
data::LectureParametres lireReglages();
// The message for the user about the settings, empty when there is nothing to say.
QString messageReglages(const data::LectureParametres& lecture);

}  // namespace menu
