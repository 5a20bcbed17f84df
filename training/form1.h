// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "training/lancement.h"
#include "training/notes.h"
#include "training/partie.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSoundEffect;
class QTimer;

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
    QString CalcDuree(qint16 TpsSec) const;

    // The rules of the run; tests read and prime it.
    entrainement::Partie partie;
    void setAleatoire(std::unique_ptr<entrainement::Aleatoire> a);

    // Controls, under their designed names.
    std::array<QLineEdit*, 30> tirage{};
    std::array<QLineEdit*, 30> solution{};
    std::array<QPushButton*, 9> Command1{};
    std::array<QLabel*, 30> Image2{};
    std::array<QLabel*, 30> Image3{};
    std::array<QLabel*, 30> Image6{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* restart = nullptr;
    QPushButton* corriger = nullptr;
    QPushButton* valider = nullptr;
    QPushButton* quitter = nullptr;
    QLineEdit* recherche = nullptr;
    QLineEdit* seuiltxt = nullptr;
    QLineEdit* motsleft = nullptr;
    QLineEdit* temps = nullptr;
    QLineEdit* tempstot = nullptr;
    QPlainTextEdit* InfoSourisText = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* nbftot = nullptr;
    QLabel* nbseries = nullptr;
    QLabel* score = nullptr;
    QLabel* tps = nullptr;
    QLabel* police = nullptr;
    QLabel* voyant = nullptr;
    QFrame* Line1[4] = {};
    QFrame* Line2 = nullptr;
    QFrame* Line3 = nullptr;
    QFrame* Line4 = nullptr;
    QFrame* Line5 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    qint16 numeropolice = 1;
    qint16 lignecourante = 0;
    qint16 gauchetuiles = 0;
    qint16 largeurtuile = 0;
    bool modecompact = false;
    entrainement::Reserve reserve;
    QPushButton* boutonParDefaut() const { return parDefaut; }

    void tirerserie();
    void corrigerserie();
    void placertuiles();
    void extrairelettres(const QString& texte);
    void actualiserlettres(int r);

    // Handlers, named after the control and the event. Key codes are the Windows ones.
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
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Check1_Click();
    void corriger_Click();
    void restart_Click();
    void valider_Click();
    void quitter_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

Q_SIGNALS:
    // The player left the run (button or close box); the menu comes back.
    void retourMenu();
    // The base is empty: pourc is the share of racks never failed.
    void baseTerminee(double pourc);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // A designed line from (x1, y1) to (x2, y2), in twips, one pixel thick.
    static void tracer(QFrame* l, int x1, int y1, int x2, int y2);
    void construire();
    void Form_Load();
    void finserie(const entrainement::Correction& c);
    void definirParDefaut(QPushButton* b);
    void colorerLignes(int courante);
    void afficherTexte(QLabel* l, const QString& t);
    bool serieOuverte() const;
    bool enPause() const;
    bool rallonge() const;
    entrainement::Critere critere() const;
    void jouerSon();
    void chargerMarqueurs();
    void colorerFenetre(quint32 fond);

    entrainement::Lancement lancement;
    QPushButton* parDefaut = nullptr;
    int ligneEntree = -1;  // row whose entry processing ran and whose leave processing has not
    std::unique_ptr<entrainement::Aleatoire> alea;
    data::ListeLaterale listevbi, listevbt, listeinv;
    CacheNotes infosouris;
    QPointer<QSoundEffect> son;
};
