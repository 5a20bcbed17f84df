// SPDX-License-Identifier: GPL-3.0-or-later
#include "atelier.h"

#include <algorithm>

namespace builder::atelier {

bool contientLettreChere(const QString& mot)
{
    return std::any_of(mot.cbegin(), mot.cend(), [](QChar c) { return lettresCheres.contains(c); });
}

QStringList trie(QStringList liste)
{
    liste.sort();
    liste.removeDuplicates();
    return liste;
}

QStringList trie(const QSet<QString>& ensemble)
{
    return trie(QStringList(ensemble.cbegin(), ensemble.cend()));
}

// The same for any order of the same letters, and cheaper than sorting them: the letters of a
// word are sorted only when some new word may have them.
template <typename Vue>
quint64 signatureDe(Vue mot)
{
    quint64 somme = quint64(mot.size()) << 58;
    for (qsizetype i = 0; i < mot.size(); ++i) {
        const quint64 u = mot[i].unicode();
        somme += (u * 0x9E3779B97F4A7C15ULL) ^ (u << 29);
    }
    return somme;
}

quint64 signature(const QString& mot)
{
    return signatureDe(QStringView(mot));
}

quint64 signature(QLatin1StringView mot)
{
    return signatureDe(mot);
}

QString chemin(const QString& nom)
{
    return QStringLiteral("listes/") + nom;
}

Atelier::Atelier(const Lexique& a, const Lexique& n, const Grammaire& gr, Fabrication& f, const std::atomic<bool>* an)
    : ancien(a), nouveau(n), g(gr), sortie(f), annuler(an)
{
    qsizetype i = 0;
    bool arret = false;
    // One pass over each list's packed words: a string is made only for the few words kept.
    const auto absents = [&](const Lexique& de, const Lexique& dans, QStringList& mots) {
        de.mots.pourChaqueCle([&](Mots::Cle c) {
            arret = arret || arrete(++i);
            if (!arret && !dans.mots.contient(c))
                mots.append(Mots::mot(c));
        });
        mots.sort();
        return !arret;
    };
    if (!absents(nouveau, ancien, ajoutes) || !absents(ancien, nouveau, disparus))
        return;
    // Only the racks of new words are ever shown: the anagrams of the other 400,000 words are
    // not kept, which halves the time and the memory of the whole build.
    QSet<quint64> signatures;
    signatures.reserve(ajoutes.size());
    for (const QString& mot : std::as_const(ajoutes))
        signatures.insert(signature(mot));
    anagrammes.reserve(signatures.size());
    nouveau.mots.pourChaque([&](QLatin1StringView mot) {
        arret = arret || arrete(++i);
        if (!arret && signatures.contains(signature(mot))) {
            const QString m(mot);
            anagrammes[lettresTriees(m)].append(m);
        }
    });
    if (arret)
        return;
    for (auto it = anagrammes.begin(); it != anagrammes.end(); ++it) {
        if (it->size() > 1)
            it->sort();
        if (std::any_of(it->cbegin(), it->cend(), [&](const QString& m) { return ancien.contient(m); }))
            anciensParCle.insert(it.key());
    }
    for (const QString& mot : std::as_const(disparus))
        anciensParCle.insert(lettresTriees(mot));
}

void Atelier::bases()
{
    qsizetype i = 0;
    QStringList verbes;
    QStringList formes;
    for (const QString& mot : ajoutes) {
        if (arrete(i += 64))
            return;
        if (mot.size() >= 5 && mot.size() <= 9 && g.infinitif(mot))
            verbes.append(ligneAnagramme(mot));
        if (mot.size() >= 5 && mot.size() <= 8 && g.nouvelleForme(mot))
            formes.append(ligneAnagramme(mot));
    }
    ecrire(QStringLiteral("VB_5-9L.txt"), trie(verbes));
    ecrire(QStringLiteral("nouvelles_declinaisons.txt"), trie(formes));

    QStringList cheres26, cheres78;
    for (const QString& mot : ajoutes) {
        if (arrete(i += 64))
            return;
        if (!contientLettreChere(mot))
            continue;
        if (mot.size() <= 6)
            cheres26.append(ligneAnagramme(mot));
        else if (mot.size() <= 8)
            cheres78.append(ligneAnagramme(mot));
    }
    ecrire(QStringLiteral("LC_2-6L.txt"), trie(cheres26));
    ecrire(QStringLiteral("LC_7-8L.txt"), trie(cheres78));

    QMap<int, QStringList> uniques;
    QMap<int, QStringList> multiples;
    QStringList tirage28;
    for (const QString& mot : ajoutes) {
        if (arrete(i += 64))
            return;
        const int n = int(mot.size());
        const QString ligne = lettresTriees(mot) + u';' + mot;
        if (solutionUnique(mot)) {
            if (n <= 8)
                tirage28.append(ligne);
            // The new forms that have their own base (5 to 8 letters) stay out of this one.
            const bool formeAPart = n >= 5 && n <= 8 && g.nouvelleForme(mot);
            if (n <= 9 && !formeAPart)
                uniques[std::max(n, 3)].append(ligne);
        }
        if (n >= 5 && n <= 9 && anciensParCle.contains(lettresTriees(mot)))
            multiples[n].append(ligneAnagramme(mot));
    }
    ecrire(QStringLiteral("2-3L.txt"), trie(uniques.value(3)));
    for (int n = 4; n <= 6; ++n)
        ecrire(QStringLiteral("%1L.txt").arg(n), trie(uniques.value(n)));
    for (int n = 7; n <= 9; ++n)
        ecrireAvecMoities(QStringLiteral("%1L").arg(n), trie(uniques.value(n)));
    for (int n = 5; n <= 9; ++n)
        ecrire(QStringLiteral("%1L_multiples.txt").arg(n), trie(multiples.value(n)));
    ecrire(QStringLiteral("2-8L.txt"), trie(tirage28));

    // Hooks. The hooked word is at most 15 letters, so the word itself at most 14.
    QStringList nouvAvant, nouvArriere, nouvConj, surAvant, surArriere;
    QSet<QString> vus;
    for (const QString& ajoute : ajoutes) {
        if (arrete(i += 64))
            return;
        const QString avant = ajoute.mid(1);
        const QString arriere = ajoute.left(ajoute.size() - 1);
        // A new hook is one an older word gains; hooks of new words have the "sur ODS8" bases.
        if (ancien.contient(avant) && nouveau.contient(avant) && !vus.contains(u'?' + avant)) {
            vus.insert(u'?' + avant);
            nouvAvant.append(u'?' + avant + u';' + rallongesAvant(avant));
        }
        if (ancien.contient(arriere) && nouveau.contient(arriere) && !vus.contains(arriere + u'?')) {
            vus.insert(arriere + u'?');
            const QString lettres = rallongesArriere(arriere);
            bool conj = false;
            bool autre = false;
            for (QChar c : lettres) {
                const QString rallonge = arriere + c;
                if (ancien.contient(rallonge))
                    continue;
                if (g.formeConjuguee(rallonge))
                    conj = true;
                else
                    autre = true;
            }
            const QString ligne = arriere + QStringLiteral("?;") + lettres;
            if (conj)
                nouvConj.append(ligne);
            if (autre)
                nouvArriere.append(ligne);
        }
        if (ajoute.size() <= 14) {
            const QString av = rallongesAvant(ajoute);
            if (!av.isEmpty())
                surAvant.append(u'?' + ajoute + u';' + av);
            const QString ar = rallongesArriere(ajoute);
            if (!ar.isEmpty())
                surArriere.append(ajoute + QStringLiteral("?;") + ar);
        }
    }
    ecrire(QStringLiteral("Nouvelles_rallonges_avant.txt"), trie(nouvAvant));
    ecrire(QStringLiteral("Nouvelles_rallonges_arriere.txt"), trie(nouvArriere));
    ecrire(QStringLiteral("Nouvelles_rallonges_ar_conj.txt"), trie(nouvConj));
    ecrire(QStringLiteral("Rallonges_avant_sur_ODS8.txt"), trie(surAvant));
    ecrire(QStringLiteral("Rallonges_arriere_sur_ODS8.txt"), trie(surArriere));
}

}  // namespace builder::atelier
