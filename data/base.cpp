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
    // Lines cut as lignes() cuts them, but each side of the ';' decoded straight from the bytes: a
    // 15001-line base is read as a run starts, and the whole line as a string of its own was
    // a third of that. ';' is the same byte in Windows-1252.
    Base b;
    b.lignes.reserve(compterLignes(octets));
    pourChaqueLigne(octets, [&](QByteArrayView ligne) {
        const qsizetype pv = ligne.indexOf(';');
        if (pv < 0)
            ++b.ignorees;
        else
            b.lignes.append({decoder(ligne.first(pv)), decoder(ligne.sliced(pv + 1))});
    });
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
