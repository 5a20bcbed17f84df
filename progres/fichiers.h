// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

// The player's own files (progress, review box, history): UTF-8 text with CR LF line ends (LF is
// read too), a first line that names what the file holds, written whole through QSaveFile so that
// a crash or a kill during a save leaves the previous file in place.
namespace progres {

// Folder beside settings.dat that holds them.
inline const QString dossierProgression = QStringLiteral("progression");

struct TexteLu {
    bool absent = false;   // no file: nothing to read, nothing to report
    QStringList lignes;    // the lines after the first one
    QString erreur;        // French reason when the file exists but is not one of ours
    bool ok() const { return erreur.isEmpty(); }
};

// Reads a file whose first line must be `entete`.
TexteLu lireTexte(const QString& chemin, const QString& entete);
// The same checks, the rest of the file left as read (UTF-8 bytes) in `reste`, for a reader
// that cuts its lines itself.
TexteLu lireEntete(const QString& chemin, const QString& entete, QByteArray& reste);
// The same checks, for a reader that needs only the end of a long file: on success the file is
// left open after its first line, and nothing is in `lignes`.
TexteLu ouvrirTexte(QFile& f, const QString& entete);

// Writes the header and the lines atomically, creating the folder if needed. Returns a French
// message on failure (the previous file is then untouched), empty on success.
QString ecrireTexte(const QString& chemin, const QString& entete, const QStringList& lignes);

// Renames a file that cannot be read to a free name beside it ("historique.txt.illisible",
// then ".illisible-2"...), so that nothing the player earned is thrown away. Returns the French
// sentence that tells where it went.
QString mettreDeCote(const QString& chemin);

// The same, but the file stays where it is, for a reader that keeps what it could read of it.
QString copierDeCote(const QString& chemin, bool* fait = nullptr);
// Removes a file; a missing file is not an error. French message on failure.
QString effacer(const QString& chemin);
// Runs `tache` while holding the lock file `chemin.verrou`, which every window of the program
// takes before it reads a shared file to merge into it: two windows in one working folder never
// write over each other's changes. A lock left by a program that was killed is taken over.
// Returns what `tache` returns, or a French message when the lock could not be had.
QString sousVerrou(const QString& chemin, const std::function<QString()>& tache);
// Adds one line at the end of a file whose first line is `entete` (created when missing), and
// waits until it is on the disk. A file that is not of this kind is set aside first (the
// returned message says so); a last line cut short by a crash is ended first, so the new line
// stays whole. Empty on success; `echec` tells whether the line is missing from the file.
QString ajouterLigne(const QString& chemin, const QString& entete, const QString& ligne, bool* echec = nullptr);

}  // namespace progres
