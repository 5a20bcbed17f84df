// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/bouton.h"
#include "app/contraste.h"
#include "app/controles.h"
#include "app/echelle.h"
#include "app/messages.h"
#include "data/texte.h"
#include "training/form1_couleurs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace entrainement;
using namespace entrainement::couleurs;

namespace {

const QString arial = QStringLiteral("Arial");
const QString times = QStringLiteral("Times New Roman");

int gaucheColonne(int i, bool solution)
{
    static const int tirages[3] = {480, 7250, 14090};
    static const int solutions[3] = {3480, 10250, 17090};
    // Two plain subscripts: g++ 12 with -fsanitize=undefined miscompiles a subscript of a conditional
    // between two arrays and always reads the first column.
    return solution ? solutions[i / 10] : tirages[i / 10];
}

}  // namespace

void Form1::tracerCadre(const std::array<QFrame*, 4>& cadre, int x1, int y1, int x2, int y2)
{
    const auto ligne = [this](QFrame* l, int g, int h, int d, int b) {
        const QPoint coin(ctl::pixels(this, g), ctl::pixels(this, h));
        l->setGeometry(coin.x(), coin.y(), ctl::pixels(this, d) - coin.x() + 1, ctl::pixels(this, b) - coin.y() + 1);
    };
    ligne(cadre[0], x1, y1, x2, y1);
    ligne(cadre[1], x1, y2, x2, y2);
    ligne(cadre[2], x1, y1, x1, y2);
    ligne(cadre[3], x2, y1, x2, y2);
}

void Form1::construire()
{
    setWindowTitle(entrainement::Lancement().titreFenetre);
    ctl::colorerFond(this, 0xC0E0FF);
    resize(ctl::pixels(this, 20760), ctl::pixels(this, 11160));

    for (auto* cadre : {&cadreSerie, &cadreTemps})
        for (QFrame*& l : *cadre) {
            l = new QFrame(this);
            ctl::colorerFond(l, 0x000000);
        }
    tracerCadre(cadreSerie, 480, 8280, 3480, 10320);
    tracerCadre(cadreTemps, 16200, 8280, 20040, 10800);

    auto boite = [this](int g, int h, int l, int ht) {
        auto* e = new QLineEdit(this);
        ctl::placer(e, g, h, l, ht);
        e->installEventFilter(this);
        return e;
    };
    for (int i = 0; i < 30; ++i) {
        const int haut = 840 + 720 * (i % 10);
        tirage[i] = boite(gaucheColonne(i, false), haut, 2820, 555);
        tirage[i]->setReadOnly(true);
        tirage[i]->setAlignment(Qt::AlignCenter);
        tirage[i]->setFocusPolicy(Qt::ClickFocus);
        ctl::colorerFond(tirage[i], statut(tirageRepos));
        tirage[i]->setFont(ctl::police(times, i >= 23 ? 14.25 : 12));
        solution[i] = boite(gaucheColonne(i, true), haut, 2820, 555);
        solution[i]->setAlignment(Qt::AlignCenter);
        ctl::colorerFond(solution[i], statut(solutionRepos));
    }
    for (int i = 1; i < 30; ++i)
        setTabOrder(solution[i - 1], solution[i]);

    auto bouton = [this](const QString& texte, int g, int h, int l, int ht, double pt,
                         const QString& famille = arial) {
        auto* b = new QPushButton(texte, this);
        ctl::placer(b, g, h, l, ht);
        b->setFont(ctl::police(famille, pt));
        return b;
    };
    // Its designed caption is its own designed name, hidden by its width of 9 pixels.
    boutonSuivant = bouton(QStringLiteral("Command2"), 13560, 8640, 135, 495, 27.75, times);
    for (int k = 0; k < 9; ++k) {
        tuiles[k] = new QPushButton(this);
        ctl::placer(tuiles[k], 6480 + 840 * k, 8400, 840, 840);
        tuiles[k]->setFont(ctl::police(arial, 27.75));
        ctl::colorerFond(tuiles[k], statut(mauve));
        connect(tuiles[k], &QPushButton::clicked, this, [this, k] { choisirTuile(k); });
    }
    boutonPolice = bouton(QStringLiteral("Changer de police"), 16635, 0, 1935, 300, 9.75);
    boutonCritere = bouton(QStringLiteral("Changer de critère"), 435, 10755, 2895, 300, 9.75);
    boutonCritere->setEnabled(false);
    boutonPause = bouton(QStringLiteral("Pause"), 18480, 9960, 1455, 375, 12);
    boutonCompact = bouton(QStringLiteral("Mode compact"), 15120, 0, 1520, 300, 9.75);
    boutonCompact->setToolTip(QStringLiteral("Attention, il faudra fermer le logiciel pour revenir en mode normal"));
    restart = bouton(QStringLiteral("Nouvelle série(F8)"), 675, 8400, 2175, 615, 12);
    restart->setEnabled(false);
    corriger = bouton(QStringLiteral("Corriger (F12)"), 16320, 8400, 1695, 615, 12);
    corriger->setEnabled(false);
    valider = bouton(QStringLiteral("Valider"), 11040, 9555, 975, 465, 12);
    quitter = new BoutonMultiligne(QStringLiteral("Retour au sommaire"), this);
    ctl::placer(quitter, 18840, 0, 1335, 560);
    quitter->setFont(ctl::police(arial, 11.25));
    ctl::colorerFond(quitter, statut(mauve));
    connect(boutonSuivant, &QPushButton::clicked, this, &Form1::allerLigneSuivante);
    // These buttons act beside the typing: a click leaves the focus in the answer (leaving the row
    // would judge it under the time criterion), and after the keyboard the focus goes back to it.
    const std::pair<QPushButton*, void (Form1::*)()> aCote[] = {
        {boutonPolice, &Form1::changerPolice}, {boutonCritere, &Form1::changerCritere}, {boutonPause, &Form1::basculerPause}};
    for (const auto& [b, action] : aCote) {
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, action] {
            (this->*action)();
            revenirALaLigne();
        });
    }
    connect(boutonCompact, &QPushButton::clicked, this, &Form1::passerModeCompact);
    connect(restart, &QPushButton::clicked, this, &Form1::restart_Click);
    connect(corriger, &QPushButton::clicked, this, &Form1::corriger_Click);
    connect(valider, &QPushButton::clicked, this, &Form1::valider_Click);
    connect(quitter, &QPushButton::clicked, this, &Form1::quitter_Click);

    recherche = boite(8040, 9480, 2820, 585);
    recherche->setAlignment(Qt::AlignCenter);
    ctl::colorerFond(recherche, statut(solutionRepos));
    recherche->setFont(ctl::police(times, 20.25));
    connect(recherche, &QLineEdit::textChanged, this, &Form1::recherche_Change);
    seuiltxt = boite(2540, 10365, 340, 390);
    seuiltxt->setText(QStringLiteral("1"));
    seuiltxt->setEnabled(false);
    ctl::colorerFond(seuiltxt, 0xFFFFFF);
    seuiltxt->setFont(ctl::police(arial, 12));
    motsleft = boite(2640, 9240, 735, 390);
    motsleft->setEnabled(false);
    motsleft->setAlignment(Qt::AlignCenter);
    motsleft->setFont(ctl::police(arial, 12));
    temps = boite(19080, 9000, 615, 390);
    temps->setText(QStringLiteral("4:00"));
    temps->setAlignment(Qt::AlignCenter);
    temps->setFont(ctl::police(arial, 12));
    tempstot = boite(18960, 9480, 960, 390);
    tempstot->setText(QStringLiteral("0:00:00"));
    tempstot->setAlignment(Qt::AlignCenter);
    tempstot->setFont(ctl::police(arial, 12));

    InfoSourisText = new QPlainTextEdit(this);
    ctl::placer(InfoSourisText, 4080, 8160, 11775, 2895);
    InfoSourisText->setReadOnly(true);
    InfoSourisText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InfoSourisText->setFont(ctl::police(times, 15.75));
    // Filled with the window's colour, the box is opaque to the painter: the tiles, the central box
    // and the labels under it are not drawn first at every correction only to be covered.
    InfoSourisText->setAutoFillBackground(true);
    // The room around the text lies outside the scrolled area: scrolled by pages, the box still
    // shows whole lines.
    InfoSourisText->document()->setDocumentMargin(0);
    InfoSourisText->setContentsMargins(4, 4, 4, 4);
    InfoSourisText->setPlainText(QStringLiteral("MAKORE Arbre tropical\nKAWA Boisson polynésienne\nZOB Sexe masculin"));
    InfoSourisText->hide();

    caseTemps = new QCheckBox(this);
    ctl::placer(caseTemps, 19440, 8535, 255, 255);
    caseTemps->setChecked(true);
    connect(caseTemps, &QCheckBox::toggled, this, &Form1::montrerTemps);

    auto etiquette = [this](const QString& texte, int g, int h, const QFont& f) {
        auto* l = new QLabel(this);
        l->setFont(f);
        ctl::placer(l, g, h);
        afficherTexte(l, texte);
        return l;
    };
    etiquetteSerie = etiquette(QStringLiteral("Série"), 18240, 9000, ctl::police(arial, 12));
    etiquetteTotal = etiquette(QStringLiteral("Total"), 18240, 9480, ctl::police(arial, 12));
    etiquetteTemps = etiquette(QStringLiteral("TEMPS"), 18480, 8520, ctl::police(arial, 12));
    etiquetteRestants = etiquette(QStringLiteral("Tirages restants :"), 675, 9300, ctl::police(arial, 12));
    etiquetteEliminer = etiquette(QStringLiteral("Eliminer un mot après "), 435, 10440, ctl::police(arial, 9.75));
    etiquetteCritere = etiquette(QStringLiteral("réussites."), 3000, 10440, ctl::police(arial, 9.75));
    titreBase = etiquette(QString(), 7560, 100, ctl::police(arial, 20.25));
    etiquetteFautes = etiquette(QStringLiteral("Nombre de fautes :"), 16360, 10440, ctl::police(arial, 12));
    nbftot = etiquette(QString(), 18500, 10440, ctl::police(arial, 12));
    nbseries = etiquette(QStringLiteral("0 série déjà réalisée"), 600, 9840, ctl::police(arial, 12));
    score = etiquette(QString(), 16800, 9240, ctl::police(QStringLiteral("Comic Sans MS"), 14.25, true));
    tps = etiquette(QString(), 16800, 9840, ctl::police(QStringLiteral("Comic Sans MS"), 14.25, true));
    score->hide();
    tps->hide();
    police = etiquette(QStringLiteral("1"), 18600, 0, ctl::police(arial, 12));
    voyant = etiquette(QString(), 3720, 9960, font());

    auto image = [this] {
        auto* l = new QLabel(this);
        l->setScaledContents(true);
        ctl::placer(l, 13320, 120, 420, 420);
        return l;
    };
    for (int i = 0; i < 30; ++i) {
        reperesParticipe[i] = image();
        reperesInvariable[i] = image();
        reperesTransitif[i] = image();
    }

    auto minuterie = [this] {
        auto* t = new QTimer(this);
        t->setInterval(1000);
        return t;
    };
    minuterieSerie = minuterie();
    minuterieTotal = minuterie();
    minuterieMot = minuterie();
    connect(minuterieSerie, &QTimer::timeout, this, &Form1::decompterSerie);
    connect(minuterieTotal, &QTimer::timeout, this, &Form1::compterTempsTotal);
    connect(minuterieMot, &QTimer::timeout, this, &Form1::compterTempsMot);

    // Drawn smaller, a label's text is relatively taller and its background would cut a frame.
    for (auto* cadre : {&cadreSerie, &cadreTemps})
        for (QFrame* l : *cadre)
            l->raise();
    definirParDefaut(boutonSuivant);
    // Too large for its screen, the window is drawn smaller as a whole, in both layouts.
    ctl::suivreLEcran(this);
    // Centred with its frame, never with its title bar (and the "Mode compact" button that makes it
    // fit) above the screen.
    ctl::centrerSur(this, nullptr);
    nommerControles();
}

quint32 Form1::statut(quint32 couleur) const
{
    return ctl::couleurDistincte(couleur, lancement.fond);
}

void Form1::colorerFenetre(quint32 fond)
{
    ctl::colorerFond(this, fond);
    for (QWidget* w : {static_cast<QWidget*>(caseTemps), static_cast<QWidget*>(etiquetteSerie), static_cast<QWidget*>(etiquetteTotal),
                       static_cast<QWidget*>(etiquetteTemps), static_cast<QWidget*>(etiquetteRestants), static_cast<QWidget*>(etiquetteEliminer),
                       static_cast<QWidget*>(etiquetteCritere), static_cast<QWidget*>(titreBase), static_cast<QWidget*>(etiquetteFautes),
                       static_cast<QWidget*>(nbseries), static_cast<QWidget*>(score), static_cast<QWidget*>(police),
                       static_cast<QWidget*>(tps), static_cast<QWidget*>(voyant), static_cast<QWidget*>(nbftot)})
        ctl::colorerFond(w, fond);
    // Status colours that stay between series follow the background.
    for (QPushButton* t : tuiles)
        ctl::colorerFond(t, statut(mauve));
    ctl::colorerFond(recherche, statut(solutionRepos));
    ctl::colorerTexte(score, statut(0xC0C000));
    ctl::colorerTexte(tps, statut(0xC0C000));
}

void Form1::Form_Load()
{
    gauchetuiles = qint16(ctl::gaucheTwips(tuiles[0]));
    largeurtuile = qint16(ctl::largeurTwips(tuiles[0]));
    modecompact = false;
    colorerFenetre(lancement.fond);
    numeropolice = 1;
    partie.reinitialiserTemps(lancement.tempsparmot);
    partie.tempsserie = partie.tempsrestant;
    lettre = -1;
    for (int i = 0; i < 30; ++i)
        ctl::fixerPolice(solution[i], ctl::police(QStringLiteral("Lucida Sans"), 18));
    chargerMarqueurs();
    for (int i = 0; i < 30; ++i) {
        const int haut = ctl::hautTwips(tirage[i]) + 60;
        const int gauche = ctl::gaucheTwips(solution[i]) + ctl::largeurTwips(solution[i]) + 20;
        for (QLabel* img : {reperesParticipe[i], reperesInvariable[i], reperesTransitif[i]}) {
            ctl::placer(img, gauche, haut, 420, 420);
            img->raise();
            img->hide();
        }
        reperesParticipe[i]->setToolTip(QStringLiteral("Participe passé invariable !"));
        reperesInvariable[i]->setToolTip(QStringLiteral("Mot invariable !"));
        reperesTransitif[i]->setToolTip(QStringLiteral("Verbe transitif"));
        tirage[i]->setToolTip(QString());
        solution[i]->setToolTip(QString());
        tirage[i]->setFrame(true);
        solution[i]->setFrame(true);
    }
    nommerAccessibles();
}

void Form1::chargerMarqueurs()
{
    const struct {
        const char* fichier;
        std::array<QLabel*, 30>* images;
    } marqueurs[] = {{"images\\ppi_28x28.bmp", &reperesParticipe}, {"images\\inv_28x28.bmp", &reperesInvariable}, {"images\\vbt_28x28.bmp", &reperesTransitif}};
    QStringList manquants;
    for (const auto& m : marqueurs) {
        const QString nom = QString::fromLatin1(m.fichier);
        const QPixmap p(data::cheminLocal(nom));
        if (p.isNull())
            manquants.append(nom);
        for (QLabel* img : *m.images)
            img->setPixmap(p);
    }
    if (!manquants.isEmpty())
        app::signaler(QStringLiteral("Image(s) introuvable(s) ou illisible(s) : %1.\nLes repères grammaticaux ne "
                                      "seront pas dessinés, l'entraînement reste possible.")
                           .arg(manquants.join(QStringLiteral(", "))),
                      app::Icone::Avertissement, this);
}
