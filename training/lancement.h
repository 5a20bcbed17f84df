// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/revisions.h"

#include <QString>

#include <memory>

namespace entrainement {

// Everything a run needs to start, put together by the menu from its catalogue and the options.
// The training window reads nothing else from the other windows.
struct Lancement {
    QString fichier;        // path of the base file
    bool test = false;      // a random sample of the base, whose score also goes beside the test button
    bool rallonge = false;  // one-letter hook base: only the hook letters are typed
    QString titre;          // shown above the racks; a test's title begins with "TEST"
    qint16 echantillon = 30;  // racks drawn for a test
    qint16 tempsparmot = 5;   // seconds allowed per word
    bool son = true;          // chime when the base is finished
    quint32 fond = 0xC0E0FF;  // background colour, 0x00BBGGRR
    QString dossierListes = QStringLiteral("listes");  // the three side lists
    QString fichierNotes = QStringLiteral("infosouris-ods8.txt");
    // Names the edition of the data in use.
    QString titreFenetre = QStringLiteral("LEXIDOR ODS 8 - ENTRAINEMENT AU SCRABBLE ");
    // The player's review box, played in place of a base file: each rack keeps the kind of base it
    // came from, so that hook racks are typed and corrected as hooks.
    std::shared_ptr<const progres::Revisions> revisions;
};

}  // namespace entrainement
