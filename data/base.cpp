// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/base.h"

#include "data/raisons.h"
#include "data/texte.h"

#include <QFile>

#include <cstring>

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

ApercuBase apercuBase(const QString& chemin)
{
    ApercuBase a;
    QFile f(cheminLocal(chemin));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        a.erreur = lireFichier(chemin).erreur;  // worded there
        return a;
    }
    char tampon[1 << 16];
    qint64 n;
    while ((n = f.read(tampon, sizeof tampon)) > 0)
        if (std::memchr(tampon, ';', size_t(n))) {
            a.entree = true;
            return a;
        }
    // No ';' anywhere: every line is one lireBase would skip.
    const Comptage c = compterLignesFichier(chemin);
    if (n < 0 || !c.ok())
        a.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    else
        a.ignorees = int(c.lignes);
    return a;
}

}  // namespace data
