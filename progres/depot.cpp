// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/depot.h"

#include "data/emplacement.h"
#include "progres/fichiers.h"

#include <QDir>
#include <QFileInfo>

namespace progres {

Depot::Depot(const QString& dossier, QObject* parent) : QObject(parent), racine(dossier)
{
    connect(&ecrivain, &Ecrivain::probleme, this, &Depot::signaler);
}

QString Depot::chemin(const QString& nom) const
{
    return QDir(racine).filePath(nom);
}

QString Depot::cheminHistorique() const
{
    return chemin(fichierHistorique);
}

void Depot::signaler(const QString& message, const QString& sorte)
{
    // A read-only folder or a full disk fails every save alike: the player is told once, and the
    // menu keeps a quiet mark.
    if (!sorte.isEmpty()) {
        Q_EMIT nonEnregistre(QStringLiteral("Progression non enregistrée : %1").arg(sorte));
        if (sortesSignalees.contains(sorte))
            return;
        sortesSignalees.insert(sorte);
    }
    Q_EMIT probleme(message);
}

void Depot::activer(bool oui)
{
    const bool avant = memoriser;
    memoriser = oui;
    if (!oui || avant)
        return;
    revisionsLues = false;
    Q_EMIT revisionsChangees(revisions().taille());
    Q_EMIT scoresRetrouves(derniersScores());
}

LectureProgression Depot::progression(const QString& fichier, bool test, const QList<data::LigneBase>* base,
                                      QString* avertissement)
{
    // Leaving a base and launching it again at once must find what the leaving saved.
    ecrivain.attendre();
    const QString c = cheminProgression(racine, fichier, test);
    if (!QFileInfo::exists(c) && cleDeBase(fichier) != fichier) {
        // Saved before runs were kept by the base's name rather than by its build folder.
        QString ancien = QFileInfo(c).fileName();
        ancien.replace(0, ancien.indexOf(QLatin1Char('_')), QString());
        ancien.prepend((test ? QStringLiteral("test-") : QString()) + data::prefixeDossierJoueur + QLatin1Char('*'));
        const QFileInfoList trouves = QDir(racine).entryInfoList({ancien}, QDir::Files, QDir::Time);
        if (!trouves.isEmpty())
            QFile::rename(trouves.constFirst().filePath(), c);
    }
    return conclure(lireProgression(c), c, base, avertissement);
}

LectureProgression Depot::verifier(LectureProgression lu, const QString& fichier, bool test,
                                   const QList<data::LigneBase>& base, QString* avertissement)
{
    return conclure(std::move(lu), cheminProgression(racine, fichier, test), &base, avertissement);
}

LectureProgression Depot::conclure(LectureProgression r, const QString& c, const QList<data::LigneBase>* base,
                                   QString* avertissement)
{
    if (r.ok() && !r.absente && base) {
        const QString raison = verifierContreBase(r.progression, *base, r.ecartees);
        if (!raison.isEmpty())
            r.erreur = QStringLiteral("« %1 » ne convient pas à sa base : %2").arg(QDir::toNativeSeparators(c), raison);
    }
    if (!r.ok() && !r.absente) {
        const QString message = QStringLiteral("La progression enregistrée n'a pas pu être reprise : %1. %2")
                                     .arg(r.erreur, mettreDeCote(c));
        r.erreur = message;
    } else if (!r.ecartees.isEmpty() && avertissement) {
        QString premiere = r.ecartees.constFirst().left(80);
        premiere.replace(QLatin1Char('\t'), QLatin1Char(' '));
        *avertissement = QStringLiteral("La progression enregistrée de « %1 » était abîmée : %2 ligne(s) écartée(s), "
                                        "dont « %3 » ; le reste peut être repris. %4")
                             .arg(r.progression.fichier)
                             .arg(r.ecartees.size())
                             .arg(premiere, copierDeCote(c));
    }
    return r;
}

QString Depot::ecarter(const QString& fichier, bool test)
{
    ecrivain.attendre();
    return mettreDeCote(cheminProgression(racine, fichier, test));
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

void Depot::lireRevisions()
{
    revisionsLues = true;
    const QString c = chemin(fichierRevisions);
    const QDate demain = QDate::currentDate().addDays(1);
    if (progres::lireRevisions(c, boite, demain).isEmpty() || !memoriser)
        return;
    // Mended under the lock, like any write of the box; the racks that could be read stay.
    Revisions lue;
    const QString message = noterRevisions(c, {}, false, QString(), QDate::currentDate(), lue);
    if (!message.isEmpty())
        Q_EMIT probleme(message);
}

const Revisions& Depot::revisions()
{
    // Another window may have noted series since: the file is what counts, once this window's
    // own series are in it.
    if (!revisionsLues || memoriser) {
        ecrivain.attendre();
        lireRevisions();
    }
    return boite;
}

void Depot::noterSerie(const QList<Resultat>& serie, bool rallonge, const QString& titre, QDate jour)
{
    if (!memoriser || serie.isEmpty())
        return;
    if (!revisionsLues)
        lireRevisions();
    // The count moves at once; the file, merged on the writer's thread, then has the last word.
    if (boite.noter(serie, rallonge, titre, jour))
        Q_EMIT revisionsChangees(boite.taille());
    ++fusionsEnCours;
    ecrivain.noterRevisions(chemin(fichierRevisions), serie, rallonge, titre, jour, [this](const Revisions& r) {
        if (--fusionsEnCours > 0)
            return;
        const qsizetype avant = boite.taille();
        boite = r;
        if (boite.taille() != avant)
            Q_EMIT revisionsChangees(boite.taille());
    });
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
    const QString c = cheminHistorique();
    Historique h = lireHistorique(c);
    if (!h.erreur.isEmpty())
        Q_EMIT probleme(QStringLiteral("L'historique n'a pas pu être lu : %1.").arg(h.erreur));
    if (h.illisibles > 0 && memoriser) {
        const QString message = reparerHistorique(c);
        if (!message.isEmpty())
            Q_EMIT probleme(message);
        h.illisibles = 0;
    }
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
