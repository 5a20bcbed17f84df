// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/emplacement.h"
#include "training/lancement.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace menu {
struct EntreeCatalogue;
class ListeDisparus;
}
namespace options {
class Reglages;
}
namespace progres {
struct DerniersScores;
}

// The main menu: the catalogue of training bases and the hub every run returns to. It follows the
// options in force (colour, test size) and asks, by its signals, for the windows it opens.
class MenuODS8 : public QWidget {
    Q_OBJECT
public:
    explicit MenuODS8(options::Reglages& reglages, QWidget* parent = nullptr);

    QLabel* ligneAide = nullptr;  // help line, also the score of the last finished base
    QLabel* scoreTest = nullptr;  // score of the last random test
    QPushButton* boutonTest = nullptr;
    QPushButton* boutonMesListes = nullptr;
    QLabel* ligneDonnees = nullptr;  // whose lists are in use; hidden when the data does not say
    // The player's own progress, shown while it is kept: the review box with its count, and the
    // history of scores.
    QPushButton* boutonRevisions = nullptr;
    QLabel* compteRevisions = nullptr;
    QLabel* ligneRevisions = nullptr;  // "N de plus demain", or when the next racks fall due
    QPushButton* boutonStatistiques = nullptr;
    QPushButton* boutonRecherche = nullptr;
    // Hidden until a save fails: the player was told once, then the menu keeps it in view.
    QLabel* marqueProgression = nullptr;

    // Counts the bases, reads the settings and applies them. Run once, before the window is first shown.
    void charger();

    // A launch button: the run of its base under the options in force.
    void lancer(const menu::EntreeCatalogue& e);
    // Hides the menu and asks for the run. A base that cannot be read is refused with a message and
    // the menu stays.
    void lancer(const entrainement::Lancement& l);
    // The run the score line will speak of; lancer() calls it, and so must whoever starts a run in
    // the training window without the menu.
    void retenirLancement(const entrainement::Lancement& l) { dernier = l; }
    const entrainement::Lancement& dernierLancement() const { return dernier; }
    // Writes the score of a finished base into the help line, and beside the test button after a test.
    // Without a title, the score is that of the base last launched.
    void afficherScore(double pourc, const QString& titre = QString());
    // At start-up, the scores of the last runs of an earlier start, as they read right after them.
    void retrouverScores(const progres::DerniersScores& d);

    void ouvrirOptions() { Q_EMIT optionsDemandees(); }
    void ouvrirApropos() { Q_EMIT aproposDemande(); }
    void montrerMotsDisparus();
    void ouvrirMesListes() { Q_EMIT mesListesDemandees(); }
    // Counts the bases again and follows the editions of the data in use: after the player built
    // their lists or went back to the shipped ones.
    void suivreDonnees();
    // The same when another instance of the program changed the data in use since.
    void relireDonnees();
    // What the data in use says about itself; the menu's title names its editions.
    const data::Description& descriptionDonnees() const { return description; }
    // The side lists' folder of the data in use, as a launch names it.
    QString dossierListesEnUsage() const { return donnees.chemin(entrainement::Lancement().dossierListes); }
    // Number of racks in the day's queue; it cannot be launched while empty.
    void afficherRevisions(qsizetype n);
    void marquerNonEnregistre(const QString& marque);
    void annoncerRevisions(const QString& ligne);
    void quitter();

Q_SIGNALS:
    void lancementDemande(const entrainement::Lancement& l);
    void optionsDemandees();
    void aproposDemande();
    void mesListesDemandees();
    void revisionsDemandees();
    void statistiquesDemandees();
    void rechercheDemandee();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QLabel* etiquette(const QString& texte, const QString& nom, int index, int gauche, int haut);
    // Names for screen readers: the counts and the ambiguous short captions get their base.
    void nommerPourLecteur();
    void suivreReglages();
    void placerMesListes();
    // Counts, captions, titles and the data line from the data in use; the counts' message.
    QString afficherDonnees();
    void ecrireScore(const QString& titre, double pourc, bool test);
    void colorerScore();
    void construireProgression();

    options::Reglages& reglages;
    QHash<const QObject*, const menu::EntreeCatalogue*> entrees;
    entrainement::Lancement dernier;
    data::Emplacement donnees;
    data::Description description;
    std::optional<quint32> couleurScore;  // as designed for the last score, before any shading
    bool charge = false;
    QPointer<menu::ListeDisparus> listeDisparus;
};
