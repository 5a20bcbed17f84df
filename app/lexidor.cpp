// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"

#include "about/apropos.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "training/form1.h"

#include <QApplication>
#include <QPointer>

namespace app {

namespace {

QPointer<options::Reglages> lesReglages;
QPointer<MenuODS8> leMenu;
QPointer<Form1> leForm1;
QPointer<Dialog2> leDialog2;
QPointer<Apropos> lApropos;

// The run the menu asks for: the training window is created (its set-up runs) before the menu hides.
void lancer(const entrainement::Lancement& l)
{
    Form1& form = form1();
    form.setCursor(Qt::WaitCursor);
    menu().hide();
    form.show();
    form.raise();
    form.activateWindow();
    form.commencer(l);
}

}  // namespace

options::Reglages& reglages()
{
    if (!lesReglages)
        lesReglages = new options::Reglages;
    return *lesReglages;
}

MenuODS8& menu()
{
    if (!leMenu) {
        leMenu = new MenuODS8(reglages());
        QObject::connect(leMenu, &MenuODS8::lancementDemande, &lancer);
        QObject::connect(leMenu, &MenuODS8::optionsDemandees, [] { dialog2().ouvrir(); });
        QObject::connect(leMenu, &MenuODS8::aproposDemande, [] { apropos().ouvrir(); });
        leMenu->charger();
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
Dialog2& dialog2()
{
    if (!leDialog2)
        leDialog2 = new Dialog2(reglages());
    return *leDialog2;
}
Apropos& apropos()
{
    if (!lApropos)
        lApropos = new Apropos;
    return *lApropos;
}

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
    delete lesReglages.data();
}

}  // namespace app
