// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>

namespace data {

// Every word of the newer list that shares its letters with a rack of the "multiples" bases, read
// from "anagrammes.txt" beside the base ("LETTRES;MOT1 MOT2 ..."). It only serves to explain a
// fault, so a missing or unreadable file gives an empty set and no message.
class Anagrammes {
public:
    static Anagrammes analyser(QByteArrayView octets);
    static Anagrammes lire(const QString& chemin);

    // True when `mot` is a listed word made of exactly the letters of `lettres` (any order).
    bool estAnagramme(const QString& mot, const QString& lettres) const;
    bool estVide() const { return mots.isEmpty(); }

private:
    QSet<QString> mots;
};

// "listes/5L_multiples.txt" -> the words of "listes/anagrammes.txt"; any other base gets none,
// since its racks are not meant to be compared with the other words of their letters.
Anagrammes anagrammesPourBase(const QString& fichierBase);

// The letters of a word or rack in alphabetical order.
QString lettresTriees(const QString& mot);

}  // namespace data
