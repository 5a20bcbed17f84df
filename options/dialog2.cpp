// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/dialog2.h"

#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "app/polices.h"
#include "data/parametres.h"
#include "menu/catalogue.h"
#include "menu/menuods8.h"
#include "options/regles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The designed outer height is 3600 twips; the title bar takes about 405 of them.
constexpr int hauteurClient = 3195;
constexpr int largeurClient = 7620;

QLabel* etiquette(QWidget* parent, const QString& texte, const QString& nom, int index, int gauche, int haut)
{
    auto* l = new QLabel(texte, parent);
    ctl::nommer(l, nom, index);
    ctl::placer(l, gauche, haut);
    l->adjustSize();
    return l;
}

}  // namespace

Dialog2::Dialog2(QWidget* parent)
    : QDialog(parent)
    , fond(options::couleurDefaut)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("Dialog2"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);
    // The labels were laid out for a narrower font than its Liberation stand-in: 5 % narrower,
    // each label ends before the box that follows it.
    QFont police = ctl::police(QStringLiteral("MS Sans Serif"), 8.25);
    police.setStretch(95);
    setFont(police);
    setFixedSize(ctl::twips(largeurClient), ctl::twips(hauteurClient));

    QFont titre = police;
    titre.setBold(true);
    titre.setUnderline(true);
    const auto entete = [&](int i, const QString& texte, int g, int h) {
        Label1[i] = etiquette(this, texte, QStringLiteral("Label1"), i, g, h);
        Label1[i]->setFont(titre);
        Label1[i]->adjustSize();
    };
    entete(1, QStringLiteral("Chronomètre"), 360, 120);
    Label2[2] = etiquette(this, QStringLiteral("Temps moyen par mot ="), QStringLiteral("Label2"), 2, 360, 480);
    Text2 = new QLineEdit(this);
    ctl::nommer(Text2, QStringLiteral("Text2"));
    ctl::placer(Text2, 2100, 435, 375, 285);
    Label3[2] = etiquette(this, QStringLiteral("secondes (de 2 à 15)"), QStringLiteral("Label3"), 2, 2520, 480);
    Label2[3] = etiquette(this, QStringLiteral("Temps pour 30 mots = "), QStringLiteral("Label2"), 3, 360, 840);
    tps30mots = etiquette(this, QString(), QStringLiteral("tps30mots"), -1, 2040, 840);
    entete(2, QStringLiteral("Taille des échantillons"), 360, 1200);
    Label2[4] = etiquette(this, QStringLiteral("Echantillon de base (séries de 30 tirages) ="), QStringLiteral("Label2"),
                          4, 360, 1560);
    Text3 = new QLineEdit(this);
    ctl::nommer(Text3, QStringLiteral("Text3"));
    ctl::placer(Text3, 3480, 1515, 375, 285);
    Label3[3] = etiquette(this, QStringLiteral("série(s) (de 1 à 30)"), QStringLiteral("Label3"), 3, 3915, 1560);
    Label2[5] = etiquette(this, QStringLiteral("Nombre de mots solution unique ="), QStringLiteral("Label2"), 5, 360, 1920);
    nbechan0 = etiquette(this, QString(), QStringLiteral("nbechan"), 0, 2880, 1920);
    entete(4, QStringLiteral("Son"), 5760, 120);
    Check1 = new QCheckBox(QStringLiteral("Son"), this);
    ctl::nommer(Check1, QStringLiteral("Check1"));
    ctl::placer(Check1, 5760, 480, 1215, 495);
    entete(3, QStringLiteral("Couleur du fond"), 5640, 1200);
    Combo1 = new QComboBox(this);
    ctl::nommer(Combo1, QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // A typed name is taken as typed: no completion into one of the listed names.
    Combo1->setCompleter(nullptr);
    Combo1->addItems(options::nomsCouleurs());
    ctl::placer(Combo1, 5640, 1560, 1215, 315);
    Label4 = etiquette(this, QString(), QStringLiteral("Label4"), -1, 360, 2250);
    ctl::placer(Label4, 360, 2250, 6900, 300);
    ctl::colorerTexte(Label4, 0x0000C0);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    ctl::nommer(OKButton, QStringLiteral("OKButton"));
    ctl::placer(OKButton, 2640, 2640, 1215, 375);
    OKButton->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("Annuler"), this);
    ctl::nommer(Command1, QStringLiteral("Command1"));
    ctl::placer(Command1, 3840, 2640, 1215, 375);

    Text2->setMaxLength(32);
    Text3->setMaxLength(32);
    connect(Text2, &QLineEdit::textChanged, this, &Dialog2::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Dialog2::Text3_Change);
    connect(Combo1, &QComboBox::activated, this, &Dialog2::Combo1_Click);
    connect(OKButton, &QPushButton::clicked, this, &Dialog2::OKButton_Click);
    connect(Command1, &QPushButton::clicked, this, &Dialog2::Command1_Click);

    ctl::nommerAccessibles(this, {
        {QStringLiteral("Text2"), QStringLiteral("Temps moyen par mot, en secondes (de 2 à 15)")},
        {QStringLiteral("Text3"), QStringLiteral("Echantillon de base, en séries de 30 tirages (de 1 à 30)")},
        {QStringLiteral("tps30mots"), QStringLiteral("Temps pour 30 mots"), true},
        {QStringLiteral("nbechan"), QStringLiteral("Nombre de mots solution unique"), true},
        {QStringLiteral("Label4"), QStringLiteral("Message"), true},
    });
    // On Linux a combo box is announced by its text and the label that names it.
    Label1[3]->setBuddy(Combo1);
    decharger();
}

void Dialog2::Form_Load()
{
    if (charge)
        return;
    charge = true;
    raise();
    ctl::colorerSurface(Check1, fond);
    Text2->setText(QString::number(tempsparmot));
    // Computed in full width: a garbled stored value must not wrap round.
    const int total = std::clamp(tempsparmot * 30, int(std::numeric_limits<qint16>::min()),
                                 int(std::numeric_limits<qint16>::max()));
    tps30mots->setText(CalcDuree(qint16(total)));
    tps30mots->adjustSize();
    synchroniserSon();
    Text3->setText(QString::number(nbechantillon));
    majechantillons();
    colorerfond();
}

void Dialog2::synchroniserSon()
{
    // Only 1 means on; a garbled stored value leaves the sound off rather than in a third state.
    Check1->setChecked(son == 1);
}

void Dialog2::decharger()
{
    charge = false;
    hide();
    const QSignalBlocker b2(Text2), b3(Text3);
    Text2->clear();
    Text3->clear();
    Label4->clear();
    tps30mots->clear();
    nbechan0->clear();
    Combo1->setCurrentIndex(0);
    Combo1->setEditText(data::couleurParDefaut);
    fond = options::couleurDefaut;
    ctl::colorerSurface(this, fond);
    colorerfond();
    synchroniserSon();
}

void Dialog2::afficherMessage(const QString& texte)
{
    Label4->setText(texte);
}

void Dialog2::Text2_Change()
{
    const auto r = options::verifierSecondes(Text2->text());
    if (r.message)
        afficherMessage(*r.message);
    if (r.dansLesLimites) {
        tps30mots->setText(CalcDuree(qint16(std::nearbyint(r.v * 30))));
        tps30mots->adjustSize();
    }
}

void Dialog2::Text3_Change()
{
    const auto r = options::verifierEchantillon(Text3->text());
    if (r.message)
        afficherMessage(*r.message);
    if (r.dansLesLimites)
        majechantillons();
}

void Dialog2::majechantillons()
{
    // Only reached with 0 < v < 31, or at load with the stored 16-bit value.
    const qint16 n = data::entier16(Text3->text()).value_or(0);
    affecterechantillons(n);
    nbechan0->setText(QString::number(qint16(n * 30)));
    nbechan0->adjustSize();
}

void Dialog2::affecterechantillons(qint16 nbser)
{
    const int mots = nbser * 30;
    // The largest 16-bit multiple of 30 rather than a wrapped-round size.
    nbechuni = nbser > 1 ? qint16(qMin(mots, 32760)) : qint16(30);
}

QString Dialog2::CalcDuree(qint16 TpsSec) const { return options::duree(TpsSec); }

void Dialog2::Combo1_Click()
{
    fond = options::couleurNommee(Combo1->currentText());
    ctl::colorerSurface(this, fond);
    ctl::colorerSurface(&app::menu(), fond);
    colorerfond();
}

void Dialog2::colorerfond()
{
    QWidget* const cibles[] = {Check1,   Label1[1], Label1[2], Label2[2], Label2[3], Label2[4], Label2[5],
                               Label3[2], Label3[3], Label4,   tps30mots, nbechan0};
    for (QWidget* w : cibles)
        ctl::colorerSurface(w, fond);
}

void Dialog2::OKButton_Click()
{
    const auto v = options::valeursAcceptees(Text2->text(), Text3->text());
    if (!v)
        return;
    const qint16 sonCoche = Check1->isChecked() ? 1 : 0;
    const QString couleur = Combo1->currentText();
    // Written first: when the file cannot be saved nothing is taken, and Annuler still cancels.
    const QString erreur = data::ecrireParametres(v->tempsparmot, v->nbechantillon, sonCoche, couleur);
    if (!erreur.isEmpty()) {
        app::signaler(erreur + QStringLiteral("\nLes options n'ont pas été enregistrées."), app::Icone::Erreur, this);
        return;
    }
    seuilch = 95;
    seuilcb = 80;
    tempsparmot = v->tempsparmot;
    nbechantillon = v->nbechantillon;
    son = sonCoche;
    MenuODS8& m = app::menu();
    m.couleurdufond = couleur;
    m.Command8->setText(menu::legendeTest(nbechantillon));
    decharger();
}

void Dialog2::Command1_Click() { decharger(); }

void Dialog2::reject() { decharger(); }

void Dialog2::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isVisible() || isActiveWindow())
        return;
    // Another window of the program took the focus: stay above it without taking the focus back.
    QTimer::singleShot(0, this, [this] {
        // A message box waiting for an answer must stay visible.
        if (isVisible() && QApplication::activeWindow() && QApplication::activeWindow() != this &&
            !QApplication::activeModalWidget())
            raise();
    });
}
