// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "fixtures/menu/installation_menu.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "options/regles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void duree_data();
    void duree();
    void secondes_data();
    void secondes();
    void echantillon_data();
    void echantillon();
    void ok_data();
    void ok();
    void okRemetLesSeuilsFixes();
    void couleurs_data();
    void couleurs();
    void annulerGardeLaCouleurJusquALaProchaineOuverture();
    void couleurTapeeEnregistreeSansEtreAppliquee();
    void editionsNonConfirmeesPerdues();
    void echantillonZeroAuChargement();
    void enregistrementImpossible();
    void sonSuitLaValeurEnregistree();

private:
    Dialog2& ouvrir(const QByteArray& reglages = "95\r\n80\r\n5\r\n5\r\n1\r\nPar d\xE9" "faut\r\n");
    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

void TestOptions::init()
{
    messages.clear();
    app::observerMessages([this](const QString& t, app::Icone) { messages << t; });
    inst = std::make_unique<InstallationTest>();
    fixtures::installerBases(*inst);
}

void TestOptions::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

Dialog2& TestOptions::ouvrir(const QByteArray& reglages)
{
    inst->ecrire(QStringLiteral("settings.dat"), reglages);
    app::menu().show();
    app::menu().ouvrirOptions();
    return app::dialog2();
}

void TestOptions::duree_data()
{
    QTest::addColumn<int>("secondes");
    QTest::addColumn<QString>("attendu");
    QTest::addRow("150") << 150 << "02:30";
    QTest::addRow("59") << 59 << "00:59";
    QTest::addRow("450") << 450 << "07:30";
    QTest::addRow("0") << 0 << "00:00";
    QTest::addRow("une heure") << 3600 << "60:00";
    QTest::addRow("maximum") << 32767 << "546:07";
}

void TestOptions::duree()
{
    QFETCH(int, secondes);
    QFETCH(QString, attendu);
    QCOMPARE(app::dialog2().CalcDuree(qint16(secondes)), attendu);
}

void TestOptions::secondes_data()
{
    QTest::addColumn<QStringList>("saisies");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("tps30mots");
    const QString trop = options::messageSecondesTrop, peu = options::messageSecondesPeu;
    QTest::addRow("20") << QStringList{"20"} << trop << "02:30";
    QTest::addRow("20 puis 8") << QStringList{"20", "8"} << "" << "04:00";
    QTest::addRow("20 puis vide") << QStringList{"20", ""} << trop << "02:30";
    QTest::addRow("vide") << QStringList{""} << "" << "02:30";
    QTest::addRow("1") << QStringList{"1"} << peu << "02:30";
    QTest::addRow("1.5 tapé") << QStringList{"1", "1.", "1.5"} << "" << "00:45";
    QTest::addRow("virgule") << QStringList{"7,5"} << "" << "03:30";
    QTest::addRow("lettres") << QStringList{"abc"} << peu << "02:30";
    QTest::addRow("espaces devant") << QStringList{"  8"} << "" << "04:00";
    QTest::addRow("15.4") << QStringList{"15.4"} << "" << "07:42";
    QTest::addRow("hors de 16 bits") << QStringList{"99999999999"} << trop << "02:30";
    QTest::addRow("négatif") << QStringList{"-3"} << peu << "02:30";
}

void TestOptions::secondes()
{
    QFETCH(QStringList, saisies);
    QFETCH(QString, message);
    QFETCH(QString, tps30mots);
    Dialog2& d = ouvrir();
    QCOMPARE(d.tempsPour30Mots->text(), u"02:30"_qs);
    for (const QString& s : saisies)
        d.champSecondes->setText(s);
    QCOMPARE(d.ligneMessage->text(), message);
    QCOMPARE(d.tempsPour30Mots->text(), tps30mots);
    QCOMPARE(app::reglages().tempsparmot(), qint16(5));
}

void TestOptions::echantillon_data()
{
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("nbechuni");
    QTest::addRow("1 série") << "1" << "" << 30;
    QTest::addRow("2 séries") << "2" << "" << 60;
    QTest::addRow("30 séries") << "30" << "" << 900;
    QTest::addRow("31") << "31" << options::messageEchantillonTrop << 150;
    QTest::addRow("0") << "0" << options::messageEchantillonPeu << 150;
    QTest::addRow("vide") << "" << "" << 150;
    QTest::addRow("0.6 arrondi") << "0.6" << "" << 30;
    QTest::addRow("2.5 arrondi au pair") << "2.5" << "" << 60;
    QTest::addRow("hors de 16 bits") << "70000" << options::messageEchantillonTrop << 150;
}

void TestOptions::echantillon()
{
    QFETCH(QString, saisie);
    QFETCH(QString, message);
    QFETCH(int, nbechuni);
    Dialog2& d = ouvrir();
    d.champEchantillon->setText(saisie);
    QCOMPARE(d.ligneMessage->text(), message);
    QCOMPARE(app::reglages().nbechuni(), qint16(nbechuni));
    QCOMPARE(d.motsDuTest->text(), QString::number(nbechuni));
    QCOMPARE(app::reglages().nbechantillon(), qint16(5));
}

void TestOptions::ok_data()
{
    QTest::addColumn<QString>("secondes");
    QTest::addColumn<QString>("echantillon");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<int>("tempsparmot");
    QTest::addColumn<int>("nbechantillon");
    QTest::addRow("8 et 2") << "8" << "2" << true << 8 << 2;
    QTest::addRow("limites basses") << "2" << "1" << true << 2 << 1;
    QTest::addRow("limites hautes") << "15" << "30" << true << 15 << 30;
    QTest::addRow("arrondis") << "14.5" << "29.6" << true << 14 << 30;
    QTest::addRow("1.5") << "1.5" << "5" << false << 5 << 5;
    QTest::addRow("20") << "20" << "5" << false << 5 << 5;
    QTest::addRow("15.5") << "15.5" << "5" << false << 5 << 5;
    QTest::addRow("secondes vides") << "" << "5" << false << 5 << 5;
    QTest::addRow("échantillon 0") << "5" << "0" << false << 5 << 5;
    QTest::addRow("échantillon 31") << "5" << "31" << false << 5 << 5;
    QTest::addRow("secondes hors de 16 bits") << "99999999999" << "5" << false << 5 << 5;
    QTest::addRow("échantillon hors de 16 bits") << "5" << "70000" << false << 5 << 5;
}

void TestOptions::ok()
{
    QFETCH(QString, secondes);
    QFETCH(QString, echantillon);
    QFETCH(bool, accepte);
    QFETCH(int, tempsparmot);
    QFETCH(int, nbechantillon);
    const QByteArray avant("95\r\n80\r\n5\r\n5\r\n1\r\nPar d\xE9" "faut\r\n");
    Dialog2& d = ouvrir(avant);
    d.champSecondes->setText(secondes);
    d.champEchantillon->setText(echantillon);
    d.caseSon->setChecked(false);
    QTest::mouseClick(d.boutonOk, Qt::LeftButton);
    QCOMPARE(d.isVisible(), !accepte);
    QCOMPARE(app::reglages().tempsparmot(), qint16(tempsparmot));
    QCOMPARE(app::reglages().nbechantillon(), qint16(nbechantillon));
    QCOMPARE(app::menu().boutonTest->text(), QStringLiteral("Se tester sur %1 mots aléatoires").arg(nbechantillon * 30));
    const QByteArray attendu = accepte ? QByteArray("95\r\n80\r\n") + QByteArray::number(tempsparmot) + "\r\n" +
                                             QByteArray::number(nbechantillon) + "\r\n0\r\nPar d\xE9" "faut\r\n"
                                       : avant;
    QCOMPARE(inst->lire(QStringLiteral("settings.dat")), attendu);
    QCOMPARE(app::reglages().valeurs().son, qint16(accepte ? 0 : 1));
    QVERIFY(messages.isEmpty());
}

void TestOptions::okRemetLesSeuilsFixes()
{
    Dialog2& d = ouvrir("90\r\n70\r\n5\r\n5\r\n1\r\nBleu\r\n");
    QCOMPARE(app::reglages().valeurs().seuilch, qint16(90));
    d.valider();
    QCOMPARE(inst->lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nBleu\r\n"));
    QCOMPARE(app::reglages().valeurs().seuilch, qint16(95));
    QCOMPARE(app::reglages().valeurs().seuilcb, qint16(80));
    QCOMPARE(app::reglages().couleur(), u"Bleu"_qs);
}

void TestOptions::couleurs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("couleur");
    QTest::addRow("Par défaut") << 0 << 0xC0E0FFu;
    QTest::addRow("Jaune") << 1 << 0x80FFFFu;
    QTest::addRow("Orange") << 2 << 0x80C0FFu;
    QTest::addRow("Vert") << 3 << 0x80FF80u;
    QTest::addRow("Bleu") << 4 << 0xFFC0C0u;
    QTest::addRow("Gris") << 5 << 0xE0E0E0u;
}

void TestOptions::couleurs()
{
    QFETCH(int, index);
    QFETCH(quint32, couleur);
    Dialog2& d = ouvrir("95\r\n80\r\n5\r\n5\r\n1\r\nJaune\r\n");
    d.listeCouleurs->setCurrentIndex(index);
    Q_EMIT d.listeCouleurs->activated(index);
    QCOMPARE(ctl::couleurFond(&app::menu()), couleur);
    QCOMPARE(ctl::couleurFond(&d), couleur);
    QCOMPARE(ctl::couleurFond(d.caseSon), couleur);
    QCOMPARE(ctl::couleurFond(d.libelles[4]), couleur);
    QCOMPARE(ctl::couleurFond(d.motsDuTest), couleur);
    // Names are compared exactly.
    QCOMPARE(options::couleurNommee(d.listeCouleurs->currentText().toLower()), index == 0 ? couleur : 0xC0E0FFu);
}

void TestOptions::annulerGardeLaCouleurJusquALaProchaineOuverture()
{
    Dialog2& d = ouvrir();
    d.listeCouleurs->setCurrentIndex(3);
    Q_EMIT d.listeCouleurs->activated(3);
    QCOMPARE(ctl::couleurFond(&app::menu()), 0x80FF80u);
    QTest::mouseClick(d.boutonAnnuler, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(ctl::couleurFond(&app::menu()), 0x80FF80u);
    QCOMPARE(app::reglages().couleur(), u"Par défaut"_qs);
    app::menu().ouvrirOptions();
    QCOMPARE(ctl::couleurFond(&app::menu()), 0xC0E0FFu);
    QCOMPARE(d.listeCouleurs->currentText(), u"Par défaut"_qs);
}

void TestOptions::couleurTapeeEnregistreeSansEtreAppliquee()
{
    Dialog2& d = ouvrir();
    d.listeCouleurs->setCurrentIndex(3);
    Q_EMIT d.listeCouleurs->activated(3);
    d.listeCouleurs->setFocus();
    d.listeCouleurs->lineEdit()->selectAll();
    QTest::keyClicks(d.listeCouleurs->lineEdit(), QStringLiteral("Ve"));
    QCOMPARE(d.listeCouleurs->currentText(), u"Ve"_qs);
    QCOMPARE(ctl::couleurFond(&app::menu()), 0x80FF80u);
    // Enter is OK.
    QTest::keyClick(d.listeCouleurs->lineEdit(), Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(app::reglages().couleur(), u"Ve"_qs);
    QVERIFY(inst->lire(QStringLiteral("settings.dat")).endsWith("\r\nVe\r\n"));
    QCOMPARE(ctl::couleurFond(&app::menu()), 0x80FF80u);
    QCOMPARE(d.listeCouleurs->count(), 6);
}

void TestOptions::editionsNonConfirmeesPerdues()
{
    Dialog2& d = ouvrir();
    d.champSecondes->setText(QStringLiteral("20"));
    d.champEchantillon->setText(QStringLiteral("12"));
    d.annuler();
    app::menu().ouvrirOptions();
    QCOMPARE(d.champSecondes->text(), u"5"_qs);
    QCOMPARE(d.champEchantillon->text(), u"5"_qs);
    QCOMPARE(d.ligneMessage->text(), QString());
    // The size derived while typing stays until the next opening re-derives it.
    QCOMPARE(app::reglages().nbechuni(), qint16(150));
}

void TestOptions::echantillonZeroAuChargement()
{
    Dialog2& d = ouvrir("95\r\n80\r\n5\r\n0\r\n1\r\nPar d\xE9" "faut\r\n");
    QCOMPARE(d.ligneMessage->text(), options::messageEchantillonPeu);
    QCOMPARE(d.motsDuTest->text(), u"0"_qs);
    QCOMPARE(app::reglages().nbechuni(), qint16(30));
    QCOMPARE(app::menu().boutonTest->text(), u"Se tester sur 0 mots aléatoires"_qs);
}

void TestOptions::enregistrementImpossible()
{
    Dialog2& d = ouvrir();
    // A folder where the file should be: it cannot be replaced.
    QFile::remove(inst->chemin(QStringLiteral("settings.dat")));
    QDir(inst->chemin()).mkdir(QStringLiteral("settings.dat"));
    d.champSecondes->setText(QStringLiteral("9"));
    d.valider();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(u"settings.dat"_qs));
    QVERIFY(messages[0].contains(u"n'ont pas été enregistrées"_qs));
    QVERIFY(d.isVisible());
    QCOMPARE(app::reglages().tempsparmot(), qint16(5));
    d.annuler();
    QCOMPARE(app::reglages().tempsparmot(), qint16(5));
}

void TestOptions::sonSuitLaValeurEnregistree()
{
    inst->ecrire(QStringLiteral("settings.dat"), "95\r\n80\r\n5\r\n5\r\n0\r\n\r\n");
    app::menu();
    Dialog2& d = app::dialog2();
    QVERIFY(!d.estCharge());
    QVERIFY(!d.caseSon->isChecked());
    app::menu().ouvrirOptions();
    d.caseSon->setChecked(true);
    // A run launched now rings, as the box shows, until the dialog is closed.
    QVERIFY(app::reglages().son());
    d.annuler();
    QVERIFY(!d.caseSon->isChecked());
    QVERIFY(!app::reglages().son());
    app::menu().ouvrirOptions();
    d.caseSon->setChecked(true);
    d.valider();
    QVERIFY(d.caseSon->isChecked());
    QCOMPARE(app::reglages().valeurs().son, qint16(1));
    QCOMPARE(inst->lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\n\r\n"));
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
