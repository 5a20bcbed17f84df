// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/lancement.h"
#include "training/partie.h"

#include <QString>

class QWidget;

// Draws that always take the first remaining entry, so series are predictable.
class AleatoireZero : public entrainement::Aleatoire {
public:
    void semerDepuisHorloge() override {}
    double suivant() override { return 0.0; }
};

// The launch value the menu would give for a base file under the options in force (app::reglages()),
// with the title given as it is.
entrainement::Lancement lancementDeTest(const QString& fichier, const QString& titre = {}, bool test = false,
                                        bool rallonge = false);

// Opens one of the four windows the way a user would reach it from the menu ("MenuODS8",
// "Form1", "Dialog2" or "Apropos"); for Form1 a run is started on "listes\base.txt" under the
// given title, with predictable draws.
QWidget* ouvrirFenetre(const QString& fenetre, const QString& titreBase);
