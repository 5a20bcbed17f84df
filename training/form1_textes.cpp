// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/ajustement.h"
#include "app/controles.h"

#include <QLineEdit>

using namespace entrainement;

namespace {

const char* const proprieteTexte = "texteEntier";

}  // namespace

namespace {

// Letters taken out of a text that fitted leave a text that fits: each key typed takes one out of
// the rack box, and measuring the text again would cost more than all the rest of the key. An
// empty text fits anywhere.
bool lettresOtees(const QString& nouveau, const QString& ancien)
{
    if (nouveau.isEmpty())
        return true;
    if (nouveau.size() >= ancien.size())
        return false;
    qsizetype i = 0;
    for (QChar c : ancien)
        if (i < nouveau.size() && nouveau[i] == c)
            ++i;
    return i == nouveau.size();
}

}  // namespace

void Form1::ecrireTirage(QLineEdit* boite, const QString& texte)
{
    const double designee = taillePolice > 0 ? taillePolice * ctl::facteurDe(boite) : boite->font().pointSizeF();
    if (boite->font().pointSizeF() == designee && lettresOtees(texte, boite->text())) {
        boite->setText(texte);
        return;
    }
    // The words a rack lists tell which answer is asked: they are kept, in a smaller font if need be.
    const double taille = ctl::tailleQuiTient(boite->font(), designee, texte, ctl::largeurUtile(boite), boite);
    const bool reduit = taille < designee;
    const QString avant = boite->property(proprieteTexte).toString();
    if (!avant.isEmpty() && boite->toolTip() == avant)
        boite->setToolTip(QString());
    boite->setProperty(proprieteTexte, reduit ? texte : QString());
    if (reduit)
        boite->setToolTip(texte);
    if (boite->font().pointSizeF() != taille) {
        QFont f = boite->font();
        f.setPointSizeF(taille);
        boite->setFont(f);
    }
    boite->setText(texte);
}

void Form1::bulle(QLineEdit* boite, const QString& texte)
{
    const QString t = boite->property(proprieteTexte).toString();
    boite->setToolTip(t.isEmpty() ? texte : t + QLatin1Char('\n') + texte);
}
