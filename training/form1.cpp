// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "app/lexidor.h"
#include "data/texte.h"
#include "app/bouton.h"
#include "app/messages.h"
#include "training/touches.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>

using namespace entrainement;

namespace {

constexpr quint32 tirageRepos = 0xFFFF80;
constexpr quint32 solutionRepos = 0x80C0FF;
constexpr quint32 tirageCourant = 0x80FF80;
constexpr quint32 solutionCourante = 0x80FFFF;
constexpr quint32 mauve = 0xFFC0C0;

const QString arial = QStringLiteral("Arial");
const QString times = QStringLiteral("Times New Roman");

quint32 fondSysteme()
{
    return ctl::versBGR(QApplication::palette().color(QPalette::Base));
}

int gaucheColonne(int i, bool solution)
{
    static const int tirages[3] = {480, 7250, 14090};
    static const int solutions[3] = {3480, 10250, 17090};
    // Two plain subscripts: g++ 12 with -fsanitize=undefined miscompiles a subscript of a conditional
    // between two arrays and always reads the first column.
    return solution ? solutions[i / 10] : tirages[i / 10];
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

void Form1::tracer(QFrame* l, int x1, int y1, int x2, int y2)
{
    if (y1 == y2)
        l->setGeometry(ctl::twips(x1), ctl::twips(y1), ctl::twips(x2 - x1) + 1, 1);
    else
        l->setGeometry(ctl::twips(x1), ctl::twips(y1), 1, ctl::twips(y2 - y1) + 1);
}

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , alea(std::make_unique<AleatoireHorloge>())
{
    construire();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setAleatoire(std::unique_ptr<Aleatoire> a)
{
    alea = std::move(a);
}

void Form1::construire()
{
    ctl::nommer(this, QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("LEXIDOR ODS 8 - ENTRAINEMENT AU SCRABBLE "));
    ctl::colorerFond(this, 0xC0E0FF);
    resize(ctl::twips(20760), ctl::twips(11160));

    auto ligne = [this](const QString& nom, int index = -1) {
        auto* f = new QFrame(this);
        ctl::nommer(f, nom, index);
        ctl::colorerFond(f, 0x000000);
        return f;
    };
    Line4 = ligne(QStringLiteral("Line4"));
    Line5 = ligne(QStringLiteral("Line5"));
    Line2 = ligne(QStringLiteral("Line2"));
    Line3 = ligne(QStringLiteral("Line3"));
    for (int i = 0; i < 4; ++i)
        Line1[i] = ligne(QStringLiteral("Line1"), i);
    tracer(Line4, 480, 8280, 3480, 8280);
    tracer(Line5, 480, 10320, 3480, 10320);
    tracer(Line1[2], 480, 8280, 480, 10320);
    tracer(Line1[3], 3480, 8280, 3480, 10320);
    tracer(Line2, 16200, 8280, 20040, 8280);
    tracer(Line3, 16200, 10800, 20040, 10800);
    tracer(Line1[0], 16200, 8280, 16200, 10800);
    tracer(Line1[1], 20040, 8280, 20040, 10800);

    auto boite = [this](const QString& nom, int index, int g, int h, int l, int ht) {
        auto* e = new QLineEdit(this);
        ctl::nommer(e, nom, index);
        ctl::placer(e, g, h, l, ht);
        e->installEventFilter(this);
        return e;
    };
    for (int i = 0; i < 30; ++i) {
        const int haut = 840 + 720 * (i % 10);
        tirage[i] = boite(QStringLiteral("tirage"), i, gaucheColonne(i, false), haut, 2820, 555);
        tirage[i]->setReadOnly(true);
        tirage[i]->setAlignment(Qt::AlignCenter);
        tirage[i]->setFocusPolicy(Qt::ClickFocus);
        ctl::colorerFond(tirage[i], tirageRepos);
        tirage[i]->setFont(ctl::police(times, i >= 23 ? 14.25 : 12));
        solution[i] = boite(QStringLiteral("solution"), i, gaucheColonne(i, true), haut, 2820, 555);
        solution[i]->setAlignment(Qt::AlignCenter);
        ctl::colorerFond(solution[i], solutionRepos);
    }
    for (int i = 1; i < 30; ++i)
        setTabOrder(solution[i - 1], solution[i]);

    auto bouton = [this](const QString& nom, const QString& texte, int g, int h, int l, int ht, double pt,
                         const QString& famille = arial) {
        auto* b = new QPushButton(texte, this);
        ctl::nommer(b, nom);
        ctl::placer(b, g, h, l, ht);
        b->setFont(ctl::police(famille, pt));
        return b;
    };
    Command2 = bouton(QStringLiteral("Command2"), QStringLiteral("Command2"), 13560, 8640, 135, 495, 27.75, times);
    for (int k = 0; k < 9; ++k) {
        Command1[k] = new QPushButton(this);
        ctl::nommer(Command1[k], QStringLiteral("Command1"), k);
        ctl::placer(Command1[k], 6480 + 840 * k, 8400, 840, 840);
        Command1[k]->setFont(ctl::police(arial, 27.75));
        ctl::colorerFond(Command1[k], mauve);
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    }
    Command3 = bouton(QStringLiteral("Command3"), QStringLiteral("Changer de police"), 16635, 0, 1935, 300, 9.75);
    Command4 = bouton(QStringLiteral("Command4"), QStringLiteral("Changer de critère"), 435, 10755, 2895, 300, 9.75);
    Command4->setEnabled(false);
    Command5 = bouton(QStringLiteral("Command5"), QStringLiteral("Pause"), 18480, 9960, 1455, 375, 12);
    Command6 = bouton(QStringLiteral("Command6"), QStringLiteral("Mode compact"), 15120, 0, 1520, 300, 9.75);
    Command6->setToolTip(QStringLiteral("Attention, il faudra fermer le logiciel pour revenir en mode normal"));
    restart = bouton(QStringLiteral("restart"), QStringLiteral("Nouvelle série(F8)"), 675, 8400, 2175, 615, 12);
    restart->setEnabled(false);
    corriger = bouton(QStringLiteral("corriger"), QStringLiteral("Corriger (F12)"), 16320, 8400, 1695, 615, 12);
    corriger->setEnabled(false);
    valider = bouton(QStringLiteral("valider"), QStringLiteral("Valider"), 11040, 9555, 975, 465, 12);
    quitter = new BoutonMultiligne(QStringLiteral("Retour au sommaire"), this);
    ctl::nommer(quitter, QStringLiteral("quitter"));
    ctl::placer(quitter, 18840, 0, 1335, 560);
    quitter->setFont(ctl::police(arial, 11.25));
    ctl::colorerFond(quitter, mauve);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(restart, &QPushButton::clicked, this, &Form1::restart_Click);
    connect(corriger, &QPushButton::clicked, this, &Form1::corriger_Click);
    connect(valider, &QPushButton::clicked, this, &Form1::valider_Click);
    connect(quitter, &QPushButton::clicked, this, &Form1::quitter_Click);

    recherche = boite(QStringLiteral("recherche"), -1, 8040, 9480, 2820, 585);
    recherche->setAlignment(Qt::AlignCenter);
    ctl::colorerFond(recherche, solutionRepos);
    recherche->setFont(ctl::police(times, 20.25));
    connect(recherche, &QLineEdit::textChanged, this, &Form1::recherche_Change);
    seuiltxt = boite(QStringLiteral("seuiltxt"), -1, 2540, 10365, 340, 390);
    seuiltxt->setText(QStringLiteral("1"));
    seuiltxt->setEnabled(false);
    ctl::colorerFond(seuiltxt, 0xFFFFFF);
    seuiltxt->setFont(ctl::police(arial, 12));
    motsleft = boite(QStringLiteral("motsleft"), -1, 2640, 9240, 735, 390);
    motsleft->setEnabled(false);
    motsleft->setAlignment(Qt::AlignCenter);
    motsleft->setFont(ctl::police(arial, 12));
    temps = boite(QStringLiteral("temps"), -1, 19080, 9000, 615, 390);
    temps->setText(QStringLiteral("4:00"));
    temps->setAlignment(Qt::AlignCenter);
    temps->setFont(ctl::police(arial, 12));
    tempstot = boite(QStringLiteral("tempstot"), -1, 18960, 9480, 960, 390);
    tempstot->setText(QStringLiteral("0:00:00"));
    tempstot->setAlignment(Qt::AlignCenter);
    tempstot->setFont(ctl::police(arial, 12));

    InfoSourisText = new QPlainTextEdit(this);
    ctl::nommer(InfoSourisText, QStringLiteral("InfoSourisText"));
    ctl::placer(InfoSourisText, 4080, 8160, 11775, 2895);
    InfoSourisText->setReadOnly(true);
    InfoSourisText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InfoSourisText->setFont(ctl::police(times, 15.75));
    InfoSourisText->setPlainText(QStringLiteral("MAKORE Arbre tropical\nKAWA Boisson polynésienne\nZOB Sexe masculin"));
    InfoSourisText->hide();

    Check1 = new QCheckBox(this);
    ctl::nommer(Check1, QStringLiteral("Check1"));
    ctl::placer(Check1, 19440, 8535, 255, 255);
    Check1->setChecked(true);
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);

    auto etiquette = [this](const QString& nom, const QString& texte, int g, int h, const QFont& f) {
        auto* l = new QLabel(this);
        ctl::nommer(l, nom);
        l->setFont(f);
        ctl::placer(l, g, h);
        afficherTexte(l, texte);
        return l;
    };
    Label1 = etiquette(QStringLiteral("Label1"), QStringLiteral("Série"), 18240, 9000, ctl::police(arial, 12));
    Label2 = etiquette(QStringLiteral("Label2"), QStringLiteral("Total"), 18240, 9480, ctl::police(arial, 12));
    Label3 = etiquette(QStringLiteral("Label3"), QStringLiteral("TEMPS"), 18480, 8520, ctl::police(arial, 12));
    Label4 = etiquette(QStringLiteral("Label4"), QStringLiteral("Tirages restants :"), 675, 9300, ctl::police(arial, 12));
    Label5 = etiquette(QStringLiteral("Label5"), QStringLiteral("Eliminer un mot après "), 435, 10440, ctl::police(arial, 9.75));
    Label6 = etiquette(QStringLiteral("Label6"), QStringLiteral("réussites."), 3000, 10440, ctl::police(arial, 9.75));
    Label7 = etiquette(QStringLiteral("Label7"), QString(), 7560, 100, ctl::police(arial, 20.25));
    Label8 = etiquette(QStringLiteral("Label8"), QStringLiteral("Nombre de fautes :"), 16360, 10440, ctl::police(arial, 12));
    nbftot = etiquette(QStringLiteral("nbftot"), QString(), 18500, 10440, ctl::police(arial, 12));
    nbseries = etiquette(QStringLiteral("nbseries"), QStringLiteral("0 série déjà réalisée"), 600, 9840, ctl::police(arial, 12));
    score = etiquette(QStringLiteral("score"), QString(), 16800, 9240, ctl::police(QStringLiteral("Comic Sans MS"), 14.25, true));
    tps = etiquette(QStringLiteral("tps"), QString(), 16800, 9840, ctl::police(QStringLiteral("Comic Sans MS"), 14.25, true));
    ctl::colorerTexte(score, 0xC0C000);
    ctl::colorerTexte(tps, 0xC0C000);
    score->hide();
    tps->hide();
    police = etiquette(QStringLiteral("police"), QStringLiteral("1"), 18600, 0, ctl::police(arial, 12));
    voyant = etiquette(QStringLiteral("voyant"), QString(), 3720, 9960, font());

    auto image = [this](const QString& nom, int i) {
        auto* l = new QLabel(this);
        ctl::nommer(l, nom, i);
        l->setScaledContents(true);
        ctl::placer(l, 13320, 120, 420, 420);
        return l;
    };
    for (int i = 0; i < 30; ++i) {
        Image2[i] = image(QStringLiteral("Image2"), i);
        Image3[i] = image(QStringLiteral("Image3"), i);
        Image6[i] = image(QStringLiteral("Image6"), i);
    }

    auto minuterie = [this](const QString& nom) {
        auto* t = new QTimer(this);
        t->setObjectName(nom);
        t->setInterval(1000);
        return t;
    };
    Timer1 = minuterie(QStringLiteral("Timer1"));
    Timer2 = minuterie(QStringLiteral("Timer2"));
    Timer3 = minuterie(QStringLiteral("Timer3"));
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);

    definirParDefaut(Command2);
    if (QScreen* s = QApplication::primaryScreen()) {
        // At 150 % or 200 % scaling the window can be larger than the screen: centring it would
        // put its title bar, and the "Mode compact" button that makes it fit, above the screen.
        const QRect dispo = s->availableGeometry();
        const QPoint coin = dispo.center() - rect().center();
        move(std::max(coin.x(), dispo.left()), std::max(coin.y(), dispo.top()));
    }
}

void Form1::colorerFenetre(quint32 fond)
{
    ctl::colorerFond(this, fond);
    for (QWidget* w : {static_cast<QWidget*>(Check1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label5),
                       static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8),
                       static_cast<QWidget*>(nbseries), static_cast<QWidget*>(score), static_cast<QWidget*>(police),
                       static_cast<QWidget*>(tps), static_cast<QWidget*>(voyant), static_cast<QWidget*>(nbftot)})
        ctl::colorerFond(w, fond);
}

void Form1::Form_Load()
{
    gauchetuiles = qint16(ctl::gaucheTwips(Command1[0]));
    largeurtuile = qint16(ctl::largeurTwips(Command1[0]));
    modecompact = false;
    colorerFenetre(lancement.fond);
    numeropolice = 1;
    partie.reinitialiserTemps(lancement.tempsparmot);
    partie.tempsserie = partie.tempsrestant;
    lettre = -1;
    for (int i = 0; i < 30; ++i)
        solution[i]->setFont(ctl::police(QStringLiteral("Lucida Sans"), 18));
    chargerMarqueurs();
    for (int i = 0; i < 30; ++i) {
        const int haut = ctl::hautTwips(tirage[i]) + 60;
        const int gauche = ctl::gaucheTwips(solution[i]) + ctl::largeurTwips(solution[i]) + 20;
        for (QLabel* img : {Image2[i], Image3[i], Image6[i]}) {
            ctl::placer(img, gauche, haut, 420, 420);
            img->raise();
            img->hide();
        }
        Image2[i]->setToolTip(QStringLiteral("Participe passé invariable !"));
        Image3[i]->setToolTip(QStringLiteral("Mot invariable !"));
        Image6[i]->setToolTip(QStringLiteral("Verbe transitif"));
        tirage[i]->setToolTip(QString());
        solution[i]->setToolTip(QString());
        tirage[i]->setFrame(true);
        solution[i]->setFrame(true);
    }
    ctl::nommerAccessibles(this, {
        {QStringLiteral("tirage"), QStringLiteral("Tirage %1")},
        {QStringLiteral("solution"), QStringLiteral("Réponse %1")},
        {QStringLiteral("Command1"), QStringLiteral("Lettre %1"), true},
        // Its caption is only a name: it moves the focus to the next answer.
        {QStringLiteral("Command2"), QStringLiteral("Réponse suivante")},
        {QStringLiteral("recherche"), QStringLiteral("Saisie centrale de la réponse")},
        {QStringLiteral("seuiltxt"), QStringLiteral("Seuil d'élimination")},
        {QStringLiteral("motsleft"), QStringLiteral("Tirages restants")},
        {QStringLiteral("temps"), QStringLiteral("Temps restant de la série")},
        {QStringLiteral("tempstot"), QStringLiteral("Temps total")},
        {QStringLiteral("InfoSourisText"), QStringLiteral("Notes sur les mots")},
        {QStringLiteral("Check1"), QStringLiteral("Afficher les temps")},
        {QStringLiteral("Label7"), QStringLiteral("Base"), true},
        {QStringLiteral("nbftot"), QStringLiteral("Nombre de fautes"), true},
        {QStringLiteral("score"), QStringLiteral("Score de la série"), true},
        {QStringLiteral("tps"), QStringLiteral("Durée de la série"), true},
        {QStringLiteral("police"), QStringLiteral("Police des réponses"), true},
        {QStringLiteral("voyant"), QStringLiteral("Temps du mot"), true},
        {QStringLiteral("Image2"), QStringLiteral("Participe passé invariable ! (réponse %1)")},
        {QStringLiteral("Image3"), QStringLiteral("Mot invariable ! (réponse %1)")},
        {QStringLiteral("Image6"), QStringLiteral("Verbe transitif (réponse %1)")},
        {QStringLiteral("Line1"), QStringLiteral("Cadre")},
        {QStringLiteral("Line2"), QStringLiteral("Cadre")},
        {QStringLiteral("Line3"), QStringLiteral("Cadre")},
        {QStringLiteral("Line4"), QStringLiteral("Cadre")},
        {QStringLiteral("Line5"), QStringLiteral("Cadre")},
    });
}

void Form1::chargerMarqueurs()
{
    const struct {
        const char* fichier;
        std::array<QLabel*, 30>* images;
    } marqueurs[] = {{"images\\ppi_28x28.bmp", &Image2}, {"images\\inv_28x28.bmp", &Image3}, {"images\\vbt_28x28.bmp", &Image6}};
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
    return Command5->text() == QLatin1String("Reprendre");
}

bool Form1::rallonge() const
{
    return lancement.rallonge;
}

Critere Form1::critere() const
{
    return Label6->text().startsWith(QLatin1Char('r')) ? Critere::Reussites : Critere::Temps;
}

QString Form1::CalcDuree(qint16 TpsSec) const
{
    return entrainement::CalcDuree(TpsSec);
}

void Form1::commencer(const entrainement::Lancement& l)
{
    lancement = l;
    colorerFenetre(l.fond);
    ctl::colorerFond(quitter, ctl::versBGR(QApplication::palette().color(QPalette::Button)));
    afficherTexte(Label7, l.titre);
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
    listevbi = lireListe("vbi_gd.txt", data::capaciteVbi);
    listevbt = lireListe("vbt_gd.txt", data::capaciteVbt);
    listeinv = lireListe("inv.txt", data::capaciteInv);

    // Read now, while the run starts, so that the first correction does not stall on a large file.
    const data::InfoSouris& notes = infosouris.lire(l.fichierNotes);
    if (infosouris.erreurNouvelle())
        problemes.append(notes.erreur() + QStringLiteral(" Les notes sur les mots ne seront pas affichées."));

    const data::Base base = data::lireBase(fich);
    if (!base.ok())
        problemes.append(base.erreur);
    else if (base.ignorees > 0)
        problemes.append(QStringLiteral("%1 ligne(s) sans « ; » de la base « %2 » ont été ignorées.")
                             .arg(base.ignorees)
                             .arg(fich));

    const QString dernier = base.lignes.isEmpty() ? QString() : base.lignes.last().tirage;
    const double taille = dernier.size() >= 9 ? 19 : 20;
    for (int i = 0; i < 30; ++i) {
        tirage[i]->setFont(ctl::police(times, taille));
        solution[i]->setFont(ctl::police(times, taille));
    }
    ctl::colorerFond(tempstot, fondSysteme());

    Command4->setEnabled(true);
    seuiltxt->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(voyant), static_cast<QWidget*>(Command4),
                       static_cast<QWidget*>(seuiltxt), static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6)})
        w->show();

    partie.charger(base.lignes, l.test ? (l.echantillon > 0 ? l.echantillon : 30) : 0, *alea);
    if (modecompact)
        ctl::placer(InfoSourisText, ctl::gaucheTwips(Label5), 8040, 10700, 1440);
    if (!problemes.isEmpty())
        app::signaler(problemes.join(QLatin1Char('\n')), app::Icone::Avertissement, this);
    tirerserie();
}

void Form1::tirerserie()
{
    for (int j = 0; j < 30; ++j) {
        Image2[j]->hide();
        Image3[j]->hide();
        Image6[j]->hide();
        tirage[j]->setToolTip(QString());
        solution[j]->setToolTip(QString());
        tirage[j]->setFrame(true);
        solution[j]->setFrame(true);
    }
    for (int j = 1; j < 30; ++j) {
        ctl::colorerFond(tirage[j], tirageRepos);
        ctl::colorerFond(solution[j], solutionRepos);
    }
    motsleft->setText(QString::number(partie.nbrestants));
    score->hide();
    tps->hide();
    InfoSourisText->hide();
    InfoSourisText->clear();
    if (modecompact) {
        recherche->show();
        valider->show();
    }
    if (enPause())
        Command5_Click();
    const int n = partie.tirerserie(*alea);
    lettre = -1;
    for (int j = 0; j < 30; ++j) {
        tirage[j]->clear();
        solution[j]->clear();
        QFont f = solution[j]->font();
        f.setStrikeOut(false);
        solution[j]->setFont(f);
    }
    for (int j = 0; j < n; ++j)
        tirage[j]->setText(*partie.tirageDeLigne(j));
    unsetCursor();
    ctl::colorerFond(seuiltxt, fondSysteme());
    corriger->setEnabled(true);
    restart->setEnabled(false);
    reserve.vider();
    temps->setFocus(Qt::OtherFocusReason);
    solution[0]->setFocus(Qt::OtherFocusReason);
    if (ligneEntree != 0)
        ligneEntree = -1;  // the window is not active yet: row 0 is entered when it becomes so
    ctl::colorerFond(temps, fondSysteme());
    partie.tempsserie = partie.tempsrestant = qint32(lancement.tempsparmot) * 30;
    Timer1->start();
    if (!Timer2->isActive())
        Timer2->start();
}

void Form1::extrairelettres(const QString& texte)
{
    reserve.extrairelettres(texte);
}

void Form1::actualiserlettres(int r)
{
    if (rallonge() || !serieOuverte())
        return;
    reserve.recalculer(solution[r]->text());
    const QString t = tirage[r]->text();
    if (!t.contains(QLatin1Char('-')) && !t.contains(QLatin1Char('+')) && !t.contains(QLatin1Char('(')))
        tirage[r]->setText(reserve.libres());
}

void Form1::placertuiles()
{
    const QString& l = reserve.lettrestirage;
    if (l.isEmpty() || l.size() > 9)
        return;
    const int haut = ctl::hautTwips(Command1[0]);
    for (int k = 0; k < 9; ++k) {
        Command1[k]->setText(k < l.size() ? QString(l[k]) : QString());
        ctl::placer(Command1[k], gauchetuiles + k * largeurtuile, haut);
    }
}

void Form1::colorerLignes(int courante)
{
    for (int i = 0; i < 30; ++i) {
        ctl::colorerFond(tirage[i], i == courante ? tirageCourant : tirageRepos);
        ctl::colorerFond(solution[i], i == courante ? solutionCourante : solutionRepos);
    }
}

void Form1::solution_GotFocus(int r)
{
    lignecourante = qint16(r);
    if (serieOuverte()) {
        definirParDefaut(Command2);
        if (critere() == Critere::Temps) {
            partie.tempsmot = 0;
            Timer3->start();
        }
        colorerLignes(r);
    }
    extrairelettres(tirage[r]->text());
    placertuiles();
    if (serieOuverte())
        actualiserlettres(r);
}

void Form1::solution_LostFocus(int r)
{
    Timer3->stop();
    const bool ouverte = serieOuverte();
    const QString* t = partie.tirageDeLigne(r);
    if (!rallonge() && ouverte) {
        if (t)
            tirage[r]->setText(*t);
        else if (!reserve.lettrestirage.isEmpty())
            tirage[r]->setText(reserve.lettrestirage);
    }
    if (t && ouverte) {
        if (critere() == Critere::Temps) {
            const QString v = partie.jugerRapidite(r, solution[r]->text(), nombreEnTete(seuiltxt->text()));
            if (!v.isEmpty())
                afficherTexte(voyant, v);
        }
        ctl::colorerFond(tirage[r], tirageRepos);
        ctl::colorerFond(solution[r], solutionRepos);
    }
}

void Form1::solution_KeyPress(int r, int& code)
{
    ContexteTouche c;
    c.serieOuverte = serieOuverte();
    c.rallonge = rallonge();
    c.enPause = enPause();
    c.selectionTotale = solution[r]->selectedText().size() == solution[r]->text().size();
    c.tirageBase = partie.tirageDeLigne(r);
    const EffetTouche e = toucheSolution(code, c, reserve);
    if (e.afficherLibres)
        tirage[r]->setText(reserve.libres());
    code = e.code;
}

void Form1::solution_KeyDown(int, int& code)
{
    if (code == vkBas)
        Command2_Click();
    if (code == vkHaut)
        solution[lignecourante == 0 ? 29 : lignecourante - 1]->setFocus(Qt::OtherFocusReason);
    if (code == vkF12 && corriger->isEnabled())
        corriger_Click();
    if (code == vkF8 && restart->isEnabled())
        restart_Click();
    if (code == vkSuppr && !corriger->isEnabled())
        code = 0;
}

void Form1::solution_KeyUp(int r, int code)
{
    if ((code == vkSuppr || code == vkBackspace) && corriger->isEnabled())
        actualiserlettres(r);
}

void Form1::Command2_Click()
{
    solution[lignecourante >= 29 ? 0 : lignecourante + 1]->setFocus(Qt::OtherFocusReason);
}

void Form1::Form_KeyDown(int& code)
{
    if (code == vkF12 && corriger->isEnabled())
        corriger_Click();
    if (code == vkF8 && restart->isEnabled())
        restart_Click();
}

void Form1::keyPressEvent(QKeyEvent* e)
{
    int code = codeVirtuel(e);
    if (code == vkEntree) {
        if (parDefaut && parDefaut->isEnabled() && parDefaut->isVisibleTo(this))
            parDefaut->click();
        return;
    }
    if (code == vkF12 || code == vkF8) {
        Form_KeyDown(code);
        return;
    }
    QWidget::keyPressEvent(e);
}

bool Form1::eventFilter(QObject* o, QEvent* e)
{
    const int r = int(std::find(solution.begin(), solution.end(), o) - solution.begin());
    const bool estSolution = r < 30;
    const bool estRecherche = o == recherche;
    if (!estSolution && !estRecherche)
        return QWidget::eventFilter(o, e);
    auto* edit = static_cast<QLineEdit*>(o);
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (estSolution) {
            int vk = codeVirtuel(k);
            const int avant = vk;
            solution_KeyDown(r, vk);
            if (vk == 0 || avant == vkBas || avant == vkHaut || avant == vkF12 || avant == vkF8)
                return true;
        }
        const int code = codeCaractere(k);
        if (code < 0 || code == vkEntree)
            return false;
        int nouveau = code;
        if (estSolution)
            solution_KeyPress(r, nouveau);
        else
            recherche_KeyPress(nouveau);
        if (nouveau == 0)
            return true;
        if (nouveau != code) {
            if (!edit->isReadOnly())
                edit->insert(texteDuCode(nouveau));
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease:
        if (estSolution)
            solution_KeyUp(r, codeVirtuel(static_cast<QKeyEvent*>(e)));
        return false;
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        if (estRecherche) {
            if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
                recherche_GotFocus();
            return false;
        }
        if ((raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason) && ligneEntree == r)
            return false;
        if (ligneEntree >= 0 && ligneEntree != r)
            solution_LostFocus(ligneEntree);
        ligneEntree = r;
        solution_GotFocus(r);
        return false;
    }
    case QEvent::FocusOut: {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        if (estSolution && raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason
            && ligneEntree == r) {
            ligneEntree = -1;
            solution_LostFocus(r);
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (estRecherche)
            recherche_Click();
        return false;
    default:
        return false;
    }
}

void Form1::Timer1_Timer()
{
    --partie.tempsrestant;
    temps->setText(texteMinutes(std::max(partie.tempsrestant, 0)));
    if (partie.tempsrestant < 1)
        corrigerserie();
}

void Form1::Timer2_Timer()
{
    ++partie.tempstotal;
    tempstot->setText(texteHeures(partie.tempstotal));
}

void Form1::Timer3_Timer()
{
    if (partie.tempsmot < std::numeric_limits<qint32>::max())
        ++partie.tempsmot;
}

void Form1::Command5_Click()
{
    const bool pause = !enPause();
    if (pause) {
        Timer1->stop();
        Timer2->stop();
        recherche->setEnabled(false);
        Command5->setText(QStringLiteral("Reprendre"));
    } else {
        if (corriger->isEnabled())
            Timer1->start();
        Timer2->start();
        recherche->setEnabled(true);
        Command5->setText(QStringLiteral("Pause"));
    }
    for (QLineEdit* s : solution)
        s->setReadOnly(pause);
}

void Form1::Check1_Click()
{
    const bool v = Check1->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(temps), static_cast<QWidget*>(tempstot),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)})
        w->setVisible(v);
}

void Form1::Command3_Click()
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

void Form1::Command1_Click(int index)
{
    ctl::colorerFond(tirage[lignecourante], tirageCourant);
    ctl::colorerFond(solution[lignecourante], solutionCourante);
    if (lettre == -1) {
        lettre = qint16(index);
        return;
    }
    if (!Command1[lettre]->text().isEmpty() && !Command1[index]->text().isEmpty()) {
        const int g = ctl::gaucheTwips(Command1[lettre]);
        ctl::placer(Command1[lettre], ctl::gaucheTwips(Command1[index]), ctl::hautTwips(Command1[lettre]));
        ctl::placer(Command1[index], g, ctl::hautTwips(Command1[index]));
    }
    lettre = -1;
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
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    for (QPushButton* t : Command1)
        ctl::colorerFond(t, mauve);
    ctl::placer(InfoSourisText, ctl::gaucheTwips(InfoSourisText), 8160, ctl::largeurTwips(InfoSourisText), 2895);
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
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    Q_EMIT retourMenu();
}
