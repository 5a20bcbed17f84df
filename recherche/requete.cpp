// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/requete.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace recherche {

namespace {

constexpr int longueurMax = 15;
constexpr quint32 toutes = (1u << 26) - 1;

bool garder(quint8 marque, qsizetype longueur, const Filtres& f)
{
    if ((f.longueurMin > 0 && longueur < f.longueurMin) || (f.longueurMax > 0 && longueur > f.longueurMax))
        return false;
    if (f.nouveauxSeulement && f.disparusSeulement)
        return marque != LesDeux;
    if (f.nouveauxSeulement)
        return marque == Nouvelle;
    if (f.disparusSeulement)
        return marque == Ancienne;
    return marque & Nouvelle;
}

Reponse repondre(const Index& ix, const std::vector<quint32>& positions)
{
    Reponse r;
    r.total = qsizetype(positions.size());
    const qsizetype n = std::min(r.total, plafond);
    r.mots.reserve(n);
    for (qsizetype k = 0; k < n; ++k)
        r.mots.append({QString::fromLatin1(ix.mot(positions[k])), ix.marque(positions[k]), {}, false});
    return r;
}

Reponse refus(const QString& erreur)
{
    Reponse r;
    r.erreur = erreur;
    return r;
}

QString caractere(QChar c)
{
    if (c.unicode() < 0x20 || c.category() == QChar::Other_Control)
        return QStringLiteral("Un caractère de contrôle");
    return QStringLiteral("« %1 »").arg(c);
}

Reponse juger(const Index& ix, QStringView texte)
{
    Reponse r;
    qsizetype i = 0;
    const auto separateur = [](QChar c) { return c.isSpace() || c == u',' || c == u';'; };
    while (i < texte.size()) {
        while (i < texte.size() && separateur(texte[i]))
            ++i;
        qsizetype fin = i;
        while (fin < texte.size() && !separateur(texte[fin]))
            ++fin;
        if (fin == i)
            break;
        QString erreur;
        const QString mot = plier(texte.sliced(i, fin - i), false, false, &erreur);
        if (!erreur.isEmpty())
            return refus(erreur);
        const qsizetype p = mot.size() <= longueurMax ? ix.trouver(mot.toLatin1()) : -1;
        r.verdicts.append({mot, p < 0 ? quint8(0) : ix.marque(p)});
        i = fin;
    }
    r.total = r.verdicts.size();
    r.valide = !r.verdicts.isEmpty()
        && std::all_of(r.verdicts.cbegin(), r.verdicts.cend(), [](const Verdict& v) { return v.valide(); });
    return r;
}

// The letters and the number of blanks of a rack.
struct Tirage {
    QByteArray lettres;
    int jokers = 0;
};

std::optional<Tirage> lireTirage(QStringView texte, Reponse* refuse)
{
    QString erreur;
    const QString s = plier(texte, true, false, &erreur);
    if (!erreur.isEmpty()) {
        *refuse = refus(erreur);
        return std::nullopt;
    }
    Tirage t;
    for (QChar c : s) {
        if (c == u'?')
            ++t.jokers;
        else
            t.lettres += char(c.unicode());
    }
    if (t.jokers > jokersMax) {
        *refuse = refus(QStringLiteral("Deux jokers (?) au plus."));
        return std::nullopt;
    }
    if (t.lettres.size() + t.jokers > longueurMax) {
        *refuse = refus(QStringLiteral("%1 lettres au plus.").arg(longueurMax));
        return std::nullopt;
    }
    std::sort(t.lettres.begin(), t.lettres.end());
    return t;
}

Reponse anagrammes(const Index& ix, QStringView texte, const Filtres& f)
{
    Reponse refuse;
    const std::optional<Tirage> t = lireTirage(texte, &refuse);
    if (!t)
        return refuse;
    std::vector<quint32> positions;
    const auto ajouter = [&](QByteArray lettres) {
        std::sort(lettres.begin(), lettres.end());
        const qsizetype g = ix.trouverGroupe(Index::cle(lettres));
        if (g < 0)
            return;
        const auto [debut, fin] = ix.groupe(g);
        for (const quint32* p = debut; p != fin; ++p)
            if (garder(ix.marque(*p), lettres.size(), f))
                positions.push_back(*p);
    };
    if (t->lettres.size() + t->jokers < 2)
        return {};
    if (t->jokers == 0)
        ajouter(t->lettres);
    for (char a = 'A'; t->jokers >= 1 && a <= 'Z'; ++a) {
        if (t->jokers == 1) {
            ajouter(t->lettres + a);
            continue;
        }
        for (char b = a; b <= 'Z'; ++b)
            ajouter(t->lettres + a + b);
    }
    // Each choice of blanks gives other letters, so no word comes twice.
    std::sort(positions.begin(), positions.end());
    return repondre(ix, positions);
}

Reponse sousAnagrammes(const Index& ix, QStringView texte, const Filtres& f)
{
    Reponse refuse;
    const std::optional<Tirage> t = lireTirage(texte, &refuse);
    if (!t)
        return refuse;
    std::array<qint8, 26> compte{};
    quint32 masqueTirage = 0;
    for (char c : t->lettres) {
        ++compte[c - 'A'];
        masqueTirage |= 1u << (c - 'A');
    }
    const int jokers = t->jokers;
    const qsizetype place = t->lettres.size() + jokers;
    std::vector<quint32> positions;
    for (qsizetype g = 0; g < ix.nombreGroupes(); ++g) {
        const qsizetype longueur = ix.longueurGroupe(g);
        if (longueur > place || std::popcount(ix.masqueGroupe(g) & ~masqueTirage) > jokers)
            continue;
        const auto [debut, fin] = ix.groupe(g);
        std::array<qint8, 26> reste = compte;
        int manque = 0;
        for (char c : ix.mot(*debut))
            if (--reste[c - 'A'] < 0)
                ++manque;
        if (manque > jokers)
            continue;
        for (const quint32* p = debut; p != fin; ++p)
            if (garder(ix.marque(*p), longueur, f))
                positions.push_back(*p);
    }
    std::sort(positions.begin(), positions.end(), [&](quint32 a, quint32 b) {
        const qsizetype la = ix.mot(a).size(), lb = ix.mot(b).size();
        return la != lb ? la > lb : a < b;
    });
    return repondre(ix, positions);
}

// One letter among a set (a bit per letter), or any letters when 0.
bool correspond(const std::vector<quint32>& e, QByteArrayView mot)
{
    qsizetype i = 0, j = 0, etoile = -1, reprise = 0;
    const qsizetype ne = qsizetype(e.size());
    while (j < mot.size()) {
        if (i < ne && e[i] != 0 && (e[i] >> (mot[j] - 'A') & 1)) {
            ++i;
            ++j;
        } else if (i < ne && e[i] == 0) {
            etoile = i++;
            reprise = j;
        } else if (etoile >= 0) {
            i = etoile + 1;
            j = ++reprise;
        } else {
            return false;
        }
    }
    while (i < ne && e[i] == 0)
        ++i;
    return i == ne;
}

Reponse motif(const Index& ix, QStringView texte, const Filtres& f)
{
    QString erreur;
    const QString s = plier(texte, true, true, &erreur);
    if (!erreur.isEmpty())
        return refus(erreur);
    std::vector<quint32> elements;
    qsizetype fixes = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'*') {
            if (elements.empty() || elements.back() != 0)
                elements.push_back(0);
            continue;
        }
        ++fixes;
        if (c == u'?') {
            elements.push_back(toutes);
        } else if (c == u']') {
            return refus(QStringLiteral("Un crochet « ] » n'a pas de « [ » avant lui."));
        } else if (c == u'[') {
            quint32 m = 0;
            qsizetype j = i + 1;
            for (; j < s.size() && s[j] >= u'A' && s[j] <= u'Z'; ++j)
                m |= 1u << (s[j].unicode() - u'A');
            if (j >= s.size() || s[j] != u']')
                return refus(j >= s.size() ? QStringLiteral("Un crochet « [ » n'est pas fermé.")
                                           : QStringLiteral("Entre crochets, seulement des lettres : [AEI]."));
            if (m == 0)
                return refus(QStringLiteral("Des crochets vides ne laissent aucune lettre : [AEI]."));
            elements.push_back(m);
            i = j;
        } else {
            elements.push_back(1u << (c.unicode() - u'A'));
        }
    }
    if (fixes > longueurMax)
        return refus(QStringLiteral("%1 lettres au plus.").arg(longueurMax));
    if (elements.empty())
        return {};
    const bool etoile = std::find(elements.begin(), elements.end(), 0u) != elements.end();
    const qsizetype minimum = fixes, maximum = etoile ? longueurMax : fixes;
    // Letters known at the start narrow the scan to the words that begin with them.
    QByteArray debut;
    for (quint32 e : elements) {
        if (e == 0 || std::popcount(e) != 1)
            break;
        debut += char('A' + std::countr_zero(e));
    }
    const auto [premier, dernier] = ix.prefixe(debut);
    // The letters the pattern names one by one: a word without all of them is passed over at once.
    quint32 requises = 0;
    for (quint32 e : elements)
        if (std::popcount(e) == 1)
            requises |= e;
    std::vector<quint32> positions;
    for (qsizetype p = premier; p < dernier; ++p) {
        if ((ix.masque(p) & requises) != requises)
            continue;
        const QByteArrayView m = ix.mot(p);
        if (m.size() < minimum || m.size() > maximum || !garder(ix.marque(p), m.size(), f))
            continue;
        if (correspond(elements, m))
            positions.push_back(quint32(p));
    }
    return repondre(ix, positions);
}

Reponse rallonges(const Index& ix, QStringView texte, const Filtres& f)
{
    QString erreur;
    const QString s = plier(texte, false, false, &erreur);
    if (!erreur.isEmpty())
        return refus(erreur);
    if (s.isEmpty())
        return {};
    if (s.size() >= longueurMax)
        return s.size() == longueurMax ? Reponse{} : refus(QStringLiteral("%1 lettres au plus.").arg(longueurMax));
    const QByteArray mot = s.toLatin1();
    Reponse r;
    for (bool devant : {true, false}) {
        for (char c = 'A'; c <= 'Z'; ++c) {
            const QByteArray rallonge = devant ? c + mot : mot + c;
            const qsizetype p = ix.trouver(rallonge);
            if (p >= 0 && garder(ix.marque(p), rallonge.size(), f))
                r.mots.append({QString::fromLatin1(rallonge), ix.marque(p), QChar(c), devant});
        }
    }
    r.total = r.mots.size();
    return r;
}

}  // namespace

QString plier(QStringView texte, bool jokers, bool motif, QString* erreur)
{
    const QStringView t = texte.trimmed();
    QString s;
    s.reserve(t.size());
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z') {
            s += c;
        } else if (u >= u'a' && u <= u'z') {
            s += QChar(u - 32);
        } else if (u == u'œ' || u == u'Œ') {
            s += QStringLiteral("OE");
        } else if (u == u'æ' || u == u'Æ') {
            s += QStringLiteral("AE");
        } else if ((u == u'?' && jokers) || (motif && (u == u'*' || u == u'[' || u == u']'))) {
            s += c;
        } else {
            // As the lists are read: an accented letter counts as its plain letter.
            const QString decompose = u >= 0xC0 ? QString(c).normalized(QString::NormalizationForm_D) : QString();
            const char16_t base = decompose.isEmpty() ? 0 : decompose[0].toUpper().unicode();
            if (base >= u'A' && base <= u'Z') {
                s += QChar(base);
                continue;
            }
            if (erreur) {
                *erreur = c.isSpace() ? QStringLiteral("Un seul mot à la fois (plusieurs mots : mode Juger).")
                        : motif       ? QStringLiteral("%1 n'est ni une lettre, ni ?, ni *, ni [ ].").arg(caractere(c))
                        : jokers      ? QStringLiteral("%1 n'est ni une lettre ni un joker (?).").arg(caractere(c))
                                      : QStringLiteral("%1 n'est pas une lettre.").arg(caractere(c));
            }
            return {};
        }
    }
    return s;
}

Reponse chercher(const Index& index, Mode mode, QStringView texte, const Filtres& filtres)
{
    switch (mode) {
    case Mode::Juger:
        return juger(index, texte);
    case Mode::Anagrammes:
        return anagrammes(index, texte, filtres);
    case Mode::SousAnagrammes:
        return sousAnagrammes(index, texte, filtres);
    case Mode::Motif:
        return motif(index, texte, filtres);
    case Mode::Rallonges:
        return rallonges(index, texte, filtres);
    }
    return {};
}

bool modeDeNom(QStringView nom, Mode* mode)
{
    static const std::pair<const char*, Mode> noms[] = {
        {"juger", Mode::Juger}, {"anagrammes", Mode::Anagrammes}, {"sous-anagrammes", Mode::SousAnagrammes},
        {"motif", Mode::Motif}, {"rallonges", Mode::Rallonges}};
    for (const auto& [n, m] : noms) {
        if (nom == QLatin1String(n)) {
            *mode = m;
            return true;
        }
    }
    return false;
}

}  // namespace recherche
