// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QString;

// Qt Multimedia brings some twenty libraries with it: the program links none of them, and loads the
// sound module beside it only when a sound is about to play, so a player who never hears one never
// waits for them at start-up.
namespace son {

// Plays the WAV file at that path. The first call loads the module and creates the player, a child
// of parent named "son"; later calls pass it back as lecteur and it is reused. Returns the player,
// or nullptr when the module cannot be loaded (nothing is reported: the end then stays silent).
QObject* jouer(QObject* lecteur, QObject* parent, const QString& chemin);

}  // namespace son
