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
    bool memoriser = true;  // "Mémoriser ma progression": runs, review box and history are kept
    qint16 retention = 90;  // desired retention of the day's queue, in percent, 80 to 97
    qint16 parJour = 200;   // racks in the day's queue at most, 1 to 9999
};

constexpr qint16 retentionMin = 80, retentionMax = 97;
constexpr qint16 parJourMin = 1, parJourMax = 9999;

// Line written after the designed six when the progress is not kept; a file without it keeps it.
inline const QString ligneMemoriser = QStringLiteral("memoriser=%1");
// Likewise for the day's queue, each only when it differs from the default.
inline const QString ligneRetention = QStringLiteral("retention=%1");
inline const QString ligneParJour = QStringLiteral("parjour=%1");

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

// What a field of the file keeps of a text: the text up to its first line break, without control
// characters, so that every field stays on its own line.
QString surUneLigne(const QString& texte);

// Rewrites the file atomically; the thresholds are always written as 95 and 80. Returns a French
// message on failure (the previous file is then left as it was), empty on success. The colour name
// is written as surUneLigne() keeps it.
QString ecrireParametres(const Parametres& p, const QString& chemin = fichierParametres);

}  // namespace data
