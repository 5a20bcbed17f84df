// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/construction.h"

#include <QDialog>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <functional>
#include <optional>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

// "Mes listes…": the player chooses the lists of two editions and builds every base from them, off
// the window's thread, or goes back to the shipped lists. The data in use changes only when a
// build is complete; donneesChangees() then tells the menu to count again.
class DialogListes : public QDialog {
    Q_OBJECT
public:
    // What does the work; the engine by default, a test may put something slower or failing.
    struct Moteur {
        std::function<builder::ApercuListe(const QString&)> examiner;
        std::function<builder::RapportListes(const builder::DemandeListes&, const std::function<void(int)>&,
                                             const std::atomic<bool>*)>
            construire;
    };

    explicit DialogListes(QWidget* parent = nullptr);
    ~DialogListes() override;

    void remplacerMoteur(Moteur m) { moteur = std::move(m); }

    // What the file dialogs do once a file is chosen.
    void choisirAncienne(const QString& chemin);
    void choisirNouvelle(const QString& chemin);
    void construire();
    void annuler();
    void revenirAuxListesFournies();

    bool enCours() const { return travail != nullptr; }
    QString rapport() const;
    // Another window of the program may have switched the lists since: the window says which are in use.
    void verifierListesEnUsage();

    // Escape as well as "Fermer" and the close box: a build in progress is given up.
    void done(int r) override;

Q_SIGNALS:
    void donneesChangees();
    // Emitted when a build ends, whatever the outcome.
    void constructionTerminee();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct Choix {
        QLineEdit* chemin = nullptr;
        QLabel* apercu = nullptr;
        QSpinBox* edition = nullptr;
        int generation = 0;
        bool utilisable = false;
    };
    void choisir(Choix& c, const QString& chemin);
    void parcourir(Choix& c, const QString& titre);
    void afficherApercu(Choix& c, const builder::ApercuListe& a);
    void terminer();
    void mettreAJour();
    void ecrireRapport(const QString& texte);
    QThread* lancer(std::function<void()> tache, void (DialogListes::*fin)() = nullptr);

    Moteur moteur;
    Choix ancienne, nouvelle;
    QPushButton* boutonConstruire = nullptr;
    QPushButton* boutonAnnuler = nullptr;
    QPushButton* boutonFournies = nullptr;
    QProgressBar* progression = nullptr;
    QPlainTextEdit* texteRapport = nullptr;
    QLabel* enUsage = nullptr;
    QFileSystemWatcher* surveillance = nullptr;
    QString dossierConnu;     // the player folder in use when this window last looked
    bool misEnUsageIci = false;  // the lists in use are the ones this window built

    QPointer<QThread> travail;
    QList<QPointer<QThread>> examens;
    std::atomic<bool> annulation{false};
    QString sortie;
    std::optional<builder::RapportListes> resultat;
};
