// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace data {

// One line of a training base: RACK;SOLUTIONS, split at the first ';', nothing trimmed.
struct LigneBase {
    QString tirage;
    QString solutions;
    friend bool operator==(const LigneBase&, const LigneBase&) = default;
};

// Empty when the line holds no ';' (an empty line included): such a line is not an entry.
std::optional<LigneBase> decouperLigne(const QString& ligne);

struct Base {
    QList<LigneBase> lignes;
    int ignorees = 0;  // lines without ';' that were skipped
    QString erreur;    // French message when the file could not be read
    bool ok() const { return erreur.isEmpty(); }
};

// The designed tables hold 15001 entries; a longer base is still read whole rather than cut short,
// since the run state grows with it.
constexpr int capaciteBase = 15001;

Base lireBase(const QString& chemin);
Base analyserBase(QByteArrayView octets);

// Whether a base holds an entry, as lireBase would say, read only as far as its first ';' (the
// whole base is read once, by the window that runs it). For a base without any entry, ignorees
// counts its lines as lireBase would.
struct ApercuBase {
    bool entree = false;
    int ignorees = 0;
    QString erreur;
    bool ok() const { return erreur.isEmpty(); }
};
ApercuBase apercuBase(const QString& chemin);

}  // namespace data
