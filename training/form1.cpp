// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    ctl::nommer(this, QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("LEXIDOR ODS 8 - ENTRAINEMENT AU SCRABBLE "));
}

void Form1::commencer(const QString& fichier)
{
    fich = fichier;
}
