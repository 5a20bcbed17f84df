// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QSize>

#include <functional>

class QWidget;

namespace ctl {

// A window whose designed size does not fit the screen it opens on (a 1920 x 1080 screen at 150 %
// leaves 1280 x 720) is drawn smaller as a whole: the positions, sizes and fonts of its controls
// shrink by one factor, so that nothing runs off the screen and nothing needs scrolling. Called
// once the window is built at its designed size; the factor is chosen again each time the window
// is shown, for the screen it is then on.
void ajusterALEcran(QWidget* fenetre);

// The same for a window that places its controls itself while it is open (through ctl::placer and
// ctl::fixerPolice): its factor lives in those helpers, and a new factor redraws the controls where
// they are, at the new scale. Called again after the window changed its own designed size.
void suivreLEcran(QWidget* fenetre);

// The factor in force for a window (1 when it fits or was never adjusted), and a designed size at it.
double facteurEchelle(const QWidget* fenetre);
QSize aLEchelle(const QWidget* fenetre, QSize taille);

// The factor for a window of this inner size on that available area, inside the frame `cadre`: 1
// when it fits, never below one half.
double facteurPour(QSize taille, QSize disponible, QMargins cadre);

// The frame the window manager puts around a window: the one it reports once it has framed the
// window; before that, the largest frame yet seen around a window of the program, or a title bar
// of 32 pixels when none was seen yet. A window whose frame turns out other than the one it was
// fitted in is fitted again, and brought back whole onto its screen.
QMargins cadreDe(const QWidget* fenetre);

// Where the frames come from: the platform's report by default. Tests stand in a window manager
// of their own; an empty function gives the platform back.
void remplacerSourceCadre(std::function<QMargins(const QWidget*)> source);

// Puts a window, frame included, in the middle of the available area of the screen `repere` is on
// (its own screen without one), whole: a resizable window larger than that area and not drawn to
// scale is made smaller first.
void centrerSur(QWidget* fenetre, const QWidget* repere);

// Keeps a window that places its controls in a layout whole on its screen: made smaller when its
// frame does not fit the available area, brought back when it lies partly off it.
void garderEntiere(QWidget* fenetre);

}  // namespace ctl
