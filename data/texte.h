// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>

// Every data file of the program is 8-bit Windows-1252 text with CR LF line ends.
// LF-only files are read the same way; everything written uses CR LF.
namespace data {

QString decoder(QByteArrayView octets);
// Characters Windows-1252 cannot hold become '?'.
QByteArray encoder(QStringView texte);

// Splits raw bytes into decoded lines. A CR LF or a lone LF ends a line; a last line without a
// line break still counts, a final line break does not add an empty line.
QStringList lignes(QByteArrayView octets);
// The line that starts at debut, as lignes() cuts them (LF or CR LF; a last line break ends the
// last line): its bytes without the line break, and where the next line starts.
inline std::pair<QByteArrayView, qsizetype> ligneA(QByteArrayView octets, qsizetype debut)
{
    qsizetype fin = octets.indexOf('\n', debut);
    const qsizetype suivante = fin < 0 ? octets.size() : fin + 1;
    if (fin < 0)
        fin = octets.size();
    if (fin > debut && octets[fin - 1] == '\r')
        --fin;
    return {octets.sliced(debut, fin - debut), suivante};
}

// Each line of the bytes, handed to f without its line break, so that a reader decodes only what
// it keeps.
template <typename F>
void pourChaqueLigne(QByteArrayView octets, F&& f)
{
    for (qsizetype debut = 0; debut < octets.size();) {
        const auto [l, suivante] = ligneA(octets, debut);
        f(l);
        debut = suivante;
    }
}


// The lines, each followed by CR LF, in Windows-1252.
QByteArray joindreLignes(const QStringList& lignes);

// Number of lines as the menu counts them: empty lines count, a last line without a break counts.
qsizetype compterLignes(QByteArrayView octets);

// "listes\7L.txt" -> "listes/7L.txt": the program names its files with backslashes.
QString cheminLocal(const QString& chemin);

struct Lecture {
    QByteArray octets;
    QString erreur;  // empty when the file was read; otherwise a French sentence for the user
    bool ok() const { return erreur.isEmpty(); }
};

// Reads a whole file (path with '\' or '/').
Lecture lireFichier(const QString& chemin);
// Whether lireFichier could open that file: empty if so, else the text lireFichier would give.
QString verifierLecture(const QString& chemin);

struct Comptage {
    qsizetype lignes = 0;
    QString erreur;
    bool ok() const { return erreur.isEmpty(); }
};

// compterLignes over a whole file, read in chunks rather than held in memory.
Comptage compterLignesFichier(const QString& chemin);

// Writes the lines atomically (QSaveFile): on failure the previous file is left untouched and the
// returned text says why, in French; empty on success.
QString ecrireFichier(const QString& chemin, const QStringList& lignes);

}  // namespace data
