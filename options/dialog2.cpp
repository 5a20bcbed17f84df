// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/dialog2.h"

#include "app/contraste.h"
#include "app/controles.h"
#include "app/echelle.h"
#include "app/messages.h"
#include "app/polices.h"
#include "data/parametres.h"
#include "options/reglages.h"
#include "options/regles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Designed names of the dialog's controls, by role.
namespace nom {
const QString entete = QStringLiteral("Label1");   // section headings, indexed
const QString libelle = QStringLiteral("Label2");  // indexed
const QString unite = QStringLiteral("Label3");    // indexed
const QString ligneMessage = QStringLiteral("Label4");
const QString tempsPour30Mots = QStringLiteral("tps30mots");
const QString motsDuTest = QStringLiteral("nbechan");  // index 0
const QString champSecondes = QStringLiteral("Text2");
const QString champEchantillon = QStringLiteral("Text3");
const QString caseSon = QStringLiteral("Check1");
const QString listeCouleurs = QStringLiteral("Combo1");
const QString boutonOk = QStringLiteral("OKButton");
const QString boutonAnnuler = QStringLiteral("Command1");
}  // namespace nom

constexpr quint32 couleurMessage = 0x0000C0;

// The designed outer height is 3600 twips; the title bar takes about 405 of them. The day's queue
// takes a row of its own below the designed buttons, so that none of them moves.
constexpr int hauteurClient = 3195 + 420;
constexpr int largeurClient = 7620;

// A name pasted with line breaks keeps only its first line, as a single-line box shows it.
class NomSurUneLigne : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override
    {
        const QString ligne = data::surUneLigne(texte);
        if (ligne != texte) {
            texte = ligne;
            position = std::min(position, int(texte.size()));
        }
        return Acceptable;
    }
};

QLabel* etiquette(QWidget* parent, const QString& texte, const QString& nom, int index, int gauche, int haut)
{
    auto* l = new QLabel(texte, parent);
    ctl::nommer(l, nom, index);
    ctl::placer(l, gauche, haut);
    l->adjustSize();
    return l;
}

}  // namespace

Dialog2::Dialog2(options::Reglages& r, QWidget* parent)
    : QDialog(parent)
    , reglages(r)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("Dialog2"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);
    // The labels were laid out for a narrower font than its Liberation stand-in: 5 % narrower,
    // each label ends before the box that follows it.
    QFont police = app::police(QStringLiteral("MS Sans Serif"), 8.25);
    police.setStretch(95);
    setFont(police);
    setFixedSize(ctl::twips(largeurClient), ctl::twips(hauteurClient));

    QFont titre = police;
    titre.setBold(true);
    titre.setUnderline(true);
    const auto entete = [&](int i, const QString& texte, int g, int h) {
        entetes[i] = etiquette(this, texte, nom::entete, i, g, h);
        entetes[i]->setFont(titre);
        entetes[i]->adjustSize();
    };
    entete(1, QStringLiteral("Chronomètre"), 360, 120);
    libelles[2] = etiquette(this, QStringLiteral("Temps moyen par mot ="), nom::libelle, 2, 360, 480);
    champSecondes = new QLineEdit(this);
    ctl::nommer(champSecondes, nom::champSecondes);
    ctl::placer(champSecondes, 2100, 435, 375, 285);
    unites[2] = etiquette(this, QStringLiteral("secondes (de 2 à 15)"), nom::unite, 2, 2520, 480);
    libelles[3] = etiquette(this, QStringLiteral("Temps pour 30 mots = "), nom::libelle, 3, 360, 840);
    tempsPour30Mots = etiquette(this, QString(), nom::tempsPour30Mots, -1, 2040, 840);
    entete(2, QStringLiteral("Taille des échantillons"), 360, 1200);
    libelles[4] = etiquette(this, QStringLiteral("Echantillon de base (séries de 30 tirages) ="), nom::libelle, 4,
                            360, 1560);
    champEchantillon = new QLineEdit(this);
    ctl::nommer(champEchantillon, nom::champEchantillon);
    ctl::placer(champEchantillon, 3480, 1515, 375, 285);
    unites[3] = etiquette(this, QStringLiteral("série(s) (de 1 à 30)"), nom::unite, 3, 3915, 1560);
    libelles[5] = etiquette(this, QStringLiteral("Nombre de mots solution unique ="), nom::libelle, 5, 360, 1920);
    motsDuTest = etiquette(this, QString(), nom::motsDuTest, 0, 2880, 1920);
    entete(4, QStringLiteral("Son"), 5760, 120);
    caseSon = new QCheckBox(QStringLiteral("Son"), this);
    ctl::nommer(caseSon, nom::caseSon);
    ctl::placer(caseSon, 5760, 480, 1215, 495);
    // Below the colour box, in the room the designed dialog leaves before the message line.
    caseMemoriser = new QCheckBox(QStringLiteral("Mémoriser ma progression"), this);
    ctl::nommer(caseMemoriser, QStringLiteral("memoriser"));
    ctl::placer(caseMemoriser, 4200, 1905, 3300, 330);
    caseMemoriser->setToolTip(QStringLiteral("Garder les bases en cours, les tirages à revoir et l'historique des scores"));
    entete(3, QStringLiteral("Couleur du fond"), 5640, 1200);
    listeCouleurs = new QComboBox(this);
    ctl::nommer(listeCouleurs, nom::listeCouleurs);
    listeCouleurs->setEditable(true);
    listeCouleurs->setInsertPolicy(QComboBox::NoInsert);
    // A typed name is taken as typed: no completion into one of the listed names.
    listeCouleurs->setCompleter(nullptr);
    listeCouleurs->addItems(options::nomsCouleurs());
    listeCouleurs->setValidator(new NomSurUneLigne(listeCouleurs));
    ctl::placer(listeCouleurs, 5640, 1560, 1215, 315);
    ligneMessage = etiquette(this, QString(), nom::ligneMessage, -1, 360, 2250);
    ctl::placer(ligneMessage, 360, 2250, 6900, 300);
    boutonOk = new QPushButton(QStringLiteral("OK"), this);
    ctl::nommer(boutonOk, nom::boutonOk);
    ctl::placer(boutonOk, 2640, 2640, 1215, 375);
    boutonOk->setDefault(true);
    boutonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ctl::nommer(boutonAnnuler, nom::boutonAnnuler);
    ctl::placer(boutonAnnuler, 3840, 2640, 1215, 375);

    libelleParJour = etiquette(this, QStringLiteral("Tirages à revoir par jour :"), QStringLiteral("libelleParJour"), -1,
                               360, 3150);
    champParJour = new QSpinBox(this);
    ctl::nommer(champParJour, QStringLiteral("parJour"));
    champParJour->setRange(data::parJourMin, data::parJourMax);
    ctl::placer(champParJour, 2280, 3105, 840, 315);
    libelleRetention = etiquette(this, QStringLiteral("Mémorisation visée :"), QStringLiteral("libelleRetention"), -1,
                                 3480, 3150);
    champRetention = new QSpinBox(this);
    ctl::nommer(champRetention, QStringLiteral("retention"));
    champRetention->setRange(data::retentionMin, data::retentionMax);
    champRetention->setSuffix(QStringLiteral(" %"));
    ctl::placer(champRetention, 5040, 3105, 840, 315);
    uniteRetention = etiquette(this, QStringLiteral("(de 80 à 97 %)"), QStringLiteral("uniteRetention"), -1, 5955, 3150);
    champRetention->setToolTip(QStringLiteral("Plus elle est haute, plus les tirages reviennent souvent"));
    champParJour->setToolTip(QStringLiteral("Au-delà, les tirages dus attendent le lendemain"));

    champSecondes->setMaxLength(32);
    champEchantillon->setMaxLength(32);
    connect(champSecondes, &QLineEdit::textChanged, this, &Dialog2::secondesModifiees);
    connect(champEchantillon, &QLineEdit::textChanged, this, &Dialog2::echantillonModifie);
    connect(listeCouleurs, &QComboBox::activated, this, &Dialog2::appliquerCouleur);
    connect(boutonOk, &QPushButton::clicked, this, &Dialog2::valider);
    connect(boutonAnnuler, &QPushButton::clicked, this, &Dialog2::annuler);
    // The next run takes the sound as the box shows it, even before OK.
    connect(caseSon, &QCheckBox::toggled, &reglages, &options::Reglages::choisirSon);
    connect(&reglages, &options::Reglages::modifies, this, [this] {
        if (ctl::couleurFond(this) != reglages.fond())
            colorerfond();
    });

    ctl::nommerAccessibles(this, {
        {nom::champSecondes, QStringLiteral("Temps moyen par mot, en secondes (de 2 à 15)")},
        {nom::champEchantillon, QStringLiteral("Echantillon de base, en séries de 30 tirages (de 1 à 30)")},
        {nom::tempsPour30Mots, QStringLiteral("Temps pour 30 mots"), true},
        {nom::motsDuTest, QStringLiteral("Nombre de mots solution unique"), true},
        {nom::ligneMessage, QStringLiteral("Message"), true},
        {QStringLiteral("parJour"), QStringLiteral("Tirages à revoir par jour")},
        {QStringLiteral("retention"), QStringLiteral("Mémorisation visée, en pourcentage (de 80 à 97)")},
    });
    // On Linux a combo box is announced by its text and the label that names it.
    entetes[3]->setBuddy(listeCouleurs);
    decharger();
    ctl::ajusterALEcran(this);
}

void Dialog2::ouvrir()
{
    charger();
    show();
    raise();
    activateWindow();
    listeCouleurs->setEditText(reglages.couleur());
    appliquerCouleur();
}

void Dialog2::charger()
{
    if (charge)
        return;
    charge = true;
    raise();
    const qint16 tempsparmot = reglages.tempsparmot();
    champSecondes->setText(QString::number(tempsparmot));
    // Computed in full width: a garbled stored value must not wrap round.
    const int total = std::clamp(tempsparmot * 30, int(std::numeric_limits<qint16>::min()),
                                 int(std::numeric_limits<qint16>::max()));
    tempsPour30Mots->setText(CalcDuree(qint16(total)));
    tempsPour30Mots->adjustSize();
    caseSon->setChecked(reglages.valeurs().son == 1);
    caseMemoriser->setChecked(reglages.valeurs().memoriser);
    champParJour->setValue(reglages.valeurs().parJour);
    champRetention->setValue(reglages.valeurs().retention);
    champEchantillon->setText(QString::number(reglages.nbechantillon()));
    majechantillons();
    colorerfond();
}

void Dialog2::decharger()
{
    charge = false;
    hide();
    const QSignalBlocker b2(champSecondes), b3(champEchantillon);
    champSecondes->clear();
    champEchantillon->clear();
    ligneMessage->clear();
    tempsPour30Mots->clear();
    motsDuTest->clear();
    listeCouleurs->setCurrentIndex(0);
    listeCouleurs->setEditText(data::couleurParDefaut);
    // Only 1 means on; the box is back to the stored switch, and so is the next run.
    caseSon->setChecked(reglages.valeurs().son == 1);
    caseMemoriser->setChecked(reglages.valeurs().memoriser);
    champParJour->setValue(reglages.valeurs().parJour);
    champRetention->setValue(reglages.valeurs().retention);
    colorerfond();
}

void Dialog2::secondesModifiees()
{
    const auto r = options::verifierSecondes(champSecondes->text());
    if (r.message)
        ligneMessage->setText(*r.message);
    if (r.dansLesLimites) {
        tempsPour30Mots->setText(CalcDuree(qint16(std::nearbyint(r.v * 30))));
        tempsPour30Mots->adjustSize();
    }
}

void Dialog2::echantillonModifie()
{
    const auto r = options::verifierEchantillon(champEchantillon->text());
    if (r.message)
        ligneMessage->setText(*r.message);
    if (r.dansLesLimites)
        majechantillons();
}

void Dialog2::majechantillons()
{
    // Only reached with 0 < v < 31, or at load with the stored 16-bit value.
    const qint16 n = data::entier16(champEchantillon->text()).value_or(0);
    reglages.affecterechantillons(n);
    motsDuTest->setText(QString::number(qint16(n * 30)));
    motsDuTest->adjustSize();
}

QString Dialog2::CalcDuree(qint16 TpsSec) const { return options::duree(TpsSec); }

void Dialog2::appliquerCouleur()
{
    reglages.apercevoirCouleur(listeCouleurs->currentText());
    colorerfond();
}

void Dialog2::colorerfond()
{
    const quint32 fond = reglages.fond();
    ctl::colorerSurface(this, fond);
    QWidget* const cibles[] = {caseSon,    caseMemoriser, entetes[1], entetes[2],   libelles[2],     libelles[3], libelles[4],
                               libelles[5], unites[2], unites[3], ligneMessage, tempsPour30Mots, motsDuTest,
                               libelleParJour, libelleRetention, uniteRetention};
    for (QWidget* w : cibles)
        ctl::colorerSurface(w, fond);
    ctl::colorerTexte(ligneMessage, ctl::couleurDistincte(couleurMessage, fond));
}

void Dialog2::valider()
{
    const auto v = options::valeursAcceptees(champSecondes->text(), champEchantillon->text());
    if (!v)
        return;
    data::Parametres p = reglages.valeurs();
    p.tempsparmot = v->tempsparmot;
    p.nbechantillon = v->nbechantillon;
    p.son = caseSon->isChecked() ? 1 : 0;
    p.memoriser = caseMemoriser->isChecked();
    p.parJour = qint16(champParJour->value());
    p.retention = qint16(champRetention->value());
    p.couleur = listeCouleurs->currentText();
    // Written first: when the file cannot be saved nothing is taken, and Annuler still cancels.
    const QString erreur = reglages.enregistrer(p);
    if (!erreur.isEmpty()) {
        app::signaler(erreur + QStringLiteral("\nLes options n'ont pas été enregistrées."), app::Icone::Erreur, this);
        return;
    }
    decharger();
}

void Dialog2::annuler() { decharger(); }

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
