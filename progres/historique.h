// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One line per finished base or test, appended at its end, read by the statistics window.
namespace progres {

inline const QString fichierHistorique = QStringLiteral("historique.txt");
inline const QString enteteHistorique = QStringLiteral("# Lexidor historique 1");

enum class Genre { Base, Test, Revisions };

struct Seance {
    QDateTime date;  // end of the run, UTC
    Genre genre = Genre::Base;
    QString titre;
    QString fichier;
    double score = 0.0;  // percentage of racks never missed
    qint32 tirages = 0;
    qint32 series = 0;
    qint32 secondes = 0;
    friend bool operator==(const Seance&, const Seance&) = default;
};

QString versLigne(const Seance& s);
// Empty when the line is not a run.
std::optional<Seance> depuisLigne(QStringView ligne);

struct Historique {
    QList<Seance> seances;  // in the order they were written: oldest first
    int illisibles = 0;     // lines that could not be read, kept aside by the caller
    QString erreur;         // French: the file is not a history at all
};

Historique lireHistorique(const QString& chemin);

// What the menu shows again at start-up: the newest run of any kind and the newest test.
struct DerniersScores {
    std::optional<Seance> derniere;
    std::optional<Seance> test;
    QString erreur;  // French: the file is not a history at all
};
// Reads the file from its end, where the newest runs are, so that a long history costs about as
// much as a short one. Lines that cannot be read are passed over.
DerniersScores derniersScores(const QString& chemin);

// Adds one run at the end of the history file and waits until it is on the disk. A foreign file
// is set aside first. Returns a French message for the player, empty when all went well.
QString ajouterSeance(const QString& chemin, const Seance& s, bool* echec = nullptr);
// A history with lines that cannot be read is copied aside, then rewritten with the others.
// Returns the French message that says so, empty when there was nothing to mend.
QString reparerHistorique(const QString& chemin);

QString nomGenre(Genre g);

}  // namespace progres
