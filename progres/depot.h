// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/ecrivain.h"
#include "progres/fichiers.h"
#include "progres/historique.h"
#include "progres/progression.h"
#include "progres/revisions.h"

#include <QDate>
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
    void activer(bool oui) { memoriser = oui; }
    QString dossier() const { return racine; }

    // Saved progress of a base; a damaged file is reported and set aside.
    LectureProgression progression(const QString& fichier, bool test);
    void sauver(Progression p);
    void oublier(const QString& fichier, bool test);

    // Read on first use; a damaged file is reported and set aside, its readable racks kept.
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
    void reponsesNotees(const QList<progres::Resultat>& serie, bool rallonge, const QString& titre, bool revisions,
                        const QDateTime& quand);
    // French text for the player: a file could not be written, or was damaged and set aside.
    void probleme(const QString& message);

private:
    QString chemin(const QString& nom) const;
    QString racine;
    bool memoriser = true;
    bool revisionsLues = false;
    Revisions boite;
    Ecrivain ecrivain;
};

}  // namespace progres
