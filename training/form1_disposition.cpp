// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "training/form1_couleurs.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace entrainement;
using namespace entrainement::couleurs;

namespace {

void deplacer(QWidget* w, int gauche, int haut)
{
    ctl::placer(w, gauche, haut);
}

void changerFamille(QWidget* w, const QString& famille, bool sansItalique)
{
    QFont f = w->font();
    f.setFamily(famille);
    if (sansItalique)
        f.setItalic(false);
    w->setFont(f);
}

}  // namespace

void Form1::changerCritere()
{
    if (etiquetteCritere->text().startsWith(QLatin1Char('r'))) {
        afficherTexte(etiquetteEliminer, QStringLiteral("Eliminer un mot trouvé en moins de"));
        deplacer(seuiltxt, ctl::gaucheTwips(seuiltxt) + 1100, ctl::hautTwips(seuiltxt));
        seuiltxt->setText(QStringLiteral("5"));
        deplacer(etiquetteCritere, ctl::gaucheTwips(etiquetteCritere) + 1100, ctl::hautTwips(etiquetteCritere));
        afficherTexte(etiquetteCritere, QStringLiteral("secondes."));
        voyant->show();
    } else {
        afficherTexte(etiquetteEliminer, QStringLiteral("Eliminer un mot après"));
        afficherTexte(etiquetteCritere, QStringLiteral("réussites."));
        deplacer(seuiltxt, ctl::gaucheTwips(etiquetteEliminer) + ctl::largeurTwips(etiquetteEliminer) + 120, ctl::hautTwips(seuiltxt));
        seuiltxt->setText(QStringLiteral("1"));
        deplacer(etiquetteCritere, ctl::gaucheTwips(seuiltxt) + 350, ctl::hautTwips(etiquetteCritere));
        voyant->hide();
    }
}

void Form1::passerModeCompact()
{
    modecompact = true;
    static const int tirages[3] = {120, 6580, 12980};
    static const int solutions[3] = {3120, 9580, 15980};
    for (int i = 0; i < 30; ++i) {
        deplacer(tirage[i], tirages[i / 10], ctl::hautTwips(tirage[i]));
        deplacer(solution[i], solutions[i / 10], ctl::hautTwips(solution[i]));
    }
    deplacer(boutonPolice, 15075, ctl::hautTwips(boutonPolice));
    boutonCompact->hide();
    deplacer(police, 17280, ctl::hautTwips(police));
    deplacer(quitter, 17520, ctl::hautTwips(quitter));
    tracerCadre(cadreSerie, 360, 8040, 3360, 9720);
    ctl::placer(restart, 555, 8160, ctl::largeurTwips(restart), 495);
    deplacer(etiquetteRestants, 555, 8820);
    deplacer(motsleft, 2520, 8760);
    deplacer(nbseries, 515, 9360);
    deplacer(etiquetteEliminer, 3525, 9180);
    deplacer(seuiltxt, ctl::gaucheTwips(etiquetteEliminer) + ctl::largeurTwips(etiquetteEliminer) + 120, ctl::hautTwips(etiquetteEliminer) - 75);
    deplacer(etiquetteCritere, ctl::gaucheTwips(seuiltxt) + 350, ctl::hautTwips(etiquetteEliminer));
    deplacer(boutonCritere, 3525, ctl::hautTwips(etiquetteEliminer) + 360);
    deplacer(voyant, 3720, 8400);
    ctl::placer(InfoSourisText, ctl::gaucheTwips(etiquetteEliminer), 8040, 10700, 1460);
    deplacer(tuiles[0], 5560, 8100);
    gauchetuiles = qint16(ctl::gaucheTwips(tuiles[0]));
    largeurtuile = qint16(ctl::largeurTwips(tuiles[0]));
    deplacer(recherche, 7120, 9180);
    deplacer(valider, 10040, 9255);
    tracerCadre(cadreTemps, 14760, 8040, 18600, 9900);
    deplacer(corriger, 14880, 8160);
    deplacer(etiquetteTemps, 17040, 8160);
    deplacer(caseTemps, 18000, 8175);
    deplacer(etiquetteSerie, 16800, 8520);
    deplacer(temps, 17640, 8520);
    deplacer(etiquetteTotal, 16800, 9000);
    deplacer(tempstot, 17520, 9000);
    deplacer(boutonPause, 17040, 9430);
    deplacer(score, 15360, 8880);
    deplacer(tps, 15360, 9360);
    deplacer(etiquetteFautes, 11680, ctl::hautTwips(etiquetteEliminer) + 310);
    deplacer(nbftot, 13750, ctl::hautTwips(etiquetteEliminer) + 310);
    deplacer(boutonSuivant, ctl::gaucheTwips(tuiles[0]) + 40, ctl::hautTwips(tuiles[0]) + 40);
    for (int i = 0; i < 30; ++i) {
        const int haut = ctl::hautTwips(tirage[i]) + 60;
        const int gauche = ctl::gaucheTwips(solution[i]) + ctl::largeurTwips(solution[i]);
        for (QLabel* img : {reperesTransitif[i], reperesParticipe[i], reperesInvariable[i]})
            deplacer(img, gauche, haut);
    }
    resize(width() - ctl::twips(1700), height() - ctl::twips(1100));
    solution[0]->setFocus(Qt::OtherFocusReason);
}

void Form1::changerPolice()
{
    static const struct {
        const char* nom;
        bool sansItalique;
    } polices[] = {{"Arial", false}, {"Verdana", false}, {"Times New Roman", false}, {"Lucida Sans", true}, {"Georgia", true}};
    const auto& p = polices[std::clamp<int>(numeropolice, 1, 5) - 1];
    for (int i = 0; i < 30; ++i) {
        changerFamille(tirage[i], QString::fromLatin1(p.nom), p.sansItalique);
        changerFamille(solution[i], QString::fromLatin1(p.nom), p.sansItalique);
    }
    numeropolice = numeropolice >= 5 ? 1 : qint16(numeropolice + 1);
    afficherTexte(police, QString::number(numeropolice));
}
