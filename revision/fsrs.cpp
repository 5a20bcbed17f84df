// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/fsrs.h"

#include <algorithm>
#include <cmath>

namespace revision {

namespace {

// A stability of zero would divide by zero in the recall; the model's own lower bound.
constexpr double stabiliteMin = 0.001;
constexpr int intervalleMax = 36500;

double borner(double d) { return std::clamp(d, 1.0, 10.0); }

}  // namespace

Modele::Modele(const Poids& poids) : w(poids), facteur(std::pow(0.9, -1.0 / poids[20]) - 1.0) {}

double Modele::retrievabilite(double jours, double stabilite) const
{
    if (stabilite <= 0)
        return 0;
    return std::pow(1.0 + facteur * std::max(jours, 0.0) / stabilite, -w[20]);
}

int Modele::intervalle(double retention, double stabilite) const
{
    const double i = stabilite / facteur * (std::pow(retention, -1.0 / w[20]) - 1.0);
    if (!std::isfinite(i))
        return intervalleMax;
    return int(std::clamp(std::round(i), 1.0, double(intervalleMax)));
}

double Modele::difficulteInitiale(Note note) const
{
    const int g = int(note);
    return borner(w[4] - std::exp(w[5] * (g - 1)) + 1);
}

Etat Modele::revoir(const Etat& avant, Note note, int jours) const
{
    const int g = int(note);
    if (!avant.connu())
        return {std::max(w[g - 1], stabiliteMin), difficulteInitiale(note)};

    const double s = avant.stabilite;
    const double d = avant.difficulte;
    // Linear damping: the nearer to 10, the less a miss adds; then a pull back towards the
    // difficulty of a first "easy".
    const double dLineaire = d - w[6] * (g - 3) * (10 - d) / 9;
    Etat apres;
    apres.difficulte = borner(w[7] * difficulteInitiale(Note::Facile) + (1 - w[7]) * dLineaire);

    if (jours < 1) {
        apres.stabilite = s * std::exp(w[17] * (g - 3 + w[18])) * std::pow(s, -w[19]);
    } else {
        const double r = retrievabilite(jours, s);
        if (note == Note::Encore) {
            const double oubli = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
            apres.stabilite = std::min(oubli, s / std::exp(w[17] * w[18]));
        } else {
            const double h = note == Note::Difficile ? w[15] : 1.0;
            const double b = note == Note::Facile ? w[16] : 1.0;
            apres.stabilite = s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1 - r)) - 1) * h * b);
        }
    }
    apres.stabilite = std::max(apres.stabilite, stabiliteMin);
    return apres;
}

}  // namespace revision
