// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recherche/index.h"

#include <QList>
#include <QString>
#include <QStringList>

// The questions a player asks of the lists in use, answered the same way by the window and by
// the command line.
namespace recherche {

enum class Mode { Juger, Anagrammes, SousAnagrammes, Motif, Rallonges };

// A longer answer is counted, and only its start is listed.
constexpr qsizetype plafond = 10000;
constexpr int jokersMax = 2;

struct Filtres {
    int longueurMin = 0;  // 0: no bound
    int longueurMax = 0;
    // Among the newer list's words by default; either one alone narrows to the new words or to the
    // dropped ones, both together give every change.
    bool nouveauxSeulement = false;
    bool disparusSeulement = false;
};

struct Trouve {
    QString mot;
    quint8 marque = 0;
    // Rallonges: the letter hooked on, and on which side.
    QChar lettre;
    bool devant = false;
};

struct Verdict {
    QString mot;
    quint8 marque = 0;  // 0: in neither list
    bool valide() const { return marque & Nouvelle; }
};

struct Reponse {
    QString erreur;       // the query is refused: a short French line
    QList<Trouve> mots;   // at most `plafond`, in the order shown
    qsizetype total = 0;  // all the words found
    // Juger: one verdict for the whole set, and each word's.
    bool valide = false;
    QList<Verdict> verdicts;
    bool tronque() const { return total > mots.size(); }
};

// The query as the lists write words: accents dropped, ligatures spread, upper case. `jokers` lets
// '?' through, `motif` also '*' and brackets. Any other character gives an empty result and a
// French line in `erreur`.
QString plier(QStringView texte, bool jokers, bool motif, QString* erreur);

Reponse chercher(const Index& index, Mode mode, QStringView texte, const Filtres& filtres = {});

// "juger", "anagrammes"... as the command line names the modes; false when unknown.
bool modeDeNom(QStringView nom, Mode* mode);

}  // namespace recherche
