// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/menuods8.h"

#include "app/bouton.h"
#include "app/contraste.h"
#include "app/controles.h"
#include "app/echelle.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "app/polices.h"
#include "data/base.h"
#include "data/raisons.h"
#include "data/texte.h"
#include "training/partie.h"
#include "menu/catalogue.h"
#include "menu/demarrage.h"
#include "menu/noms.h"
#include "options/reglages.h"
#include "options/regles.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {

constexpr int largeurClient = 8610;
constexpr int hauteurClient = 11370;
// Start-up moves every count label this far right and down from its designed place.
constexpr int decalageCompteX = 300;
constexpr int decalageCompteY = 160;

namespace nom = menu::nom;

// The two pictures beside the first group: a letter tile each, for the verbs and the dear letters.
QPixmap tuile(QChar lettre, int points)
{
    const int cote = ctl::twips(450);
    QPixmap pm(cote, cote);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8B, 0x6B, 0x3A), 1));
    p.setBrush(QColor(0xF6, 0xE7, 0xC1));
    p.drawRoundedRect(QRectF(0.5, 0.5, cote - 1, cote - 1), 4, 4);
    p.setPen(Qt::black);
    p.setFont(app::police(QStringLiteral("Times New Roman"), 14, true));
    p.drawText(QRect(0, 0, cote - 4, cote), Qt::AlignCenter, QString(lettre));
    p.setFont(app::police(QStringLiteral("Arial"), 5.5, true));
    p.drawText(QRect(0, 0, cote - 3, cote - 2), Qt::AlignRight | Qt::AlignBottom, QString::number(points));
    return pm;
}

}  // namespace

MenuODS8::MenuODS8(options::Reglages& r, QWidget* parent)
    : QWidget(parent)
    , reglages(r)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("MenuODS8"));
    setWindowTitle(QStringLiteral("Bienvenue :o)"));
    ctl::colorerSurface(this, options::couleurDefaut);
    setFixedSize(ctl::twips(largeurClient), ctl::twips(hauteurClient));
    setFont(app::police(QStringLiteral("MS Sans Serif"), 8.25));

    auto* titre = etiquette(QStringLiteral("LEXIDOR ODS 8"), nom::titre, -1, 1800, 120);
    titre->setFont(app::police(QStringLiteral("Times New Roman"), 20.25, true));
    ctl::placer(titre, 1800, 120, 4890, 465);

    const QFont policeTitres = app::police(QStringLiteral("Times New Roman"), 12, true);
    const struct {
        int index;
        const char16_t* texte;
        int gauche, haut;
    } titres[] = {
        {0, u"VERBES et LETTRES CHERES", 720, 760},    {1, u"SOLUTIONS UNIQUES", 600, 3720},
        {6, u"(sauf nouvelles formes)", 600, 4020},    {2, u"NOUVELLES FORMES", 4920, 765},
        {3, u"(pluriels, féminins, conj.)", 4920, 1080}, {5, u"NOUVELLES RALLONGES 1L", 4800, 2240},
        {4, u"ANAGRAMMES MULTIPLES", 4800, 5200},
    };
    for (const auto& t : titres) {
        auto* l = etiquette(QString::fromUtf16(t.texte), nom::enteteGroupe, t.index, t.gauche, t.haut);
        l->setFont(policeTitres);
        l->adjustSize();
    }
    for (const auto& [index, haut] : {std::pair{3, 1130}, std::pair{2, 4130}}) {
        auto* l = etiquette(QStringLiteral("Nombre"), nom::enteteNombre, index, 3040, haut);
        l->setFont(app::police(QStringLiteral("Comic Sans MS"), 11.25, false, false, true));
        ctl::placer(l, 3040, haut, 825, 300);
    }

    const QPixmap images[] = {tuile(QLatin1Char('V'), 4), tuile(QLatin1Char('K'), 10)};
    const int hautsImages[] = {1530, 2655};
    for (int i = 0; i < 2; ++i) {
        auto* im = new QLabel(this);
        ctl::nommer(im, nom::tuiles[i]);
        im->setPixmap(images[i]);
        ctl::placer(im, 45 + 60, hautsImages[i], 450, 450);
    }

    const QFont policeLancement = app::police(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont petitePolice = app::police(QStringLiteral("MS Sans Serif"), 8.25, true);
    for (const auto& e : menu::catalogue()) {
        auto* b = new BoutonMultiligne(e.legende, this);
        ctl::nommer(b, e.bouton, e.index);
        b->setFont(e.petitePolice ? petitePolice : policeLancement);
        ctl::placer(b, e.gauche + e.decalage, e.haut, e.largeur, e.hauteur);
        entrees.insert(b, &e);
        connect(b, &QPushButton::clicked, this, [this, &e] { lancer(e); });
        if (e.aide != menu::Aide::Aucune) {
            b->setMouseTracking(true);
            b->installEventFilter(this);
        }
        if (e.typ == QStringLiteral("rallong"))
            b->setToolTip(QStringLiteral("(ne saisir que la lettre)"));
        if (e.toue == QStringLiteral("E"))
            boutonTest = b;
    }

    const QFont policeCompte = app::police(QStringLiteral("MS Sans Serif"), 11);
    for (const auto& l : menu::labelsComptes())
        etiquette(QString(), l.label, l.index, l.gauche + decalageCompteX, l.haut + decalageCompteY)
            ->setFont(policeCompte);
    etiquette(QString(), nom::compteRallongesOds8, nom::indexRallongesOds8, 7080 + decalageCompteX,
              4350 + decalageCompteY)
        ->setFont(policeCompte);

    // The score is written here without resizing the label: room up to the edge.
    scoreTest = etiquette(QString(), nom::scoreTest, -1, 5160 + decalageCompteX, 9120 + decalageCompteY);
    scoreTest->setFont(app::police(QStringLiteral("MS Sans Serif"), 11, true));
    ctl::placer(scoreTest, 5160 + decalageCompteX, 9120 + decalageCompteY, largeurClient - 5160 - decalageCompteX, 360);

    ligneAide = etiquette(QString(), nom::ligneAide, -1, 240, 9960);
    ligneAide->setFont(app::police(QStringLiteral("Times New Roman"), 11.25, false, true));
    ligneAide->setWordWrap(true);
    ligneAide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ctl::placer(ligneAide, 240, 9960, 4995, 1140);

    const struct {
        const QString& nom;
        const char16_t* legende;
        int gauche, haut;
        void (MenuODS8::*action)();
    } basBoutons[] = {
        {nom::boutonOptions, u"Options", 5760, 10200, &MenuODS8::ouvrirOptions},
        {nom::boutonApropos, u"A propos de Lexidor", 6960, 10200, &MenuODS8::ouvrirApropos},
        {nom::boutonMotsDisparus, u"Mots qui disparaissent", 5760, 10680, &MenuODS8::montrerMotsDisparus},
        {nom::boutonQuitter, u"Quitter", 6960, 10680, &MenuODS8::quitter},
    };
    for (const auto& d : basBoutons) {
        auto* b = new BoutonMultiligne(QString::fromUtf16(d.legende), this);
        ctl::nommer(b, d.nom);
        ctl::placer(b, d.gauche, d.haut, 1215, 495);
        connect(b, &QPushButton::clicked, this, d.action);
    }
    placerMesListes();
    construireProgression();
    nommerPourLecteur();
    ctl::ajusterALEcran(this);
    connect(&reglages, &options::Reglages::modifies, this, &MenuODS8::suivreReglages);
}

void MenuODS8::nommerPourLecteur()
{
    QList<ctl::RoleAccessible> roles{
        {nom::tuiles[0], QStringLiteral("Tuile V")},
        {nom::tuiles[1], QStringLiteral("Tuile K")},
        {ctl::nomControle(nom::compteRallongesOds8, nom::indexRallongesOds8),
         data::selonEditions(QStringLiteral("Nombre de rallonges avant et arrière sur ODS 8"), description), true},
        {nom::scoreTest, QStringLiteral("Score du dernier test"), true},
        {nom::ligneAide, QStringLiteral("Aide"), true},
    };
    QHash<QString, QString> titres;
    for (const auto& e : menu::catalogue()) {
        titres.insert(e.fichier.section(QLatin1Char('\\'), -1), data::selonEditions(e.titre, description));
        // "série 1" or "sur ods8" alone does not say which base the button launches.
        if (e.petitePolice)
            roles.append({ctl::nomControle(e.bouton, e.index), data::selonEditions(e.titre, description)});
    }
    for (const auto& l : menu::labelsComptes())
        roles.append({ctl::nomControle(l.label, l.index),
                      QStringLiteral("Nombre de tirages de la base ") + titres.value(l.fichier), true});
    ctl::nommerAccessibles(this, roles);
}

QLabel* MenuODS8::etiquette(const QString& texte, const QString& nom, int index, int gauche, int haut)
{
    auto* l = new QLabel(texte, this);
    ctl::nommer(l, nom, index);
    ctl::placer(l, gauche, haut);
    l->adjustSize();
    return l;
}

void MenuODS8::charger()
{
    if (charge)
        return;
    charge = true;

    const QString messageComptes = afficherDonnees();
    const QString messageReglages = reglages.charger();
    suivreReglages();

    // Shown once the event loop runs, so that the menu is already on screen behind them.
    QStringList avis{messageComptes, messageReglages};
    avis.removeAll(QString());
    if (!avis.isEmpty())
        QTimer::singleShot(0, this, [this, avis] {
            for (const QString& a : avis)
                app::signaler(a, app::Icone::Avertissement, this);
        });
}

void MenuODS8::suivreReglages()
{
    if (ctl::couleurFond(this) != reglages.fond()) {
        ctl::colorerSurface(this, reglages.fond());
        colorerScore();
    }
    // The caption follows the stored sample size, not the one being typed in the options.
    boutonTest->setText(menu::legendeTest(reglages.nbechantillon()));
    const bool progression = reglages.valeurs().memoriser;
    boutonRevisions->setVisible(progression);
    compteRevisions->setVisible(progression);
    ligneRevisions->setVisible(progression);
    boutonStatistiques->setVisible(progression);
}

void MenuODS8::lancer(const menu::EntreeCatalogue& e)
{
    relireDonnees();
    entrainement::Lancement l = menu::lancement(e, reglages);
    l.fichier = donnees.chemin(l.fichier);
    l.dossierListes = donnees.chemin(l.dossierListes);
    l.fichierNotes = donnees.chemin(l.fichierNotes);
    l.titre = data::selonEditions(l.titre, description);
    l.titreFenetre = data::selonEditions(l.titreFenetre, description);
    lancer(l);
}

void MenuODS8::lancer(const entrainement::Lancement& l)
{
    // Checked here so that a missing base leaves the player on the menu, not in an empty window.
    QFile f(data::cheminLocal(l.fichier));
    if (!f.exists() || !QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) {
        const QString raison = f.exists()
                                   ? QStringLiteral("ne peut pas être lu (%1)").arg(data::raisonLecture(l.fichier))
                                   : QStringLiteral("est introuvable");
        app::signaler(QStringLiteral("La base « %1 » ne peut pas être lancée : le fichier « %2 » %3.")
                          .arg(l.titre, l.fichier, raison),
                      app::Icone::Avertissement, this);
        return;
    }
    f.close();
    // An empty base would open a run with nothing to answer, and end it at once as if it were won.
    const data::ApercuBase base = data::apercuBase(l.fichier);
    if (base.ok() && !base.entree) {
        const QString cause = base.ignorees == 0
                                  ? QStringLiteral("le fichier « %1 » est vide").arg(l.fichier)
                                  : QStringLiteral("les %1 ligne(s) du fichier « %2 » sont sans « ; »")
                                        .arg(base.ignorees)
                                        .arg(l.fichier);
        app::signaler(QStringLiteral("La base « %1 » ne contient aucun tirage : %2.").arg(l.titre, cause),
                      app::Icone::Avertissement, this);
        return;
    }
    retenirLancement(l);
    Q_EMIT lancementDemande(l);
}

void MenuODS8::afficherScore(double pourc, const QString& titre)
{
    const QString t = titre.isEmpty() ? dernier.titre : titre;
    ecrireScore(t, pourc, t.left(4) == QLatin1String("TEST"));
}

void MenuODS8::ecrireScore(const QString& titre, double pourc, bool test)
{
    const QString P = entrainement::textePourcentage(pourc);
    // While the progress is kept, the score says which base it belongs to, on its own line: in the
    // first one the name would push the colon alone onto a line of its own.
    const QString base = reglages.valeurs().memoriser && !titre.isEmpty() ? QStringLiteral(" (%1)").arg(titre)
                                                                           : QString();
    ligneAide->setText(QStringLiteral("Votre score sur la dernière base terminée : \r\n%1%%2").arg(P, base));
    if (test)
        scoreTest->setText(P + QLatin1Char('%'));
    const quint32 avant = couleurScore.value_or(ctl::versBGR(scoreTest->palette().color(QPalette::WindowText)));
    const quint32 apres = entrainement::couleurScore(scoreTest->text(), avant);
    if (apres != avant)
        couleurScore = apres;
    colorerScore();
}

void MenuODS8::colorerScore()
{
    // Green, orange or red as designed, unless the chosen background swallows it.
    if (couleurScore)
        ctl::colorerTexte(scoreTest, ctl::couleurDistincte(*couleurScore, reglages.fond()));
}

void MenuODS8::quitter() { app::terminer(); }

void MenuODS8::closeEvent(QCloseEvent* e)
{
    // The options dialog or the hidden training window may still be loaded: end the program
    // rather than keep it running without a visible window.
    e->accept();
    app::terminer();
}

bool MenuODS8::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) {
        const auto* entree = entrees.value(objet);
        if (entree && entree->aide != menu::Aide::Aucune)
            ligneAide->setText(data::selonEditions(menu::texteAide(entree->aide, reglages.nbechuni()), description));
    }
    return QWidget::eventFilter(objet, e);
}
