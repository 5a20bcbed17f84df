// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expansion.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace builder {

// "Œuvrâmes" -> "OEUVRAMES": upper case, accents dropped, ligatures spread. Empty when the result
// is not a playable word (letters A-Z only, 2 to 15 of them).
QString formeScrabble(QStringView mot);

// Racks show their letters in alphabetical order.
QString lettresTriees(const QString& mot);

// One reading of a word as the tagged lexicon gives it.
struct Analyse {
    QString lemme;          // as the lexicon spells it ("manger")
    QString lemmeScrabble;  // "MANGER"
    QStringList categories; // "nom", "adj", "adv", ... (the verb tag is kept apart)
    QString verbe;          // "v1_it_q__a" for verb forms, empty otherwise
    QStringList flexion;    // "infi", "ipsi", "3sg", "ppas", ...
    QStringList traits;     // "mas", "fem", "epi", "sg", "pl", "inv"
    QStringList traitsAffixes;  // the part of `traits` that the affixes added ("fem" of a feminine form)

    bool estInfinitif() const { return flexion.contains(QStringLiteral("infi")); }
    bool estFormeVerbale() const { return !verbe.isEmpty() && !estInfinitif(); }
    bool estVerbe() const { return !verbe.isEmpty(); }
    bool transitif() const;
    bool participeInvariable() const;
    bool invariable() const;
};

struct Lexique {
    QSet<QString> mots;
    QHash<QString, QList<Analyse>> analyses;  // empty for an untagged lexicon
    QSet<QString> refuses;  // words that only come from stems left out (proper nouns, symbols, ...)
    QSet<QString> reserves; // words that only come from titles and set phrases ("messire", "parce")
    bool etiquete = false;
    QString erreur;

    bool contient(const QString& mot) const { return mots.contains(mot); }
};

// Expands a hunspell release into its playable words. `exclusions` are words left out by hand
// (abbreviations that the tags do not mark).
Lexique lexiqueHunspell(const QString& aff, const QString& dic, const QSet<QString>& exclusions);
Lexique lexiqueHunspell(const Affixes& affixes, const QList<Entree>& entrees,
                        const QSet<QString>& exclusions);

// A plain word list: one word per line, any case and accents, UTF-8 or Windows-1252.
Lexique lexiqueListe(const QString& chemin, const QSet<QString>& exclusions);
Lexique lexiqueListe(const QStringList& lignes, const QSet<QString>& exclusions);

// Reads a hand-kept exclusion file: one word per line, '#' starts a comment.
QSet<QString> lireExclusions(const QString& chemin, QString* erreur);

}  // namespace builder
