// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace builder {

// The three 28 x 28 markers shown beside corrected racks, as 24-bit BMP files: "ppi" (past
// participle never agrees), "inv" (invariable word), "vbt" (transitive verb). Drawn from a built-in
// pixel font so that every machine makes the same bytes.
QByteArray marqueurBmp(const QString& sigle);

// The end-of-base chime: 16-bit mono PCM WAV, two soft bell notes.
QByteArray carillonWav();

}  // namespace builder
