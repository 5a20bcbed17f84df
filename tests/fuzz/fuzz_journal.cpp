// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/journal.h"

#include <cstdlib>

// The input follows the journal's header, which a random input would almost never begin with.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const QByteArray fichier = revision::enteteJournal.toUtf8() + "\r\n"
                             + QByteArray(reinterpret_cast<const char*>(octets), qsizetype(taille));
    revision::Carnet carnet;
    const revision::Jour aujourdhui = QDate(2026, 12, 9).toJulianDay();
    const revision::LectureJournal l = revision::analyserJournal(fichier, carnet, aujourdhui);
    if (!l.ok() || l.fin > fichier.size() || l.illisibles < 0)
        std::abort();
    // What is kept of a damaged journal reads again without a loss.
    if (!l.propre.isEmpty()) {
        revision::Carnet encore;
        const revision::LectureJournal l2 = revision::analyserJournal(l.propre, encore, aujourdhui);
        if (!l2.ok() || l2.illisibles != 0 || l2.lues != l.lues || encore.taille() != carnet.taille())
            std::abort();
    }
    return 0;
}
