// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revision/carnet.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The player's answers, one line each, only ever appended to: the day's queue is replayed from
// it. Two windows answering at once both add their lines; a program killed while writing leaves
// at most a torn last line, which the reader drops and the next append cuts away.
namespace revision {

inline const QString fichierJournal = QStringLiteral("reponses.txt");
inline const QString enteteJournal = QStringLiteral("# Lexidor réponses 1");

struct Reponse {
    QDateTime quand;  // local time
    bool trouve = false;
    bool rallonge = false;
    QString titre;  // of the base it was answered in
    QString tirage;
    QString solutions;
};

QByteArray versLigne(const Reponse& r);

struct LectureJournal {
    bool absent = false;
    QString erreur;        // French: the file is not an answer journal, or could not be read
    qsizetype lues = 0;
    qsizetype illisibles = 0;
    bool coupee = false;   // a torn last line was dropped
    qint64 fin = 0;        // bytes read up to the end of the last whole line
    QByteArray propre;     // header and readable lines, when some could not be read
    bool ok() const { return erreur.isEmpty(); }
};

// Replays the journal into the notebook. Answers dated after `aujourdhui` (a clock set back since)
// count as given on that day.
// From byte `depuis` on when it is not 0: the notebook then already holds the lines before it.
LectureJournal lireJournal(const QString& chemin, Carnet& carnet, Jour aujourdhui, qint64 depuis = 0);
// The same from the file's bytes.
LectureJournal analyserJournal(QByteArrayView octets, Carnet& carnet, Jour aujourdhui, qsizetype depuis = 0);

// Day of the journal's first answer, 0 when there is none to read.
Jour premierJour(const QString& chemin);

// Adds the answers at the end of the file, creating it (and its folder) when needed. French
// message on failure, empty on success.
QString ajouterAuJournal(const QString& chemin, const QList<Reponse>& reponses);

}  // namespace revision
