// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/base.h"
#include "training/partie.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The progress of a run left before its end, kept per base so that the player can pick it up.
namespace progres {

// What identifies the lines of a base: a progress saved for other lines is stale.
QByteArray empreinte(const QList<data::LigneBase>& lignes);

// A copy of the run taken on the window's thread when the player leaves or corrects a series.
// The lists share their data with the run until the run changes them, so taking it costs
// nothing; turning it into text is left to the thread that writes it.
struct Progression {
    QString fichier;       // base file, as the menu names it ("listes\7L_a.txt")
    QString titre;         // shown above the racks: a test's tells its own size
    bool test = false;     // a random sample of that base
    QByteArray empreinte;  // of the base's lines when the run started
    entrainement::Critere critere = entrainement::Critere::Reussites;
    int seuil = 0;
    qint32 nbinitial = 0;
    qint32 nbrestants = 0;
    qint32 nbrates = 0;
    qint32 compteurseries = 0;
    qint32 tempstotal = 0;
    QStringList tiragesbase;   // entries 0..nbrestants-1 are the racks left
    QStringList solutionsbase;
    QList<int> reussites;
    QStringList motsrates;     // fault keys "RACK;SOLUTIONS"
};

Progression instantane(const entrainement::Partie& p, const QString& fichier, bool test,
                       const QByteArray& empreinte, entrainement::Critere critere, int seuil);

// What names a base to the player: its file inside the data in use, whatever the folder of the
// build that made it ("mes-listes-<date>\listes\7L.txt" is "mes-listes\listes\7L.txt").
QString cleDeBase(const QString& fichier);
// Where the progress of a base is kept, inside `dossier` (the progress folder).
QString cheminProgression(const QString& dossier, const QString& fichier, bool test);
// The highest threshold the training window's box can hold.
constexpr int seuilMax = 999;

inline const QString entete = QStringLiteral("# Lexidor progression 1");
QStringList versLignes(const Progression& p);

struct LectureProgression {
    bool absente = false;
    Progression progression;
    QString erreur;  // French: the file is damaged or foreign, nothing of it can be resumed
    QStringList ecartees;  // lines left out of a run that can still be resumed
    bool ok() const { return erreur.isEmpty(); }
};
LectureProgression depuisLignes(const QStringList& lignes);
// Checks a saved run against the lines of its base: racks the base does not hold are taken out
// and their lines added to `ecartees`. Returns a French reason when the run cannot be the base's.
QString verifierContreBase(Progression& p, const QList<data::LigneBase>& base, QStringList& ecartees);
LectureProgression lireProgression(const QString& chemin);
// Written off the window's thread; French message on failure.
QString ecrireProgression(const QString& chemin, const Progression& p);

// Puts the saved racks, successes, faults and counters back into a run.
void restaurer(const Progression& p, entrainement::Partie& partie);

}  // namespace progres
