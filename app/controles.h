// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QObject;
class QWidget;

// Layout helpers shared by every window. Positions are designed in twips (15 to a logical pixel)
// and colours as 0x00BBGGRR values; the conversions live here and nowhere else.
namespace ctl {

constexpr int twipsParPixel = 15;

constexpr int twips(int valeur) { return valeur / twipsParPixel; }
constexpr int versTwips(int pixels) { return pixels * twipsParPixel; }
QRect rectTwips(int gauche, int haut, int largeur, int hauteur);

// A window that places its controls itself while it is open, and is drawn smaller than designed to
// fit its screen (app/echelle.h), has its factor here: the helpers below convert twips and points at
// that factor for each of its controls, so that its code keeps speaking of the designed places.
double facteurDe(const QWidget* w);  // the factor of the window w belongs to; 1 for most
void fixerFacteur(QWidget* fenetre, double facteur);
int pixels(const QWidget* w, int twips);

// Moves and, when a size is given (>= 0), resizes a widget; all values in twips.
void placer(QWidget* w, int gauche, int haut, int largeur = -1, int hauteur = -1);
int gaucheTwips(const QWidget* w);
int hautTwips(const QWidget* w);
int largeurTwips(const QWidget* w);
int hauteurTwips(const QWidget* w);
// Gives a widget a font of the designed size, drawn at its window's factor.
void fixerPolice(QWidget* w, QFont police);

// 0x00BBGGRR <-> QColor.
QColor couleurBGR(quint32 bgr);
quint32 versBGR(const QColor& couleur);

// Background of a widget (autoFillBackground on), and the colour it currently paints. colorerFond
// also sets the base and button roles, so a text box or button takes the colour; colorerSurface
// colours only the surface of a window or label, whose buttons and text boxes keep their own.
void colorerFond(QWidget* w, quint32 bgr);
void colorerSurface(QWidget* w, quint32 bgr);
quint32 couleurFond(const QWidget* w);
void colorerTexte(QWidget* w, quint32 bgr);

// "solution" + 3 -> "solution(3)"; an index below 0 gives the bare name.
QString nomControle(const QString& nom, int index = -1);
void nommer(QObject* o, const QString& nom, int index = -1);

// A font as designed: family and size in points ("Times New Roman" resolves to Liberation Serif).
QFont police(const QString& famille, double points, bool gras = false, bool italique = false,
             bool souligne = false);

// Names that a screen reader announces, in French. A control listed in the roles gets its role;
// one that is not is announced by its caption as it reads at that moment ("Pause", "Reprendre"),
// on one line without the spaces that pad it for drawing, or, without a caption, by its tooltip.
struct RoleAccessible {
    QString nom;  // "tirage" for every element of an array, "Label5(0)" for one control
    QString role;  // "%1" is replaced by the element's number counted from 1, as people count rows
    // The caption follows the role ("Nombre de fautes : 3") and is kept up to date each time the
    // control is drawn; for text boxes the contents are read as their value, never in the name.
    bool avecLegende = false;
};
void nommerAccessibles(QWidget* fenetre, const QList<RoleAccessible>& roles);
// The caption of a button, check box or label, on one line; empty for any other control.
QString legende(const QWidget* w);

}  // namespace ctl
