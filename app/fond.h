// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

namespace app {

// Colours the surface of a window or a label (0x00BBGGRR) without touching the buttons and text
// boxes it holds, which keep their own colours; ctl::couleurFond reads it back.
void colorerSurface(QWidget* w, quint32 bgr);

}  // namespace app
