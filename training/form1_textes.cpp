// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1_textes.h"

#include "training/form1.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

namespace entrainement {

QString formeComptee(const QString& tirage)
{
    static const QRegularExpression liste(QStringLiteral("^(\\S+) - ((?:[A-Z]+ )*[A-Z]+)?\\s*(?:\\(\\+(\\d+)\\))?$"));
    const auto m = liste.match(tirage);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return tirage;
    const qsizetype listes = m.captured(2).isEmpty() ? 0 : m.captured(2).count(QLatin1Char(' ')) + 1;
    return QStringLiteral("%1 (+%2)").arg(m.captured(1)).arg(listes + m.captured(3).toLongLong());
}

}  // namespace entrainement

using namespace entrainement;

namespace {

const char* const proprieteTexte = "texteEntier";

// Room for text inside a line edit, as the style lays it out, less the edit's own margins.
int largeurUtile(const QLineEdit* b)
{
    QStyleOptionFrame opt;
    opt.initFrom(b);
    opt.rect = b->rect();
    opt.lineWidth = b->hasFrame() ? b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, b) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect r = b->style()->subElementRect(QStyle::SE_LineEditContents, &opt, b);
    const QMargins m = b->textMargins();
    return r.width() - m.left() - m.right() - 2 * 2 - 1;
}

bool tient(const QString& t, const QFont& f, int largeur)
{
    return QFontMetricsF(f).horizontalAdvance(t) <= largeur;
}

}  // namespace

void Form1::ecrireTirage(QLineEdit* boite, const QString& texte)
{
    QFont f = boite->font();
    if (taillePolice > 0)
        f.setPointSizeF(taillePolice);
    const int largeur = largeurUtile(boite);
    QString affiche = texte;
    if (!tient(affiche, f, largeur))
        affiche = formeComptee(texte);
    // Below 6 points nothing is legible any more; such a text would need a wider box anyway.
    while (!tient(affiche, f, largeur) && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    const bool reduit = affiche != texte || (taillePolice > 0 && f.pointSizeF() < taillePolice);
    const QString avant = boite->property(proprieteTexte).toString();
    if (!avant.isEmpty() && boite->toolTip() == avant)
        boite->setToolTip(QString());
    boite->setProperty(proprieteTexte, reduit ? texte : QString());
    if (reduit)
        boite->setToolTip(texte);
    boite->setFont(f);
    boite->setText(affiche);
}

QString Form1::texteEntier(const QLineEdit* boite) const
{
    const QString t = boite->property(proprieteTexte).toString();
    return t.isEmpty() ? boite->text() : t;
}

void Form1::bulle(QLineEdit* boite, const QString& texte)
{
    const QString t = boite->property(proprieteTexte).toString();
    boite->setToolTip(t.isEmpty() ? texte : t + QLatin1Char('\n') + texte);
}
