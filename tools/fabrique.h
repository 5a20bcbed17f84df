// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexique.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace builder {

// Files made from two releases of a lexicon, by path relative to the program's folder
// ("listes/7L.txt", "infosouris-ods8.txt"), each as its lines.
struct Fabrication {
    QMap<QString, QStringList> fichiers;
    QStringList indecis;    // what the forms could not decide, in French
    QStringList remarques;  // what was left out or cut, for the person running the builder
    bool annule = false;
};

// Rack of a base line: the letters in alphabetical order and, when they make other words of the
// newer list, the other words after " - " (the letter filter stops there) when the whole text fits
// the rack box; or else the other new words named and the older ones counted, "(+3)", a decoration
// the letter filter ignores.
QString tirageAvecAutres(const QString& mot, const QStringList& anagrammes, const Lexique& ancien);
// Width in pixels at 96 dpi of a rack text in the training window's font at its larger size.
double largeurTirage(QStringView texte);
constexpr double taillePoliceTirage = 20;
// The rack box is 2775 twips wide; its frame and margins take 4 pixels on each side, and hinting
// a pixel more.
constexpr double largeurTexteTirage = 2775 / 15.0 - 10;

// The note shown for a word after a correction ("pl. de chat", "v. tr."), empty when the lexicon
// says nothing usable.
QString noteGrammaticale(const QString& mot, const QList<Analyse>& analyses);

// Makes every file: from the tags of a tagged newer lexicon, or else from the forms of the lists.
// `progres` gets 0..80 as it goes; with `annuler` set it stops early with `annule`.
Fabrication fabriquer(const Lexique& ancien, const Lexique& nouveau, const std::function<void(int)>& progres = {},
                      const std::atomic<bool>* annuler = nullptr);

// What description.txt says of a data folder.
struct Description {
    QString source;  // "listes" or "substitut"
    int editionAncienne = 7, editionNouvelle = 8;
    QDate date;
    QString ancienne, nouvelle;
};
QStringList description(const Description& d);

// The 28 bases of the menu, then the three side lists and the notes, by relative path.
QStringList fichiersAttendus();

}  // namespace builder
