// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"

#include "about/apropos.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "training/form1.h"

#include <QApplication>
#include <QPointer>

namespace app {

namespace {

QPointer<MenuODS8> leMenu;
QPointer<Form1> leForm1;
QPointer<Dialog2> leDialog2;
QPointer<Apropos> lApropos;

template <typename Fenetre>
Fenetre& instance(QPointer<Fenetre>& p)
{
    if (!p)
        p = new Fenetre;
    return *p;
}

}  // namespace

MenuODS8& menu()
{
    // Loaded only once the instance is reachable: the load applies the stored colour through the
    // options dialog, which colours the menu by name.
    if (!leMenu) {
        leMenu = new MenuODS8;
        leMenu->Form_Load();
    }
    return *leMenu;
}
Form1& form1()
{
    if (!leForm1) {
        leForm1 = new Form1;
        QObject::connect(leForm1, &Form1::retourMenu, [] { menu().show(); });
        QObject::connect(leForm1, &Form1::baseTerminee, [](double pourc) { menu().afficherScore(pourc); });
    }
    return *leForm1;
}
Dialog2& dialog2() { return instance(leDialog2); }
Apropos& apropos() { return instance(lApropos); }

bool menuCharge() { return !leMenu.isNull(); }
bool form1Charge() { return !leForm1.isNull(); }
bool dialog2Charge() { return !leDialog2.isNull(); }
bool aproposCharge() { return !lApropos.isNull(); }

void terminer()
{
    const auto fenetres = QApplication::topLevelWidgets();
    for (QWidget* w : fenetres)
        w->hide();
    QApplication::quit();
}

void reinitialiser()
{
    delete lApropos.data();
    delete leDialog2.data();
    delete leForm1.data();
    delete leMenu.data();
}

}  // namespace app
