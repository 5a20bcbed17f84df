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
// The word used at index i by base() and liste() (same spelling, so lookups can hit).
QString mot(int i, int lettres = 7);
// Writes a history of n runs spread over the 28 bases and three years; with testTous > 0, every
// testTous-th run is a random test.
void ecrireHistorique(const QString& chemin, int n, int testTous = 0);

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
