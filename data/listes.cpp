// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/listes.h"

#include "data/champs.h"
#include "data/texte.h"

namespace data {

ListeLaterale ListeLaterale::analyser(QByteArrayView octets, int capacite)
{
    ListeLaterale l;
    const QStringList champs = lireChamps(octets);
    for (const QString& c : champs) {
        if (c.isEmpty())
            break;
        if (l.entrees.size() >= capacite) {
            l.tronquee = true;
            break;
        }
        l.entrees.append(c);
    }
    l.index = QSet<QString>(l.entrees.cbegin(), l.entrees.cend());
    return l;
}

ListeLaterale ListeLaterale::lire(const QString& chemin, int capacite)
{
    const Lecture lu = lireFichier(chemin);
    if (!lu.ok()) {
        ListeLaterale l;
        l.erreur = lu.erreur;
        return l;
    }
    return analyser(lu.octets, capacite);
}

}  // namespace data
