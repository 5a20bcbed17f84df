// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    // The whole message for the user, empty when every base is there.
    QString message() const;
};

Comptes compterBases();

}  // namespace menu
