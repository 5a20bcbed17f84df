// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/description.h"

#include <QString>

// Where the program's data lives. The shipped data is read from the working folder, as it always
// was. Lists the player builds go into a folder of their own inside the working folder (the one
// place the program may write), named by a small pointer file that is replaced atomically: a
// build fills a new folder and only a complete one is switched in, so that a build cancelled,
// failing or killed halfway leaves the data in use as it was.
namespace data {

inline const QString fichierPointeur = QStringLiteral("listes-en-usage.txt");
inline const QString prefixeDossierJoueur = QStringLiteral("mes-listes-");
inline const QString fichierMotsDisparus = QStringLiteral("mots-disparus.txt");

class Emplacement {
public:
    // The data in use in the working folder `travail` (the current folder when empty).
    static Emplacement courant(const QString& travail = {});

    bool joueur() const { return !dossierJoueur.isEmpty(); }
    // The data folder relative to the working folder: empty for the shipped data.
    const QString& dossier() const { return dossierJoueur; }
    // A data path as the program names it ("listes\7L.txt", "infosouris-ods8.txt"), relative to the
    // working folder: unchanged for the shipped data, inside the player's folder otherwise.
    QString chemin(const QString& relatif) const;
    Description description() const { return lireDescription(dossierJoueur); }
    // Set when the pointer names a folder that cannot be used: the shipped data is used instead.
    const QString& avertissement() const { return avertissement_; }

private:
    QString dossierJoueur;
    QString avertissement_;
};

// Several windows of the program may run at once from the same working folder. Each marks the
// player folders it reads, and each build the folder it fills, with a lock file beside them that
// the system forgets when the program ends, however it ends. A player folder is removed only when
// no pointer names it and no running program marks it: at a start, a build or a switch.

// This program reads, or has read, the player folder `nom` (nothing for the shipped data): no
// other program removes it while this one runs. Then the folders nobody uses are removed.
void marquerLecture(const QString& nom, const QString& travail = {});
// Removes the player folders that are not in use, not marked by a running program and not being
// built, the halves of killed builds among them.
void nettoyer(const QString& travail = {});

// A new, empty-named folder for a build: the path the builder creates (it does not exist yet),
// reserved for this program until basculer() or abandonnerConstruction(). Empty on failure, with
// the French reason in `erreur`.
QString preparerConstruction(QString* erreur, const QString& travail = {});
// Switches the data in use to the complete folder `nouveau` (from preparerConstruction); the
// previous player folder goes when no running program reads it. Empty on success; on failure the
// French reason, the data in use is unchanged and `nouveau` is removed.
QString basculer(const QString& nouveau, const QString& travail = {});
// Removes a folder from preparerConstruction that will not be switched in (a cancelled or failed build).
void abandonnerConstruction(const QString& nouveau, const QString& travail = {});
// Back to the shipped data; the player folder goes when no running program reads it. Empty on
// success, else the reason.
QString revenirAuxListesFournies(const QString& travail = {});

}  // namespace data
