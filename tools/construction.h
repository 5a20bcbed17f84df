// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Building a whole data folder from two plain word lists: what the menu's dialog and the
// command-line builder both call.
namespace builder {

// What the dialog shows for one chosen file.
struct ApercuListe {
    qint64 mots = 0;          // playable words kept
    qint64 ignores = 0;       // skipped: digits, hyphens, apostrophes, more than 15 letters...
    qint64 doublons = 0;      // the same line again
    qint64 replies = 0;       // spellings that differ only by accents, read as one Scrabble word
    QStringList remarques;    // French: "3 mots avec des chiffres ignorés", "2e colonne ignorée"...
    QString erreur;           // French, set when the file cannot be used at all
};
ApercuListe examinerListe(const QString& chemin);

struct DemandeListes {
    QString ancienne, nouvelle;  // plain lists, older edition first
    QString sortie;              // folder to create; must not exist yet (an empty folder is accepted)
    int editionAncienne = 7, editionNouvelle = 8;
};

struct RapportListes {
    QString erreur;           // French; set when refused or failed: nothing is left in `sortie`
    QStringList fichiers;     // "listes/7L.txt : 130 lignes", one per file written
    QStringList indecis;      // what could not be decided from the forms, in French
    QStringList remarques;
    bool annule = false;
};

// Runs on any thread; `progres` gets 0..100; `annuler` is polled often (cancel within ~100 ms).
RapportListes construireDepuisListes(const DemandeListes& demande,
                                     const std::function<void(int)>& progres = {},
                                     const std::atomic<bool>* annuler = nullptr);

}  // namespace builder
