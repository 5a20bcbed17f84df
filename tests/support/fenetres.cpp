// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fenetres.h"

#include "about/apropos.h"
#include "app/lexidor.h"
#include "menu/catalogue.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "training/form1.h"

#include <QTest>

entrainement::Lancement lancementDeTest(const QString& fichier, const QString& titre, bool test, bool rallonge)
{
    menu::EntreeCatalogue e{};
    e.fichier = fichier;
    e.toue = test ? QStringLiteral("E") : QStringLiteral("T");
    e.typ = rallonge ? QStringLiteral("rallong") : QString();
    entrainement::Lancement l = menu::lancement(e, app::reglages());
    l.titre = titre;
    return l;
}

QWidget* ouvrirFenetre(const QString& fenetre, const QString& titreBase)
{
    MenuODS8& m = app::menu();
    m.show();
    if (fenetre == QStringLiteral("Form1")) {
        const auto l = lancementDeTest(QStringLiteral("listes\\base.txt"), titreBase);
        m.retenirLancement(l);
        Form1& f = app::form1();
        f.setAleatoire(std::make_unique<AleatoireZero>());
        f.show();
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f))
            qWarning("the training window did not become active");
        f.commencer(l);
        return &f;
    }
    if (fenetre == QStringLiteral("Dialog2")) {
        m.ouvrirOptions();
        return &app::dialog2();
    }
    if (fenetre == QStringLiteral("Apropos")) {
        m.ouvrirApropos();
        return &app::apropos();
    }
    return &m;
}
