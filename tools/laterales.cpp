// SPDX-License-Identifier: GPL-3.0-or-later
#include "atelier.h"

namespace builder::atelier {

namespace {

// Entries that a base can show come first; the rest of the list is filled up to its capacity.
QStringList limiter(const QString& nom, const QStringList& tous, const QSet<QString>& solutions,
                    qsizetype capacite, QStringList& remarques)
{
    QStringList utiles, autres;
    for (const QString& mot : tous)
        (solutions.contains(mot) ? utiles : autres).append(mot);
    if (utiles.size() > capacite) {
        remarques.append(QStringLiteral("%1 : %2 entrées utiles, %3 gardées").arg(nom).arg(utiles.size()).arg(capacite));
        utiles = utiles.mid(0, capacite);
    }
    const qsizetype place = capacite - utiles.size();
    if (autres.size() > place) {
        remarques.append(QStringLiteral("%1 : %2 entrées sans solution correspondante laissées de côté")
                             .arg(nom).arg(autres.size() - place));
        autres = autres.mid(0, place);
    }
    return trie(utiles + autres);
}

}  // namespace

void Atelier::listesLaterales(const QSet<QString>& solutions)
{
    QStringList vbi, vbt, inv;
    for (const QString& verbe : g.infinitifs()) {
        if (g.participeInvariable(verbe))
            vbi.append(verbe);
        if (g.transitif(verbe))
            vbt.append(verbe);
    }
    for (const QString& mot : solutions)
        if (g.invariable(mot))
            inv.append(mot);
    sortie.fichiers.insert(chemin(QStringLiteral("vbi_gd.txt")),
                           limiter(QStringLiteral("vbi_gd.txt"), trie(vbi), solutions, entreesMaxVbi, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("vbt_gd.txt")),
                           limiter(QStringLiteral("vbt_gd.txt"), trie(vbt), solutions, entreesMaxVbt, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("inv.txt")),
                           limiter(QStringLiteral("inv.txt"), trie(inv), solutions, entreesMaxInv, sortie.remarques));
}

void Atelier::notes(const QSet<QString>& mots)
{
    QStringList lignes;
    for (const QString& mot : trie(mots)) {
        const QString note = g.note(mot);
        if (note.isEmpty())
            continue;
        if (lignes.size() + 2 >= lignesMaxNotes) {
            sortie.remarques.append(QStringLiteral("infosouris-ods8.txt : limite de lignes atteinte, notes suivantes omises"));
            break;
        }
        lignes << mot << note;
    }
    sortie.fichiers.insert(QStringLiteral("infosouris-ods8.txt"), lignes);
}

void Atelier::anagrammesEtDisparus()
{
    QStringList lignes;
    for (int n = 5; n <= 9; ++n) {
        for (const QString& ligne : sortie.fichiers.value(chemin(QStringLiteral("%1L_multiples.txt").arg(n)))) {
            const QString mot = ligne.mid(ligne.indexOf(u';') + 1);
            lignes.append(lettresTriees(mot) + u';' + memesLettres(mot).join(u' '));
        }
    }
    sortie.fichiers.insert(chemin(QStringLiteral("anagrammes.txt")), trie(lignes));
    sortie.fichiers.insert(QStringLiteral("mots-disparus.txt"), disparus);
}

}  // namespace builder::atelier
