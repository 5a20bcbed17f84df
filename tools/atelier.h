// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fabrique.h"
#include "grammaire.h"

#include "data/base.h"
#include "data/infosouris.h"
#include "data/listes.h"

#include <QHash>
#include <QSet>

#include <atomic>

// The making of the files of a data folder, shared by the bases, the side lists and the notes.
namespace builder::atelier {

// The program's own table sizes bound what the builder writes.
constexpr qsizetype lignesMaxBase = data::capaciteBase;
constexpr qsizetype entreesMaxVbi = data::capaciteVbi;
constexpr qsizetype entreesMaxVbt = data::capaciteVbt;
constexpr qsizetype entreesMaxInv = data::capaciteInv;
constexpr qsizetype lignesMaxNotes = data::capaciteInfoSouris;

const QString lettresCheres = QStringLiteral("JKQWXYZ");

bool contientLettreChere(const QString& mot);
QStringList trie(QStringList liste);
QStringList trie(const QSet<QString>& ensemble);
QString chemin(const QString& nom);
quint64 signature(const QString& mot);
quint64 signature(QLatin1StringView mot);

struct Atelier {
    const Lexique& ancien;
    const Lexique& nouveau;
    const Grammaire& g;
    Fabrication& sortie;
    QStringList ajoutes;
    QStringList disparus;                    // older words that the newer list drops
    QHash<QString, QStringList> anagrammes;  // words of the newer list by sorted letters, for new words' letters
    QSet<QString> anciensParCle;             // such sorted letters that make some older word
    const std::atomic<bool>* annuler;

    // Polled every few thousand words: a cancelled build stops within a few milliseconds.
    bool arrete(qsizetype i) const { return annuler && (i & 0x7FF) == 0 && annuler->load(); }

    Atelier(const Lexique& a, const Lexique& n, const Grammaire& gr, Fabrication& f, const std::atomic<bool>* an);

    const QStringList& memesLettres(const QString& mot) const
    {
        static const QStringList aucun;
        const auto it = anagrammes.constFind(lettresTriees(mot));
        return it == anagrammes.cend() ? aucun : *it;
    }

    bool solutionUnique(const QString& mot) const { return memesLettres(mot).size() == 1; }

    // The 26 hooked words are packed from the word's own key, not spelt out.
    QString rallongesAvant(const QString& mot) const
    {
        QString lettres;
        Mots::Cle cle;
        if (mot.size() >= 15 || !recherche::empaqueter(QStringView(mot), cle))
            return lettres;
        for (unsigned c = 1; c <= 26; ++c)
            if (nouveau.mots.contient(Mots::Cle(c) << 123 | cle >> 5))
                lettres += QChar(u'A' + c - 1);
        return lettres;
    }

    QString rallongesArriere(const QString& mot) const
    {
        QString lettres;
        Mots::Cle cle;
        if (mot.size() >= 15 || !recherche::empaqueter(QStringView(mot), cle))
            return lettres;
        for (unsigned c = 1; c <= 26; ++c)
            if (nouveau.mots.contient(cle | Mots::Cle(c) << (123 - 5 * mot.size())))
                lettres += QChar(u'A' + c - 1);
        return lettres;
    }

    QString ligneAnagramme(const QString& mot) const
    {
        return tirageAvecAutres(mot, memesLettres(mot), ancien) + u';' + mot;
    }

    void ecrire(const QString& nom, QStringList lignes)
    {
        lignes.removeDuplicates();
        if (lignes.size() > lignesMaxBase) {
            sortie.remarques.append(QStringLiteral("%1 : %2 lignes, seules les %3 premières sont gardées")
                                        .arg(nom).arg(lignes.size()).arg(lignesMaxBase));
            lignes = lignes.mid(0, lignesMaxBase);
        }
        if (lignes.isEmpty())
            sortie.remarques.append(QStringLiteral("%1 : aucun mot ne répond à la définition de la base").arg(nom));
        sortie.fichiers.insert(chemin(nom), lignes);
    }

    void ecrireAvecMoities(const QString& racine, const QStringList& lignes)
    {
        ecrire(racine + QStringLiteral(".txt"), lignes);
        const qsizetype moitie = (std::min(lignes.size(), lignesMaxBase) + 1) / 2;
        ecrire(racine + QStringLiteral("_a.txt"), lignes.mid(0, moitie));
        ecrire(racine + QStringLiteral("_b.txt"), lignes.mid(moitie, std::min(lignes.size(), lignesMaxBase) - moitie));
    }

    void bases();
    void anagrammesEtDisparus();
    void listesLaterales(const QSet<QString>& solutions);
    void notes(const QSet<QString>& mots);
};

}  // namespace builder::atelier
