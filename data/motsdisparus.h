// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The words of the older list that the newer one lacks ("mots-disparus.txt", one per line).
struct MotsDisparus {
    bool present = false;  // the data folder has such a file
    QStringList premiers;  // the first words, in file order
    qsizetype total = 0;   // every word of the file, or the reading stopped there (tronque)
    bool tronque = false;
    QString erreur;        // French, when the file is there but cannot be read
};

// Keeps only the first `garder` words and stops counting at `compterJusqua`, so that a huge file
// costs neither memory nor time.
MotsDisparus lireMotsDisparus(const QString& chemin, int garder, qsizetype compterJusqua = 1000000);

}  // namespace data
