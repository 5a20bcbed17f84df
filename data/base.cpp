// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/base.h"

#include "data/texte.h"

namespace data {

std::optional<LigneBase> decouperLigne(const QString& ligne)
{
    const qsizetype pv = ligne.indexOf(QLatin1Char(';'));
    if (pv < 0)
        return std::nullopt;
    return LigneBase{ligne.left(pv), ligne.mid(pv + 1)};
}

Base analyserBase(QByteArrayView octets)
{
    Base b;
    const QStringList toutes = lignes(octets);
    b.lignes.reserve(toutes.size());
    for (const QString& l : toutes) {
        if (auto e = decouperLigne(l))
            b.lignes.append(std::move(*e));
        else
            ++b.ignorees;
    }
    return b;
}

Base lireBase(const QString& chemin)
{
    const Lecture l = lireFichier(chemin);
    if (!l.ok()) {
        Base b;
        b.erreur = l.erreur;
        return b;
    }
    return analyserBase(l.octets);
}

}  // namespace data
