// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/lancement.h"

#include <QList>
#include <QString>

namespace options {
class Reglages;
}

// The fixed catalogue of the main menu: which button launches which base, under which title, and
// what the menu shows beside and about each button. No widgets here.
namespace menu {

// What the help line says while the pointer moves over a button.
enum class Aide {
    Aucune,      // the help line is left as it is
    Effacer,     // the help line is cleared
    Rallonge,
    Multiples,
    Test,
    Subdivisee,
    Complete,
};

struct EntreeCatalogue {
    QString bouton;  // control name
    int index;       // index in its control array, -1 for a single button
    QString legende;
    QString fichier;  // "listes\..." as the training window receives it
    QString titre;    // empty for the random test, whose title depends on its size
    QString toue;
    QString typ;
    Aide aide;
    // Designed place in twips, and how far start-up moves the button right.
    int gauche, haut, largeur, hauteur, decalage;
    bool petitePolice;  // 8.25 pt instead of 9.75 pt
};

// The 28 launch buttons.
const QList<EntreeCatalogue>& catalogue();
// The entry of a button, or nullptr.
const EntreeCatalogue* entree(const QString& bouton, int index = -1);

// What a run on this entry needs, under the options in force.
entrainement::Lancement lancement(const EntreeCatalogue& e, const options::Reglages& r);

QString titreTest(qint16 nbechuni);
// Caption of the test button for a sample size in series of 30.
QString legendeTest(qint16 nbechantillon);
QString texteAide(Aide aide, qint16 nbechuni);
QString texteMotsDisparus();

// How a count is padded once written beside its button.
enum class Remplissage {
    Aucun,
    TroisEtDeux,  // three characters get one space, two characters two spaces
    DeuxSeulement,
};

struct LabelCompte {
    QString label;
    int index;
    QString fichier;  // file name inside "listes"
    Remplissage remplissage;
    int gauche, haut;  // designed place in twips, before start-up moves it
};

// The count labels in the order start-up fills them; Label7(3) is absent, it shows a pair of counts.
const QList<LabelCompte>& labelsComptes();
inline const QString fichierRallongesAvantOds8 = QStringLiteral("Rallonges_avant_sur_ODS8.txt");
inline const QString fichierRallongesArriereOds8 = QStringLiteral("Rallonges_arriere_sur_ODS8.txt");

QString remplir(const QString& texte, Remplissage remplissage);

}  // namespace menu
