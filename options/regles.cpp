// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/regles.h"

#include "data/parametres.h"

#include <QStringList>

namespace options {

namespace {

// A value typed into one of the two boxes: its leading number, and the message for a value outside
// min..max (none while the box is empty).
Verification verifier(const QString& texte, int min, int max, const QString& trop, const QString& peu)
{
    Verification r;
    r.v = data::nombreEnTete(texte);
    if (r.v > max)
        r.message = trop;
    if (r.v < min && !texte.isEmpty())
        r.message = peu;
    if (r.v > min - 1 && r.v < max + 1) {
        r.message = QString();
        r.dansLesLimites = true;
    }
    return r;
}

}  // namespace

Verification verifierSecondes(const QString& texte)
{
    return verifier(texte, 2, 15, messageSecondesTrop, messageSecondesPeu);
}

Verification verifierEchantillon(const QString& texte)
{
    return verifier(texte, 1, 30, messageEchantillonTrop, messageEchantillonPeu);
}

std::optional<Valeurs> valeursAcceptees(const QString& secondes, const QString& echantillon)
{
    const double t = data::nombreEnTete(secondes);
    const double n = data::nombreEnTete(echantillon);
    if (!(t >= 2 && t <= 15 && n >= 1 && n <= 30))
        return std::nullopt;
    // Within these limits the rounded values always fit in 16 bits.
    return Valeurs{*data::entier16(secondes), *data::entier16(echantillon)};
}

const QStringList& nomsCouleurs()
{
    static const QStringList n{QStringLiteral("Par défaut"), QStringLiteral("Jaune"), QStringLiteral("Orange"),
                               QStringLiteral("Vert"),       QStringLiteral("Bleu"),  QStringLiteral("Gris")};
    return n;
}

quint32 couleurNommee(const QString& nom)
{
    static const quint32 couleurs[] = {0xC0E0FF, 0x80FFFF, 0x80C0FF, 0x80FF80, 0xFFC0C0, 0xE0E0E0};
    const qsizetype i = nomsCouleurs().indexOf(nom);
    return i < 0 ? couleurDefaut : couleurs[i];
}

QString duree(qint16 secondes)
{
    const int s = secondes % 60;
    const int m = (secondes - s) / 60;
    const auto deuxChiffres = [](int v) {
        return v < 0 ? QStringLiteral("-%1").arg(-v, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    };
    return deuxChiffres(m) + QLatin1Char(':') + deuxChiffres(s);
}

}  // namespace options
