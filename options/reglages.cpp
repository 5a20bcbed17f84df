// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/reglages.h"

#include "options/regles.h"

#include <QStringList>

#include <limits>

namespace options {

namespace {

bool tientEn16Bits(int v) { return v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max(); }

}  // namespace

Reglages::Reglages(QObject* parent)
    : QObject(parent)
    , couleurFond(couleurDefaut)
{
    // Nothing is stored until the file is read: no colour name to preselect yet.
    enregistres.couleur.clear();
}

QString Reglages::charger(const QString& chemin)
{
    const data::LectureParametres lu = lireReglages(chemin);
    adopter(lu.valeurs);
    return messageReglages(lu);
}

void Reglages::adopter(const data::Parametres& p)
{
    enregistres = p;
    if (!p.couleur.isEmpty())
        couleurFond = couleurNommee(p.couleur);
    // Only 1 means on; a garbled stored value leaves the sound off rather than in a third state.
    sonEnVigueur = p.son == 1;
    affecterechantillons(p.nbechantillon);
    Q_EMIT modifies();
}

QString Reglages::enregistrer(data::Parametres p, const QString& chemin)
{
    p.seuilch = 95;
    p.seuilcb = 80;
    const QString erreur = data::ecrireParametres(p, chemin);
    if (!erreur.isEmpty())
        return erreur;
    enregistres = p;
    sonEnVigueur = p.son == 1;
    Q_EMIT modifies();
    return {};
}

void Reglages::affecterechantillons(qint16 nbser)
{
    const int mots = nbser * 30;
    // The largest 16-bit multiple of 30 rather than a wrapped-round size.
    const qint16 n = nbser > 1 ? qint16(qMin(mots, 32760)) : qint16(30);
    if (n == tailleTest)
        return;
    tailleTest = n;
    Q_EMIT modifies();
}

void Reglages::choisirSon(bool actif)
{
    if (actif == sonEnVigueur)
        return;
    sonEnVigueur = actif;
    Q_EMIT modifies();
}

void Reglages::apercevoirCouleur(const QString& nom)
{
    couleurFond = couleurNommee(nom);
    Q_EMIT modifies();
}

data::LectureParametres lireReglages(const QString& chemin)
{
    data::LectureParametres r = data::lireParametres(chemin);
    const data::Parametres defaut;
    const auto verifier = [&](qint16 data::Parametres::*champ, int ligne) {
        const qint16 v = r.valeurs.*champ;
        if (tientEn16Bits(v * 30))
            return;
        r.avertissements << QStringLiteral("La valeur « %1 » (ligne %2 du fichier des réglages) est trop grande : "
                                           "la valeur par défaut %3 est utilisée.")
                                .arg(v).arg(ligne).arg(defaut.*champ);
        r.valeurs.*champ = defaut.*champ;
    };
    verifier(&data::Parametres::tempsparmot, 3);
    verifier(&data::Parametres::nbechantillon, 4);
    return r;
}

QString messageReglages(const data::LectureParametres& lecture)
{
    QStringList l;
    if (!lecture.erreur.isEmpty())
        l << lecture.erreur << QStringLiteral("Les réglages par défaut sont utilisés.");
    l << lecture.avertissements;
    return l.join(QLatin1Char('\n'));
}

}  // namespace options
