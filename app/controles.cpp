// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"

#include <QObject>
#include <QPalette>
#include <QWidget>

namespace ctl {

QRect rectTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(twips(gauche), twips(haut), twips(largeur), twips(hauteur));
}

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur)
{
    w->move(twips(gauche), twips(haut));
    if (largeur >= 0 || hauteur >= 0)
        w->resize(largeur >= 0 ? twips(largeur) : w->width(),
                  hauteur >= 0 ? twips(hauteur) : w->height());
}

int gaucheTwips(const QWidget* w) { return versTwips(w->x()); }
int hautTwips(const QWidget* w) { return versTwips(w->y()); }
int largeurTwips(const QWidget* w) { return versTwips(w->width()); }
int hauteurTwips(const QWidget* w) { return versTwips(w->height()); }

QColor couleurBGR(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 versBGR(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void colorerFond(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = couleurBGR(bgr);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void colorerSurface(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleurBGR(bgr));
    // A check box fills its surface with its own role rather than with the window's.
    p.setColor(w->backgroundRole(), couleurBGR(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

quint32 couleurFond(const QWidget* w)
{
    return versBGR(w->palette().color(w->backgroundRole()));
}

void colorerTexte(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = couleurBGR(bgr);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QString nomControle(const QString& nom, int index)
{
    return index < 0 ? nom : QStringLiteral("%1(%2)").arg(nom).arg(index);
}

void nommer(QObject* o, const QString& nom, int index)
{
    o->setObjectName(nomControle(nom, index));
}

QFont police(const QString& famille, double points, bool gras, bool italique, bool souligne)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setItalic(italique);
    f.setUnderline(souligne);
    return f;
}

}  // namespace ctl
