// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bouton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

BoutonMultiligne::BoutonMultiligne(const QString& legende, QWidget* parent)
    : QPushButton(legende, parent)
{
}

QStringList BoutonMultiligne::lignesAffichees(const QString& legende, const QFontMetrics& fm, int largeur)
{
    const QString simple = legende.simplified();
    if (fm.horizontalAdvance(simple) <= largeur)
        return {simple};
    static const QRegularExpression coupure(QStringLiteral(" {3,}"));
    QStringList resultat;
    for (const QString& morceau : legende.trimmed().split(coupure, Qt::SkipEmptyParts)) {
        QString ligne;
        for (const QString& mot : morceau.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString essai = ligne.isEmpty() ? mot : ligne + QLatin1Char(' ') + mot;
            if (!ligne.isEmpty() && fm.horizontalAdvance(essai) > largeur) {
                resultat << ligne;
                ligne = mot;
            } else {
                ligne = essai;
            }
        }
        if (!ligne.isEmpty())
            resultat << ligne;
    }
    return resultat;
}

void BoutonMultiligne::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString legende = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    opt.text = legende;
    const QRect zone = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this).adjusted(1, 0, -1, 0);
    const QStringList l = lignesAffichees(legende, fontMetrics(), zone.width());
    p.drawItemText(zone, Qt::AlignCenter, palette(), isEnabled(), l.join(QLatin1Char('\n')), QPalette::ButtonText);
}
