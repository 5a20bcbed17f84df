// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/menuods8.h"

#include "app/controles.h"
#include "app/lexidor.h"
#include "training/form1.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MenuODS8::MenuODS8(QWidget* parent)
    : QWidget(parent)
{
    ctl::nommer(this, QStringLiteral("MenuODS8"));
    setWindowTitle(QStringLiteral("Bienvenue :o)"));
    ctl::colorerFond(this, 0xC0E0FF);
    auto* lay = new QVBoxLayout(this);
    Label2 = new QLabel(this);
    ctl::nommer(Label2, QStringLiteral("Label2"));
    Label9 = new QLabel(this);
    ctl::nommer(Label9, QStringLiteral("Label9"));
    Command8 = new QPushButton(QStringLiteral("Se tester sur 150 mots aléatoires"), this);
    ctl::nommer(Command8, QStringLiteral("Command8"));
    lay->addWidget(Label2);
    lay->addWidget(Label9);
    lay->addWidget(Command8);
    resize(ctl::twips(8610), ctl::twips(11370));
}

void MenuODS8::lancerbase(const QString& fichier)
{
    hide();
    Form1& f = app::form1();
    f.show();
    f.commencer(fichier);
}
