// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a working folder for the start-up harness: the shipped data with the largest base (7L),
// side lists and notes file in place of theirs, and optionally a long history.
//
//   lexidor_donnees FOURNI DOSSIER [LIGNES_NOTES [abimee] [historique=N]]
#include "donnees.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication a(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage : %s FOURNI DOSSIER [LIGNES_NOTES [abimee] [historique=N]]\n", argv[0]);
        return 2;
    }
    int lignes = banc::lignesInfoSouris, seances = 0;
    bool abimee = false;
    for (int i = 3; i < argc; ++i) {
        const QByteArray x(argv[i]);
        if (x == "abimee")
            abimee = true;
        else if (x.startsWith("historique="))
            seances = x.mid(11).toInt();
        else
            lignes = x.toInt();
    }
    const QString e = banc::ecrireDossier(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), lignes, abimee, seances);
    if (!e.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(e));
        return 1;
    }
    return 0;
}
