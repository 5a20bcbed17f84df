// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "app/echelle.h"
#include "training/form1_couleurs.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <cmath>

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
    // The row being worked on is timed from the switch, as if it had just been entered; back to
    // the success criterion, nothing is timed any more.
    if (critere() == Critere::Temps && serieOuverte() && ligneEntree >= 0) {
        partie.tempsmot = 0;
        minuterieMot->start();
    } else {
        minuterieMot->stop();
    }
    disposerSaisieCompacte();
    if (InfoSourisText->isVisible())
        placerNotes();
}

int Form1::finLigneCritere() const
{
    int fin = 0;
    for (const QWidget* w : {static_cast<QWidget*>(etiquetteEliminer), static_cast<QWidget*>(seuiltxt),
                             static_cast<QWidget*>(etiquetteCritere), static_cast<QWidget*>(voyant)})
        if (w->isVisibleTo(this) && !(w == voyant && voyant->text().isEmpty()))
            fin = std::max(fin, ctl::gaucheTwips(w) + ctl::largeurTwips(w));
    return fin;
}

void Form1::disposerSaisieCompacte()
{
    if (!modecompact)
        return;
    // The longer line of the time criterion pushes the central box to the right, and the faults
    // follow it up to the clocks' frame; under the success criterion everything is as designed.
    const int decalage = std::max(0, finLigneCritere() + 60 - 7120);
    deplacer(recherche, 7120 + decalage, 9180);
    deplacer(valider, 10040 + decalage, 9255);
    const auto droiteDe = [](const QWidget* w) { return ctl::gaucheTwips(w) + ctl::largeurTwips(w); };
    const int minimum = (valider->isVisibleTo(this) ? droiteDe(valider) : droiteDe(boutonCritere)) + 60;
    const int ecart = std::max(2070, ctl::largeurTwips(etiquetteFautes) + 60);
    const int limite = ctl::gaucheTwips(cadreTemps[2]) - 60 - ecart - ctl::largeurTwips(nbftot);
    const int gauche = std::max(minimum, std::min(std::max(11680, minimum), limite));
    deplacer(etiquetteFautes, gauche, ctl::hautTwips(etiquetteFautes));
    deplacer(nbftot, gauche + ecart, ctl::hautTwips(nbftot));
}

void Form1::placerNotes()
{
    // The notes sit beside the criterion line and the word's verdict, never over them; at the
    // end of a base they make room for the tiles that greet the player.
    const bool finie = partie.nbrestants == 0 && !serieOuverte();
    const int apresCritere = finLigneCritere() + 60;
    if (modecompact) {
        const int gauche = std::max(ctl::gaucheTwips(etiquetteEliminer), apresCritere);
        const int droite = ctl::gaucheTwips(cadreTemps[2]) - 120;
        const int haut = finie ? ctl::hautTwips(tuiles[0]) + ctl::hauteurTwips(tuiles[0]) + 10 : 8040;
        const int bas = ctl::hautTwips(etiquetteFautes) - 30;
        ctl::placer(InfoSourisText, gauche, haut, droite - gauche, std::max(bas - haut, 300));
    } else {
        const int gauche = std::max(4080, apresCritere);
        ctl::placer(InfoSourisText, gauche, finie ? 9360 : 8160, 4080 + 11775 - gauche, finie ? 1695 : 2895);
    }
    // A line cut at the bottom of the box reads as a note of its own: the box keeps whole lines.
    // Lines are laid at fractional heights once the window is drawn smaller; the one below the last
    // whole line would show its top in the bottom margin.
    qreal ligne = QFontMetricsF(InfoSourisText->font(), InfoSourisText).lineSpacing();
    const QTextBlock premier = InfoSourisText->document()->firstBlock();
    InfoSourisText->document()->documentLayout()->blockBoundingRect(premier);  // lays the block out
    if (premier.layout() && premier.layout()->lineCount() > 0 && premier.layout()->lineAt(0).height() > 0)
        ligne = premier.layout()->lineAt(0).height();
    const qreal marge = InfoSourisText->document()->documentMargin();
    const int place = InfoSourisText->contentsRect().height();
    const int lignes = int((place - marge) / ligne);
    if (lignes >= 1)
        InfoSourisText->resize(InfoSourisText->width(),
                               InfoSourisText->height() - place + int(std::ceil(marge + lignes * ligne)));
}

bool Form1::defilerNotes(int touche)
{
    // The notes scroll by the page keys from the answers, which keep the focus: a series open keeps
    // being typed into.
    if (!InfoSourisText->isVisible() || (touche != Qt::Key_PageUp && touche != Qt::Key_PageDown))
        return false;
    InfoSourisText->verticalScrollBar()->triggerAction(touche == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub
                                                                                : QAbstractSlider::SliderPageStepAdd);
    return true;
}

void Form1::passerModeCompact()
{
    modecompact = true;
    // The last two columns sit 40 and 180 twips left of their designed places, so that the markers
    // of the right-hand column stay inside the narrower window.
    static const int tirages[3] = {120, 6540, 12800};
    static const int solutions[3] = {3120, 9540, 15800};
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
    deplacer(tuiles[0], 5560, 8100);
    gauchetuiles = qint16(ctl::gaucheTwips(tuiles[0]));
    largeurtuile = qint16(ctl::largeurTwips(tuiles[0]));
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
    disposerSaisieCompacte();
    if (InfoSourisText->isVisible())
        placerNotes();
    // Left where they were, tiles 1 to 8 would overlap the central box until a row is entered.
    for (int k = 1; k < 9; ++k)
        deplacer(tuiles[k], gauchetuiles + k * largeurtuile, ctl::hautTwips(tuiles[0]));
    deplacer(boutonSuivant, ctl::gaucheTwips(tuiles[0]) + 40, ctl::hautTwips(tuiles[0]) + 40);
    for (int i = 0; i < 30; ++i) {
        const int haut = ctl::hautTwips(tirage[i]) + 60;
        const int gauche = ctl::gaucheTwips(solution[i]) + ctl::largeurTwips(solution[i]);
        for (QLabel* img : {reperesTransitif[i], reperesParticipe[i], reperesInvariable[i]})
            deplacer(img, gauche, haut);
    }
    resize(width() - ctl::pixels(this, 1700), height() - ctl::pixels(this, 1100));
    // The smaller layout may fit the screen at a larger factor, often the designed one.
    ctl::suivreLEcran(this);
    solution[0]->setFocus(Qt::OtherFocusReason);
}

void Form1::changerPolice()
{
    static const struct {
        const char* nom;
        bool sansItalique;
    } polices[] = {{"Arial", false}, {"Verdana", false}, {"Times New Roman", false}, {"Lucida Sans", true}, {"Georgia", true}};
    const auto& p = polices[std::clamp<int>(numeropolice, 1, 5) - 1];
    for (QLineEdit* b : tirage)
        changerFamille(b, QString::fromLatin1(p.nom), p.sansItalique);
    for (QLineEdit* b : solution)
        changerFamille(b, QString::fromLatin1(p.nom), p.sansItalique);
    // Another font is wider or narrower: the racks are fitted to their boxes again.
    if (taillePolice > 0)
        for (auto* colonne : {&tirage, &solution})
            for (QLineEdit* b : *colonne)
                ecrireTirage(b, b->text());
    numeropolice = numeropolice >= 5 ? 1 : qint16(numeropolice + 1);
    afficherTexte(police, QString::number(numeropolice));
}
