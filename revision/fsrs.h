// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The memory model behind the day's queue (FSRS-6 with its published default weights): how well a
// rack is remembered after a series of finds and misses, and when it should come back.
namespace revision {

using Poids = std::array<double, 21>;
inline constexpr Poids poidsParDefaut = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                         0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                         1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// Grades of the model; the program gives only the two it can tell apart.
enum class Note { Encore = 1, Difficile = 2, Bien = 3, Facile = 4 };
inline Note noteDe(bool trouve) { return trouve ? Note::Bien : Note::Encore; }

// A rack's memory: stability in days (the delay after which it is recalled nine times in ten) and
// difficulty, from 1 to 10. Never reviewed while stabilite is 0.
struct Etat {
    double stabilite = 0;
    double difficulte = 0;
    bool connu() const { return stabilite > 0; }
};

class Modele {
public:
    explicit Modele(const Poids& w = poidsParDefaut);

    // Chance of recall `jours` days after the last review.
    double retrievabilite(double jours, double stabilite) const;
    // Days until recall falls to `retention`, rounded, at least 1 and at most 100 years.
    int intervalle(double retention, double stabilite) const;

    // The state after one review, `jours` whole days after the previous one. The first review of
    // a rack, and a second one on the same day, follow rules of their own.
    Etat revoir(const Etat& avant, Note note, int jours) const;

    double difficulteInitiale(Note note) const;

private:
    Poids w;
    double facteur;  // F, so that recall after S days is 90 %
};

}  // namespace revision
