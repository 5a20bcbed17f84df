// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bouton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

BoutonMultiligne::BoutonMultiligne(const QString& legende, QWidget* parent)
    : QPushButton(legende, parent)
{
}

namespace {

// The caption cut at its runs of three spaces or more, empty pieces left out.
QList<QStringView> morceaux(QStringView legende)
{
    QList<QStringView> resultat;
    const qsizetype n = legende.size();
    qsizetype debut = 0;
    for (qsizetype i = 0; i < n;) {
        if (legende[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && legende[j] == QLatin1Char(' '))
            ++j;
        if (j - i >= 3) {
            if (i > debut)
                resultat << legende.sliced(debut, i - debut);
            debut = j;
        }
        i = j;
    }
    if (n > debut)
        resultat << legende.sliced(debut);
    return resultat;
}

}  // namespace

QStringList BoutonMultiligne::lignesAffichees(const QString& legende, const QFontMetrics& fm, int largeur)
{
    const QString simple = legende.simplified();
    if (fm.horizontalAdvance(simple) <= largeur)
        return {simple};
    QStringList resultat;
    for (const QStringView morceau : morceaux(QStringView(legende).trimmed())) {
        QString ligne;
        for (const QString& mot : morceau.toString().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
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
    // Hovering repaints the button: the caption is cut again only when what it depends on changed.
    if (legende != mesure.legende || font() != mesure.police || zone.width() != mesure.largeur
        || logicalDpiY() != mesure.dpi) {
        mesure = {legende, font(), zone.width(), logicalDpiY(),
                  lignesAffichees(legende, fontMetrics(), zone.width()).join(QLatin1Char('\n'))};
    }
    p.drawItemText(zone, Qt::AlignCenter, palette(), isEnabled(), mesure.lignes, QPalette::ButtonText);
}
