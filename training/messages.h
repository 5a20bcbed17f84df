// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every problem the training window reports to the player goes through here. The message box is
// never modal, so a timer tick or a test is never held up by it; a test may watch the messages.
namespace entrainement {

void signaler(QWidget* parent, const QString& texte);

using Observateur = std::function<void(const QString&)>;
// Installs an observer (an empty one removes it); while one is installed no box is shown.
void observerMessages(Observateur o);

}  // namespace entrainement
