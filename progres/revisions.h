// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/base.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The player's review box: every rack missed in any run, until it has been found on enough
// separate days.
namespace progres {

// A rack leaves the box once found on this many days, each later than the day of its last miss
// and than the day of the find counted before it. A miss puts it back to zero.
constexpr int joursPourSortir = 3;

inline const QString fichierRevisions = QStringLiteral("revisions.txt");

struct EntreeRevision {
    QString tirage;
    QString solutions;
    // What the run needs to correct a hook rack and find its notes: whether it came from a hook
    // base, and that base's title (front or back hooks are told apart by it).
    bool rallonge = false;
    QString titre;
    int jours = 0;      // separate days found since the last miss
    QDate dernierJour;  // day of the last miss or of the last find counted
    friend bool operator==(const EntreeRevision&, const EntreeRevision&) = default;
};

// One corrected row, as the run saw it.
struct Resultat {
    QString tirage;
    QString solutions;
    bool juste = false;
};

class Revisions {
public:
    const QList<EntreeRevision>& entrees() const { return liste; }
    qsizetype taille() const { return liste.size(); }
    bool contient(const QString& tirage, const QString& solutions) const;
    // The rack as the box holds it, or nullptr.
    const EntreeRevision* origine(const QString& tirage, const QString& solutions) const;

    // Applies one corrected series; true when the box changed (and should be saved).
    bool noter(const QList<Resultat>& serie, bool rallonge, const QString& titre, QDate jour);

    // The box as a training base, in its own order, with what each rack needs.
    QList<data::LigneBase> commeBase() const;

    QStringList versLignes() const;
    // Empty text when every line was read; otherwise a French reason naming the first line left
    // out, and the lines that could be read are kept. A day after `auPlusTard` (when given) is not
    // one play can have written.
    QString depuisLignes(const QStringList& lignes, QDate auPlusTard = {});

private:
    void indexer();
    QList<EntreeRevision> liste;
    QHash<QString, qsizetype> index;  // "RACK;SOLUTIONS" -> position
};

inline const QString enteteRevisions = QStringLiteral("# Lexidor révisions 1");

// Reads the box kept in `chemin` into `boite` (left empty when there is no file). Returns a French
// reason when the file is damaged or foreign; its readable racks are in `boite` all the same.
QString lireRevisions(const QString& chemin, Revisions& boite, QDate auPlusTard);

// Merges one corrected series into the box on the disk: under the lock every window takes, the
// file is read again, the series applied to it and the result written back, so that what another
// window noted meanwhile stays. A damaged file is copied aside first and its readable racks kept.
// `apres` receives the box as written. Returns a French message for the player, empty when all
// went well. An empty series only mends a damaged file.
QString noterRevisions(const QString& chemin, const QList<Resultat>& serie, bool rallonge, const QString& titre,
                       QDate jour, Revisions& apres, bool* echec = nullptr);

}  // namespace progres
