// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/ecrivain.h"
#include "progres/fichiers.h"
#include "progres/historique.h"
#include "progres/progression.h"
#include "progres/revisions.h"

#include <QDate>
#include <QSet>
#include <QDateTime>
#include <QObject>
#include <QString>

// The player's progress as the windows see it: the progress of unfinished bases, the review box
// and the history, all kept in one folder beside settings.dat. Reads happen where they are asked
// for; every write is handed to the writer's thread. While the player has turned the feature
// off, nothing is written.
namespace progres {

class Depot : public QObject {
    Q_OBJECT
public:
    explicit Depot(const QString& dossier = dossierProgression, QObject* parent = nullptr);

    bool actif() const { return memoriser; }
    // Turned back on, the review box and the last scores are read again at once, for the menu.
    void activer(bool oui);
    QString dossier() const { return racine; }

    // Saved progress of a base. A file that cannot be resumed is set aside; given the lines of the
    // base, racks it does not hold are left out. Lines left out are named in `avertissement`,
    // and the file as it was is copied aside.
    LectureProgression progression(const QString& fichier, bool test,
                                   const QList<data::LigneBase>* base = nullptr, QString* avertissement = nullptr);
    // What progression() without the base read, now checked against it as progression() with it
    // would: the file is read once.
    LectureProgression verifier(LectureProgression lu, const QString& fichier, bool test,
                                const QList<data::LigneBase>& base, QString* avertissement);
    void sauver(Progression p);
    void oublier(const QString& fichier, bool test);
    // Puts a saved progress that no longer fits its base out of the way, where the player can
    // still find it; returns the French sentence that says where.
    QString ecarter(const QString& fichier, bool test);

    // As the file holds it now, with what other windows of the program noted; a damaged file is
    // reported, copied aside, and its readable racks kept.
    const Revisions& revisions();
    void noterSerie(const QList<Resultat>& serie, bool rallonge, const QString& titre, QDate jour);
    // Every rack judged at a correction, for the day's queue, while the progress is kept.
    void noterReponses(const QList<Resultat>& serie, bool rallonge, const QString& titre, bool revisions,
                       const QDateTime& quand);

    void noterSeance(const Seance& s);
    Historique historique();
    // The newest run and the newest test, read from the end of the history. A history that is not
    // one is reported and set aside, like a damaged review box, so that the next start is quiet.
    DerniersScores derniersScores();
    QString cheminHistorique() const;

    // Blocks until every write asked for has reached the disk.
    void attendre() { ecrivain.attendre(); }

Q_SIGNALS:
    void revisionsChangees(qsizetype taille);
    // The feature was turned back on: the menu shows the scores the history holds.
    void scoresRetrouves(const progres::DerniersScores& d);
    // French text for the player: a file could not be written, or was damaged and set aside. A
    // kind of failure is told once per session; the next ones only give `nonEnregistre`.
    void reponsesNotees(const QList<progres::Resultat>& serie, bool rallonge, const QString& titre, bool revisions,
                        const QDateTime& quand);
    void probleme(const QString& message);
    // A quiet mark for the menu, each time something could not be kept: "Progression non
    // enregistrée : …".
    void nonEnregistre(const QString& marque);

private:
    QString chemin(const QString& nom) const;
    LectureProgression conclure(LectureProgression r, const QString& c, const QList<data::LigneBase>* base,
                                QString* avertissement);
    void signaler(const QString& message, const QString& sorte);
    void lireRevisions();
    QString racine;
    bool memoriser = true;
    bool revisionsLues = false;
    Revisions boite;
    int fusionsEnCours = 0;
    QSet<QString> sortesSignalees;
    Ecrivain ecrivain;
};

}  // namespace progres
