// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revision/carnet.h"

#include <QByteArray>
#include <QString>

// The notebook as it stood after a given length of the answer journal, so that a start replays
// only the answers added since rather than years of them. It can always be thrown away: the
// journal alone says everything.
namespace revision {

inline const QString fichierInstantane = QStringLiteral("reponses-etat.txt");
inline const QString enteteInstantane = QStringLiteral("# Lexidor état des réponses 1");

struct Couverture {
    qint64 octets = 0;    // length of the journal replayed
    QByteArray temoin;    // its last bytes then, to tell a journal replaced since
    int retention = 0;    // percent: the reviews' bilan depends on it
};

// Bytes of the journal just before `octets`, what Couverture::temoin holds.
QByteArray temoinDuJournal(const QString& cheminJournal, qint64 octets);

QString ecrireInstantane(const QString& chemin, const Carnet& c, const Couverture& couverture);
// False, with the notebook untouched, when there is no usable state.
bool lireInstantane(const QString& chemin, Carnet& c, Couverture& couverture);

}  // namespace revision
