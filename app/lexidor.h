// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MenuODS8;
class Form1;
class Dialog2;
class Apropos;
namespace options {
class Reglages;
}

// The four windows and the settings are single instances, composed here: the windows do not reach
// each other, they follow the settings and ask for one another by signals connected below. Each
// is created on first use (its set-up runs then) and lives until the program ends or
// reinitialiser() is called.
namespace app {

options::Reglages& reglages();

MenuODS8& menu();
Form1& form1();
Dialog2& dialog2();
Apropos& apropos();

// Whether a window has been created already, without creating it.
bool menuCharge();
bool form1Charge();
bool dialog2Charge();
bool aproposCharge();

// Ends the program: every window closes, nothing is asked and nothing is written.
void terminer();

// Destroys every instance, so that a test starts from a fresh program.
void reinitialiser();

}  // namespace app
