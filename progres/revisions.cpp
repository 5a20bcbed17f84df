// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/revisions.h"

#include "progres/fichiers.h"

namespace progres {

namespace {

QString cle(const QString& tirage, const QString& solutions)
{
    return tirage + QLatin1Char(';') + solutions;
}

}  // namespace

bool Revisions::contient(const QString& tirage, const QString& solutions) const
{
    return index.contains(cle(tirage, solutions));
}

const EntreeRevision* Revisions::origine(const QString& tirage, const QString& solutions) const
{
    const auto it = index.constFind(cle(tirage, solutions));
    return it == index.cend() ? nullptr : &liste[*it];
}

void Revisions::indexer()
{
    index.clear();
    index.reserve(liste.size());
    for (qsizetype i = 0; i < liste.size(); ++i)
        index.insert(cle(liste[i].tirage, liste[i].solutions), i);
}

bool Revisions::noter(const QList<Resultat>& serie, bool rallonge, const QString& titre, QDate jour)
{
    bool change = false;
    bool retraits = false;
    for (const Resultat& r : serie) {
        const QString k = cle(r.tirage, r.solutions);
        const auto it = index.constFind(k);
        if (!r.juste) {
            if (it == index.cend()) {
                index.insert(k, liste.size());
                liste.append({r.tirage, r.solutions, rallonge, titre, 0, jour});
            } else {
                EntreeRevision& e = liste[*it];
                e.jours = 0;
                e.dernierJour = jour;
            }
            change = true;
        } else if (it != index.cend()) {
            EntreeRevision& e = liste[*it];
            if (e.jours >= 0 && (!e.dernierJour.isValid() || e.dernierJour < jour)) {
                e.jours += 1;
                e.dernierJour = jour;
                change = true;
                if (e.jours >= joursPourSortir) {
                    e.jours = -1;  // marked, removed below
                    retraits = true;
                }
            }
        }
    }
    if (retraits) {
        liste.removeIf([](const EntreeRevision& e) { return e.jours < 0; });
        indexer();
    }
    return change;
}

QList<data::LigneBase> Revisions::commeBase() const
{
    QList<data::LigneBase> b;
    b.reserve(liste.size());
    for (const auto& e : liste)
        b.append({e.tirage, e.solutions});
    return b;
}

QStringList Revisions::versLignes() const
{
    QStringList l;
    l.reserve(liste.size());
    for (const auto& e : liste)
        l << QStringLiteral("%1\t%2\t%3\t%4\t")
                 .arg(e.jours)
                 .arg(e.dernierJour.isValid() ? e.dernierJour.toString(Qt::ISODate) : QStringLiteral("-"))
                 .arg(e.rallonge ? 1 : 0)
                 .arg(e.titre)
             + cle(e.tirage, e.solutions);
    return l;
}

QString Revisions::depuisLignes(const QStringList& lignes, QDate auPlusTard)
{
    liste.clear();
    index.clear();
    int illisibles = 0;
    QString premiere;
    for (const QString& ligne : lignes) {
        const QStringList c = ligne.split(QLatin1Char('\t'));
        bool ok = c.size() >= 5;
        EntreeRevision e;
        if (ok) {
            e.jours = c[0].toInt(&ok);
            ok = ok && e.jours >= 0 && e.jours < joursPourSortir && (c[2] == u"0" || c[2] == u"1");
            e.dernierJour = QDate::fromString(c[1], Qt::ISODate);
            ok = ok && (c[1] == u"-" || e.dernierJour.isValid());
            ok = ok && (!auPlusTard.isValid() || !e.dernierJour.isValid() || e.dernierJour <= auPlusTard);
            e.rallonge = c[2] == u"1";
            e.titre = c[3];
            // The rack and its solutions come last: solutions may hold anything, a tab included.
            const auto base = data::decouperLigne(ligne.section(QLatin1Char('\t'), 4));
            ok = ok && base.has_value();
            if (base) {
                e.tirage = base->tirage;
                e.solutions = base->solutions;
            }
        }
        if (!ok || contient(e.tirage, e.solutions)) {
            if (illisibles++ == 0)
                premiere = ligne.left(80);
            continue;
        }
        index.insert(cle(e.tirage, e.solutions), liste.size());
        liste.append(e);
    }
    if (illisibles == 0)
        return {};
    return QStringLiteral("%1 ligne(s) sur %2 écartée(s), dont « %3 »")
        .arg(illisibles)
        .arg(lignes.size())
        .arg(QString(premiere).replace(QLatin1Char('\t'), QLatin1Char(' ')));
}

QString lireRevisions(const QString& chemin, Revisions& boite, QDate auPlusTard)
{
    boite = Revisions();
    const TexteLu lu = lireTexte(chemin, enteteRevisions);
    if (lu.absent)
        return {};
    if (!lu.ok())
        return lu.erreur;
    return boite.depuisLignes(lu.lignes, auPlusTard);
}

QString noterRevisions(const QString& chemin, const QList<Resultat>& serie, bool rallonge, const QString& titre,
                       QDate jour, Revisions& apres, bool* echec)
{
    // Until the box is written (or had nothing to write), the series is not kept.
    if (echec)
        *echec = true;
    return sousVerrou(chemin, [&] {
        // A day later than tomorrow was not written by play (the clock of another window may be a
        // few hours ahead, not more).
        const QString abime = lireRevisions(chemin, apres, jour.addDays(1));
        QString message;
        if (!abime.isEmpty()) {
            bool copie = false;
            message = QStringLiteral("Les révisions enregistrées sont abîmées (%1). %2").arg(abime, copierDeCote(chemin, &copie));
            // Without a copy, what could not be read would be lost by the write.
            if (!copie)
                return message;
        }
        const bool change = apres.noter(serie, rallonge, titre, jour);
        const QString e = change || !abime.isEmpty() ? ecrireTexte(chemin, enteteRevisions, apres.versLignes()) : QString();
        if (echec)
            *echec = !e.isEmpty();
        return e.isEmpty() ? message : (message.isEmpty() ? e : message + QLatin1Char(' ') + e);
    });
}

}  // namespace progres
