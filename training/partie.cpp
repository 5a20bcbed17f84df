// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/partie.h"

#include <QTime>

#include <algorithm>
#include <cmath>
#include <limits>

namespace entrainement {

void AleatoireHorloge::semerDepuisHorloge()
{
    gen.seed(std::uint32_t(QTime::currentTime().msecsSinceStartOfDay()));
}

double AleatoireHorloge::suivant()
{
    return loi(gen);
}

int indiceTire(double r, int taille)
{
    if (taille <= 0)
        return 0;
    const int k = int(std::floor(r * taille));
    return std::clamp(k, 0, taille - 1);
}

bool reponseJuste(const QString& reponse, const QString& solutions, bool rallonge)
{
    if (reponse == solutions)
        return true;
    return rallonge && reponse.size() == solutions.size()
        && data::lettresTriees(reponse) == data::lettresTriees(solutions);
}

int nombreEnTete(const QString& texte)
{
    qint64 n = 0;
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' '))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+'))) {
        negatif = texte[i] == QLatin1Char('-');
        ++i;
    }
    for (; i < texte.size() && texte[i].isDigit() && texte[i].unicode() < 128; ++i)
        n = std::min<qint64>(n * 10 + (texte[i].unicode() - '0'), std::numeric_limits<int>::max());
    return int(negatif ? -n : n);
}

double nombreDecimalEnTete(const QString& texte)
{
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' '))
        ++i;
    const qsizetype debut = i;
    if (i < texte.size() && (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+')))
        ++i;
    bool point = false;
    for (; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('.') && !point)
            point = true;
        else if (!(c.unicode() >= '0' && c.unicode() <= '9'))
            break;
    }
    bool ok = false;
    const double v = texte.mid(debut, i - debut).toDouble(&ok);
    return ok ? v : 0.0;
}

QString texteMinutes(qint64 secondes)
{
    const qint64 m = secondes / 60;
    const qint64 s = secondes - 60 * m;
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString texteHeures(qint64 secondes)
{
    const qint64 h = secondes / 3600;
    const qint64 m = (secondes % 3600) / 60;
    const qint64 s = secondes % 60;
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

QString CalcDuree(qint64 secondes)
{
    const qint64 s = secondes % 60;
    const qint64 m = (secondes - s) / 60;
    return QStringLiteral("%1:%2").arg(m, 2, 10, QLatin1Char('0')).arg(std::abs(s), 2, 10, QLatin1Char('0'));
}

QStringList motsPourNotes(bool rallonge, const QString& titre, const QString& tirage, const QString& solutions)
{
    if (!rallonge)
        return {solutions};
    const QString debut = titre.left(13);
    const auto commence = [&](const char* t) {
        return debut.startsWith(QLatin1String(t), Qt::CaseInsensitive);
    };
    QStringList mots;
    if (commence("Rallonges ava")) {
        if (tirage.startsWith(QLatin1Char('?'))) {
            for (QChar c : solutions)
                mots.append(c + tirage.mid(1));
        } else {
            mots.append(solutions + tirage);
        }
    } else if (commence("Rallonges arr")) {
        if (tirage.endsWith(QLatin1Char('?'))) {
            for (QChar c : solutions)
                mots.append(tirage.chopped(1) + c);
        } else {
            mots.append(tirage + solutions);
        }
    }
    return mots;
}

double pourcentage(qint64 nbinitial, qint64 nbrates)
{
    if (nbinitial <= 0)
        return 0.0;
    const double fraction = double(nbinitial - nbrates) / double(nbinitial);
    // std::round takes halves away from zero; dividing by 10 gives the nearest double to 96.7.
    return std::round(fraction * 1000.0) / 10.0;
}

QString textePourcentage(double pourc, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(pourc, 'g', 15);
}

quint32 couleurScore(const QString& legende, quint32 actuelle)
{
    if (legende.isEmpty())
        return actuelle;
    const double v = nombreDecimalEnTete(legende.chopped(1));
    quint32 c = actuelle;
    if (v > 94)
        c = 0xC000;
    if (v > 79 && v < 95)
        c = 0x80FF;
    if (v < 80)
        c = 0xFF;
    return c;
}

Partie::Partie()
{
    indexserie.fill(-1);
    rapide.fill(-1);
}

void Partie::charger(const QList<data::LigneBase>& lignes, int echantillon, Aleatoire& alea)
{
    tiragesbase.clear();
    solutionsbase.clear();
    nbrates = 0;
    nbmotsrates = 0;
    motsrates.clear();
    ratesConnus.clear();
    const int n = int(lignes.size());
    tiragesbase.reserve(n);
    solutionsbase.reserve(n);
    if (echantillon > 0) {
        const int m = std::min(echantillon, n);
        std::vector<int> pool(n);
        for (int k = 0; k < n; ++k)
            pool[k] = k;
        alea.semerDepuisHorloge();
        int i = n - 1;
        for (int p = 0; p < m; ++p) {
            const int k = indiceTire(alea.suivant(), i + 1);
            tiragesbase.append(lignes[pool[k]].tirage);
            solutionsbase.append(lignes[pool[k]].solutions);
            pool[k] = pool[i];
            --i;
        }
    } else {
        for (const auto& l : lignes) {
            tiragesbase.append(l.tirage);
            solutionsbase.append(l.solutions);
        }
    }
    nbrestants = nbinitial = int(tiragesbase.size());
    reussites = QList<int>(nbrestants + 1, 0);
    indexserie.fill(-1);
    rapide.fill(-1);
}

int Partie::tirerserie(Aleatoire& alea)
{
    indexserie.fill(-1);
    std::vector<int> pool(std::max(nbrestants, 0));
    for (int k = 0; k < nbrestants; ++k)
        pool[k] = k;
    const int n = nbLignesSerie();
    alea.semerDepuisHorloge();
    int i = nbrestants - 1;
    for (int c = 0; c < n; ++c) {
        const int k = indiceTire(alea.suivant(), i + 1);
        indexserie[c] = pool[k];
        pool[k] = pool[i];
        --i;
    }
    rapide.fill(-1);
    return n;
}

int Partie::nbLignesSerie() const
{
    return std::clamp(nbrestants, 0, lignesSerie);
}

const QString* Partie::tirageDeLigne(int ligne) const
{
    if (ligne < 0 || ligne >= lignesSerie)
        return nullptr;
    const int e = indexserie[ligne];
    return e >= 0 && e < tiragesbase.size() ? &tiragesbase[e] : nullptr;
}

const QString* Partie::solutionsDeLigne(int ligne) const
{
    if (ligne < 0 || ligne >= lignesSerie)
        return nullptr;
    const int e = indexserie[ligne];
    return e >= 0 && e < solutionsbase.size() ? &solutionsbase[e] : nullptr;
}

bool Partie::dejarate(const QString& cle) const
{
    return ratesConnus.contains(cle);
}

QString Partie::jugerRapidite(int ligne, const QString& reponse, int seuil, bool rallonge)
{
    const QString* s = solutionsDeLigne(ligne);
    if (!s)
        return {};
    if (seuil > tempsmot && reponseJuste(reponse, *s, rallonge)) {
        if (rapide[ligne] == 0)
            return {};
        rapide[ligne] = 1;
        return QStringLiteral("OK");
    }
    rapide[ligne] = 0;
    return QStringLiteral("NON");
}

QString Partie::explicationAnagramme(const QString& reponse, const QString& tirage, const QString& solutions) const
{
    if (anagrammes.estVide())
        return {};
    Reserve r;
    r.extrairelettres(tirage);
    if (!anagrammes.estAnagramme(reponse, r.lettrestirage.trimmed()))
        return {};
    return QStringLiteral("%1 est un mot valide, mais le nouveau mot attendu était %2.").arg(reponse, solutions);
}

void Partie::eliminer(int entree)
{
    if (entree >= 0 && entree < tiragesbase.size()) {
        tiragesbase[entree].clear();
        solutionsbase[entree].clear();
    }
}

Correction Partie::corrigerserie(const QList<LigneACorriger>& lignes, Critere critere, int seuil, bool rallonge)
{
    Correction r;
    const int last = derniere();
    if (critere == Critere::Temps && last >= 0) {
        const QString& a = lignes.value(last).reponse;
        if (reponseJuste(a, solutionsbase[indexserie[last]], rallonge) && seuil > tempsmot) {
            if (rapide[last] != 0) {
                rapide[last] = 1;
                r.voyant = QStringLiteral("OUI");
            }
        } else {
            rapide[last] = 0;
            r.voyant = QStringLiteral("NON");
        }
    }
    std::array<bool, lignesSerie> justes{};
    for (int j = 0; j <= last; ++j) {
        const int e = indexserie[j];
        const QString a = lignes.value(j).reponse;
        const QString R = lignes.value(j).tirage;
        const QString S = solutionsbase[e];
        LigneCorrigee l;
        l.juste = reponseJuste(a, S, rallonge);
        justes[j] = l.juste;
        l.solution = l.juste ? S : a;  // hook letters typed in another order are shown as stored
        l.tirage = R;
        if (l.juste) {
            ++r.trouves;
            if (critere == Critere::Reussites) {
                reussites[e] += 1;
                if (reussites[e] >= seuil)
                    eliminer(e);
            }
        } else {
            if (!a.isEmpty() && !rallonge) {
                l.bulleSolution = QStringLiteral("Tirage: ") + R;
                l.barree = true;
                l.explication = explicationAnagramme(a, R, S);
                if (!l.explication.isEmpty())
                    l.bulleSolution += QLatin1Char('\n') + l.explication;
            } else if (!a.isEmpty()) {
                l.bulleSolution = QStringLiteral("Vous aviez saisi: ") + a;
                l.solution = R;
            } else {
                l.solution = R;
            }
            const QString cle = R + QLatin1Char(';') + S;
            if (!dejarate(cle)) {
                ++nbrates;
                motsrates.append(cle);
                ratesConnus.insert(cle);
                ++nbmotsrates;
            }
            l.tirage = S;
        }
        r.lignes.append(l);
    }
    if (critere == Critere::Temps) {
        // A verdict given when the row was left does not eliminate a rack whose answer was changed
        // to a wrong one afterwards.
        for (int j = 0; j <= last; ++j)
            if (rapide[j] == 1 && justes[j])
                eliminer(indexserie[j]);
    }
    ++compteurseries;
    r.finie = finserie();
    return r;
}

bool Partie::finserie()
{
    qsizetype garde = 0;
    for (qsizetype i = 0; i < nbrestants; ++i) {
        if (tiragesbase[i].isEmpty())
            continue;
        if (garde != i) {
            tiragesbase[garde] = tiragesbase[i];
            solutionsbase[garde] = solutionsbase[i];
            reussites[garde] = reussites[i];
        }
        ++garde;
    }
    nbrestants = int(garde);
    if (nbrestants > 0)
        return false;
    if (nbinitial != 0)
        pourc = pourcentage(nbinitial, nbrates);
    return true;
}

void Partie::reinitialiserTemps(int tempsparmot)
{
    tempsrestant = tempsparmot * 30;
    tempstotal = 0;
    compteurseries = 0;
}

}  // namespace entrainement
