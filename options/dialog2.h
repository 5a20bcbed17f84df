// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The options dialog; it owns the option values the rest of the program reads. The object lives as
// long as the program; "unloading" it (OK, Annuler, its close box) hides it and forgets the edits
// that were not confirmed, while the option values stay.
class Dialog2 : public QDialog {
    Q_OBJECT
public:
    explicit Dialog2(QWidget* parent = nullptr);

    qint16 tempsparmot = 0;
    qint16 nbechantillon = 0;
    qint16 nbechuni = 0;
    qint16 son = 0;
    qint16 seuilch = 0;
    qint16 seuilcb = 0;

    QLabel* Label1[5] = {};  // section headings, indexes 1 to 4
    QLabel* Label2[6] = {};  // indexes 2 to 5
    QLabel* Label3[4] = {};  // indexes 2 and 3
    QLabel* Label4 = nullptr;  // message line
    QLabel* tps30mots = nullptr;
    QLabel* nbechan0 = nullptr;  // nbechan(0)
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* Command1 = nullptr;

    // Fills the boxes from the option values; does nothing when the dialog is already loaded.
    void Form_Load();
    bool estCharge() const { return charge; }
    // The check box follows the stored sound switch while the dialog is not loaded, since the
    // training window reads the switch from it.
    void synchroniserSon();

    void Combo1_Click();
    void affecterechantillons(qint16 nbser);
    QString CalcDuree(qint16 TpsSec) const;

    void Text2_Change();
    void Text3_Change();
    void OKButton_Click();
    void Command1_Click();

protected:
    void changeEvent(QEvent* e) override;
    void reject() override;

private:
    void majechantillons();
    void colorerfond();
    void decharger();
    void afficherMessage(const QString& texte);

    bool charge = false;
    quint32 fond;
};
