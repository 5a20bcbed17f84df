// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexique.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace builder {

// Files made from two releases of a lexicon, by path relative to the program's folder
// ("listes/7L.txt", "infosouris-ods8.txt"), each as its lines.
struct Fabrication {
    QMap<QString, QStringList> fichiers;
    QStringList manquants;  // "file: reason" for every file that could not be made
    QStringList remarques;  // what was left out or cut, for the person running the builder
};

// Rack of a base line: the letters in alphabetical order and, when they make other words of the
// newer release, enough to tell which answer is expected. Short enough, the other words are listed
// after " - " (the letter filter stops there); otherwise the words the older release lacks are listed
// and the older ones counted, "(+3)", a decoration the letter filter ignores.
QString tirageAvecAutres(const QString& mot, const QStringList& anagrammes, const Lexique& ancien);
constexpr qsizetype longueurTirageLisible = 20;

// The note shown for a word after a correction ("pl. de chat", "v. tr."), empty when the lexicon
// says nothing usable.
QString noteGrammaticale(const QString& mot, const QList<Analyse>& analyses);

// Makes every file the two lexicons allow. An untagged newer lexicon gives the bases that need no
// grammatical tags and lists the others in `manquants`.
Fabrication fabriquer(const Lexique& ancien, const Lexique& nouveau);

// The 28 bases of the menu, then the three side lists and the notes, by relative path.
QStringList fichiersAttendus();

}  // namespace builder
