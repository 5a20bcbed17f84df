// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fond.h"

#include "app/controles.h"

#include <QPalette>
#include <QWidget>

namespace app {

void colorerSurface(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ctl::couleurBGR(bgr));
    // A check box fills its surface with its own role rather than with the window's.
    p.setColor(w->backgroundRole(), ctl::couleurBGR(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace app
