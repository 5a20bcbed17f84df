// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/textesdonnees.h"

#include "data/texte.h"
#include "menu/catalogue.h"

#include <QCollator>
#include <QDate>
#include <QLocale>

#include <algorithm>

namespace menu {

QString avisMotsDisparus(const data::MotsDisparus& mots, const data::Description& d)
{
    if (!mots.present)
        return texteMotsDisparus();
    if (!mots.erreur.isEmpty())
        return QStringLiteral("La liste des mots qui disparaissent ne peut pas être affichée.\r\n") + mots.erreur;
    const QString entete = data::selonEditions(QStringLiteral("Mots ODS 7 à ne plus jouer : "), d);
    if (mots.total == 0)
        return entete + QStringLiteral("aucun.");
    if (!listeAOuvrir(mots))
        return entete + QStringLiteral("\r\n") + mots.premiers.join(QStringLiteral("\r\n"));
    const QLocale fr(QLocale::French, QLocale::France);
    const QString nombre = mots.tronque ? QStringLiteral("plus de %1").arg(fr.toString(mots.total))
                                        : fr.toString(mots.total);
    return entete + QStringLiteral("%1 mots.").arg(nombre);
}

bool listeAOuvrir(const data::MotsDisparus& mots)
{
    return mots.present && mots.erreur.isEmpty() && (mots.total > motsDisparusAffiches || mots.tronque);
}

QStringList motsTries(QStringList mots)
{
    QCollator ordre(QLocale(QLocale::French, QLocale::France));
    std::sort(mots.begin(), mots.end(), ordre);
    return mots;
}

QString ligneDonnees(const data::Description& d)
{
    switch (d.source) {
    case data::Description::Source::Inconnue:
        return {};
    case data::Description::Source::Substitut:
        return QStringLiteral("Listes d'essai, pas la liste officielle : vos propres listes avec « Mes listes… ».");
    case data::Description::Source::Listes:
        break;
    }
    QString texte = d.editionsConnues()
                        ? QStringLiteral("Vos listes : ODS %1 et ODS %2").arg(d.editionAncienne).arg(d.editionNouvelle)
                        : QStringLiteral("Vos listes");
    const QDate date = QDate::fromString(d.date, Qt::ISODate);
    if (date.isValid())
        texte += QStringLiteral(", construites le ") + date.toString(QStringLiteral("dd/MM/yyyy"));
    return texte + QLatin1Char('.');
}

}  // namespace menu
