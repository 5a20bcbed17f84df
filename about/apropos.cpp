// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"

#include "app/controles.h"

Apropos::Apropos(QWidget* parent)
    : QWidget(parent)
{
    ctl::nommer(this, QStringLiteral("Apropos"));
}

void Apropos::Afficher() {}
