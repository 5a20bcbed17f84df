// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/partie.h"

#include <QString>

#include <optional>

class QEvent;
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

// Text that an event would put into a line edit other than by a plain key: a paste (Ctrl+V,
// Shift+Insert), a middle-click paste of the selection, a drop of text, or text composed by an input
// method (dead keys). nullopt for any other event. The window swallows such an event and inserts
// what collerSolution keeps instead. (The context menu's "Paste" goes through no event: the answer
// boxes get a menu of the window's own.)
std::optional<QString> texteInsere(const QEvent* e);

struct Collage {
    QString texte;                // what the answer box receives in place of its selection
    bool afficherLibres = false;  // the rack box now shows the free letters
};
// A pasted or dropped text, given character by character to toucheSolution as if it were typed
// (upper case, the rack's letters, hook letters, the closed series), the first character seeing
// the box's selection. Line breaks and other control characters are dropped, and characters stop
// when `c.place` is used up.
Collage collerSolution(const QString& texte, ContexteTouche c, Reserve& reserve);

}  // namespace entrainement
