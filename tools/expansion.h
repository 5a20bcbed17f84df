// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reads hunspell .aff/.dic pairs (UTF-8, one- or two-character flags) and lists every form they
// accept, with the morphological fields of the stem and of the affixes used.
namespace builder {

struct ClasseCaracteres {
    QString caracteres;
    bool negation = false;
    bool joker = false;
    bool accepte(QChar c) const;
};

struct RegleAffixe {
    QString drapeau;
    bool prefixe = false;
    bool croise = false;
    QString retire;
    QString ajoute;
    QStringList suite;  // continuation flags
    QList<ClasseCaracteres> condition;
    QStringList morpho;
    bool s_applique(const QString& mot) const;
    QString appliquer(const QString& mot) const;
};

struct Affixes {
    QByteArray encodage;    // SET; the .dic file uses it too
    bool drapeauxLongs = false;
    bool drapeauxNumeriques = false;
    QString besoinAffixe;   // NEEDAFFIX
    QString interdit;       // FORBIDDENWORD
    QString casseGardee;    // KEEPCASE
    QHash<QString, QList<RegleAffixe>> regles;
    QString erreur;
    QStringList decouperDrapeaux(const QString& texte) const;
};

struct Entree {
    QString mot;
    QStringList drapeaux;
    QStringList morpho;
};

struct Forme {
    QString mot;
    const Entree* entree = nullptr;
    QStringList morphoAffixes;
};

Affixes lireAffixes(const QString& chemin);
Affixes analyserAffixes(const QStringList& lignes);
QList<Entree> lireDictionnaire(const QString& chemin, const Affixes& affixes, QString* erreur);
QList<Entree> analyserDictionnaire(const QStringList& lignes, const Affixes& affixes);

// Forms whose text contains one of `rejetes` are dropped as soon as an affix adds such a character:
// nothing can take it away again, so the branches below them need not be explored.
void developper(const Entree& entree, const Affixes& affixes,
                const std::function<void(const Forme&)>& rappel, const QString& rejetes = {});

}  // namespace builder
