// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace options {
class Reglages;
}

// The options dialog, a view of the settings. The object lives as long as the program;
// "unloading" it (OK, Annuler, its close box) hides it and forgets the edits that were not
// confirmed, while the settings stay.
class Dialog2 : public QDialog {
    Q_OBJECT
public:
    explicit Dialog2(options::Reglages& reglages, QWidget* parent = nullptr);

    QLabel* entetes[5] = {};  // section headings, indexes 1 to 4
    QLabel* libelles[6] = {};  // indexes 2 to 5
    QLabel* unites[4] = {};  // indexes 2 and 3
    QLabel* ligneMessage = nullptr;
    QLabel* tempsPour30Mots = nullptr;
    QLabel* motsDuTest = nullptr;
    QLineEdit* champSecondes = nullptr;
    QLineEdit* champEchantillon = nullptr;
    QCheckBox* caseSon = nullptr;
    QCheckBox* caseMemoriser = nullptr;  // "Mémoriser ma progression"
    QComboBox* listeCouleurs = nullptr;
    // The day's queue: racks at most each day, and how surely they should still be known.
    QSpinBox* champParJour = nullptr;
    QSpinBox* champRetention = nullptr;
    QLabel* libelleParJour = nullptr;
    QLabel* libelleRetention = nullptr;
    QLabel* uniteRetention = nullptr;
    QPushButton* boutonOk = nullptr;
    QPushButton* boutonAnnuler = nullptr;

    // Shows the dialog with the stored values and the stored colour applied again.
    void ouvrir();
    // Fills the boxes from the settings; does nothing when the dialog is already loaded.
    void charger();
    bool estCharge() const { return charge; }

    // Applies the colour named in the colour box, before OK.
    void appliquerCouleur();
    QString CalcDuree(qint16 TpsSec) const;

    void secondesModifiees();
    void echantillonModifie();
    void valider();
    void annuler();

protected:
    void changeEvent(QEvent* e) override;
    void reject() override;

private:
    void majechantillons();
    void colorerfond();
    void decharger();

    options::Reglages& reglages;
    bool charge = false;
};
