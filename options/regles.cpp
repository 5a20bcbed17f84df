// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/regles.h"

#include "data/parametres.h"

#include <QStringList>

namespace options {

Verification verifierSecondes(const QString& texte)
{
    Verification r;
    r.v = data::nombreEnTete(texte);
    if (r.v > 15)
        r.message = messageSecondesTrop;
    if (r.v < 2 && !texte.isEmpty())
        r.message = messageSecondesPeu;
    if (r.v > 1 && r.v < 16) {
        r.message = QString();
        r.dansLesLimites = true;
    }
    return r;
}

Verification verifierEchantillon(const QString& texte)
{
    Verification r;
    r.v = data::nombreEnTete(texte);
    if (r.v > 30)
        r.message = messageEchantillonTrop;
    if (r.v < 1 && !texte.isEmpty())
        r.message = messageEchantillonPeu;
    if (r.v > 0 && r.v < 31) {
        r.message = QString();
        r.dansLesLimites = true;
    }
    return r;
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
