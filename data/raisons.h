// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a file could not be read or written, in French, from what the file system shows: the error
// texts of the system and of Qt are English, and the player reads the reason in a message.
namespace data {

QString raisonLecture(const QString& chemin);
QString raisonEcriture(const QString& chemin);

}  // namespace data
