// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ajustement.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace ctl {

namespace {

qreal largeurTexte(const QFont& police, double points, const QString& texte, const QPaintDevice* appareil)
{
    QFont f = police;
    f.setPointSizeF(points);
    // Bearings count: an italic last letter overhangs its advance.
    const QFontMetricsF m = appareil ? QFontMetricsF(f, appareil) : QFontMetricsF(f);
    return std::max(m.horizontalAdvance(texte), m.boundingRect(texte).width());
}

}  // namespace

double tailleQuiTient(const QFont& police, double designee, const QString& texte, qreal largeur,
                      const QPaintDevice* appareil)
{
    if (largeurTexte(police, designee, texte, appareil) <= largeur)
        return designee;
    // Sizes on a quarter-point grid, searched by halves: the width grows with the size.
    int bas = int(std::ceil(pointsMinimum * 4));
    int haut = int(std::floor(designee * 4));
    if (haut < bas || largeurTexte(police, bas / 4.0, texte, appareil) > largeur)
        return std::min(pointsMinimum, designee);
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (largeurTexte(police, milieu / 4.0, texte, appareil) <= largeur)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    return bas / 4.0;
}

qreal largeurUtile(const QLineEdit* boite)
{
    QStyleOptionFrame opt;
    opt.initFrom(boite);
    opt.rect = boite->rect();
    opt.lineWidth = boite->hasFrame() ? boite->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, boite) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    if (boite->isReadOnly())
        opt.state |= QStyle::State_ReadOnly;
    opt.features = QStyleOptionFrame::None;
    const QRect r = boite->style()->subElementRect(QStyle::SE_LineEditContents, &opt, boite);
    const QMargins m = boite->textMargins();
    // The line edit keeps a fixed 2 px inner margin on each side of its text.
    return std::max<qreal>(0, r.width() - m.left() - m.right() - 2 * 2);
}

bool ajusterAuTexte(QLineEdit* boite, double designee)
{
    const double t = tailleQuiTient(boite->font(), designee, boite->text(), largeurUtile(boite), boite);
    if (boite->font().pointSizeF() != t) {
        QFont f = boite->font();
        f.setPointSizeF(t);
        boite->setFont(f);
    }
    return t < designee;
}

}  // namespace ctl
