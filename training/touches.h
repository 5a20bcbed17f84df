// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QKeyEvent;

// The window's handlers speak Windows key codes; this is the one place where Qt's keys become them.
namespace entrainement {

constexpr int vkBackspace = 8;
constexpr int vkEntree = 13;
constexpr int vkHaut = 38;
constexpr int vkBas = 40;
constexpr int vkSuppr = 46;
constexpr int vkF8 = 119;
constexpr int vkF12 = 123;

// Virtual key code of a key event, 0 for a key with no Windows counterpart.
int codeVirtuel(const QKeyEvent* e);
// Character code of the typed text in Windows-1252, -1 when the event types no single character.
// A character that Windows-1252 cannot hold reads as '?', which the filters treat as punctuation.
int codeCaractere(const QKeyEvent* e);
int codeCaractere(QChar c);
QString texteDuCode(int code);

}  // namespace entrainement
