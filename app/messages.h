// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that a test can watch the messages
// instead of being blocked by a modal box.
namespace app {

enum class Icone { Information, Avertissement, Erreur };

// Title of every message box.
QString titreProgramme();

// Shows a message box with a single OK button. It does not block: the program goes on behind it
// (a timer tick, a test). With attendre, the box is modal and the call returns once it is closed.
void signaler(const QString& texte, Icone icone = Icone::Avertissement, QWidget* parent = nullptr,
              bool attendre = false);

using Observateur = std::function<void(const QString& texte, Icone icone)>;
// While an observer is set, messages are handed to it and no box is shown; an empty function
// restores the boxes.
void observerMessages(Observateur observateur);

}  // namespace app
