// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/lancement.h"
#include "training/notes.h"
#include "training/partie.h"
#include "progres/suivi.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
namespace recherche {
class Index;
}

// The training window: series of racks, answers, correction and score.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QString fich;
    double pourc = 0.0;
    qint16 lettre = -1;

    void commencer(const entrainement::Lancement& l);
    // Reads the side lists of a data folder ahead of a launch: commencer() then finds them read.
    static void prechargerListes(const QString& dossierListes);
    // Draws off screen, once, what stays hidden until the first correction, so that the player's
    // first F12 finds their fonts and glyphs ready.
    void preparerPremiereCorrection();
    QString CalcDuree(qint16 TpsSec) const;

    // The rules of the run; tests read and prime it.
    entrainement::Partie partie;
    void setAleatoire(std::unique_ptr<entrainement::Aleatoire> a);

    // Controls, named by their role; nommerControles() gives each its designed objectName.
    std::array<QLineEdit*, 30> tirage{};
    std::array<QLineEdit*, 30> solution{};
    std::array<QPushButton*, 9> tuiles{};  // the rack's letters, swapped by two clicks
    // Markers beside each answer, shown at correction.
    std::array<QLabel*, 30> reperesParticipe{};
    std::array<QLabel*, 30> reperesInvariable{};
    std::array<QLabel*, 30> reperesTransitif{};
    QPushButton* boutonSuivant = nullptr;  // the default button: Enter moves to the next answer
    QPushButton* boutonPolice = nullptr;
    QPushButton* boutonCritere = nullptr;
    QPushButton* boutonPause = nullptr;  // reads "Reprendre" while the run is paused
    QPushButton* boutonCompact = nullptr;
    QPushButton* restart = nullptr;
    QPushButton* corriger = nullptr;  // enabled while the series is open
    QPushButton* valider = nullptr;
    QPushButton* quitter = nullptr;
    // Shown at the start of a base whose progress was kept: "Reprendre (N tirages restants)" takes
    // it up, "Recommencer la base" drops it. Neither is asked for: the run has already started.
    QPushButton* boutonReprendre = nullptr;
    QPushButton* boutonRecommencer = nullptr;
    QLineEdit* recherche = nullptr;  // central entry box
    QLineEdit* seuiltxt = nullptr;
    QLineEdit* motsleft = nullptr;
    QLineEdit* temps = nullptr;
    QLineEdit* tempstot = nullptr;
    QPlainTextEdit* InfoSourisText = nullptr;  // word notes after correction
    QCheckBox* caseTemps = nullptr;  // shows or hides the two clocks
    QLabel* etiquetteSerie = nullptr;
    QLabel* etiquetteTotal = nullptr;
    QLabel* etiquetteTemps = nullptr;
    QLabel* etiquetteRestants = nullptr;
    QLabel* etiquetteEliminer = nullptr;  // text before the elimination threshold
    QLabel* etiquetteCritere = nullptr;  // unit after it: "réussites." or "secondes." tells the criterion
    QLabel* titreBase = nullptr;
    QLabel* etiquetteFautes = nullptr;
    QLabel* nbftot = nullptr;
    QLabel* nbseries = nullptr;
    QLabel* score = nullptr;
    QLabel* tps = nullptr;
    QLabel* police = nullptr;
    QLabel* voyant = nullptr;
    // Top, bottom, left and right sides of the frames around the series controls and the clocks.
    std::array<QFrame*, 4> cadreSerie{};
    std::array<QFrame*, 4> cadreTemps{};
    QTimer* minuterieSerie = nullptr;  // countdown of the series
    QTimer* minuterieTotal = nullptr;  // time of the whole run
    QTimer* minuterieMot = nullptr;    // time spent on the current row

    qint16 numeropolice = 1;
    qint16 lignecourante = 0;
    qint16 gauchetuiles = 0;
    qint16 largeurtuile = 0;
    bool modecompact = false;
    double taillePolice = 0;  // points of the rack and answer boxes for this base
    entrainement::Reserve reserve;
    QPushButton* boutonParDefaut() const { return parDefaut; }

    void tirerserie();
    // Shows a rack (or any text the window writes in a rack or answer box) whole: in a smaller font
    // when it does not fit at the base's size, the whole text then also in the box's tooltip.
    void ecrireTirage(QLineEdit* boite, const QString& texte);
    void corrigerserie();
    void placertuiles();
    void extrairelettres(const QString& texte);
    void actualiserlettres(int r);

    // Event handlers. Key codes are the Windows ones.
    void solution_KeyPress(int r, int& code);
    void solution_KeyDown(int r, int& code);
    void solution_KeyUp(int r, int code);
    void solution_GotFocus(int r);
    void solution_LostFocus(int r);
    void recherche_GotFocus();
    void recherche_Click();
    void recherche_Change();
    void recherche_KeyPress(int& code);
    void Form_KeyDown(int& code);
    void choisirTuile(int index);
    void allerLigneSuivante();
    void changerPolice();
    void changerCritere();
    void basculerPause();
    void passerModeCompact();
    void montrerTemps();
    void corriger_Click();
    void restart_Click();
    void valider_Click();
    void quitter_Click();
    void reprendre_Click();
    void recommencer_Click();
    // The player's progress files this window writes to; none by default.
    void utiliserProgression(progres::Depot* depot) { suivi.utiliser(depot); }
    // Leaving the run (button, close box, end of the program) keeps the racks left.
    void memoriserEnPartant();
    void decompterSerie();
    void compterTempsTotal();
    void compterTempsMot();

Q_SIGNALS:
    // The player left the run (button or close box); the menu comes back.
    void retourMenu();
    // The base is empty: pourc is the share of racks never failed.
    // With the title the run ends under: a resumed run keeps the one it was saved with.
    void baseTerminee(double pourc, const QString& titre);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // A frame of four one-pixel lines around the rectangle from (x1, y1) to (x2, y2), in twips.
    void tracerCadre(const std::array<QFrame*, 4>& cadre, int x1, int y1, int x2, int y2);
    void construire();
    void nommerControles();
    void nommerAccessibles();
    void Form_Load();
    void finserie(const entrainement::Correction& c);
    void definirParDefaut(QPushButton* b);
    void colorerLignes(int courante);
    entrainement::ContexteTouche contexte(int r) const;
    // Pasted, dropped or composed text, character by character through the rules of the keys.
    void coller(QLineEdit* boite, const QString& texte);
    void menuContextuel(QLineEdit* boite, QPoint ou);
    // The focus back in the current answer unless it is in an answer or the central box already.
    void revenirALaLigne();
    void afficherTexte(QLabel* l, const QString& t);
    bool serieOuverte() const;
    bool enPause() const;
    // A review run mixes racks of every kind: each row is typed and corrected as its base was.
    bool rallonge(int ligne) const;
    QString titreDeLigne(int ligne) const;
    void construireReprise();
    void proposerReprise(const QList<data::LigneBase>& lignes, QStringList& problemes);
    void montrerReprise();
    entrainement::Critere critere() const;
    void jouerSon();
    void chargerMarqueurs();
    void colorerFenetre(quint32 fond);
    // A status colour (right, wrong, current row, tiles...) kept distinguishable from the background.
    quint32 statut(quint32 couleur) const;
    // Right end, in twips, of the criterion line and of the word's verdict when shown.
    int finLigneCritere() const;
    void disposerSaisieCompacte();
    void placerNotes();
    // The page keys scroll the notes while they are shown; true when the key did.
    bool defilerNotes(int touche);
    // A tooltip that keeps the box's whole text above it when the text had to shrink.
    void bulle(QLineEdit* boite, const QString& texte);
    // The notes box after a correction, with the whole answer of each row when the complete lists
    // are ready (null index: not yet; they are added, with the rows' tooltips, once they are).
    void afficherNotes(const recherche::Index* index);
    void reponsesPretes();

    entrainement::Lancement lancement;
    QPushButton* parDefaut = nullptr;
    int ligneEntree = -1;  // row whose entry processing ran and whose leave processing has not
    // The draw moves the focus itself: the row it takes the focus from was not left by the player
    // and must not be judged on the new rack it now shows.
    bool focusDuTirage = false;
    std::unique_ptr<entrainement::Aleatoire> alea;
    data::ListeLaterale listevbi, listevbt, listeinv;
    CacheNotes infosouris;
    // What the notes box of the last correction is made of, row by row.
    struct NotesDeLigne {
        QString texte;  // its notes and explanation, each line ended
        QString tirage;
        QStringList mots;
        bool rallonge = false;
        QString saisi;
    };
    QList<NotesDeLigne> notesDeLignes;
    bool reponsesEnAttente = false;
    // The whole answers of the series' rows, worked out while the player types, with the lists they
    // come from: a correction then shows them without searching.
    void preparerReponses();
    std::shared_ptr<const recherche::Index> indexPrepare;
    QHash<QString, QString> reponsesPreparees;
    QPointer<QObject> son;  // the sound player, created with the first sound
    progres::SuiviPartie suivi;
    std::optional<progres::Progression> repriseOfferte;
};
