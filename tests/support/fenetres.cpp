// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fenetres.h"

#include "about/apropos.h"
#include "app/lexidor.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "training/form1.h"

#include <QTest>

QWidget* ouvrirFenetre(const QString& fenetre, const QString& titreBase)
{
    MenuODS8& m = app::menu();
    m.show();
    if (fenetre == QStringLiteral("Form1")) {
        m.toue = QStringLiteral("T");
        m.typ = QString();
        m.nombase = titreBase;
        Form1& f = app::form1();
        f.setAleatoire(std::make_unique<AleatoireZero>());
        f.show();
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f))
            qWarning("the training window did not become active");
        f.commencer(app::menu().preparerLancement(QStringLiteral("listes\\base.txt")));
        return &f;
    }
    if (fenetre == QStringLiteral("Dialog2")) {
        m.Command12_Click();
        return &app::dialog2();
    }
    if (fenetre == QStringLiteral("Apropos")) {
        m.Command2_Click();
        return &app::apropos();
    }
    return &m;
}
