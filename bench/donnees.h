// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Synthetic data at the largest sizes the file formats allow, written once per benchmark run.
namespace banc {

constexpr int lignesBase = 15001;
constexpr int lignesInfoSouris = 500000;

// A base of n lines of 7-letter racks with one solution each.
QByteArray base(int n = lignesBase, int lettres = 7);
// A side list of n distinct words.
QByteArray liste(int n, const char* prefixe);
// A notes file of n lines (n / 2 pairs).
QByteArray infosouris(int n = lignesInfoSouris);
// A notes file of n lines as a careless editor leaves it: words noted many times over, lines of
// bytes that are not text, stray carriage returns, blank notes and a few notes of 100,000 bytes.
QByteArray infosourisAbimee(int n = lignesInfoSouris);
// The word used at index i by base() and liste() (same spelling, so lookups can hit).
QString mot(int i, int lettres = 7);
// Writes a history of n runs spread over the 28 bases and three years; with testTous > 0, every
// testTous-th run is a random test.
void ecrireHistorique(const QString& chemin, int n, int testTous = 0);

// Copies the folder `fourni` (the shipped data) into `dossier`, then puts the largest data in place
// of 7L.txt, the side lists and the notes file (of `lignesNotes` lines, damaged ones if asked);
// `seances` > 0 also writes a history of that many runs. Empty on success, else what failed.
QString ecrireDossier(const QString& fourni, const QString& dossier, int lignesNotes, bool abimee, int seances);

// A working folder laid out like the runtime folder, with maximal files.
class Installation {
public:
    Installation();
    QString chemin(const QString& relatif) const;
    const QTemporaryDir& dossier() const { return dir; }

private:
    QTemporaryDir dir;
};

}  // namespace banc
