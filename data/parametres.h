// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace data {

inline const QString fichierParametres = QStringLiteral("settings.dat");
inline const QString couleurParDefaut = QStringLiteral("Par défaut");

// The options kept in "settings.dat". The defaults are those of a fresh installation.
struct Parametres {
    qint16 seuilch = 95;
    qint16 seuilcb = 80;
    qint16 tempsparmot = 5;
    qint16 nbechantillon = 5;
    qint16 son = 1;
    QString couleur = couleurParDefaut;  // empty: keep the window's default colour
};

struct LectureParametres {
    Parametres valeurs;
    bool absent = false;          // no file yet: the defaults above are used, nothing is written
    QStringList avertissements;   // French notes about values that were replaced
    QString erreur;               // the file exists but could not be read
};

// The leading decimal number of a text ("12abc" -> 12, "1.5" -> 1.5, "" -> 0), rounded half to even.
// Empty when the rounded value does not fit in 16 bits.
std::optional<qint16> entier16(const QString& texte);
double nombreEnTete(const QString& texte);

LectureParametres lireParametres(const QString& chemin = fichierParametres);
LectureParametres analyserParametres(QByteArrayView octets);

// Rewrites the file atomically; the thresholds are always written as 95 and 80. Returns a French
// message on failure (the previous file is then left as it was), empty on success.
QString ecrireParametres(const Parametres& p, const QString& chemin = fichierParametres);

}  // namespace data
