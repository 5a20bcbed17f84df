// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace data {

// True when the file is a whole PCM WAV the sound player can take: "RIFF"/"WAVE" with a size the
// file holds, a "fmt " chunk of plain integer PCM (8, 16 or 32 bits) with consistent rates and
// block size, then a "data" chunk of whole frames lying inside the file. A valid header over a broken
// body is refused, as are a missing file, a named pipe or a device. Nothing is reported: a sound
// that cannot be played is simply not played.
bool sonJouable(const QString& chemin);

// The same check on the bytes of a file held in memory.
bool waveValide(QByteArrayView octets);

}  // namespace data
