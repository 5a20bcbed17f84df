// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"
#include "app/lexidor.h"
#include "menu/menuods8.h"
#include "training/form1.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace entrainement;

namespace {

void deplacer(QWidget* w, int gauche, int haut)
{
    ctl::placer(w, gauche, haut);
}

}  // namespace

void Form1::Command4_Click()
{
    if (Label6->text().startsWith(QLatin1Char('r'))) {
        afficherTexte(Label5, QStringLiteral("Eliminer un mot trouvé en moins de"));
        deplacer(seuiltxt, ctl::gaucheTwips(seuiltxt) + 1100, ctl::hautTwips(seuiltxt));
        seuiltxt->setText(QStringLiteral("5"));
        deplacer(Label6, ctl::gaucheTwips(Label6) + 1100, ctl::hautTwips(Label6));
        afficherTexte(Label6, QStringLiteral("secondes."));
        voyant->show();
    } else {
        afficherTexte(Label5, QStringLiteral("Eliminer un mot après"));
        afficherTexte(Label6, QStringLiteral("réussites."));
        deplacer(seuiltxt, ctl::gaucheTwips(Label5) + ctl::largeurTwips(Label5) + 120, ctl::hautTwips(seuiltxt));
        seuiltxt->setText(QStringLiteral("1"));
        deplacer(Label6, ctl::gaucheTwips(seuiltxt) + 350, ctl::hautTwips(Label6));
        voyant->hide();
    }
}

void Form1::recherche_GotFocus()
{
    definirParDefaut(valider);
    colorerLignes(lignecourante);
}

void Form1::recherche_Click()
{
    definirParDefaut(valider);
    ctl::colorerFond(solution[lignecourante], 0x80FFFF);
}

void Form1::recherche_Change()
{
    if (rallonge())
        return;
    const qsizetype limite = tirage[lignecourante]->text().size();
    if (recherche->text().size() > limite)
        recherche->setText(recherche->text().left(limite));
}

void Form1::recherche_KeyPress(int& code)
{
    code = toucheRecherche(code);
}

void Form1::valider_Click()
{
    solution[lignecourante]->setText(recherche->text());
    recherche->clear();
    solution[lignecourante]->setFocus(Qt::OtherFocusReason);
    Command2_Click();
    recherche->setFocus(Qt::OtherFocusReason);
}

void Form1::Command6_Click()
{
    modecompact = true;
    static const int tirages[3] = {120, 6580, 12980};
    static const int solutions[3] = {3120, 9580, 15980};
    for (int i = 0; i < 30; ++i) {
        deplacer(tirage[i], tirages[i / 10], ctl::hautTwips(tirage[i]));
        deplacer(solution[i], solutions[i / 10], ctl::hautTwips(solution[i]));
    }
    deplacer(Command3, 15075, ctl::hautTwips(Command3));
    Command6->hide();
    deplacer(police, 17280, ctl::hautTwips(police));
    deplacer(quitter, 17520, ctl::hautTwips(quitter));
    tracer(Line4, 360, 8040, 3360, 8040);
    tracer(Line5, 360, 9720, 3360, 9720);
    tracer(Line1[2], 360, 8040, 360, 9720);
    tracer(Line1[3], 3360, 8040, 3360, 9720);
    ctl::placer(restart, 555, 8160, ctl::largeurTwips(restart), 495);
    deplacer(Label4, 555, 8820);
    deplacer(motsleft, 2520, 8760);
    deplacer(nbseries, 515, 9360);
    deplacer(Label5, 3525, 9180);
    deplacer(seuiltxt, ctl::gaucheTwips(Label5) + ctl::largeurTwips(Label5) + 120, ctl::hautTwips(Label5) - 75);
    deplacer(Label6, ctl::gaucheTwips(seuiltxt) + 350, ctl::hautTwips(Label5));
    deplacer(Command4, 3525, ctl::hautTwips(Label5) + 360);
    deplacer(voyant, 3720, 8400);
    ctl::placer(InfoSourisText, ctl::gaucheTwips(Label5), 8040, 10700, 1460);
    deplacer(Command1[0], 5560, 8100);
    gauchetuiles = qint16(ctl::gaucheTwips(Command1[0]));
    largeurtuile = qint16(ctl::largeurTwips(Command1[0]));
    deplacer(recherche, 7120, 9180);
    deplacer(valider, 10040, 9255);
    tracer(Line2, 14760, 8040, 18600, 8040);
    tracer(Line3, 14760, 9900, 18600, 9900);
    tracer(Line1[0], 14760, 8040, 14760, 9900);
    tracer(Line1[1], 18600, 8040, 18600, 9900);
    deplacer(corriger, 14880, 8160);
    deplacer(Label3, 17040, 8160);
    deplacer(Check1, 18000, 8175);
    deplacer(Label1, 16800, 8520);
    deplacer(temps, 17640, 8520);
    deplacer(Label2, 16800, 9000);
    deplacer(tempstot, 17520, 9000);
    deplacer(Command5, 17040, 9430);
    deplacer(score, 15360, 8880);
    deplacer(tps, 15360, 9360);
    deplacer(Label8, 11680, ctl::hautTwips(Label5) + 310);
    deplacer(nbftot, 13750, ctl::hautTwips(Label5) + 310);
    deplacer(Command2, ctl::gaucheTwips(Command1[0]) + 40, ctl::hautTwips(Command1[0]) + 40);
    for (int i = 0; i < 30; ++i) {
        const int haut = ctl::hautTwips(tirage[i]) + 60;
        const int gauche = ctl::gaucheTwips(solution[i]) + ctl::largeurTwips(solution[i]);
        for (QLabel* img : {Image6[i], Image2[i], Image3[i]})
            deplacer(img, gauche, haut);
    }
    resize(width() - ctl::twips(1700), height() - ctl::twips(1100));
    solution[0]->setFocus(Qt::OtherFocusReason);
}
