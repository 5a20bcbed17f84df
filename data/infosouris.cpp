// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/infosouris.h"

#include "data/texte.h"

namespace data {

InfoSouris InfoSouris::analyser(QByteArrayView octets)
{
    InfoSouris s;
    const QStringList l = lignes(octets);
    for (qsizetype i = 0; i < l.size(); i += 2) {
        if (l[i].isEmpty())
            break;
        // A word on the last line has no note line: its note is empty, as an empty slot would be.
        s.index[l[i]].append(i + 1 < l.size() ? l[i + 1] : QString());
        ++s.paires;
    }
    return s;
}

InfoSouris InfoSouris::lire(const QString& chemin)
{
    const Lecture lu = lireFichier(chemin);
    if (!lu.ok()) {
        InfoSouris s;
        s.erreur_ = lu.erreur;
        return s;
    }
    return analyser(lu.octets);
}

QStringList InfoSouris::notes(const QString& mot) const
{
    return index.value(mot);
}

}  // namespace data
