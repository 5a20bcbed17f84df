// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique.h"
#include "grammaire.h"

#include "data/base.h"
#include "data/infosouris.h"
#include "data/listes.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace builder {

namespace {

// The program's own table sizes bound what the builder writes.
constexpr qsizetype lignesMaxBase = data::capaciteBase;
constexpr qsizetype entreesMaxVbi = data::capaciteVbi;
constexpr qsizetype entreesMaxVbt = data::capaciteVbt;
constexpr qsizetype entreesMaxInv = data::capaciteInv;
constexpr qsizetype lignesMaxNotes = data::capaciteInfoSouris;

const QString lettresCheres = QStringLiteral("JKQWXYZ");

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

QString chemin(const QString& nom)
{
    return QStringLiteral("listes/") + nom;
}

struct Atelier {
    const Lexique& ancien;
    const Lexique& nouveau;
    const Grammaire& g;
    Fabrication& sortie;
    QStringList ajoutes;
    QHash<QString, QStringList> anagrammes;  // new words by sorted letters
    QSet<QString> anciensParCle;             // sorted letters that make some older word

    Atelier(const Lexique& a, const Lexique& n, const Grammaire& gr, Fabrication& f)
        : ancien(a), nouveau(n), g(gr), sortie(f)
    {
        anagrammes.reserve(nouveau.mots.size());
        for (const QString& mot : nouveau.mots) {
            anagrammes[lettresTriees(mot)].append(mot);
            if (!ancien.contient(mot))
                ajoutes.append(mot);
        }
        for (QStringList& liste : anagrammes)
            if (liste.size() > 1)
                liste.sort();
        ajoutes.sort();
        // Sorting the letters of every older word again would double the cost: the older words
        // are the newer ones it keeps plus the few it drops.
        for (auto it = anagrammes.cbegin(); it != anagrammes.cend(); ++it)
            if (std::any_of(it->cbegin(), it->cend(), [&](const QString& m) { return ancien.contient(m); }))
                anciensParCle.insert(it.key());
        for (const QString& mot : ancien.mots)
            if (!nouveau.contient(mot))
                anciensParCle.insert(lettresTriees(mot));
    }

    const QStringList& memesLettres(const QString& mot) const
    {
        static const QStringList aucun;
        const auto it = anagrammes.constFind(lettresTriees(mot));
        return it == anagrammes.cend() ? aucun : *it;
    }

    bool solutionUnique(const QString& mot) const { return memesLettres(mot).size() == 1; }

    QString rallongesAvant(const QString& mot) const
    {
        QString lettres;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            if (nouveau.contient(QChar(c) + mot))
                lettres += QChar(c);
        return lettres;
    }

    QString rallongesArriere(const QString& mot) const
    {
        QString lettres;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            if (nouveau.contient(mot + QChar(c)))
                lettres += QChar(c);
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

void Atelier::bases()
{
    QStringList verbes;
    QStringList formes;
    for (const QString& mot : ajoutes) {
        if (mot.size() >= 5 && mot.size() <= 9 && g.infinitif(mot))
            verbes.append(ligneAnagramme(mot));
        if (mot.size() >= 5 && mot.size() <= 8 && g.nouvelleForme(mot))
            formes.append(ligneAnagramme(mot));
    }
    ecrire(QStringLiteral("VB_5-9L.txt"), trie(verbes));
    ecrire(QStringLiteral("nouvelles_declinaisons.txt"), trie(formes));

    QStringList cheres26, cheres78;
    for (const QString& mot : ajoutes) {
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

// Entries that a base can show come first; the rest of the list is filled up to its capacity.
QStringList limiter(const QString& nom, const QStringList& tous, const QSet<QString>& solutions,
                    qsizetype capacite, QStringList& remarques)
{
    QStringList utiles, autres;
    for (const QString& mot : tous)
        (solutions.contains(mot) ? utiles : autres).append(mot);
    if (utiles.size() > capacite) {
        remarques.append(QStringLiteral("%1 : %2 entrées utiles, %3 gardées").arg(nom).arg(utiles.size()).arg(capacite));
        utiles = utiles.mid(0, capacite);
    }
    const qsizetype place = capacite - utiles.size();
    if (autres.size() > place) {
        remarques.append(QStringLiteral("%1 : %2 entrées sans solution correspondante laissées de côté")
                             .arg(nom).arg(autres.size() - place));
        autres = autres.mid(0, place);
    }
    return trie(utiles + autres);
}

void Atelier::listesLaterales(const QSet<QString>& solutions)
{
    QStringList vbi, vbt, inv;
    for (const QString& verbe : g.infinitifs()) {
        if (g.participeInvariable(verbe))
            vbi.append(verbe);
        if (g.transitif(verbe))
            vbt.append(verbe);
    }
    for (const QString& mot : solutions)
        if (g.invariable(mot))
            inv.append(mot);
    sortie.fichiers.insert(chemin(QStringLiteral("vbi_gd.txt")),
                           limiter(QStringLiteral("vbi_gd.txt"), trie(vbi), solutions, entreesMaxVbi, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("vbt_gd.txt")),
                           limiter(QStringLiteral("vbt_gd.txt"), trie(vbt), solutions, entreesMaxVbt, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("inv.txt")),
                           limiter(QStringLiteral("inv.txt"), trie(inv), solutions, entreesMaxInv, sortie.remarques));
}

void Atelier::notes(const QSet<QString>& mots)
{
    QStringList lignes;
    for (const QString& mot : trie(mots)) {
        const QString note = g.note(mot);
        if (note.isEmpty())
            continue;
        if (lignes.size() + 2 >= lignesMaxNotes) {
            sortie.remarques.append(QStringLiteral("infosouris-ods8.txt : limite de lignes atteinte, notes suivantes omises"));
            break;
        }
        lignes << mot << note;
    }
    sortie.fichiers.insert(QStringLiteral("infosouris-ods8.txt"), lignes);
}

}  // namespace

double largeurTirage(QStringView texte)
{
    // Advance widths of Times New Roman (and of the metric-compatible Liberation Serif), per 1000 em.
    static constexpr short lettres[26] = {722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889,
                                          722, 722, 556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611};
    double milliemes = 0;
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            milliemes += lettres[u - u'A'];
        else if (u >= u'0' && u <= u'9')
            milliemes += 500;
        else if (u == u'+')
            milliemes += 564;
        else if (u == u' ')
            milliemes += 250;
        else
            milliemes += 333;  // "-", "(", ")", "?"
    }
    return milliemes / 1000.0 * taillePoliceTirage * 96.0 / 72.0;
}

QString tirageAvecAutres(const QString& mot, const QStringList& anagrammes, const Lexique& ancien)
{
    QStringList autres, nouveaux;
    for (const QString& a : anagrammes) {
        if (a == mot)
            continue;
        autres.append(a);
        if (!ancien.contient(a))
            nouveaux.append(a);
    }
    autres.sort();
    nouveaux.sort();
    const QString lettres = lettresTriees(mot);
    if (autres.isEmpty())
        return lettres;
    const QString liste = lettres + QStringLiteral(" - ") + autres.join(u' ');
    if (largeurTirage(liste) <= largeurTexteTirage)
        return liste;
    // Other new words stay named: two new words with the same letters may be asked in one base,
    // and the rack must say which one it wants. The older words are only counted.
    const QString anciens = QString::number(autres.size() - nouveaux.size());
    if (!nouveaux.isEmpty())
        return lettres + QStringLiteral(" - ") + nouveaux.join(u' ')
            + (anciens == u'0' ? QString() : QStringLiteral(" (+%1)").arg(anciens));
    // The letter filter ignores "(", ")", "+" and 1 to 8; 9 and 0 would count as rack letters
    // unless a " - " comes first.
    if (anciens.contains(u'9') || anciens.contains(u'0'))
        return lettres + QStringLiteral(" - (+%1)").arg(anciens);
    return lettres + QStringLiteral(" (+%1)").arg(anciens);
}

QStringList fichiersAttendus()
{
    QStringList noms = {
        QStringLiteral("VB_5-9L.txt"), QStringLiteral("LC_2-6L.txt"), QStringLiteral("LC_7-8L.txt"),
        QStringLiteral("nouvelles_declinaisons.txt"), QStringLiteral("Nouvelles_rallonges_avant.txt"),
        QStringLiteral("Nouvelles_rallonges_arriere.txt"), QStringLiteral("Nouvelles_rallonges_ar_conj.txt"),
        QStringLiteral("Rallonges_avant_sur_ODS8.txt"), QStringLiteral("Rallonges_arriere_sur_ODS8.txt"),
        QStringLiteral("5L_multiples.txt"), QStringLiteral("6L_multiples.txt"), QStringLiteral("7L_multiples.txt"),
        QStringLiteral("8L_multiples.txt"), QStringLiteral("9L_multiples.txt"), QStringLiteral("2-3L.txt"),
        QStringLiteral("4L.txt"), QStringLiteral("5L.txt"), QStringLiteral("6L.txt"), QStringLiteral("7L.txt"),
        QStringLiteral("8L.txt"), QStringLiteral("9L.txt"), QStringLiteral("7L_a.txt"), QStringLiteral("7L_b.txt"),
        QStringLiteral("8L_a.txt"), QStringLiteral("8L_b.txt"), QStringLiteral("9L_a.txt"), QStringLiteral("9L_b.txt"),
        QStringLiteral("2-8L.txt"), QStringLiteral("vbi_gd.txt"), QStringLiteral("vbt_gd.txt"), QStringLiteral("inv.txt"),
    };
    for (QString& n : noms)
        n = chemin(n);
    noms.append(QStringLiteral("infosouris-ods8.txt"));
    return noms;
}

void Atelier::anagrammesEtDisparus()
{
    QStringList lignes;
    for (int n = 5; n <= 9; ++n) {
        for (const QString& ligne : sortie.fichiers.value(chemin(QStringLiteral("%1L_multiples.txt").arg(n)))) {
            const QString mot = ligne.mid(ligne.indexOf(u';') + 1);
            lignes.append(lettresTriees(mot) + u';' + memesLettres(mot).join(u' '));
        }
    }
    sortie.fichiers.insert(chemin(QStringLiteral("anagrammes.txt")), trie(lignes));
    QStringList disparus;
    for (const QString& mot : ancien.mots)
        if (!nouveau.contient(mot))
            disparus.append(mot);
    sortie.fichiers.insert(QStringLiteral("mots-disparus.txt"), trie(disparus));
}

QStringList description(const Description& d)
{
    return {
        QStringLiteral("source=") + d.source,
        QStringLiteral("editions=%1,%2").arg(d.editionAncienne).arg(d.editionNouvelle),
        QStringLiteral("date=") + d.date.toString(Qt::ISODate),
        QStringLiteral("ancienne=") + d.ancienne,
        QStringLiteral("nouvelle=") + d.nouvelle,
    };
}

Fabrication fabriquer(const Lexique& ancienBrut, const Lexique& nouveauBrut, const std::function<void(int)>& progres,
                      const std::atomic<bool>* annuler)
{
    const auto signaler = [&](int p) {
        if (progres)
            progres(p);
    };
    Fabrication sortie;
    const auto arrete = [&] {
        sortie.annule = sortie.annule || (annuler && annuler->load());
        return sortie.annule;
    };
    // A word that the newer release only makes from names or symbols is no word of the older one
    // either: the older release has no tags to tell. Titles and pieces of set phrases that the older
    // release lists as words stay words ("messire", "parce").
    Lexique ancien = ancienBrut;
    ancien.mots.subtract(nouveauBrut.refuses);
    Lexique nouveau = nouveauBrut;
    for (const QString& mot : nouveauBrut.reserves)
        if (ancien.contient(mot))
            nouveau.mots.insert(mot);
    const std::unique_ptr<Grammaire> g = nouveau.etiquete ? grammaireEtiquetee(ancien, nouveau)
                                                          : grammaireDeduite(ancien, nouveau, annuler);
    if (!g || arrete())
        return sortie;
    signaler(40);
    Atelier atelier(ancien, nouveau, *g, sortie);
    if (arrete())
        return sortie;
    signaler(60);
    atelier.bases();
    if (arrete())
        return sortie;
    signaler(70);

    QSet<QString> solutions;  // whole SOLUTIONS texts of the ordinary bases
    QSet<QString> motsANoter;
    for (auto it = sortie.fichiers.cbegin(); it != sortie.fichiers.cend(); ++it) {
        for (const QString& ligne : it.value()) {
            const qsizetype pv = ligne.indexOf(u';');
            const QString tirage = ligne.left(pv);
            const QString sol = ligne.mid(pv + 1);
            if (tirage.startsWith(u'?')) {
                for (QChar c : sol)
                    motsANoter.insert(c + tirage.mid(1));
            } else if (tirage.endsWith(u'?')) {
                for (QChar c : sol)
                    motsANoter.insert(tirage.left(tirage.size() - 1) + c);
            } else {
                solutions.insert(sol);
                motsANoter.insert(sol);
            }
        }
    }
    atelier.anagrammesEtDisparus();
    atelier.listesLaterales(solutions);
    if (arrete())
        return sortie;
    signaler(80);
    atelier.notes(motsANoter);
    sortie.indecis = g->indecis();
    return sortie;
}

}  // namespace builder
