// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/depot.h"
#include "training/partie.h"

#include <QDate>
#include <QDateTime>
#include <optional>

// What a run hands to the player's files, kept out of the training window: the saved progress it
// may offer to resume, the review box after each correction, the history at its end.
namespace progres {

struct DebutPartie {
    QString fichier;
    bool test = false;
    bool revisions = false;  // the review box itself: it is its own progress, nothing is saved
    QString titre;
    bool rallonge = false;
};

class SuiviPartie {
public:
    explicit SuiviPartie(Depot* depot = nullptr) : depot(depot) {}
    void utiliser(Depot* d) { depot = d; }
    bool actif() const { return depot && depot->actif(); }

    // At the start of a run, with the lines of its base. Returns the progress that can be
    // resumed; `message` receives a French sentence when a saved progress had to be dropped.
    std::optional<Progression> commencer(const DebutPartie& d, const QList<data::LigneBase>& lignes,
                                         QString& message);
    // The player resumed: the saved racks are back in the run.
    void reprendre(const Progression& p, entrainement::Partie& partie);

    // Around a correction: the racks of the rows before it changes the base, then the verdicts.
    void avantCorrection(const entrainement::Partie& partie);
    void apresCorrection(const entrainement::Partie& partie, const entrainement::Correction& c,
                         entrainement::Critere critere, int seuil,
                         const QDateTime& maintenant = QDateTime::currentDateTime());
    // Leaving (button, close box, end of the program) with racks left: keeps them, if this run
    // has corrected something since it started or was resumed.
    void quitter(const entrainement::Partie& partie, entrainement::Critere critere, int seuil);
    // "Recommencer la base": the saved progress goes.
    void recommencer();
    // A saved progress was offered and the player has neither resumed it, dropped it nor corrected
    // a series of the fresh run: it is not overwritten in the meantime.
    bool offreEnAttente() const { return enAttente; }

private:
    void sauver(const entrainement::Partie& partie, entrainement::Critere critere, int seuil);
    Depot* depot = nullptr;
    DebutPartie debut;
    QByteArray empreinteBase;
    bool progresDepuisDebut = false;
    bool enAttente = false;
    QList<Resultat> serie;
};

}  // namespace progres
