// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace app {

// A session that ends (SIGTERM, SIGHUP) or Ctrl+C in a terminal (SIGINT) would kill the program
// without leaving it: the run in progress would lose what it did since its last correction. These
// signals call `quitter` instead, on the GUI thread, as the "Quitter" button would. A second
// signal of the same kind, if the first one hangs, ends the program at once.
void quitterSurSignal(std::function<void()> quitter);

}  // namespace app
