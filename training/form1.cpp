// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "app/messages.h"
#include "data/texte.h"
#include "recherche/donnees.h"
#include "training/form1_couleurs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace entrainement;
using namespace entrainement::couleurs;

namespace {

const QString times = QStringLiteral("Times New Roman");

// Calls `faire` once the window's next paint has been handled and flushed, then goes.
class ApresImage : public QObject {
public:
    ApresImage(QWidget* w, std::function<void()> f) : QObject(w), faire(std::move(f))
    {
        setObjectName(nom);
        w->installEventFilter(this);
    }
    // One at a time: runs started again and again in a window never shown would pile them up.
    static void attendre(QWidget* w, std::function<void()> f)
    {
        if (!w->findChild<QObject*>(nom, Qt::FindDirectChildrenOnly))
            new ApresImage(w, std::move(f));
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && faire) {
            setObjectName(QString());
            QTimer::singleShot(0, this, [this, f = std::exchange(faire, nullptr)] {
                f();
                deleteLater();
            });
        }
        return false;
    }

private:
    static inline const QString nom = QStringLiteral("apresImage");
    std::function<void()> faire;
};

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , alea(std::make_unique<AleatoireHorloge>())
{
    construire();
    construireReprise();
    Form_Load();
    connect(recherche::AnnonceIndex::instance(), &recherche::AnnonceIndex::pret, this, &Form1::reponsesPretes);
}

Form1::~Form1() = default;

void Form1::setAleatoire(std::unique_ptr<Aleatoire> a)
{
    alea = std::move(a);
}

void Form1::afficherTexte(QLabel* l, const QString& t)
{
    l->setText(t);
    l->adjustSize();
}

void Form1::definirParDefaut(QPushButton* b)
{
    if (parDefaut)
        parDefaut->setDefault(false);
    parDefaut = b;
    parDefaut->setDefault(true);
}

bool Form1::serieOuverte() const
{
    return corriger->isEnabled();
}

bool Form1::enPause() const
{
    return boutonPause->text() == QLatin1String("Reprendre");
}

bool Form1::rallonge(int ligne) const
{
    if (!lancement.revisions)
        return lancement.rallonge;
    const QString* t = partie.tirageDeLigne(ligne);
    const QString* s = partie.solutionsDeLigne(ligne);
    const progres::EntreeRevision* e = t && s ? lancement.revisions->origine(*t, *s) : nullptr;
    return e && e->rallonge;
}

QString Form1::titreDeLigne(int ligne) const
{
    if (!lancement.revisions)
        return titreBase->text();
    const QString* t = partie.tirageDeLigne(ligne);
    const QString* s = partie.solutionsDeLigne(ligne);
    const progres::EntreeRevision* e = t && s ? lancement.revisions->origine(*t, *s) : nullptr;
    return e ? e->titre : titreBase->text();
}

Critere Form1::critere() const
{
    return etiquetteCritere->text().startsWith(QLatin1Char('r')) ? Critere::Reussites : Critere::Temps;
}

QString Form1::CalcDuree(qint16 TpsSec) const
{
    return entrainement::CalcDuree(TpsSec);
}

namespace {

struct ListeDeLaBase {
    const char* nom;
    int capacite;
};
constexpr ListeDeLaBase listesLaterales[] = {
    {"vbi_gd.txt", data::capaciteVbi}, {"vbt_gd.txt", data::capaciteVbt}, {"inv.txt", data::capaciteInv}};

}  // namespace

void Form1::prechargerListes(const QString& dossierListes)
{
    for (const ListeDeLaBase& x : listesLaterales)
        data::ListeLaterale::lire(dossierListes + QLatin1Char('\\') + QString::fromLatin1(x.nom), x.capacite);
}

void Form1::commencer(const entrainement::Lancement& l)
{
    lancement = l;
    reponsesEnAttente = false;
    setWindowTitle(l.titreFenetre);
    colorerFenetre(l.fond);
    ctl::colorerFond(quitter, ctl::versBGR(QApplication::palette().color(QPalette::Button)));
    afficherTexte(titreBase, l.titre);
    fich = l.fichier;

    QStringList problemes;
    const auto lireListe = [&](const char* nom, int capacite) {
        const QString chemin = l.dossierListes + QLatin1Char('\\') + QString::fromLatin1(nom);
        auto l = data::ListeLaterale::lire(chemin, capacite);
        if (!l.ok())
            problemes.append(l.erreur);
        else if (l.tronquee)
            problemes.append(QStringLiteral("La liste « %1 » dépasse %2 mots : les mots suivants sont ignorés.")
                                 .arg(chemin)
                                 .arg(capacite));
        return l;
    };
    listevbi = lireListe(listesLaterales[0].nom, listesLaterales[0].capacite);
    listevbt = lireListe(listesLaterales[1].nom, listesLaterales[1].capacite);
    listeinv = lireListe(listesLaterales[2].nom, listesLaterales[2].capacite);

    // Read once the first series is on screen, so that neither its drawing nor (most likely) the
    // first correction waits for a large file. The complete lists too: they take a while to read,
    // and a reading thread would take a core from the first paint.
    const QString erreurNotes = infosouris.preparer(l.fichierNotes);
    ApresImage::attendre(this, [this] {
        infosouris.lancer();
        recherche::preparerIndex();
    });
    if (infosouris.erreurNouvelle())
        problemes.append(erreurNotes + QStringLiteral(" Les notes sur les mots ne seront pas affichées."));

    data::Base base;
    if (l.revisions)
        base.lignes = l.revisions->commeBase();
    else
        base = data::lireBase(fich);
    if (!base.ok())
        problemes.append(base.erreur);
    else if (base.ignorees > 0)
        problemes.append(QStringLiteral("%1 ligne(s) sans « ; » de la base « %2 » ont été ignorées.")
                             .arg(base.ignorees)
                             .arg(fich));

    const QString dernier = base.lignes.isEmpty() ? QString() : base.lignes.last().tirage;
    const double taille = dernier.size() >= 9 ? 19 : 20;
    taillePolice = taille;
    for (int i = 0; i < 30; ++i) {
        ctl::fixerPolice(tirage[i], ctl::police(times, taille));
        ctl::fixerPolice(solution[i], ctl::police(times, taille));
    }
    ctl::colorerFond(tempstot, fondSysteme());

    boutonCritere->setEnabled(true);
    seuiltxt->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(voyant), static_cast<QWidget*>(boutonCritere),
                       static_cast<QWidget*>(seuiltxt), static_cast<QWidget*>(etiquetteEliminer), static_cast<QWidget*>(etiquetteCritere)})
        w->show();

    partie.charger(base.lignes, l.test ? (l.echantillon > 0 ? l.echantillon : 30) : 0, *alea);
    proposerReprise(base.lignes, problemes);
    partie.anagrammes = data::anagrammesPourBase(fich);
    placerNotes();
    if (!problemes.isEmpty())
        app::signaler(problemes.join(QLatin1Char('\n')), app::Icone::Avertissement, this);
    tirerserie();
}

void Form1::tirerserie()
{
    reponsesEnAttente = false;
    for (int j = 0; j < 30; ++j) {
        reperesParticipe[j]->hide();
        reperesInvariable[j]->hide();
        reperesTransitif[j]->hide();
        tirage[j]->setToolTip(QString());
        solution[j]->setToolTip(QString());
        tirage[j]->setFrame(true);
        solution[j]->setFrame(true);
    }
    for (int j = 1; j < 30; ++j) {
        ctl::colorerFond(tirage[j], statut(tirageRepos));
        ctl::colorerFond(solution[j], statut(solutionRepos));
    }
    motsleft->setText(QString::number(partie.nbrestants));
    score->hide();
    tps->hide();
    InfoSourisText->hide();
    InfoSourisText->clear();
    if (modecompact) {
        recherche->show();
        valider->show();
        disposerSaisieCompacte();
    }
    if (enPause())
        basculerPause();
    const int n = partie.tirerserie(*alea);
    lettre = -1;
    for (int j = 0; j < 30; ++j) {
        ecrireTirage(tirage[j], j < n ? *partie.tirageDeLigne(j) : QString());
        ecrireTirage(solution[j], QString());
        QFont f = solution[j]->font();
        f.setStrikeOut(false);
        solution[j]->setFont(f);
    }
    unsetCursor();
    ctl::colorerFond(seuiltxt, fondSysteme());
    corriger->setEnabled(true);
    restart->setEnabled(false);
    reserve.vider();
    focusDuTirage = true;
    temps->setFocus(Qt::OtherFocusReason);
    solution[0]->setFocus(Qt::OtherFocusReason);
    focusDuTirage = false;
    ctl::colorerFond(temps, fondSysteme());
    partie.tempsserie = partie.tempsrestant = qint32(lancement.tempsparmot) * 30;
    minuterieSerie->start();
    if (!minuterieTotal->isActive())
        minuterieTotal->start();
    if (!isActiveWindow() || ligneEntree != 0) {
        // No focus event entered row 0: the window is hidden or not active yet, maybe with row 0
        // still entered from the last run. Entered now, the row shows the new rack on the tiles;
        // the activation that follows finds it entered and does not enter it twice.
        ligneEntree = 0;
        solution_GotFocus(0);
    }
}
