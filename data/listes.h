// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace data {

// A word side list ("listes\vbi_gd.txt" and the others): one entry per field. An empty entry ends
// the list, and so does the table's capacity; lookups are exact and case-sensitive.
struct ListeLaterale {
    QStringList entrees;
    bool tronquee = false;  // entries were left out because the file is longer than the table
    QString erreur;

    bool ok() const { return erreur.isEmpty(); }
    bool contient(const QString& mot) const { return index.contains(mot); }

    static ListeLaterale lire(const QString& chemin, int capacite);
    static ListeLaterale analyser(QByteArrayView octets, int capacite);

private:
    QSet<QString> index;
};

// Usable entries of the three side lists (one slot of each table stays empty).
constexpr int capaciteVbi = 2500;
constexpr int capaciteVbt = 20000;
constexpr int capaciteInv = 1000;

}  // namespace data
