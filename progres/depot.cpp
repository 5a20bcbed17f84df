// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/depot.h"

#include "progres/fichiers.h"

#include <QDir>

namespace progres {

Depot::Depot(const QString& dossier, QObject* parent) : QObject(parent), racine(dossier)
{
    connect(&ecrivain, &Ecrivain::probleme, this, &Depot::probleme);
}

QString Depot::chemin(const QString& nom) const
{
    return QDir(racine).filePath(nom);
}

QString Depot::cheminHistorique() const
{
    return chemin(fichierHistorique);
}

LectureProgression Depot::progression(const QString& fichier, bool test)
{
    // Leaving a base and launching it again at once must find what the leaving saved.
    ecrivain.attendre();
    const QString c = cheminProgression(racine, fichier, test);
    LectureProgression r = lireProgression(c);
    if (!r.ok() && !r.absente) {
        const QString message = QStringLiteral("La progression enregistrée n'a pas pu être reprise : %1. %2")
                                    .arg(r.erreur, mettreDeCote(c));
        r.erreur = message;
    }
    return r;
}

void Depot::sauver(Progression p)
{
    if (!memoriser)
        return;
    const QString c = cheminProgression(racine, p.fichier, p.test);
    ecrivain.enregistrer(c, std::move(p));
}

void Depot::oublier(const QString& fichier, bool test)
{
    if (memoriser)
        ecrivain.effacerProgression(cheminProgression(racine, fichier, test));
}

const Revisions& Depot::revisions()
{
    if (revisionsLues)
        return boite;
    revisionsLues = true;
    const QString c = chemin(fichierRevisions);
    const TexteLu lu = lireTexte(c, enteteRevisions);
    if (lu.absent)
        return boite;
    QString raison = lu.erreur;
    if (lu.ok())
        raison = boite.depuisLignes(lu.lignes);
    if (!raison.isEmpty()) {
        Q_EMIT probleme(QStringLiteral("Les révisions enregistrées sont abîmées (%1). %2").arg(raison, mettreDeCote(c)));
        // The racks that could be read are written back at once, so the next start finds them.
        if (memoriser && boite.taille() > 0)
            ecrivain.enregistrerRevisions(c, boite);
    }
    return boite;
}

void Depot::noterSerie(const QList<Resultat>& serie, bool rallonge, const QString& titre, QDate jour)
{
    if (!memoriser)
        return;
    revisions();
    if (!boite.noter(serie, rallonge, titre, jour))
        return;
    ecrivain.enregistrerRevisions(chemin(fichierRevisions), boite);
    Q_EMIT revisionsChangees(boite.taille());
}

void Depot::noterReponses(const QList<Resultat>& serie, bool rallonge, const QString& titre, bool revisions,
                          const QDateTime& quand)
{
    if (memoriser)
        Q_EMIT reponsesNotees(serie, rallonge, titre, revisions, quand);
}

void Depot::noterSeance(const Seance& s)
{
    if (memoriser)
        ecrivain.ajouter(cheminHistorique(), s);
}

Historique Depot::historique()
{
    // The last run may still be on its way to the disk.
    ecrivain.attendre();
    Historique h = lireHistorique(cheminHistorique());
    if (!h.erreur.isEmpty())
        Q_EMIT probleme(QStringLiteral("L'historique n'a pas pu être lu : %1.").arg(h.erreur));
    return h;
}

DerniersScores Depot::derniersScores()
{
    ecrivain.attendre();
    const QString c = cheminHistorique();
    DerniersScores d = progres::derniersScores(c);
    if (!d.erreur.isEmpty())
        Q_EMIT probleme(QStringLiteral("L'historique n'a pas pu être lu : %1. %2").arg(d.erreur, mettreDeCote(c)));
    return d;
}

}  // namespace progres
