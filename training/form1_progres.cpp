// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace entrainement;

void Form1::construireReprise()
{
    // Top left, before the base's title, where the designed window leaves room: no designed control
    // moves and the word notes shown after a correction do not cover them.
    const QFont f = ctl::police(QStringLiteral("Arial"), 9.75, true);
    boutonReprendre = new QPushButton(this);
    ctl::nommer(boutonReprendre, QStringLiteral("reprendre"));
    ctl::fixerPolice(boutonReprendre, f);
    ctl::placer(boutonReprendre, 480, 120, 3720, 450);
    boutonRecommencer = new QPushButton(QStringLiteral("Recommencer la base"), this);
    ctl::nommer(boutonRecommencer, QStringLiteral("recommencer"));
    ctl::fixerPolice(boutonRecommencer, ctl::police(QStringLiteral("Arial"), 9.75));
    ctl::placer(boutonRecommencer, 4320, 120, 2760, 450);
    boutonReprendre->setFocusPolicy(Qt::TabFocus);
    boutonRecommencer->setFocusPolicy(Qt::TabFocus);
    boutonReprendre->hide();
    boutonRecommencer->hide();
    connect(boutonReprendre, &QPushButton::clicked, this, &Form1::reprendre_Click);
    connect(boutonRecommencer, &QPushButton::clicked, this, &Form1::recommencer_Click);
}

void Form1::proposerReprise(const QList<data::LigneBase>& lignes, QStringList& problemes)
{
    QString message;
    repriseOfferte = suivi.commencer({lancement.fichier, lancement.test, bool(lancement.revisions), lancement.titre,
                                      lancement.rallonge},
                                     lignes, message);
    if (!message.isEmpty())
        problemes.append(message);
    montrerReprise();
}

void Form1::montrerReprise()
{
    const bool offre = repriseOfferte && suivi.offreEnAttente();
    // Once a series of the fresh run is corrected, that run is the one kept: the offer goes.
    if (!offre)
        repriseOfferte.reset();
    if (offre)
        boutonReprendre->setText(QStringLiteral("Reprendre (%1 tirages restants)").arg(repriseOfferte->nbrestants));
    boutonReprendre->setVisible(offre);
    boutonRecommencer->setVisible(offre);
}

void Form1::reprendre_Click()
{
    if (!repriseOfferte)
        return;
    const progres::Progression p = *repriseOfferte;
    repriseOfferte.reset();
    suivi.reprendre(p, partie);
    if (!p.titre.isEmpty())
        afficherTexte(titreBase, p.titre);
    if ((p.critere == Critere::Temps) != (critere() == Critere::Temps))
        changerCritere();
    seuiltxt->setText(QString::number(p.seuil));
    afficherTexte(nbseries, QStringLiteral("%1 série(s) déjà réalisée(s).").arg(partie.compteurseries));
    afficherTexte(nbftot, QString::number(partie.nbrates));
    tempstot->setText(texteHeures(partie.tempstotal));
    montrerReprise();
    tirerserie();
}

void Form1::recommencer_Click()
{
    suivi.recommencer();
    repriseOfferte.reset();
    montrerReprise();
    if (corriger->isEnabled())
        solution[lignecourante]->setFocus(Qt::OtherFocusReason);
}

void Form1::memoriserEnPartant()
{
    suivi.quitter(partie, critere(), nombreEnTete(seuiltxt->text()));
}
