// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MenuODS8;
class Form1;
class Dialog2;
class Apropos;
class DialogListes;
namespace options {
class Reglages;
}
namespace progres {
class Depot;
class Statistiques;
}
namespace revision {
class Memoire;
}

// The four windows and the settings are single instances, composed here: the windows do not reach
// each other, they follow the settings and ask for one another by signals connected below. Each
// is created on first use (its set-up runs then) and lives until the program ends or
// reinitialiser() is called.
namespace app {

options::Reglages& reglages();
// The player's progress files, written only while "Mémoriser ma progression" is on.
progres::Depot& progression();
progres::Statistiques& statistiques();
// Every answer and the day's queue drawn from them, kept like the other progress files.
revision::Memoire& memoire();

MenuODS8& menu();
Form1& form1();
Dialog2& dialog2();
Apropos& apropos();
// "Mes listes…": building the player's own data.
DialogListes& dialogListes();

// Whether a window has been created already, without creating it.
bool menuCharge();
bool form1Charge();
bool dialog2Charge();
bool aproposCharge();

// Builds the training window, hidden, once the menu has been drawn and the program has nothing
// else to do, so that the player's first click on a base only has the run itself to start.
void preparerEntrainementApresMenu();

// Ends the program: every window closes, nothing is asked and nothing is written.
void terminer();

// Destroys every instance, so that a test starts from a fresh program.
void reinitialiser();

}  // namespace app
