// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// The windows name the fonts of the system they were drawn on ("MS Sans Serif", "Comic Sans MS").
// Where those are not installed, fontconfig would fall back on DejaVu Sans, which is too wide for
// the designed button sizes; metric-compatible Liberation fonts are chosen instead. Safe to call
// more than once.
void installerPolices();

}  // namespace app
