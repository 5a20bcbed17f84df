// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/menuods8.h"

#include "about/apropos.h"
#include "app/bouton.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "app/polices.h"
#include "data/raisons.h"
#include "data/texte.h"
#include "menu/catalogue.h"
#include "menu/demarrage.h"
#include "options/dialog2.h"
#include "options/regles.h"
#include "training/form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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
    p.setFont(ctl::police(QStringLiteral("Times New Roman"), 14, true));
    p.drawText(QRect(0, 0, cote - 4, cote), Qt::AlignCenter, QString(lettre));
    p.setFont(ctl::police(QStringLiteral("Arial"), 5.5, true));
    p.drawText(QRect(0, 0, cote - 3, cote - 2), Qt::AlignRight | Qt::AlignBottom, QString::number(points));
    return pm;
}

}  // namespace

MenuODS8::MenuODS8(QWidget* parent)
    : QWidget(parent)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("MenuODS8"));
    setWindowTitle(QStringLiteral("Bienvenue :o)"));
    ctl::colorerSurface(this, options::couleurDefaut);
    setFixedSize(ctl::twips(largeurClient), ctl::twips(hauteurClient));
    setFont(ctl::police(QStringLiteral("MS Sans Serif"), 8.25));

    auto* titre = etiquette(QStringLiteral("REVI RADIDUZE VUV 8"), QStringLiteral("Label1"), -1, 1800, 120);
    titre->setFont(ctl::police(QStringLiteral("Times New Roman"), 20.25, true));
    ctl::placer(titre, 1800, 120, 4890, 465);

    const QFont policeTitres = ctl::police(QStringLiteral("Times New Roman"), 12, true);
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
        auto* l = etiquette(QString::fromUtf16(t.texte), QStringLiteral("TitreU"), t.index, t.gauche, t.haut);
        l->setFont(policeTitres);
        l->adjustSize();
    }
    for (const auto& [index, haut] : {std::pair{3, 1130}, std::pair{2, 4130}}) {
        auto* l = etiquette(QStringLiteral("Nombre"), QStringLiteral("Label3"), index, 3040, haut);
        l->setFont(ctl::police(QStringLiteral("Comic Sans MS"), 11.25, false, false, true));
        ctl::placer(l, 3040, haut, 825, 300);
    }

    const QPixmap images[] = {tuile(QLatin1Char('V'), 4), tuile(QLatin1Char('K'), 10)};
    const int hautsImages[] = {1530, 2655};
    for (int i = 0; i < 2; ++i) {
        auto* im = new QLabel(this);
        ctl::nommer(im, QStringLiteral("Image%1").arg(i + 1));
        im->setPixmap(images[i]);
        ctl::placer(im, 45 + 60, hautsImages[i], 450, 450);
    }

    const QFont policeLancement = ctl::police(QStringLiteral("MS Sans Serif"), 9.75, true);
    const QFont petitePolice = ctl::police(QStringLiteral("MS Sans Serif"), 8.25, true);
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
        if (e.bouton == QStringLiteral("Command8"))
            Command8 = b;
    }

    const QFont policeCompte = ctl::police(QStringLiteral("MS Sans Serif"), 11);
    for (const auto& l : menu::labelsComptes())
        etiquette(QString(), l.label, l.index, l.gauche + decalageCompteX, l.haut + decalageCompteY)
            ->setFont(policeCompte);
    etiquette(QString(), QStringLiteral("Label7"), 3, 7080 + decalageCompteX, 4350 + decalageCompteY)
        ->setFont(policeCompte);

    // The training window writes the score here without resizing the label: room up to the edge.
    Label9 = etiquette(QString(), QStringLiteral("Label9"), -1, 5160 + decalageCompteX, 9120 + decalageCompteY);
    Label9->setFont(ctl::police(QStringLiteral("MS Sans Serif"), 11, true));
    ctl::placer(Label9, 5160 + decalageCompteX, 9120 + decalageCompteY, largeurClient - 5160 - decalageCompteX, 360);

    Label2 = etiquette(QString(), QStringLiteral("Label2"), -1, 240, 9960);
    Label2->setFont(ctl::police(QStringLiteral("Times New Roman"), 11.25, false, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ctl::placer(Label2, 240, 9960, 4995, 1140);

    const struct {
        const char* nom;
        const char16_t* legende;
        int gauche, haut;
        void (MenuODS8::*action)();
    } basBoutons[] = {
        {"Command12", u"Options", 5760, 10200, &MenuODS8::Command12_Click},
        {"Command2", u"A propos de Lexidor", 6960, 10200, &MenuODS8::Command2_Click},
        {"Command9", u"Mots qui disparaissent", 5760, 10680, &MenuODS8::Command9_Click},
        {"quitter", u"Quitter", 6960, 10680, &MenuODS8::quitter_Click},
    };
    for (const auto& d : basBoutons) {
        auto* b = new BoutonMultiligne(QString::fromUtf16(d.legende), this);
        ctl::nommer(b, QString::fromLatin1(d.nom));
        ctl::placer(b, d.gauche, d.haut, 1215, 495);
        connect(b, &QPushButton::clicked, this, d.action);
    }
    nommerPourLecteur();
    ctl::defilerSiTropHaute(this);
}

void MenuODS8::nommerPourLecteur()
{
    QList<ctl::RoleAccessible> roles{
        {QStringLiteral("Image1"), QStringLiteral("Tuile V")},
        {QStringLiteral("Image2"), QStringLiteral("Tuile K")},
        {QStringLiteral("Label7(3)"), QStringLiteral("Nombre de rallonges avant et arrière sur ODS 8"), true},
        {QStringLiteral("Label9"), QStringLiteral("Score du dernier test"), true},
        {QStringLiteral("Label2"), QStringLiteral("Aide"), true},
    };
    QHash<QString, QString> titres;
    for (const auto& e : menu::catalogue()) {
        titres.insert(e.fichier.section(QLatin1Char('\\'), -1), e.titre);
        // "série 1" or "sur ods8" alone does not say which base the button launches.
        if (e.petitePolice)
            roles.append({ctl::nomControle(e.bouton, e.index), e.titre});
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

void MenuODS8::Form_Load()
{
    if (charge)
        return;
    charge = true;

    const menu::Comptes comptes = menu::compterBases();
    const auto& labels = menu::labelsComptes();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        auto* l = findChild<QLabel*>(ctl::nomControle(labels[i].label, labels[i].index));
        l->setText(comptes.textes[i]);
        l->adjustSize();
    }
    auto* rallonges = findChild<QLabel*>(ctl::nomControle(QStringLiteral("Label7"), 3));
    rallonges->setText(comptes.texteRallongesOds8);
    rallonges->adjustSize();
    // Two five-digit counts run past the window's edge from the designed place.
    if (rallonges->geometry().right() >= width())
        rallonges->move(width() - rallonges->width(), rallonges->y());

    const data::LectureParametres reglages = menu::lireReglages();
    Dialog2& d = app::dialog2();
    d.seuilch = reglages.valeurs.seuilch;
    d.seuilcb = reglages.valeurs.seuilcb;
    d.tempsparmot = reglages.valeurs.tempsparmot;
    d.nbechantillon = reglages.valeurs.nbechantillon;
    d.son = reglages.valeurs.son;
    d.synchroniserSon();
    if (!reglages.valeurs.couleur.isEmpty()) {
        d.Form_Load();
        d.Combo1->setEditText(reglages.valeurs.couleur);
        couleurdufond = reglages.valeurs.couleur;
        d.Combo1_Click();
    }
    d.affecterechantillons(d.nbechantillon);
    Command8->setText(menu::legendeTest(d.nbechantillon));

    // Shown once the event loop runs, so that the menu is already on screen behind them.
    QStringList avis{comptes.message(), menu::messageReglages(reglages)};
    avis.removeAll(QString());
    if (!avis.isEmpty())
        QTimer::singleShot(0, this, [this, avis] {
            for (const QString& a : avis)
                app::signaler(a, app::Icone::Avertissement, this);
        });
}

void MenuODS8::lancer(const QString& bouton, int index)
{
    if (const auto* e = menu::entree(bouton, index))
        lancer(*e);
}

void MenuODS8::lancer(const menu::EntreeCatalogue& e)
{
    typ = e.typ;
    toue = e.toue;
    nombase = e.titre.isEmpty() ? menu::titreTest(app::dialog2().nbechuni) : e.titre;
    lancerbase(e.fichier);
}

void MenuODS8::Command1_Click(qint16 index) { lancer(QStringLiteral("Command1"), index); }
void MenuODS8::Command3_Click() { lancer(QStringLiteral("Command3")); }
void MenuODS8::Command4_Click() { lancer(QStringLiteral("Command4")); }
void MenuODS8::Command5_Click() { lancer(QStringLiteral("Command5")); }
void MenuODS8::Command6_Click() { lancer(QStringLiteral("Command6")); }
void MenuODS8::Command7_Click(qint16 index) { lancer(QStringLiteral("Command7"), index); }
void MenuODS8::Command8_Click() { lancer(QStringLiteral("Command8")); }
void MenuODS8::SolUniques_Click(qint16 index) { lancer(QStringLiteral("SolUniques"), index); }

void MenuODS8::lancerbase(const QString& fichier)
{
    // Checked here so that a missing base leaves the player on the menu, not in an empty window.
    QFile f(data::cheminLocal(fichier));
    if (!f.exists() || !QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) {
        const QString raison = f.exists()
                                   ? QStringLiteral("ne peut pas être lu (%1)").arg(data::raisonLecture(fichier))
                                   : QStringLiteral("est introuvable");
        app::signaler(QStringLiteral("La base « %1 » ne peut pas être lancée : le fichier « %2 » %3.")
                          .arg(nombase, fichier, raison),
                      app::Icone::Avertissement, this);
        return;
    }
    f.close();

    Form1& form = app::form1();
    form.setCursor(Qt::WaitCursor);
    hide();
    form.show();
    form.raise();
    form.activateWindow();
    form.commencer(preparerLancement(fichier));
}

entrainement::Lancement MenuODS8::preparerLancement(const QString& fichier) const
{
    const Dialog2& d = app::dialog2();
    entrainement::Lancement l;
    l.fichier = fichier;
    l.test = toue == QLatin1String("E");
    l.rallonge = typ == QLatin1String("rallong");
    l.titre = nombase;
    l.echantillon = d.nbechuni;
    l.tempsparmot = d.tempsparmot;
    l.son = d.Check1->isChecked();
    l.fond = ctl::couleurFond(this);
    return l;
}

void MenuODS8::afficherScore(double pourc)
{
    const QString P = entrainement::textePourcentage(pourc);
    Label2->setText(QStringLiteral("Votre score sur la dernière base terminée : \r\n%1%").arg(P));
    if (nombase.left(4) == QLatin1String("TEST"))
        Label9->setText(P + QLatin1Char('%'));
    const quint32 avant = ctl::versBGR(Label9->palette().color(QPalette::WindowText));
    const quint32 apres = entrainement::couleurScore(Label9->text(), avant);
    if (apres != avant)
        ctl::colorerTexte(Label9, apres);
}

void MenuODS8::Command12_Click()
{
    Dialog2& d = app::dialog2();
    d.Form_Load();
    d.show();
    d.raise();
    d.activateWindow();
    d.Combo1->setEditText(couleurdufond);
    d.Combo1_Click();
}

void MenuODS8::Command2_Click()
{
    Apropos& a = app::apropos();
    a.show();
    a.resize(ctl::twips(8500), ctl::twips(4500));
    a.setWindowTitle(QStringLiteral("A propos de Lexidor"));
    a.Afficher();
    a.raise();
    a.activateWindow();
}

void MenuODS8::Command9_Click()
{
    app::signaler(menu::texteMotsDisparus(), app::Icone::Information, this, true);
}

void MenuODS8::quitter_Click() { app::terminer(); }

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
            Label2->setText(menu::texteAide(entree->aide, app::dialog2().nbechuni));
    }
    return QWidget::eventFilter(objet, e);
}
