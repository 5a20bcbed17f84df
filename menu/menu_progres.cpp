// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/menuods8.h"

#include "app/bouton.h"
#include "app/controles.h"
#include "app/polices.h"
#include "progres/historique.h"

#include <QLabel>

void MenuODS8::construireProgression()
{
    // In the room the designed menu leaves beside the test button and above "A propos": no designed
    // control moves.
    boutonRevisions = new BoutonMultiligne(QStringLiteral("À revoir aujourd'hui"), this);
    ctl::nommer(boutonRevisions, QStringLiteral("revisions"));
    boutonRevisions->setFont(app::police(QStringLiteral("MS Sans Serif"), 9.75, true));
    ctl::placer(boutonRevisions, 550, 9120, 1600, 615);
    boutonRevisions->setToolTip(QStringLiteral("Les tirages rencontrés qu'il est temps de revoir, les tirages manqués d'abord"));
    connect(boutonRevisions, &QPushButton::clicked, this, &MenuODS8::revisionsDemandees);
    compteRevisions = new QLabel(QStringLiteral("0"), this);
    ctl::nommer(compteRevisions, QStringLiteral("compteRevisions"));
    compteRevisions->setFont(app::police(QStringLiteral("MS Sans Serif"), 11));
    ctl::placer(compteRevisions, 2200, 9120 + 160);
    compteRevisions->adjustSize();
    // Under the button, above the help line: when the next racks fall due, or how many wait.
    ligneRevisions = new QLabel(this);
    ctl::nommer(ligneRevisions, QStringLiteral("ligneRevisions"));
    ligneRevisions->setFont(app::police(QStringLiteral("MS Sans Serif"), 8.25));
    ctl::placer(ligneRevisions, 550, 9745, 4560, 210);
    annoncerRevisions(QString());
    boutonStatistiques = new BoutonMultiligne(QStringLiteral("Statistiques"), this);
    ctl::nommer(boutonStatistiques, QStringLiteral("statistiques"));
    ctl::placer(boutonStatistiques, 6975, 9680, 1200, 460);
    connect(boutonStatistiques, &QPushButton::clicked, this, &MenuODS8::statistiquesDemandees);
    marqueProgression = new QLabel(this);
    ctl::nommer(marqueProgression, QStringLiteral("marqueProgression"));
    marqueProgression->setFont(app::police(QStringLiteral("MS Sans Serif"), 8.25, false, true));
    marqueProgression->setWordWrap(true);
    ctl::placer(marqueProgression, 2600, 9120, 2500, 615);
    marqueProgression->hide();
    afficherRevisions(0);
}

void MenuODS8::marquerNonEnregistre(const QString& marque)
{
    marqueProgression->setText(marque);
    marqueProgression->setAccessibleName(marque);
    marqueProgression->show();
}

void MenuODS8::afficherRevisions(qsizetype n)
{
    compteRevisions->setText(QString::number(n));
    compteRevisions->adjustSize();
    compteRevisions->setAccessibleName(QStringLiteral("Nombre de tirages à revoir : %1").arg(n));
    boutonRevisions->setEnabled(n > 0);
}

void MenuODS8::annoncerRevisions(const QString& ligne)
{
    ligneRevisions->setText(ligne);
    ligneRevisions->setAccessibleName(ligne.isEmpty() ? QStringLiteral("Tirages à revoir plus tard") : ligne);
}

void MenuODS8::retrouverScores(const progres::DerniersScores& d)
{
    // A score of this session is newer than any the history holds (the option may have been off).
    if (!scoreTest->text().isEmpty() || ligneAide->text().startsWith(QLatin1String("Votre score")))
        return;
    // In the order they were written: an older test first, then the run that ended last.
    if (d.test && d.test != d.derniere)
        ecrireScore(d.test->titre, d.test->score, true);
    if (d.derniere)
        ecrireScore(d.derniere->titre, d.derniere->score, d.derniere->genre == progres::Genre::Test);
}
