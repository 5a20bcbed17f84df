// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/carnet.h"

#include <algorithm>

namespace revision {

namespace {

QString cle(const QString& tirage, const QString& solutions)
{
    return tirage + QLatin1Char(';') + solutions;
}

}  // namespace

Carnet::Carnet(double retention, const Modele& modele) : r(retention), m(modele) {}

qsizetype Carnet::chercher(const QString& tirage, const QString& solutions) const
{
    return index.value(cle(tirage, solutions), -1);
}

qsizetype Carnet::ajouter(const QString& tirage, const QString& solutions, bool rallonge, const QString& titre)
{
    const QString k = cle(tirage, solutions);
    const auto it = index.constFind(k);
    if (it != index.cend()) {
        Tirage& t = liste[*it];
        t.rallonge = rallonge;
        if (t.titre != titre)
            t.titre = titre;
        return *it;
    }
    index.insert(k, liste.size());
    Tirage t;
    t.tirage = tirage;
    t.solutions = solutions;
    t.rallonge = rallonge;
    t.titre = titre;
    liste.append(std::move(t));
    return liste.size() - 1;
}

void Carnet::noter(const QString& tirage, const QString& solutions, bool rallonge, const QString& titre, Jour jour,
                   bool trouve)
{
    noter(ajouter(tirage, solutions, rallonge, titre), jour, trouve);
}

void Carnet::noter(qsizetype position, Jour jour, bool trouve)
{
    Tirage& t = liste[position];
    const bool premier = t.reponses == 0;
    if (!premier)
        jour = std::max(jour, t.dernierJour);
    const int ecart = premier ? 0 : int(std::min<Jour>(jour - t.dernierJour, 1 << 30));
    // The day's first answer to a rack that was due tells how well the schedule keeps it in mind.
    if (!premier && ecart >= 1 && (t.manque || jour >= echeance(t))) {
        Bilan& b = parJourDeRevue[jour];
        ++b.dues;
        if (trouve)
            ++b.trouvees;
    }
    t.etat = m.revoir(t.etat, noteDe(trouve), ecart);
    t.dernierJour = jour;
    t.manque = !trouve;
    ++t.reponses;
}

Bilan Carnet::bilan(Jour depuis) const
{
    Bilan total;
    for (auto it = parJourDeRevue.lowerBound(depuis); it != parJourDeRevue.cend(); ++it) {
        total.dues += it->dues;
        total.trouvees += it->trouvees;
    }
    return total;
}

void Carnet::reprendre(Tirage t)
{
    const QString k = cle(t.tirage, t.solutions);
    if (index.contains(k))
        return;
    index.insert(k, liste.size());
    liste.append(std::move(t));
}

Jour Carnet::echeance(const Tirage& t) const
{
    if (t.manque)
        return t.dernierJour;
    return t.dernierJour + m.intervalle(r, t.etat.stabilite);
}

double Carnet::retrievabilite(const Tirage& t, Jour aujourdhui) const
{
    return m.retrievabilite(double(std::max<Jour>(aujourdhui - t.dernierJour, 0)), t.etat.stabilite);
}

FileDuJour Carnet::fileDuJour(Jour aujourdhui, qsizetype parJour) const
{
    struct Candidat {
        bool pressant;
        double r;
        qsizetype position;
    };
    std::vector<Candidat> c;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const Tirage& t = liste[i];
        const Jour e = echeance(t);
        if (e <= aujourdhui)
            c.push_back({t.manque || e < aujourdhui, retrievabilite(t, aujourdhui), i});
    }
    // Stable: between equals, the rack met first comes first, whatever the day.
    std::stable_sort(c.begin(), c.end(), [](const Candidat& a, const Candidat& b) {
        if (a.pressant != b.pressant)
            return a.pressant;
        return a.r < b.r;
    });
    FileDuJour f;
    const qsizetype n = std::min<qsizetype>(qsizetype(c.size()), std::max<qsizetype>(parJour, 0));
    f.tirages.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        f.tirages.append(c[size_t(i)].position);
    f.enPlus = qsizetype(c.size()) - n;
    return f;
}

qsizetype Carnet::dus(Jour aujourdhui) const
{
    return std::count_if(liste.cbegin(), liste.cend(), [&](const Tirage& t) { return echeance(t) <= aujourdhui; });
}

Jour Carnet::prochaineEcheance(Jour aujourdhui) const
{
    Jour p = 0;
    for (const Tirage& t : liste) {
        const Jour e = echeance(t);
        if (e > aujourdhui && (p == 0 || e < p))
            p = e;
    }
    return p;
}

}  // namespace revision
