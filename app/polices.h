// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace app {

// The windows name the fonts of the system they were drawn on ("MS Sans Serif", "Comic Sans MS").
// Where those are not installed, fontconfig would fall back on DejaVu Sans, which is too wide for
// the designed button sizes; metric-compatible Liberation fonts are chosen instead. Safe to call
// more than once.
void installerPolices();

// The installed family that stands for a designed one: the family itself when installed, else the
// first installed of its metric-compatible replacements, else the designed name, left to the
// substitutions above. Qt then finds the font at once, where a name it does not know costs it a
// fontconfig fallback search for each style the window draws in.
QString familleInstallee(const QString& designee);

// ctl::police with the family already resolved as above; the same font is drawn.
QFont police(const QString& famille, double points, bool gras = false, bool italique = false,
             bool souligne = false);

}  // namespace app
