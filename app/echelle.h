// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

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

// The factor for a window of this outer size on that available area, a title bar included: 1 when it
// fits, never below one half.
double facteurPour(QSize taille, QSize disponible, int cadre);

}  // namespace ctl
