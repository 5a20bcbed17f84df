// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expansion.h"

#include "recherche/index.h"

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

// The words of a list: A to Z, 1 to 15 letters each, packed (see recherche::empaqueter) in an open
// table: less than half the memory of a set of strings, no allocation per word, and a look-up
// hashes one integer. Copies share the table until one of them changes.
class Mots {
public:
    using Cle = recherche::CleMot;

    // False when the word was there already, or is no word of A to Z.
    bool insert(QStringView mot);
    bool insert(Cle cle);
    bool remove(QStringView mot);
    void subtract(const QSet<QString>& autres);
    void reserve(qsizetype n);

    bool contient(Cle cle) const;
    bool contains(QStringView mot) const
    {
        Cle c;
        return recherche::empaqueter(mot, c) && contient(c);
    }
    qsizetype size() const { return taille; }
    bool isEmpty() const { return taille == 0; }

    // In no particular order, always the same for the same words.
    template <typename F>
    void pourChaqueCle(F&& f) const
    {
        for (Cle c : cases)
            if (c)
                f(c);
    }
    // Each word as a view of its letters, valid during the call.
    template <typename F>
    void pourChaque(F&& f) const
    {
        char lettres[15];
        pourChaqueCle([&](Cle c) { f(QLatin1StringView(lettres, recherche::deballer(c, lettres))); });
    }
    std::vector<Cle> cles() const;
    static QString mot(Cle cle)
    {
        char lettres[15];
        return QString::fromLatin1(lettres, recherche::deballer(cle, lettres));
    }
    QStringList liste() const;  // in no particular order

private:
    qsizetype place(Cle cle) const;
    void agrandir(qsizetype capacite);

    QList<Cle> cases;  // a power of two of them, 0 where free
    qsizetype taille = 0;
};

struct Lexique {
    Mots mots;
    QHash<QString, QList<Analyse>> analyses;  // empty for an untagged lexicon
    QSet<QString> refuses;  // words that only come from stems left out (proper nouns, symbols, ...)
    QSet<QString> reserves; // words that only come from titles and set phrases ("messire", "parce")
    bool etiquete = false;
    QString erreur;

    bool contient(QStringView mot) const { return mots.contains(mot); }
    bool contient(const QString& mot) const { return mots.contains(QStringView(mot)); }
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
