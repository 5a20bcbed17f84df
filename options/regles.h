// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What the options dialog checks and computes, apart from its widgets.
namespace options {

inline const QString messageSecondesTrop = QStringLiteral("Pas plus de 15 secondes par mot !");
inline const QString messageSecondesPeu = QStringLiteral("Pas moins de 2 secondes par mot !");
inline const QString messageEchantillonTrop = QStringLiteral("Pas plus de 900 mots par échantillon !");
inline const QString messageEchantillonPeu = QStringLiteral("Pas moins de 30 mots par échantillon !");

// The outcome of a change in one of the two number boxes.
struct Verification {
    double v = 0;                    // leading decimal number of the text
    std::optional<QString> message;  // new text of the message line (empty clears it); unset: unchanged
    bool dansLesLimites = false;     // the derived display follows the value
};

Verification verifierSecondes(const QString& texte);
Verification verifierEchantillon(const QString& texte);

// The values OK stores, or nothing when OK must refuse them.
struct Valeurs {
    qint16 tempsparmot;
    qint16 nbechantillon;
};
std::optional<Valeurs> valeursAcceptees(const QString& secondes, const QString& echantillon);

// Background colour (0x00BBGGRR) of a colour name; any other name gives the default colour.
quint32 couleurNommee(const QString& nom);
inline constexpr quint32 couleurDefaut = 0xC0E0FF;
const QStringList& nomsCouleurs();

// Minutes and seconds, two digits each at least: 150 -> "02:30".
QString duree(qint16 secondes);

}  // namespace options
