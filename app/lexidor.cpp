// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"

#include "about/apropos.h"
#include "app/echelle.h"
#include "menu/dialoglistes.h"
#include "app/messages.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "progres/depot.h"
#include "progres/statistiques.h"
#include "recherche/fenetre.h"
#include "revision/memoire.h"
#include "revision/tableau.h"
#include "training/form1.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPointer>
#include <QTimer>

namespace app {

namespace {

QPointer<options::Reglages> lesReglages;
QPointer<MenuODS8> leMenu;
QPointer<Form1> leForm1;
QPointer<Dialog2> leDialog2;
QPointer<Apropos> lApropos;
QPointer<DialogListes> leDialogListes;
QPointer<progres::Depot> leDepot;
QPointer<progres::Statistiques> lesStatistiques;
QPointer<Recherche> laRecherche;
QPointer<revision::Memoire> laMemoire;
QPointer<revision::TableauRevisions> leTableauRevisions;

// The run the menu asks for: the training window is created (its set-up runs) before the menu hides.
void lancer(const entrainement::Lancement& l)
{
    Form1& form = form1();
    form.setCursor(Qt::WaitCursor);
    menu().hide();
    form.show();
    form.raise();
    form.activateWindow();
    form.commencer(l);
}

// The day's queue, played like a base.
void lancerRevisions()
{
    const options::Reglages& r = reglages();
    revision::Memoire& m = memoire();
    const revision::FileDuJour f = m.fileDuJour();
    if (f.tirages.isEmpty())
        return;
    entrainement::Lancement l;
    l.fichier = QStringLiteral("progression\\revisions.txt");
    l.titre = revision::titreFileDuJour;
    l.revisions = m.commeBoite(f);
    l.tempsparmot = r.tempsparmot();
    l.son = r.son();
    l.fond = r.fond();
    menu().retenirLancement(l);
    lancer(l);
}

void montrerRevisions()
{
    const revision::Memoire::Resume r = memoire().resume();
    menu().afficherRevisions(r.nombre);
    menu().annoncerRevisions(r.ligne);
}

void ouvrirStatistiques()
{
    progres::Statistiques& s = statistiques();
    s.afficher(progression().historique());
    // Left to the window manager, it may open partly below the screen; it opens over the menu.
    if (!s.isVisible())
        ctl::centrerSur(&s, &menu());
    if (leTableauRevisions) {
        revision::Memoire& m = memoire();
        const revision::Carnet& c = m.carnet();
        leTableauRevisions->afficher(revision::chiffres(c, revision::jourDe(m.aujourdhui())));
    }
    s.show();
    s.raise();
    s.activateWindow();
}

void ouvrirRecherche()
{
    if (!laRecherche) {
        laRecherche = new Recherche;
        const auto suivre = [] { laRecherche->colorer(reglages().fond()); };
        suivre();
        QObject::connect(&reglages(), &options::Reglages::modifies, laRecherche, suivre);
    }
    laRecherche->show();
    laRecherche->raise();
    laRecherche->activateWindow();
}

}  // namespace

progres::Depot& progression()
{
    if (!leDepot) {
        leDepot = new progres::Depot;
        // Follows the stored choice: nothing is written while it is off.
        const auto suivre = [] { leDepot->activer(reglages().valeurs().memoriser); };
        suivre();
        QObject::connect(&reglages(), &options::Reglages::modifies, leDepot, suivre);
        QObject::connect(leDepot, &progres::Depot::probleme, leDepot,
                         [](const QString& m) { signaler(m, Icone::Avertissement); });
    }
    return *leDepot;
}

revision::Memoire& memoire()
{
    if (!laMemoire) {
        laMemoire = new revision::Memoire;
        const auto suivre = [] {
            const data::Parametres& p = reglages().valeurs();
            laMemoire->activer(p.memoriser);
            laMemoire->regler(p.retention, p.parJour);
        };
        suivre();
        QObject::connect(&reglages(), &options::Reglages::modifies, laMemoire, suivre);
        QObject::connect(laMemoire, &revision::Memoire::probleme, laMemoire,
                         [](const QString& m) { signaler(m, Icone::Avertissement); });
        QObject::connect(&progression(), &progres::Depot::reponsesNotees, laMemoire, &revision::Memoire::noter);
        // The racks of the old review box are not lost: they come over as missed.
        laMemoire->importer(progression().revisions());
    }
    return *laMemoire;
}

progres::Statistiques& statistiques()
{
    if (!lesStatistiques) {
        lesStatistiques = new progres::Statistiques;
        ctl::garderEntiere(lesStatistiques);
        // The day's queue in figures, at the foot of the window.
        if (auto* colonne = qobject_cast<QBoxLayout*>(lesStatistiques->layout())) {
            leTableauRevisions = new revision::TableauRevisions(lesStatistiques);
            colonne->addWidget(leTableauRevisions);
        }
        // Like the menu, it follows the colour in force, also while the options preview one.
        const auto suivre = [] { lesStatistiques->colorer(reglages().fond()); };
        suivre();
        QObject::connect(&reglages(), &options::Reglages::modifies, lesStatistiques, suivre);
    }
    return *lesStatistiques;
}

options::Reglages& reglages()
{
    if (!lesReglages)
        lesReglages = new options::Reglages;
    return *lesReglages;
}

MenuODS8& menu()
{
    if (!leMenu) {
        leMenu = new MenuODS8(reglages());
        QObject::connect(leMenu, &MenuODS8::lancementDemande, &lancer);
        QObject::connect(leMenu, &MenuODS8::optionsDemandees, [] { dialog2().ouvrir(); });
        QObject::connect(leMenu, &MenuODS8::aproposDemande, [] {
            apropos().suivreDonnees(menu().descriptionDonnees());
            if (!apropos().isVisible())
                ctl::centrerSur(&apropos(), &menu());
            apropos().ouvrir();
        });
        QObject::connect(leMenu, &MenuODS8::mesListesDemandees, [] {
            DialogListes& d = dialogListes();
            d.show();
            d.raise();
            d.activateWindow();
        });
        QObject::connect(leMenu, &MenuODS8::revisionsDemandees, &lancerRevisions);
        QObject::connect(leMenu, &MenuODS8::statistiquesDemandees, &ouvrirStatistiques);
        QObject::connect(leMenu, &MenuODS8::rechercheDemandee, &ouvrirRecherche);
        progression();
        leMenu->charger();
        QObject::connect(leDepot, &progres::Depot::scoresRetrouves, leMenu, &MenuODS8::retrouverScores);
        QObject::connect(leDepot, &progres::Depot::nonEnregistre, leMenu, &MenuODS8::marquerNonEnregistre);
        QObject::connect(&memoire(), &revision::Memoire::changee, leMenu, &montrerRevisions);
        if (leDepot->actif()) {
            montrerRevisions();
            leMenu->retrouverScores(leDepot->derniersScores());
        }
    }
    return *leMenu;
}
Form1& form1()
{
    if (!leForm1) {
        leForm1 = new Form1;
        QObject::connect(leForm1, &Form1::retourMenu, [] { menu().show(); });
        QObject::connect(leForm1, &Form1::baseTerminee, [](double pourc, const QString& titre) { menu().afficherScore(pourc, titre); });
        leForm1->utiliserProgression(&progression());
        memoire();
        // The end of the program keeps a run left open, like the button and the close box.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, leForm1, &Form1::memoriserEnPartant);
    }
    return *leForm1;
}
Dialog2& dialog2()
{
    if (!leDialog2)
        leDialog2 = new Dialog2(reglages());
    return *leDialog2;
}
Apropos& apropos()
{
    if (!lApropos)
        lApropos = new Apropos;
    return *lApropos;
}

DialogListes& dialogListes()
{
    if (!leDialogListes) {
        leDialogListes = new DialogListes;
        QObject::connect(leDialogListes, &DialogListes::donneesChangees, [] {
            menu().suivreDonnees();
            if (aproposCharge())
                apropos().suivreDonnees(menu().descriptionDonnees());
        });
    }
    return *leDialogListes;
}

namespace {

class PreparationEntrainement : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            // Once the paint is handled and flushed: the menu is on screen before the build starts.
            QTimer::singleShot(0, qApp, [] {
                if (menuCharge() && !form1Charge()) {
                    Form1& f = form1();
                    Form1::prechargerListes(menu().dossierListesEnUsage());
                    // Its native window and the wait cursor of the click are made now, and it is
                    // drawn once off screen: the fonts, glyphs and button images of its first real
                    // paint are then ready.
                    f.winId();
                    f.setCursor(Qt::WaitCursor);
                    f.unsetCursor();
                    f.grab();
                    f.preparerPremiereCorrection();
                }
            });
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void preparerEntrainementApresMenu()
{
    menu().installEventFilter(new PreparationEntrainement(&menu()));
}

bool menuCharge() { return !leMenu.isNull(); }
bool form1Charge() { return !leForm1.isNull(); }
bool dialog2Charge() { return !leDialog2.isNull(); }
bool aproposCharge() { return !lApropos.isNull(); }

void terminer()
{
    const auto fenetres = QApplication::topLevelWidgets();
    for (QWidget* w : fenetres)
        w->hide();
    QApplication::quit();
}

void reinitialiser()
{
    // First: it waits for a build still running.
    delete leDialogListes.data();
    delete lesStatistiques.data();
    delete laRecherche.data();
    delete lApropos.data();
    delete leDialog2.data();
    delete leForm1.data();
    delete leMenu.data();
    delete laMemoire.data();
    // Last of the windows' companions: it waits for the saves still on their way to the disk.
    delete leDepot.data();
    delete lesReglages.data();
}

}  // namespace app
