// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/lancement.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace menu {
struct EntreeCatalogue;
}

// The main menu: the catalogue of training bases and the hub every run returns to.
class MenuODS8 : public QWidget {
    Q_OBJECT
public:
    explicit MenuODS8(QWidget* parent = nullptr);

    // Run context read by the training window.
    QString toue;
    QString typ;
    QString nombase;
    QString couleurdufond;

    QLabel* Label2 = nullptr;  // help line, also the score of the last finished base
    QLabel* Label9 = nullptr;  // score of the last random test
    QPushButton* Command8 = nullptr;

    // Counts the bases, reads the settings and applies them. Run once, by app::menu(), before the
    // window is first shown.
    void Form_Load();

    // The launch buttons.
    void Command1_Click(qint16 index);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(qint16 index);
    void Command8_Click();
    void SolUniques_Click(qint16 index);

    void Command12_Click();  // Options
    void Command2_Click();   // A propos de Lexidor
    void Command9_Click();   // Mots qui disparaissent
    void quitter_Click();

    // Hides the menu and starts a run on the base file in the training window. A base that cannot
    // be read is refused with a message and the menu stays.
    void lancerbase(const QString& fichier);
    // The launch value of a base file under the current run context and options.
    entrainement::Lancement preparerLancement(const QString& fichier) const;
    // Writes the score of a finished base into the help line, and beside the test button after a test.
    void afficherScore(double pourc);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void lancer(const QString& bouton, int index = -1);
    void lancer(const menu::EntreeCatalogue& e);
    QLabel* etiquette(const QString& texte, const QString& nom, int index, int gauche, int haut);
    // Names for screen readers: the counts and the ambiguous short captions get their base.
    void nommerPourLecteur();

    QHash<const QObject*, const menu::EntreeCatalogue*> entrees;
    bool charge = false;
};
