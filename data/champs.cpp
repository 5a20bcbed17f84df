// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/champs.h"

#include "data/texte.h"

namespace data {

namespace {

bool estEspace(char c) { return c == ' ' || c == '\t'; }

}  // namespace

QStringList lireChamps(QByteArrayView octets)
{
    QStringList champs;
    const qsizetype n = octets.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && estEspace(octets[i]))
            ++i;
        QByteArrayView valeur;
        if (i < n && octets[i] == '"') {
            const qsizetype debut = i + 1;
            qsizetype fin = debut;
            while (fin < n && octets[fin] != '"' && octets[fin] != '\n')
                ++fin;
            i = fin;
            if (fin < n && octets[fin] == '\n' && fin > debut && octets[fin - 1] == '\r')
                --fin;  // unterminated quote: the line break is not part of the text
            valeur = octets.sliced(debut, fin - debut);
            while (i < n && octets[i] != ',' && octets[i] != '\n')
                ++i;
        } else {
            const qsizetype debut = i;
            while (i < n && octets[i] != ',' && octets[i] != '\n')
                ++i;
            qsizetype fin = i;
            while (fin > debut && (estEspace(octets[fin - 1]) || octets[fin - 1] == '\r'))
                --fin;
            valeur = octets.sliced(debut, fin - debut);
        }
        champs.append(decoder(valeur));
        if (i < n)
            ++i;  // the separator itself
        else
            break;
    }
    return champs;
}

}  // namespace data
