// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/listes.h"

#include "data/champs.h"
#include "data/texte.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QMutex>

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
    // Every base of the data in use shares the same three lists: a file unchanged since it was
    // last read is not read again, and the menu reads them while it waits for the first click.
    struct Lue {
        QString chemin;
        int capacite;
        qint64 taille;
        QDateTime date;
        ListeLaterale liste;
    };
    static QMutex verrou;
    static QList<Lue> lues;
    const QFileInfo fi(cheminLocal(chemin));
    const qint64 taille = fi.size();
    const QDateTime date = fi.lastModified();
    {
        const QMutexLocker garde(&verrou);
        for (const Lue& x : std::as_const(lues))
            if (x.chemin == chemin && x.capacite == capacite && x.taille == taille && x.date == date)
                return x.liste;
    }
    const Lecture lu = lireFichier(chemin);
    if (!lu.ok()) {
        ListeLaterale l;
        l.erreur = lu.erreur;
        return l;
    }
    ListeLaterale l = analyser(lu.octets, capacite);
    if (date.isValid() && lu.octets.size() == taille) {
        const QMutexLocker garde(&verrou);
        lues.removeIf([&](const Lue& x) { return x.chemin == chemin && x.capacite == capacite; });
        if (lues.size() >= 6)
            lues.removeFirst();
        lues.append({chemin, capacite, taille, date, l});
    }
    return l;
}

}  // namespace data
