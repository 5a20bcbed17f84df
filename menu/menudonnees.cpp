// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and the data in use: the player's own lists or the shipped ones.
#include "menu/menuods8.h"

#include "app/bouton.h"
#include "app/controles.h"
#include "app/polices.h"
#include "app/echelle.h"
#include "app/messages.h"
#include "data/motsdisparus.h"
#include "menu/catalogue.h"
#include "menu/demarrage.h"
#include "menu/listedisparus.h"
#include "menu/noms.h"
#include "menu/textesdonnees.h"

#include <QEvent>
#include <QLabel>

void MenuODS8::placerMesListes()
{
    // In the free room of the right column, between the last launch button and the bottom buttons:
    // no designed control moves.
    ligneDonnees = new QLabel(this);
    ctl::nommer(ligneDonnees, menu::nom::ligneDonnees);
    ligneDonnees->setFont(app::police(QStringLiteral("MS Sans Serif"), 8.25, false, true));
    ligneDonnees->setWordWrap(true);
    ligneDonnees->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ctl::placer(ligneDonnees, 4600, 8720, 3900, 520);
    ligneDonnees->hide();

    boutonMesListes = new BoutonMultiligne(QStringLiteral("Mes listes…"), this);
    ctl::nommer(boutonMesListes, menu::nom::mesListes);
    ctl::placer(boutonMesListes, 5760, 9680, 1215, 460);
    boutonMesListes->setToolTip(QStringLiteral("Construire les bases à partir de vos propres listes de mots"));
    connect(boutonMesListes, &QPushButton::clicked, this, &MenuODS8::ouvrirMesListes);

    boutonRecherche = new BoutonMultiligne(QStringLiteral("Recherche"), this);
    ctl::nommer(boutonRecherche, menu::nom::boutonRecherche);
    // Beside the title, above the right column: the one free corner of the designed menu.
    ctl::placer(boutonRecherche, 6960, 150, 1215, 460);
    boutonRecherche->setToolTip(QStringLiteral("Juger des mots, chercher anagrammes, motifs et rallonges dans les listes en usage"));
    connect(boutonRecherche, &QPushButton::clicked, this, &MenuODS8::rechercheDemandee);
}

QString MenuODS8::afficherDonnees()
{
    donnees = data::Emplacement::courant();
    data::marquerLecture(donnees.dossier());
    description = donnees.description();

    const menu::Comptes comptes = menu::compterBases(donnees);
    const auto& labels = menu::labelsComptes();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        auto* l = findChild<QLabel*>(ctl::nomControle(labels[i].label, labels[i].index));
        l->setText(comptes.textes[i]);
        l->adjustSize();
    }
    auto* rallonges = findChild<QLabel*>(ctl::nomControle(menu::nom::compteRallongesOds8, menu::nom::indexRallongesOds8));
    rallonges->setText(comptes.texteRallongesOds8);
    rallonges->adjustSize();
    // Two five-digit counts run past the window's edge from the designed place.
    if (rallonges->geometry().right() >= width())
        rallonges->move(width() - rallonges->width(), rallonges->y());

    findChild<QLabel*>(menu::nom::titre)->setText(data::selonEditions(QStringLiteral("LEXIDOR ODS 8"), description));
    // The test button's caption follows the sample size instead.
    for (const auto& e : menu::catalogue())
        if (e.toue != QLatin1String("E"))
            findChild<QPushButton*>(ctl::nomControle(e.bouton, e.index))->setText(data::selonEditions(e.legende, description));

    const QString ligne = menu::ligneDonnees(description);
    ligneDonnees->setText(ligne);
    ligneDonnees->setVisible(!ligne.isEmpty());
    nommerPourLecteur();
    return comptes.message();
}

void MenuODS8::suivreDonnees()
{
    if (const QString message = afficherDonnees(); !message.isEmpty())
        app::signaler(message, app::Icone::Avertissement, this);
}

void MenuODS8::relireDonnees()
{
    // Its build removed the folder this menu counted: launching from it would find nothing.
    if (data::Emplacement::courant().dossier() != donnees.dossier())
        suivreDonnees();
}

void MenuODS8::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && charge)
        relireDonnees();
}

void MenuODS8::montrerMotsDisparus()
{
    relireDonnees();
    const QString chemin = donnees.chemin(data::fichierMotsDisparus);
    const data::MotsDisparus mots = data::lireMotsDisparus(chemin, menu::motsDisparusLus, menu::motsDisparusLus);
    const QString avis = menu::avisMotsDisparus(mots, description);
    if (!menu::listeAOuvrir(mots)) {
        app::signaler(avis, app::Icone::Information, this, true);
        return;
    }
    if (!listeDisparus) {
        listeDisparus = new menu::ListeDisparus(this);
        ctl::garderEntiere(listeDisparus);
    }
    if (!listeDisparus->isVisible())
        ctl::centrerSur(listeDisparus, this);
    listeDisparus->montrer(avis, menu::motsTries(mots.premiers));
}
