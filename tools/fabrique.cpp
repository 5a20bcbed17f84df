// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace builder {

namespace {

constexpr qsizetype lignesMaxBase = 15001;
constexpr qsizetype entreesMaxVbi = 2500;
constexpr qsizetype entreesMaxVbt = 20000;
constexpr qsizetype entreesMaxInv = 1000;
constexpr qsizetype lignesMaxNotes = 500000;

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
    Fabrication& sortie;
    QStringList ajoutes;
    QHash<QString, QStringList> anagrammes;  // new words by sorted letters
    QSet<QString> anciensParCle;             // sorted letters that make some older word

    Atelier(const Lexique& a, const Lexique& n, Fabrication& f) : ancien(a), nouveau(n), sortie(f)
    {
        for (const QString& mot : nouveau.mots) {
            anagrammes[lettresTriees(mot)].append(mot);
            if (!ancien.contient(mot))
                ajoutes.append(mot);
        }
        for (QStringList& liste : anagrammes)
            liste.sort();
        ajoutes.sort();
        for (const QString& mot : ancien.mots)
            anciensParCle.insert(lettresTriees(mot));
    }

    const QStringList& memesLettres(const QString& mot) const
    {
        static const QStringList aucun;
        const auto it = anagrammes.constFind(lettresTriees(mot));
        return it == anagrammes.cend() ? aucun : *it;
    }

    bool solutionUnique(const QString& mot) const { return memesLettres(mot).size() == 1; }

    // An inflected form (plural, feminine, conjugation) of a lemma that the older release had.
    bool nouvelleForme(const QString& mot) const
    {
        const QList<Analyse> liste = nouveau.analyses.value(mot);
        if (liste.isEmpty())
            return false;
        const bool lemme = std::any_of(liste.cbegin(), liste.cend(),
                                       [&](const Analyse& a) { return a.lemmeScrabble == mot; });
        const bool formeAncienne = std::any_of(liste.cbegin(), liste.cend(), [&](const Analyse& a) {
            return !a.lemmeScrabble.isEmpty() && a.lemmeScrabble != mot && ancien.contient(a.lemmeScrabble);
        });
        return formeAncienne && !lemme;
    }

    bool infinitif(const QString& mot) const
    {
        const QList<Analyse> liste = nouveau.analyses.value(mot);
        return std::any_of(liste.cbegin(), liste.cend(), [](const Analyse& a) { return a.estInfinitif(); });
    }

    bool formeConjuguee(const QString& mot) const
    {
        const QList<Analyse> liste = nouveau.analyses.value(mot);
        return std::any_of(liste.cbegin(), liste.cend(), [](const Analyse& a) { return a.estFormeVerbale(); });
    }

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

    void manque(const QString& fichier, const QString& raison)
    {
        sortie.manquants.append(fichier + QStringLiteral(" : ") + raison);
    }

    void bases();
    void listesLaterales(const QSet<QString>& solutions);
    void notes(const QSet<QString>& mots);
};

void Atelier::bases()
{
    const bool etiquete = nouveau.etiquete;
    const QString sansEtiquettes = QStringLiteral("le lexique récent n'a pas d'étiquettes grammaticales");

    if (etiquete) {
        QStringList verbes;
        QStringList formes;
        for (const QString& mot : ajoutes) {
            if (mot.size() >= 5 && mot.size() <= 9 && infinitif(mot))
                verbes.append(ligneAnagramme(mot));
            if (mot.size() >= 5 && mot.size() <= 8 && nouvelleForme(mot))
                formes.append(ligneAnagramme(mot));
        }
        ecrire(QStringLiteral("VB_5-9L.txt"), trie(verbes));
        ecrire(QStringLiteral("nouvelles_declinaisons.txt"), trie(formes));
    } else {
        manque(chemin(QStringLiteral("VB_5-9L.txt")), sansEtiquettes + QStringLiteral(" (infinitifs)"));
        manque(chemin(QStringLiteral("nouvelles_declinaisons.txt")), sansEtiquettes + QStringLiteral(" (lemmes)"));
        sortie.remarques.append(QStringLiteral(
            "Bases de solutions uniques : sans étiquettes, les nouvelles formes de mots anciens y restent"));
    }

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
            const bool formeAPart = etiquete && n >= 5 && n <= 8 && nouvelleForme(mot);
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
                if (etiquete && formeConjuguee(rallonge))
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
    if (etiquete)
        ecrire(QStringLiteral("Nouvelles_rallonges_ar_conj.txt"), trie(nouvConj));
    else
        manque(chemin(QStringLiteral("Nouvelles_rallonges_ar_conj.txt")),
               sansEtiquettes + QStringLiteral(" (formes conjuguées) ; ces rallonges sont dans Nouvelles_rallonges_arriere.txt"));
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
    if (!nouveau.etiquete) {
        const QString raison = QStringLiteral("le lexique récent n'a pas d'étiquettes grammaticales");
        manque(chemin(QStringLiteral("vbi_gd.txt")), raison);
        manque(chemin(QStringLiteral("vbt_gd.txt")), raison);
        manque(chemin(QStringLiteral("inv.txt")), raison);
        return;
    }
    QStringList vbi, vbt, inv;
    for (auto it = nouveau.analyses.cbegin(); it != nouveau.analyses.cend(); ++it) {
        const QList<Analyse>& liste = it.value();
        bool infinitifPpi = false, infinitifTr = false;
        for (const Analyse& a : liste) {
            if (!a.estInfinitif())
                continue;
            infinitifPpi = infinitifPpi || a.participeInvariable();
            infinitifTr = infinitifTr || a.transitif();
        }
        if (infinitifPpi)
            vbi.append(it.key());
        if (infinitifTr)
            vbt.append(it.key());
        if (solutions.contains(it.key())
            && std::all_of(liste.cbegin(), liste.cend(), [](const Analyse& a) { return a.invariable(); }))
            inv.append(it.key());
    }
    sortie.fichiers.insert(chemin(QStringLiteral("vbi_gd.txt")),
                           limiter(QStringLiteral("vbi_gd.txt"), trie(vbi), solutions, entreesMaxVbi, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("vbt_gd.txt")),
                           limiter(QStringLiteral("vbt_gd.txt"), trie(vbt), solutions, entreesMaxVbt, sortie.remarques));
    sortie.fichiers.insert(chemin(QStringLiteral("inv.txt")),
                           limiter(QStringLiteral("inv.txt"), trie(inv), solutions, entreesMaxInv, sortie.remarques));
}

void Atelier::notes(const QSet<QString>& mots)
{
    if (!nouveau.etiquete) {
        manque(QStringLiteral("infosouris-ods8.txt"), QStringLiteral("le lexique récent n'a pas d'étiquettes grammaticales"));
        return;
    }
    QStringList lignes;
    for (const QString& mot : trie(mots)) {
        const QString note = noteGrammaticale(mot, nouveau.analyses.value(mot));
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

QString nomTemps(const QString& t)
{
    static const QHash<QString, QString> noms = {
        {QStringLiteral("ipre"), QStringLiteral("présent")},
        {QStringLiteral("iimp"), QStringLiteral("imparfait")},
        {QStringLiteral("ipsi"), QStringLiteral("passé simple")},
        {QStringLiteral("ifut"), QStringLiteral("futur")},
        {QStringLiteral("cond"), QStringLiteral("conditionnel")},
        {QStringLiteral("spre"), QStringLiteral("subj. présent")},
        {QStringLiteral("simp"), QStringLiteral("subj. imparfait")},
        {QStringLiteral("impe"), QStringLiteral("impératif")},
        {QStringLiteral("ppas"), QStringLiteral("part. passé")},
        {QStringLiteral("ppre"), QStringLiteral("part. présent")},
    };
    return noms.value(t);
}

QString genreNombre(const QStringList& traits)
{
    const bool fem = traits.contains(QStringLiteral("fem"));
    const bool pl = traits.contains(QStringLiteral("pl"));
    if (fem && pl)
        return QStringLiteral("fém. pl.");
    if (fem)
        return QStringLiteral("fém.");
    if (pl)
        return QStringLiteral("pl.");
    return {};
}

QString emplois(const QString& verbe)
{
    QStringList e;
    if (verbe.size() >= 10) {
        if (verbe[4] == u't')
            e << QStringLiteral("tr.");
        if (verbe[5] == u'n')
            e << QStringLiteral("tr. ind.");
        if (verbe[3] == u'i')
            e << QStringLiteral("intr.");
        if (verbe[6] == u'p' || verbe[6] == u'q' || verbe[6] == u'e' || verbe[6] == u'r')
            e << QStringLiteral("pron.");
        if (verbe[7] == u'm')
            e << QStringLiteral("impers.");
    }
    return e.isEmpty() ? QStringLiteral("v.") : QStringLiteral("v. ") + e.join(QStringLiteral(" et "));
}

QString classeNom(const QString& categorie, const QStringList& traits)
{
    QString texte = categorie == QLatin1String("nom") ? QStringLiteral("n.") : QStringLiteral("adj.");
    if (categorie == QLatin1String("nom")) {
        if (traits.contains(QStringLiteral("epi")))
            texte += QStringLiteral(" m. et f.");
        else if (traits.contains(QStringLiteral("fem")))
            texte += QStringLiteral(" f.");
        else if (traits.contains(QStringLiteral("mas")))
            texte += QStringLiteral(" m.");
    }
    if (traits.contains(QStringLiteral("inv")))
        texte += QStringLiteral(" inv.");
    return texte;
}

// " de manger", " d'aboyer": "de" elides before a vowel.
QString deLemme(const QString& lemme)
{
    static const QString voyelles = QStringLiteral("aàâeéèêëiîïoôuùûyœæ");
    if (!lemme.isEmpty() && voyelles.contains(lemme[0]))
        return QStringLiteral(" d'") + lemme;
    return QStringLiteral(" de ") + lemme;
}

}  // namespace

QString tirageAvecAutres(const QString& mot, const QStringList& anagrammes, const Lexique& ancien)
{
    QStringList autres, nouveaux;
    qsizetype anciens = 0;
    for (const QString& a : trie(anagrammes)) {
        if (a == mot)
            continue;
        autres.append(a);
        if (ancien.contient(a))
            ++anciens;
        else
            nouveaux.append(a);
    }
    const QString lettres = lettresTriees(mot);
    if (autres.isEmpty())
        return lettres;
    const QString liste = lettres + QStringLiteral(" - ") + autres.join(u' ');
    if (liste.size() <= longueurTirageLisible)
        return liste;
    // Digits 9 and 0 would count as rack letters before a " - ", so larger counts go after one.
    if (nouveaux.isEmpty() && anciens <= 8)
        return lettres + QStringLiteral(" (+%1)").arg(anciens);
    QString texte = lettres + QStringLiteral(" -");
    if (!nouveaux.isEmpty())
        texte += u' ' + nouveaux.join(u' ');
    if (anciens > 0)
        texte += QStringLiteral(" (+%1)").arg(anciens);
    return texte;
}

QString noteGrammaticale(const QString& mot, const QList<Analyse>& analyses)
{
    QStringList parties;
    QMap<QString, QStringList> tempsParLemme;  // conjugated forms grouped by their infinitive
    QStringList ordreLemmes;
    auto ajouter = [&](const QString& p) {
        if (!p.isEmpty() && !parties.contains(p))
            parties.append(p);
    };
    for (const Analyse& a : analyses) {
        if (a.estVerbe()) {
            if (a.estInfinitif()) {
                ajouter(emplois(a.verbe));
                continue;
            }
            for (const QString& f : a.flexion) {
                QString temps = nomTemps(f);
                if (temps.isEmpty())
                    continue;
                if (f == QLatin1String("ppas")) {
                    const QString gn = genreNombre(a.traits);
                    if (!gn.isEmpty())
                        temps += u' ' + gn;
                }
                if (!ordreLemmes.contains(a.lemme))
                    ordreLemmes.append(a.lemme);
                if (!tempsParLemme[a.lemme].contains(temps))
                    tempsParLemme[a.lemme].append(temps);
            }
            continue;
        }
        for (const QString& c : a.categories) {
            if (c == QLatin1String("nom") || c == QLatin1String("adj")) {
                if (a.lemmeScrabble == mot || a.lemmeScrabble.isEmpty()) {
                    ajouter(classeNom(c, a.traits));
                } else {
                    // A feminine noun's plural is its plural, not a feminine of it.
                    QString gn = genreNombre(a.traitsAffixes);
                    if (gn.isEmpty())
                        gn = QStringLiteral("forme");
                    ajouter(gn + deLemme(a.lemme));
                }
            } else if (c == QLatin1String("adv") || c == QLatin1String("negadv") || c == QLatin1String("advint")) {
                ajouter(QStringLiteral("adv."));
            } else if (c == QLatin1String("interj")) {
                ajouter(QStringLiteral("interj."));
            } else if (c == QLatin1String("prep") || c == QLatin1String("prepv")) {
                ajouter(QStringLiteral("prép."));
            } else if (c.startsWith(QLatin1String("cj"))) {
                ajouter(QStringLiteral("conj."));
            } else if (c.startsWith(QLatin1String("pro"))) {
                ajouter(QStringLiteral("pron."));
            } else if (c.startsWith(QLatin1String("det"))) {
                ajouter(QStringLiteral("dét."));
            }
        }
    }
    for (const QString& lemme : ordreLemmes)
        ajouter(tempsParLemme.value(lemme).join(QStringLiteral(", ")) + deLemme(lemme));
    return parties.join(QStringLiteral(" ; "));
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

Fabrication fabriquer(const Lexique& ancienBrut, const Lexique& nouveau)
{
    // A word that the newer release only makes from names or symbols is no word of the older one
    // either: the older release has no tags to tell.
    Lexique ancien = ancienBrut;
    ancien.mots.subtract(nouveau.refuses);
    Fabrication sortie;
    Atelier atelier(ancien, nouveau, sortie);
    atelier.bases();

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
    atelier.listesLaterales(solutions);
    atelier.notes(motsANoter);
    return sortie;
}

}  // namespace builder
