// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexique.h"

#include "data/texte.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace builder {

namespace {

// Stems of these kinds never make a playable word on their own: names, titles, bits of Latin
// phrases, prefixes and suffixes, and the lexicon's deliberate misspellings.
bool categorieRefusee(const QString& po)
{
    static const QStringList refusees = {
        QStringLiteral("npr"), QStringLiteral("prn"), QStringLiteral("patr"),
        QStringLiteral("pfx"), QStringLiteral("sfx"), QStringLiteral("err"), QStringLiteral("sign"),
        QStringLiteral("ponc"), QStringLiteral("nb"), QStringLiteral("nbro"),
    };
    return refusees.contains(po);
}

// Titles and pieces of set phrases: words only where the older list has them on their own.
bool categorieReservee(const QString& po)
{
    return po == QLatin1String("titr") || po.startsWith(QLatin1String("loc."));
}

bool motDeBaseAcceptable(const QString& mot)
{
    for (QChar c : mot) {
        if (c.isUpper() || c.isDigit() || c == u'\'' || c == u'\u2019' || c == u'-' || c == u'.'
            || c == u' ')
            return false;
    }
    return true;
}

const QString rejetes = QStringLiteral("'\u2019-. 0123456789");

// Inflection tags; some stems carry them themselves (pronominal-only verbs are stored as infinitives).
bool etiquetteDeFlexion(const QString& po)
{
    static const QStringList flexions = {
        QStringLiteral("infi"), QStringLiteral("ppre"), QStringLiteral("ppas"), QStringLiteral("ipre"),
        QStringLiteral("iimp"), QStringLiteral("ipsi"), QStringLiteral("ifut"), QStringLiteral("cond"),
        QStringLiteral("spre"), QStringLiteral("simp"), QStringLiteral("impe"), QStringLiteral("1sg"),
        QStringLiteral("2sg"), QStringLiteral("3sg"), QStringLiteral("1pl"), QStringLiteral("2pl"),
        QStringLiteral("3pl"), QStringLiteral("1isg"), QStringLiteral("1jsg"),
    };
    return flexions.contains(po);
}

}  // namespace

namespace {

quint64 hacher(Mots::Cle cle)
{
    quint64 h = quint64(cle >> 64) * 0x9E3779B97F4A7C15ULL + quint64(cle) * 0xC2B2AE3D27D4EB4FULL;
    h ^= h >> 31;
    return h * 0xBF58476D1CE4E5B9ULL;
}

}  // namespace

qsizetype Mots::place(Cle cle) const
{
    // Linear probing from the hash's top bits; the table is never more than half full.
    const qsizetype masque = cases.size() - 1;
    qsizetype i = qsizetype(hacher(cle) >> 32) & masque;
    const Cle* t = cases.constData();
    while (t[i] && t[i] != cle)
        i = (i + 1) & masque;
    return i;
}

void Mots::agrandir(qsizetype capacite)
{
    qsizetype n = 16;
    while (n < capacite * 2)
        n *= 2;
    if (n <= cases.size())
        return;
    QList<Cle> anciennes = std::move(cases);
    cases = QList<Cle>(n, Cle(0));
    for (Cle c : std::as_const(anciennes))
        if (c)
            cases[place(c)] = c;
}

void Mots::reserve(qsizetype n)
{
    agrandir(n);
}

bool Mots::contient(Cle cle) const
{
    return cle && taille > 0 && cases.constData()[place(cle)] == cle;
}

bool Mots::insert(Cle cle)
{
    if (!cle)
        return false;
    if ((taille + 1) * 2 > cases.size())
        agrandir(taille + 1);
    const qsizetype i = place(cle);
    if (cases.constData()[i])
        return false;
    cases[i] = cle;
    ++taille;
    return true;
}

bool Mots::insert(QStringView mot)
{
    Cle c;
    return recherche::empaqueter(mot, c) && insert(c);
}

bool Mots::remove(QStringView mot)
{
    Cle c;
    if (!recherche::empaqueter(mot, c) || !c || !contient(c))
        return false;
    // Later entries of the same run move back into the hole, so that no look-up stops short.
    const qsizetype masque = cases.size() - 1;
    Cle* t = cases.data();
    qsizetype trou = place(c);
    for (qsizetype j = (trou + 1) & masque; t[j]; j = (j + 1) & masque) {
        const qsizetype voulu = qsizetype(hacher(t[j]) >> 32) & masque;
        if (((j - voulu) & masque) >= ((j - trou) & masque)) {
            t[trou] = t[j];
            trou = j;
        }
    }
    t[trou] = 0;
    --taille;
    return true;
}

void Mots::subtract(const QSet<QString>& autres)
{
    for (const QString& m : autres)
        remove(m);
}

std::vector<Mots::Cle> Mots::cles() const
{
    std::vector<Cle> sortie;
    sortie.reserve(taille);
    pourChaqueCle([&](Cle c) { sortie.push_back(c); });
    return sortie;
}

QStringList Mots::liste() const
{
    QStringList sortie;
    sortie.reserve(taille);
    pourChaque([&](QLatin1StringView m) { sortie.append(m); });
    return sortie;
}

QString formeScrabble(QStringView mot)
{
    // Most lines of a list are already written this way: one copy, no letter-by-letter append.
    if (mot.size() >= 2 && mot.size() <= 15
        && std::all_of(mot.cbegin(), mot.cend(), [](QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'Z'; }))
        return mot.toString();
    QString sortie;
    sortie.reserve(mot.size() + 2);
    for (QChar c : mot) {
        const char16_t u = c.unicode();
        // Plain letters are nearly every character of a list: only the others go through Unicode.
        if (u >= u'A' && u <= u'Z') {
            sortie += c;
            continue;
        }
        if (u >= u'a' && u <= u'z') {
            sortie += QChar(u - 32);
            continue;
        }
        if (u == u'œ' || u == u'Œ') {
            sortie += QStringLiteral("OE");
            continue;
        }
        if (u == u'æ' || u == u'Æ') {
            sortie += QStringLiteral("AE");
            continue;
        }
        if (u < 0xC0)
            return {};
        const QString decompose = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = decompose.isEmpty() ? c : decompose[0];
        const QChar majuscule = base.toUpper();
        if (majuscule < u'A' || majuscule > u'Z')
            return {};
        sortie += majuscule;
    }
    if (sortie.size() < 2 || sortie.size() > 15)
        return {};
    return sortie;
}

QString lettresTriees(const QString& mot)
{
    QString lettres = mot;
    std::sort(lettres.begin(), lettres.end());
    return lettres;
}

bool Analyse::transitif() const
{
    // Verb tags read "v" + group, then one column per use: 2 auxiliary verb, 3 intransitive,
    // 4 direct transitive, 5 indirect transitive, 6 pronominal, 7 impersonal, 8-9 auxiliaries.
    return verbe.size() > 4 && verbe[4] == u't';
}

bool Analyse::participeInvariable() const
{
    // Without a direct object, with "avoir", and with at most an indirect reflexive pronoun
    // ("se nuire"), the past participle never agrees: "dormi", "nui", "neigé".
    if (verbe.size() < 10)
        return false;
    const bool sansObjetDirect = verbe[3] == u'i' || verbe[5] == u'n' || verbe[7] == u'm';
    const bool direct = verbe[4] == u't';
    const QChar pronominal = verbe[6];
    const bool pronomIndirect = pronominal == u'_' || pronominal == u'q' || pronominal == u'x';
    const bool etre = verbe[8] == u'e';
    return sansObjetDirect && !direct && pronomIndirect && !etre;
}

bool Analyse::invariable() const
{
    if (!verbe.isEmpty())
        return false;
    if (traits.contains(QStringLiteral("inv")))
        return true;
    static const QStringList sansFlexion = {
        QStringLiteral("adv"), QStringLiteral("prep"), QStringLiteral("interj"), QStringLiteral("cjco"),
        QStringLiteral("cjsub"), QStringLiteral("cj"), QStringLiteral("negadv"), QStringLiteral("advint"),
    };
    return std::any_of(categories.cbegin(), categories.cend(),
                       [](const QString& c) { return sansFlexion.contains(c); })
        && !categories.contains(QStringLiteral("nom")) && !categories.contains(QStringLiteral("adj"));
}

Lexique lexiqueHunspell(const Affixes& affixes, const QList<Entree>& entrees,
                        const QSet<QString>& exclusions)
{
    Lexique lexique;
    lexique.etiquete = std::any_of(entrees.cbegin(), entrees.cend(), [](const Entree& e) {
        return std::any_of(e.morpho.cbegin(), e.morpho.cend(),
                           [](const QString& m) { return m.startsWith(QLatin1String("po:")); });
    });
    for (const Entree& entree : entrees) {
        QStringList categories;
        QStringList flexionRacine;
        QString verbe;
        QStringList traits;
        QString lemme = entree.mot;
        for (const QString& m : entree.morpho) {
            if (m.startsWith(QLatin1String("po:v")) && m.size() > 4 && m[4].isDigit())
                verbe = m.mid(3);
            else if (m.startsWith(QLatin1String("po:")) && etiquetteDeFlexion(m.mid(3)))
                flexionRacine.append(m.mid(3));
            else if (m.startsWith(QLatin1String("po:")))
                categories.append(m.mid(3));
            else if (m.startsWith(QLatin1String("is:")))
                traits.append(m.mid(3));
            else if (m.startsWith(QLatin1String("st:")))
                lemme = m.mid(3);
        }
        const bool refuse = !motDeBaseAcceptable(entree.mot)
            || (!affixes.casseGardee.isEmpty() && entree.drapeaux.contains(affixes.casseGardee))
            || std::any_of(categories.cbegin(), categories.cend(), categorieRefusee);
        const bool reserve = std::any_of(categories.cbegin(), categories.cend(), categorieReservee);
        const QString lemmeScrabble = formeScrabble(lemme);
        developper(entree, affixes, [&](const Forme& forme) {
            const QString mot = formeScrabble(forme.mot);
            if (mot.isEmpty())
                return;
            if (refuse || exclusions.contains(mot)) {
                lexique.refuses.insert(mot);
                return;
            }
            if (reserve) {
                lexique.reserves.insert(mot);
                return;
            }
            lexique.mots.insert(mot);
            if (!lexique.etiquete)
                return;
            Analyse analyse;
            analyse.lemme = lemme;
            analyse.lemmeScrabble = lemmeScrabble;
            analyse.categories = categories;
            analyse.verbe = verbe;
            analyse.traits = traits;
            analyse.flexion = flexionRacine;
            for (const QString& m : forme.morphoAffixes) {
                if (m.startsWith(QLatin1String("po:")))
                    analyse.flexion.append(m.mid(3));
                else if (m.startsWith(QLatin1String("is:"))) {
                    analyse.traits.append(m.mid(3));
                    analyse.traitsAffixes.append(m.mid(3));
                }
            }
            QList<Analyse>& liste = lexique.analyses[mot];
            const bool connue = std::any_of(liste.cbegin(), liste.cend(), [&](const Analyse& a) {
                return a.lemme == analyse.lemme && a.flexion == analyse.flexion && a.traits == analyse.traits
                    && a.traitsAffixes == analyse.traitsAffixes
                    && a.categories == analyse.categories && a.verbe == analyse.verbe;
            });
            if (!connue)
                liste.append(analyse);
        }, rejetes);
    }
    // A word that some kept stem also yields is a word.
    lexique.refuses.removeIf([&](const QString& m) { return lexique.mots.contains(m); });
    lexique.reserves.removeIf([&](const QString& m) { return lexique.mots.contains(m); });
    lexique.refuses.subtract(lexique.reserves);
    return lexique;
}

Lexique lexiqueHunspell(const QString& aff, const QString& dic, const QSet<QString>& exclusions)
{
    const Affixes affixes = lireAffixes(aff);
    if (!affixes.erreur.isEmpty()) {
        Lexique vide;
        vide.erreur = affixes.erreur;
        return vide;
    }
    QString erreur;
    const QList<Entree> entrees = lireDictionnaire(dic, affixes, &erreur);
    if (!erreur.isEmpty()) {
        Lexique vide;
        vide.erreur = erreur;
        return vide;
    }
    return lexiqueHunspell(affixes, entrees, exclusions);
}

Lexique lexiqueListe(const QStringList& lignes, const QSet<QString>& exclusions)
{
    Lexique lexique;
    for (const QString& ligne : lignes) {
        const QString mot = formeScrabble(ligne.trimmed());
        if (!mot.isEmpty() && !exclusions.contains(mot))
            lexique.mots.insert(mot);
    }
    return lexique;
}

namespace {

QStringList lignesTexte(const QString& chemin, QString* erreur)
{
    const data::Lecture lecture = data::lireFichier(chemin);
    if (!lecture.ok()) {
        *erreur = lecture.erreur;
        return {};
    }
    // Word lists come from anywhere: take UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8(lecture.octets);
    if (utf8.hasError())
        return data::lignes(lecture.octets);
    texte.remove(u'\r');
    if (texte.startsWith(QChar(0xFEFF)))
        texte.remove(0, 1);
    return texte.split(u'\n');
}

}  // namespace

Lexique lexiqueListe(const QString& chemin, const QSet<QString>& exclusions)
{
    QString erreur;
    const QStringList lignes = lignesTexte(chemin, &erreur);
    if (!erreur.isEmpty()) {
        Lexique vide;
        vide.erreur = erreur;
        return vide;
    }
    return lexiqueListe(lignes, exclusions);
}

QSet<QString> lireExclusions(const QString& chemin, QString* erreur)
{
    QSet<QString> mots;
    QString e;
    const QStringList lignes = lignesTexte(chemin, &e);
    if (!e.isEmpty()) {
        *erreur = e;
        return mots;
    }
    for (QString ligne : lignes) {
        const qsizetype diese = ligne.indexOf(u'#');
        if (diese >= 0)
            ligne.truncate(diese);
        const QString mot = formeScrabble(ligne.trimmed());
        if (!mot.isEmpty())
            mots.insert(mot);
    }
    return mots;
}

}  // namespace builder
