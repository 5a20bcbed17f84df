// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces: every control of the four windows has a French name, and the
// rows, the rack and the answer can be read.
#include "about/apropos.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "fixtures/menu/installation_menu.h"
#include "support/fenetres.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "training/form1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace entrainement;

namespace {

QString annonce(QWidget* w, QAccessible::Text quoi = QAccessible::Name)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(quoi) : QString();
}

}  // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void regles_data();
    void regles();
    void chaqueControleANom_data();
    void chaqueControleANom();
    void noms_data();
    void noms();
    void listeDesCouleurs();
    void lesLegendesSuivent();

private:
    QWidget* ouvrir(const QString& fenetre);
    std::unique_ptr<InstallationTest> inst;
};

void TestAccessibilite::init()
{
    app::observerMessages([](const QString&, app::Icone) {});
    inst = std::make_unique<InstallationTest>();
    fixtures::installerBases(*inst, 12);
    inst->ecrireLignes(QStringLiteral("listes/base.txt"),
                       {"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS", "ACEHINS;CHAINES"});
}

void TestAccessibilite::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

// The window as a person reaches it; the training window with a run under way.
QWidget* TestAccessibilite::ouvrir(const QString& fenetre)
{
    QWidget* w = ouvrirFenetre(fenetre, QStringLiteral("7 lettres"));
    w->show();
    // Names that follow a caption are brought up to date when the control is drawn.
    w->grab();
    return w;
}

// How one control gets its name, on a window of its own.
void TestAccessibilite::regles_data()
{
    QTest::addColumn<QString>("genre");  // "bouton", "etiquette", "etiquette-amie" (names a box) or "boite"
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("legende");
    QTest::addColumn<QString>("bulle");
    QTest::addColumn<QString>("attendu");
    QTest::addRow("élément numéroté depuis 1") << "boite" << "ligne(0)" << "" << "" << "Ligne 1";
    QTest::addRow("dernier élément") << "boite" << "ligne(29)" << "" << "" << "Ligne 30";
    QTest::addRow("rôle d'un seul élément d'abord") << "boite" << "ligne(7)" << "" << "" << "Ligne à part";
    QTest::addRow("boîte : contenu hors du nom") << "boite" << "ligne(2)" << "ABC" << "" << "Ligne 3";
    QTest::addRow("légende après le rôle") << "etiquette" << "compte" << "1234  " << "" << "Compte : 1234";
    QTest::addRow("rôle seul sans légende") << "etiquette" << "compte" << "" << "" << "Compte";
    QTest::addRow("légende sans rôle") << "bouton" << "ok" << "Valider" << "Aide" << "Valider";
    QTest::addRow("légende sur deux lignes") << "bouton" << "long" << "  AVANT    sur ods8" << "" << "AVANT sur ods8";
    QTest::addRow("raccourci d'un bouton") << "bouton" << "ok" << "&Valider && fermer" << "" << "Valider & fermer";
    QTest::addRow("& d'une étiquette") << "etiquette" << "texte" << "Pierre & Paul" << "" << "Pierre & Paul";
    QTest::addRow("raccourci d'une étiquette amie") << "etiquette-amie" << "texte" << "&Couleur" << "" << "Couleur";
    QTest::addRow("bulle sans légende") << "etiquette" << "image" << "" << "Mot invariable !" << "Mot invariable !";
    QTest::addRow("rôle avant la bulle") << "etiquette" << "marque(1)" << "" << "Verbe" << "Marque 2";
    QTest::addRow("numéro trop long : premier élément") << "boite" << "ligne(99999999999)" << "" << "" << "Ligne 1";
    QTest::addRow("numéro non chiffré : pas d'élément") << "etiquette" << "marque(x)" << "" << "Verbe" << "Verbe";
    QTest::addRow("dernières parenthèses seules") << "etiquette" << "marque(x)(2)" << "" << "Verbe" << "Verbe";
    QTest::addRow("& final et &&&") << "bouton" << "ok" << "a&&& b &" << "" << "a& b &";
}

void TestAccessibilite::regles()
{
    QFETCH(QString, genre);
    QFETCH(QString, nom);
    QFETCH(QString, legende);
    QFETCH(QString, bulle);
    QFETCH(QString, attendu);
    QWidget fenetre;
    QWidget* c = nullptr;
    if (genre == QStringLiteral("bouton")) {
        c = new QPushButton(legende, &fenetre);
    } else if (genre == QStringLiteral("boite")) {
        c = new QLineEdit(legende, &fenetre);
    } else {
        auto* l = new QLabel(legende, &fenetre);
        if (genre == QStringLiteral("etiquette-amie"))
            l->setBuddy(new QLineEdit(&fenetre));
        c = l;
    }
    c->setObjectName(nom);
    c->setToolTip(bulle);
    ctl::nommerAccessibles(&fenetre, {{QStringLiteral("ligne"), QStringLiteral("Ligne %1")},
                                      {QStringLiteral("ligne(7)"), QStringLiteral("Ligne à part")},
                                      {QStringLiteral("compte"), QStringLiteral("Compte"), true},
                                      {QStringLiteral("marque"), QStringLiteral("Marque %1")}});
    QCOMPARE(annonce(c), attendu);
}

void TestAccessibilite::chaqueControleANom_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<int>("minimum");  // controls that must be there, so that an empty walk fails
    QTest::addRow("menu") << "MenuODS8" << 60;
    QTest::addRow("entraînement") << "Form1" << 100;
    QTest::addRow("options") << "Dialog2" << 18;
    QTest::addRow("à propos") << "Apropos" << 2;
}

void TestAccessibilite::chaqueControleANom()
{
    QFETCH(QString, fenetre);
    QFETCH(int, minimum);
    QWidget* w = ouvrir(fenetre);
    QVERIFY(!annonce(w).isEmpty());
    int vus = 0;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) || !c->isVisibleTo(w))
            continue;
        ++vus;
        const QString nom = annonce(c);
        QVERIFY2(!nom.trimmed().isEmpty(), qPrintable(c->objectName()));
        QVERIFY2(!nom.contains(c->objectName()), qPrintable(c->objectName() + QStringLiteral(" : ") + nom));
    }
    QVERIFY2(vus >= minimum, qPrintable(QString::number(vus)));
}

void TestAccessibilite::noms_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("valeur");  // what a text box holds; "-" when not checked
    // The draw takes the first remaining entry each time: rows 0..3 are the base's lines in order.
    QTest::addRow("premier tirage") << "Form1" << "tirage(0)" << "Tirage 1" << "AEINRST";
    QTest::addRow("quatrième tirage") << "Form1" << "tirage(3)" << "Tirage 4" << "AABEL";
    QTest::addRow("réponse vide") << "Form1" << "solution(3)" << "Réponse 4" << "";
    QTest::addRow("dernière réponse") << "Form1" << "solution(29)" << "Réponse 30" << "-";
    QTest::addRow("tuile") << "Form1" << "Command1(2)" << "Lettre 3 : I" << "-";
    QTest::addRow("tuile vide") << "Form1" << "Command1(8)" << "Lettre 9" << "-";
    QTest::addRow("compte à rebours") << "Form1" << "temps" << "Temps restant de la série" << "-";
    QTest::addRow("horloge") << "Form1" << "tempstot" << "Temps total" << "0:00:00";
    QTest::addRow("bouton par défaut") << "Form1" << "Command2" << "Réponse suivante" << "-";
    QTest::addRow("légende") << "Form1" << "corriger" << "Corriger (F12)" << "-";
    QTest::addRow("base") << "Form1" << "Label7" << "Base : 7 lettres" << "-";
    QTest::addRow("marqueur") << "Form1" << "Image3(4)" << "Mot invariable ! (réponse 5)" << "-";
    QTest::addRow("case sans légende") << "Form1" << "Check1" << "Afficher les temps" << "-";
    QTest::addRow("compte") << "MenuODS8" << "Label5(0)" << "Nombre de tirages de la base VERBES de 5 à 9 lettres : 12"
                            << "-";
    QTest::addRow("compte double") << "MenuODS8" << "Label7(3)"
                                   << "Nombre de rallonges avant et arrière sur ODS 8 : 12 12" << "-";
    QTest::addRow("demi-base") << "MenuODS8" << "SolUniques(10)" << "MOTS DE 8 LETTRES (série 2)" << "-";
    QTest::addRow("lancement") << "MenuODS8" << "Command4" << "LETTRES CHERES de 2 à 6 lettres" << "-";
    QTest::addRow("légende espacée") << "MenuODS8" << "Command3" << "VERBES de 5 à 9 lettres" << "-";
    QTest::addRow("titre du menu") << "MenuODS8" << "Label1" << "LEXIDOR ODS 8" << "-";
    QTest::addRow("légende du test") << "MenuODS8" << "Command8" << "Se tester sur 150 mots aléatoires" << "-";
    QTest::addRow("critère") << "Form1" << "Label5" << "Eliminer un mot après" << "-";
    QTest::addRow("secondes") << "Dialog2" << "Text2" << "Temps moyen par mot, en secondes (de 2 à 15)" << "-";
    QTest::addRow("case son") << "Dialog2" << "Check1" << "Son" << "-";
    QTest::addRow("texte") << "Apropos" << "Text1" << "A propos de Lexidor" << "-";
}

void TestAccessibilite::noms()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, controle);
    QFETCH(QString, nom);
    QFETCH(QString, valeur);
    QWidget* w = ouvrir(fenetre);
    auto* c = w->findChild<QWidget*>(controle);
    QVERIFY(c);
    QCOMPARE(annonce(c), nom);
    if (valeur != QStringLiteral("-"))
        QCOMPARE(annonce(c, QAccessible::Value), valeur);
}

// A combo box is read with its text; its label is given by the relation that screen readers follow.
void TestAccessibilite::listeDesCouleurs()
{
    QWidget* w = ouvrir(QStringLiteral("Dialog2"));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(QStringLiteral("Combo1")));
    QVERIFY(i);
    const auto etiquettes = i->relations(QAccessible::Label);
    QCOMPARE(etiquettes.size(), 1);
    QCOMPARE(etiquettes.first().first->text(QAccessible::Name), QStringLiteral("Couleur du fond"));
}

// A caption that changes is announced as it now reads: the pause button, a typed answer, the
// tiles of another rack, the count of faults after a correction.
void TestAccessibilite::lesLegendesSuivent()
{
    auto& f = static_cast<Form1&>(*ouvrir(QStringLiteral("Form1")));
    f.basculerPause();
    QCOMPARE(annonce(f.boutonPause), QStringLiteral("Reprendre"));
    f.basculerPause();
    f.grab();
    QCOMPARE(annonce(f.tuiles[5]), QStringLiteral("Lettre 6 : S"));
    f.solution[3]->setFocus();
    f.grab();
    QCOMPARE(annonce(f.tuiles[2]), QStringLiteral("Lettre 3 : B"));
    QCOMPARE(annonce(f.tuiles[5]), QStringLiteral("Lettre 6"));
    f.solution[0]->setFocus();
    f.solution[0]->setText(QStringLiteral("RIANTES"));
    QCOMPARE(annonce(f.solution[0], QAccessible::Value), QStringLiteral("RIANTES"));
    f.corriger_Click();
    f.grab();
    QCOMPARE(annonce(f.nbftot), QStringLiteral("Nombre de fautes : 3"));
}

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"
