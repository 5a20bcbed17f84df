// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/ajustement.h"
#include "app/controles.h"

#include <QFontMetricsF>
#include <QLineEdit>

#include <algorithm>
#include <limits>

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

// A width the text cannot exceed in this font: the advances of its characters, the most any of
// them overhangs on either side, and a tenth of a line per character for kerning that widens.
// Shaping the text to measure it costs several times more, and most racks and answers fit at once.
qreal largeurAuPlus(const QFontMetricsF& m, const QString& texte)
{
    const qreal crenage = m.height() / 10;
    qreal avances = 0, gauche = 0, droite = 0;
    for (QChar c : texte) {
        // Another font's glyphs, marks or pairs of surrogates: only shaping knows.
        if (c.isSurrogate() || c.isMark() || !m.inFont(c))
            return std::numeric_limits<qreal>::infinity();
        avances += m.horizontalAdvance(c) + crenage;
        gauche = std::max(gauche, -m.leftBearing(c));
        droite = std::max(droite, -m.rightBearing(c));
    }
    return avances + gauche + droite;
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
    const qreal place = ctl::largeurUtile(boite);
    QFont aDesignee = boite->font();
    aDesignee.setPointSizeF(designee);
    const double taille = largeurAuPlus(QFontMetricsF(aDesignee, boite), texte) <= place
                              ? designee
                              : ctl::tailleQuiTient(boite->font(), designee, texte, place, boite);
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
