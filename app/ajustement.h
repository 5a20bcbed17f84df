// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QLineEdit;
class QPaintDevice;

// A text box whose text is wider than the box shows it whole in a smaller font rather than cut.
namespace ctl {

// Smallest size a shrunk text takes: below it nobody reads it anyway.
constexpr double pointsMinimum = 6.0;

// Largest point size, not above `designee` and in steps of 0.25 pt, at which `texte` in the
// family and style of `police` fits in `largeur` pixels; `pointsMinimum` when none does. Measured
// for `appareil` (a widget) when given, else for the screen.
double tailleQuiTient(const QFont& police, double designee, const QString& texte, qreal largeur,
                      const QPaintDevice* appareil = nullptr);

// Pixels a line edit gives its text: its width less the frame, the inner margin and the text margins.
qreal largeurUtile(const QLineEdit* boite);

// Gives the box the size at which its current text fits (the designed size whenever the text
// fits); true when the font had to shrink, so that the caller puts the whole text in the tooltip.
bool ajusterAuTexte(QLineEdit* boite, double designee);

}  // namespace ctl
