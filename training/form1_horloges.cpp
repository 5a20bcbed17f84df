// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "training/form1_couleurs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

using namespace entrainement;
using namespace entrainement::couleurs;

void Form1::decompterSerie()
{
    --partie.tempsrestant;
    temps->setText(texteMinutes(std::max(partie.tempsrestant, 0)));
    // A second into the series the player is reading the racks: the correction's searches are done now.
    if (partie.tempsrestant == partie.tempsserie - 1)
        preparerReponses();
    if (partie.tempsrestant < 1)
        corrigerserie();
}

void Form1::compterTempsTotal()
{
    ++partie.tempstotal;
    tempstot->setText(texteHeures(partie.tempstotal));
}

void Form1::compterTempsMot()
{
    if (partie.tempsmot < std::numeric_limits<qint32>::max())
        ++partie.tempsmot;
}

void Form1::basculerPause()
{
    const bool pause = !enPause();
    if (pause) {
        minuterieSerie->stop();
        minuterieTotal->stop();
        recherche->setEnabled(false);
        boutonPause->setText(QStringLiteral("Reprendre"));
    } else {
        if (corriger->isEnabled())
            minuterieSerie->start();
        minuterieTotal->start();
        recherche->setEnabled(true);
        boutonPause->setText(QStringLiteral("Pause"));
    }
    for (QLineEdit* s : solution)
        s->setReadOnly(pause);
}

void Form1::montrerTemps()
{
    const bool v = caseTemps->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(temps), static_cast<QWidget*>(tempstot),
                       static_cast<QWidget*>(etiquetteSerie), static_cast<QWidget*>(etiquetteTotal)})
        w->setVisible(v);
}
void Form1::corriger_Click()
{
    corrigerserie();
}

void Form1::restart_Click()
{
    setCursor(Qt::WaitCursor);
    tirerserie();
}

void Form1::quitter_Click()
{
    minuterieSerie->stop();
    minuterieTotal->stop();
    minuterieMot->stop();
    for (QPushButton* t : tuiles)
        ctl::colorerFond(t, statut(mauve));
    memoriserEnPartant();
    partie.reinitialiserTemps(lancement.tempsparmot);
    lettre = -1;
    afficherTexte(nbseries, QStringLiteral("0 série déjà réalisée."));
    afficherTexte(nbftot, QStringLiteral("0"));
    QApplication::processEvents();
    hide();
    Q_EMIT retourMenu();
}

void Form1::closeEvent(QCloseEvent* e)
{
    if (e->spontaneous()) {
        e->ignore();
        quitter_Click();
        return;
    }
    // Closed by the program itself: no countdown may go on correcting a window nobody sees.
    e->accept();
    minuterieSerie->stop();
    minuterieTotal->stop();
    minuterieMot->stop();
    memoriserEnPartant();
    Q_EMIT retourMenu();
}
