// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contraste.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "fixtures/menu/installation_menu.h"
#include "menu/listedisparus.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "options/regles.h"
#include "progres/courbe.h"
#include "progres/statistiques.h"
#include "training/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class TestMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void comptes_data();
    void comptes();
    void comptesDesRallongesSurOds8();
    void baseAbsenteSignaleeAuDemarrage();
    void dossierListesAbsent();
    void reglages_data();
    void reglages();
    void lancement_data();
    void lancement();
    void lancementApresPreparation();
    void contexteRemisAZeroApresUnTest();
    void baseAbsenteAuLancementResteSurLeMenu();
    void aide_data();
    void aide();
    void aideSuitLaTailleDEchantillon();
    void scoreEtCourbeLisiblesSurChaqueFond_data();
    void scoreEtCourbeLisiblesSurChaqueFond();
    void motsQuiDisparaissent_data();
    void motsQuiDisparaissent();
    void optionsEtAProposNeBloquentPasLeMenu();
    void quitter_data();
    void quitter();

private:
    MenuODS8& demarrer(const QStringList& reglages = {QStringLiteral("95"), QStringLiteral("80"), QStringLiteral("5"),
                                                      QStringLiteral("5"), QStringLiteral("1"), u"Par défaut"_qs});
    QLabel* label(const QString& nom, int index = -1);
    QPushButton* bouton(const QString& nom, int index = -1);
    void survoler(QWidget* w);

    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

void TestMenu::init()
{
    messages.clear();
    app::observerMessages([this](const QString& t, app::Icone) { messages << t; });
    inst = std::make_unique<InstallationTest>();
}

void TestMenu::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

MenuODS8& TestMenu::demarrer(const QStringList& reglages)
{
    inst->ecrireLignes(QStringLiteral("settings.dat"), reglages);
    MenuODS8& m = app::menu();
    m.show();
    QCoreApplication::processEvents();
    return m;
}

QLabel* TestMenu::label(const QString& nom, int index)
{
    return app::menu().findChild<QLabel*>(ctl::nomControle(nom, index));
}

QPushButton* TestMenu::bouton(const QString& nom, int index)
{
    return app::menu().findChild<QPushButton*>(ctl::nomControle(nom, index));
}

void TestMenu::survoler(QWidget* w)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void TestMenu::comptes_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("attendu");
    QTest::addRow("base vide") << "4L.txt" << 0 << "Label4" << 1 << "0";
    QTest::addRow("un chiffre") << "4L.txt" << 7 << "Label4" << 1 << "7";
    QTest::addRow("deux chiffres") << "7L.txt" << 12 << "Label4" << 4 << "12  ";
    QTest::addRow("trois chiffres") << "LC_2-6L.txt" << 345 << "Label5" << 1 << "345 ";
    QTest::addRow("quatre chiffres") << "VB_5-9L.txt" << 1234 << "Label5" << 0 << "1234";
    QTest::addRow("rallonges") << "Nouvelles_rallonges_arriere.txt" << 45 << "Label7" << 1 << "45  ";
    QTest::addRow("formes sans remplissage") << "nouvelles_declinaisons.txt" << 12 << "Label6" << -1 << "12";
    QTest::addRow("multiples trois chiffres") << "6L_multiples.txt" << 345 << "Label8" << 1 << "345";
    QTest::addRow("multiples deux chiffres") << "9L_multiples.txt" << 12 << "Label8" << 4 << "12  ";
}

void TestMenu::comptes()
{
    QFETCH(QString, fichier);
    QFETCH(int, lignes);
    QFETCH(QString, nom);
    QFETCH(int, index);
    QFETCH(QString, attendu);
    fixtures::installerBases(*inst);
    inst->ecrireLignes(QStringLiteral("listes/") + fichier, fixtures::lignesBase(fichier, lignes));
    demarrer();
    QCOMPARE(label(nom, index)->text(), attendu);
    // The label grows with its text.
    QVERIFY(label(nom, index)->width() >= label(nom, index)->fontMetrics().horizontalAdvance(attendu));
    QVERIFY(messages.isEmpty());
}

void TestMenu::comptesDesRallongesSurOds8()
{
    fixtures::installerBases(*inst);
    inst->ecrireLignes(QStringLiteral("listes/Rallonges_avant_sur_ODS8.txt"),
                       fixtures::lignesBase(QStringLiteral("Rallonges_avant_sur_ODS8.txt"), 812));
    // A last line without a line break and an empty line both count.
    QByteArray arriere = data::joindreLignes(fixtures::lignesBase(QStringLiteral("Rallonges_arriere_sur_ODS8.txt"), 1303));
    arriere += "\r\nABC;D";
    inst->ecrire(QStringLiteral("listes/Rallonges_arriere_sur_ODS8.txt"), arriere);
    demarrer();
    QCOMPARE(label(QStringLiteral("Label7"), 3)->text(), u"812  1305"_qs);
}

void TestMenu::baseAbsenteSignaleeAuDemarrage()
{
    fixtures::installerBases(*inst, 3, {}, {QStringLiteral("5L.txt"), QStringLiteral("8L_b.txt")});
    demarrer();
    QCOMPARE(label(QStringLiteral("Label4"), 2)->text(), u"?"_qs);
    QCOMPARE(label(QStringLiteral("Label4"), 3)->text(), u"3"_qs);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(u"listes\\5L.txt"_qs));
    QVERIFY(messages[0].contains(u"listes\\8L_b.txt"_qs));
    QVERIFY(app::menu().isVisible());
}

void TestMenu::dossierListesAbsent()
{
    MenuODS8& m = demarrer();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(u"Le dossier « listes » est introuvable"_qs));
    QCOMPARE(label(QStringLiteral("Label7"), 3)->text(), u"?  ?"_qs);
    // The settings are still read.
    QCOMPARE(m.boutonTest->text(), u"Se tester sur 150 mots aléatoires"_qs);
}

void TestMenu::reglages_data()
{
    QTest::addColumn<QByteArray>("fichier");  // null: no settings file
    QTest::addColumn<QString>("legende");
    QTest::addColumn<int>("nbechuni");
    QTest::addColumn<QString>("couleurdufond");
    QTest::addColumn<quint32>("fond");
    QTest::addColumn<int>("tempsparmot");
    QTest::addColumn<int>("messages");
    QTest::addRow("installation neuve") << QByteArray() << u"Se tester sur 150 mots aléatoires"_qs << 150
                                        << u"Par défaut"_qs << 0xC0E0FFu << 5 << 0;
    QTest::addRow("vert") << QByteArray("95\r\n80\r\n8\r\n2\r\n0\r\nVert\r\n") << u"Se tester sur 60 mots aléatoires"_qs
                          << 60 << u"Vert"_qs << 0x80FF80u << 8 << 0;
    QTest::addRow("sixième champ vide") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\n\r\n")
                                        << u"Se tester sur 150 mots aléatoires"_qs << 150 << QString() << 0xC0E0FFu
                                        << 5 << 0;
    QTest::addRow("cinq lignes") << QByteArray("95\r\n80\r\n5\r\n3\r\n1\r\n") << u"Se tester sur 90 mots aléatoires"_qs
                                 << 90 << QString() << 0xC0E0FFu << 5 << 0;
    QTest::addRow("échantillon de 1") << QByteArray("95\r\n80\r\n5\r\n1\r\n1\r\nJaune\r\n")
                                      << u"Se tester sur 30 mots aléatoires"_qs << 30 << u"Jaune"_qs << 0x80FFFFu << 5
                                      << 0;
    QTest::addRow("échantillon de 0") << QByteArray("95\r\n80\r\n5\r\n0\r\n1\r\nGris\r\n")
                                      << u"Se tester sur 0 mots aléatoires"_qs << 30 << u"Gris"_qs << 0xE0E0E0u << 5
                                      << 0;
    QTest::addRow("fichier vide") << QByteArray("") << u"Se tester sur 0 mots aléatoires"_qs << 30 << QString()
                                  << 0xC0E0FFu << 0 << 0;
    QTest::addRow("nom inconnu") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nFuchsia\r\n")
                                 << u"Se tester sur 150 mots aléatoires"_qs << 150 << u"Fuchsia"_qs << 0xC0E0FFu << 5
                                 << 0;
    QTest::addRow("échantillon trop grand pour 16 bits")
        << QByteArray("95\r\n80\r\n5\r\n5000\r\n1\r\nBleu\r\n") << u"Se tester sur 150 mots aléatoires"_qs << 150
        << u"Bleu"_qs << 0xFFC0C0u << 5 << 1;
    QTest::addRow("échantillon hors de 16 bits") << QByteArray("95\r\n80\r\n5000\r\n99999\r\n1\r\nBleu\r\n")
                                                 << u"Se tester sur 150 mots aléatoires"_qs << 150 << u"Bleu"_qs
                                                 << 0xFFC0C0u << 5 << 1;
}

void TestMenu::reglages()
{
    QFETCH(QByteArray, fichier);
    QFETCH(QString, legende);
    QFETCH(int, nbechuni);
    QFETCH(QString, couleurdufond);
    QFETCH(quint32, fond);
    QFETCH(int, tempsparmot);
    QFETCH(int, messages);
    fixtures::installerBases(*inst);
    if (!fichier.isNull())
        inst->ecrire(QStringLiteral("settings.dat"), fichier);
    MenuODS8& m = app::menu();
    QCOMPARE(this->messages.size(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(m.boutonTest->text(), legende);
    QCOMPARE(app::reglages().nbechuni(), nbechuni);
    QCOMPARE(app::reglages().tempsparmot(), tempsparmot);
    QCOMPARE(app::reglages().couleur(), couleurdufond);
    QCOMPARE(ctl::couleurFond(&m), fond);
    QCOMPARE(this->messages.size(), messages);
    QVERIFY(!app::dialog2Charge());
    // Start-up never writes the settings.
    QCOMPARE(QFile::exists(inst->chemin(QStringLiteral("settings.dat"))), !fichier.isNull());
}

void TestMenu::lancement_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("toue");
    QTest::addColumn<QString>("typ");
    const auto ligne = [](const char* nom, int index, const char* fichier, const QString& titre, const char* toue,
                          const char* typ) {
        QTest::addRow("%s", qPrintable(ctl::nomControle(QString::fromLatin1(nom), index)))
            << QString::fromLatin1(nom) << index << QStringLiteral("listes\\") + QString::fromLatin1(fichier) << titre
            << QString::fromLatin1(toue) << QString::fromLatin1(typ);
    };
    ligne("Command3", -1, "VB_5-9L.txt", u"VERBES de 5 à 9 lettres"_qs, "T", "");
    ligne("Command4", -1, "LC_2-6L.txt", u"LETTRES CHERES de 2 à 6 lettres"_qs, "T", "");
    ligne("Command5", -1, "LC_7-8L.txt", u"LETTRES CHERES de 7 à 8 lettres"_qs, "T", "");
    ligne("Command6", -1, "nouvelles_declinaisons.txt", u"NOUVELLES FORMES 5 à 8 lettres"_qs, "T", "");
    ligne("Command1", 0, "Nouvelles_rallonges_avant.txt", u"RALLONGES AVANT"_qs, "T", "rallong");
    ligne("Command1", 1, "Nouvelles_rallonges_arriere.txt", u"RALLONGES ARRIERE"_qs, "T", "rallong");
    ligne("Command1", 2, "Nouvelles_rallonges_ar_conj.txt", u"RALLONGES ARRIERE (conj.)"_qs, "T", "rallong");
    ligne("Command1", 3, "Rallonges_avant_sur_ODS8.txt", u"RALLONGES AVANT SUR ODS 8"_qs, "T", "rallong");
    ligne("Command1", 4, "Rallonges_arriere_sur_ODS8.txt", u"RALLONGES ARRIERE SUR ODS 8"_qs, "T", "rallong");
    for (int i = 0; i < 5; ++i)
        ligne("Command7", i, qPrintable(QStringLiteral("%1L_multiples.txt").arg(5 + i)),
              QStringLiteral("%1 LETTRES (multiples)").arg(5 + i), "T", "");
    ligne("SolUniques", 0, "2-3L.txt", u"MOTS DE 2 et 3 LETTRES"_qs, "T", "");
    for (int i = 1; i < 7; ++i)
        ligne("SolUniques", i, qPrintable(QStringLiteral("%1L.txt").arg(i + 3)), QStringLiteral("MOTS DE %1 LETTRES").arg(i + 3),
              "T", "");
    for (int i = 7; i <= 12; ++i) {
        const int l = 7 + (i - 7) / 2, s = 1 + (i - 7) % 2;
        ligne("SolUniques", i, qPrintable(QStringLiteral("%1L_%2.txt").arg(l).arg(s == 1 ? 'a' : 'b')),
              QStringLiteral("MOTS DE %1 LETTRES (série %2)").arg(l).arg(s), "T", "");
    }
    ligne("Command8", -1, "2-8L.txt", u"TEST SUR 150 MOTS"_qs, "E", "");
}

void TestMenu::lancement()
{
    QFETCH(QString, nom);
    QFETCH(int, index);
    QFETCH(QString, fichier);
    QFETCH(QString, titre);
    QFETCH(QString, toue);
    QFETCH(QString, typ);
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    QVERIFY(!app::form1Charge());
    QTest::mouseClick(bouton(nom, index), Qt::LeftButton);
    QCOMPARE(m.dernierLancement().titre, titre);
    QCOMPARE(m.dernierLancement().test, toue == u"E"_qs);
    QCOMPARE(m.dernierLancement().rallonge, typ == u"rallong"_qs);
    QVERIFY(app::form1Charge());
    QCOMPARE(app::form1().fich, fichier);
    QVERIFY(!m.isVisible());
    QVERIFY(app::form1().isVisible());
    QVERIFY(messages.isEmpty());
}

// The training window built while the menu waits stays hidden until a base is clicked.
void TestMenu::lancementApresPreparation()
{
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    app::preparerEntrainementApresMenu();
    m.repaint();
    QTRY_VERIFY(app::form1Charge());
    QVERIFY(m.isVisible());
    QVERIFY(!app::form1().isVisible());
    bouton(QStringLiteral("SolUniques"), 4)->click();
    QVERIFY(!m.isVisible());
    QVERIFY(app::form1().isVisible());
    QCOMPARE(app::form1().fich, u"listes\\7L.txt"_qs);
    QVERIFY(messages.isEmpty());
}

void TestMenu::contexteRemisAZeroApresUnTest()
{
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    bouton(QStringLiteral("Command8"))->click();
    QVERIFY(m.dernierLancement().test);
    app::form1().hide();
    m.show();
    bouton(QStringLiteral("Command1"), 3)->click();
    QVERIFY(!m.dernierLancement().test);
    QVERIFY(m.dernierLancement().rallonge);
    app::form1().hide();
    m.show();
    bouton(QStringLiteral("Command3"))->click();
    QVERIFY(!m.dernierLancement().test);
    QVERIFY(!m.dernierLancement().rallonge);
    QCOMPARE(m.dernierLancement().titre, u"VERBES de 5 à 9 lettres"_qs);
    QCOMPARE(app::form1().fich, u"listes\\VB_5-9L.txt"_qs);
}

void TestMenu::baseAbsenteAuLancementResteSurLeMenu()
{
    fixtures::installerBases(*inst, 3, {}, {QStringLiteral("9L_a.txt")});
    MenuODS8& m = demarrer();
    messages.clear();
    bouton(QStringLiteral("SolUniques"), 11)->click();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0], u"La base « MOTS DE 9 LETTRES (série 1) » ne peut pas être lancée : "
                          "le fichier « listes\\9L_a.txt » est introuvable."_qs);
    QVERIFY(m.isVisible());
    QVERIFY(!app::form1Charge());
    // The other bases still launch.
    bouton(QStringLiteral("SolUniques"), 12)->click();
    QVERIFY(!m.isVisible());
    QCOMPARE(app::form1().fich, u"listes\\9L_b.txt"_qs);
}

void TestMenu::aide_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("attendu");  // null: left as it was
    const QString rallonge = u"\r\nRallonge en 1 lettre\r\n(ne saisir que la lettre qui rallonge)"_qs;
    const QString multiples = u"\r\nSolutions ODS8 qui ont plusieurs anagrammes ODS7"_qs;
    const QString moities = u"\r\nLa base a été subdivisée en deux pour pouvoir être travaillée plus facilement."_qs;
    const QString complete = u"\r\nTravailler sur la base complète. Sinon utilisez les boutons \"série 1\" et \"série 2\""_qs;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("Command1(%d)", i) << "Command1" << i << rallonge;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("Command7(%d)", i) << "Command7" << i << multiples;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("SolUniques(%d)", i) << "SolUniques" << i << u""_qs;
    for (int i = 4; i < 7; ++i)
        QTest::addRow("SolUniques(%d)", i) << "SolUniques" << i << complete;
    for (int i = 7; i <= 12; ++i)
        QTest::addRow("SolUniques(%d)", i) << "SolUniques" << i << moities;
    QTest::addRow("Command3") << "Command3" << -1 << u""_qs;
    QTest::addRow("Command6") << "Command6" << -1 << u""_qs;
    QTest::addRow("Command8") << "Command8" << -1
                              << u"Testez-vous sur une sélection aléatoire de 150 mots de 2 à 8 lettres.\r\n"
                                 "Vous pouvez modifier la taille de l'échantillon dans Options."_qs;
    for (const char* n : {"Command4", "Command5", "Command12", "Command2", "Command9", "quitter"})
        QTest::addRow("%s", n) << n << -1 << QString();
}

void TestMenu::aide()
{
    QFETCH(QString, nom);
    QFETCH(int, index);
    QFETCH(QString, attendu);
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    const QString avant = u"Votre score sur la dernière base terminée : \r\n96,7%"_qs;
    m.ligneAide->setText(avant);
    survoler(bouton(nom, index));
    QCOMPARE(m.ligneAide->text(), attendu.isNull() ? avant : attendu);
    if (nom == QStringLiteral("Command1"))
        QCOMPARE(bouton(nom, index)->toolTip(), u"(ne saisir que la lettre)"_qs);
    else
        QVERIFY(bouton(nom, index)->toolTip().isEmpty());
}

void TestMenu::aideSuitLaTailleDEchantillon()
{
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    m.ouvrirOptions();
    Dialog2& d = app::dialog2();
    d.champEchantillon->setText(QStringLiteral("12"));
    survoler(m.boutonTest);
    QVERIFY(m.ligneAide->text().startsWith(u"Testez-vous sur une sélection aléatoire de 360 mots"_qs));
    // The caption follows only after OK, and so does the test title.
    QCOMPARE(m.boutonTest->text(), u"Se tester sur 150 mots aléatoires"_qs);
    d.annuler();
    bouton(QStringLiteral("Command8"))->click();
    QCOMPARE(m.dernierLancement().titre, u"TEST SUR 360 MOTS"_qs);
    QCOMPARE(m.dernierLancement().echantillon, qint16(360));
}

void TestMenu::scoreEtCourbeLisiblesSurChaqueFond_data()
{
    QTest::addColumn<QString>("couleur");
    for (const QString& c : options::nomsCouleurs())
        QTest::addRow("%s", qPrintable(c)) << c;
}

void TestMenu::scoreEtCourbeLisiblesSurChaqueFond()
{
    QFETCH(QString, couleur);
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer({u"95"_qs, u"80"_qs, u"5"_qs, u"5"_qs, u"1"_qs, couleur});
    entrainement::Lancement test;
    test.titre = u"TEST SUR 150 MOTS"_qs;
    m.retenirLancement(test);
    for (const double score : {96.7, 85.0, 50.0}) {
        m.afficherScore(score);
        const quint32 texte = ctl::versBGR(m.scoreTest->palette().color(QPalette::WindowText));
        QVERIFY2(ctl::distinctes(texte, ctl::couleurFond(&m)), qPrintable(QString::number(texte, 16)));
    }
    // The statistics window, open while the colour is chosen in the options, takes it like the menu.
    app::reglages().apercevoirCouleur(u"Par défaut"_qs);
    progres::Statistiques& s = app::statistiques();
    app::reglages().apercevoirCouleur(couleur);
    QCOMPARE(ctl::couleurFond(&s), ctl::couleurFond(&m));
    QCOMPARE(ctl::couleurFond(s.courbe), ctl::couleurFond(&m));
    for (int i = 0; i < 8; ++i)
        QVERIFY2(ctl::distinctes(ctl::versBGR(s.courbe->couleurSerie(i)), ctl::couleurFond(&m)), qPrintable(QString::number(i)));
}

void TestMenu::motsQuiDisparaissent_data()
{
    QTest::addColumn<QByteArray>("fichier");  // none: the data has no list of its own
    QTest::addColumn<QString>("avis");        // the message box, when the list fits in one
    QTest::addColumn<QStringList>("liste");   // else the window's words, all of them, in order
    QTest::addRow("sans liste") << QByteArray() << u"Mots ODS 7 à ne plus jouer : \r\nCHINETOQUE\r\nNEGRO\r\nSILY"_qs
                                << QStringList();
    QByteArray vingt;
    QStringList mots;
    for (int i = 0; i < 20; ++i)
        vingt += "MOT" + QByteArray::number(i) + "\r\n";
    QTest::addRow("vingt mots") << vingt << u"Mots ODS 7 à ne plus jouer : \r\nMOT0\r\nMOT1"_qs << QStringList();
    // Accented words sort among the others, as in a French dictionary.
    QByteArray beaucoup("ZOB\r\n\xC9" "COT\r\nECU\r\n");
    for (int i = 1233; i >= 3; --i)
        beaucoup += "MOT" + QByteArray::number(10000 + i) + "\r\n";
    beaucoup += "ABACA\r\n";
    mots << u"ABACA"_qs << u"ÉCOT"_qs << u"ECU"_qs;
    for (int i = 3; i < 1234; ++i)
        mots << u"MOT"_qs + QString::number(10000 + i);
    mots << u"ZOB"_qs;
    QTest::addRow("1 235 mots") << beaucoup << QString() << mots;
}

void TestMenu::motsQuiDisparaissent()
{
    QFETCH(QByteArray, fichier);
    QFETCH(QString, avis);
    QFETCH(QStringList, liste);
    fixtures::installerBases(*inst);
    if (!fichier.isNull())
        inst->ecrire(data::fichierMotsDisparus, fichier);
    MenuODS8& m = demarrer();
    QTest::mouseClick(bouton(QStringLiteral("Command9")), Qt::LeftButton);
    QVERIFY(m.isVisible());
    auto* fenetre = m.findChild<menu::ListeDisparus*>();
    if (!avis.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(avis), qPrintable(messages[0]));
        QVERIFY(!fenetre);
        return;
    }
    QVERIFY(messages.isEmpty());
    QVERIFY(fenetre && fenetre->isVisible());
    const QString nombre = QLocale(QLocale::French, QLocale::France).toString(liste.size());
    QCOMPARE(fenetre->entete->text(), u"Mots ODS 7 à ne plus jouer : "_qs + nombre + u" mots."_qs);
    QCOMPARE(fenetre->liste->toPlainText().split(u'\n'), liste);
    QVERIFY(fenetre->liste->verticalScrollBar()->maximum() > 0);
    fenetre->copier->click();
    QCOMPARE(QGuiApplication::clipboard()->text().split(u'\n'), liste);
    // It opens whole over the menu.
    QVERIFY(m.screen()->availableGeometry().contains(fenetre->frameGeometry()));
}

void TestMenu::optionsEtAProposNeBloquentPasLeMenu()
{
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    QTest::mouseClick(bouton(QStringLiteral("Command12")), Qt::LeftButton);
    QTest::mouseClick(bouton(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(app::dialog2().isVisible());
    QVERIFY(!app::dialog2().isModal());
    QVERIFY(app::aproposCharge());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The menu still answers while both are open.
    bouton(QStringLiteral("Command4"))->click();
    QCOMPARE(app::form1().fich, u"listes\\LC_2-6L.txt"_qs);
}

void TestMenu::quitter_data()
{
    QTest::addColumn<bool>("caseDeFermeture");
    QTest::addRow("Quitter") << false;
    QTest::addRow("case de fermeture") << true;
}

void TestMenu::quitter()
{
    QFETCH(bool, caseDeFermeture);
    fixtures::installerBases(*inst);
    MenuODS8& m = demarrer();
    // Options open and the training window loaded but hidden, as after a run.
    m.ouvrirOptions();
    bouton(QStringLiteral("Command5"))->click();
    app::form1().hide();
    m.show();
    m.ouvrirApropos();
    QTimer::singleShot(0, &m, [&] {
        if (caseDeFermeture)
            m.close();
        else
            QTest::mouseClick(bouton(QStringLiteral("quitter")), Qt::LeftButton);
    });
    bool finiSeul = true;
    QTimer garde;
    garde.setSingleShot(true);
    connect(&garde, &QTimer::timeout, qApp, [&] {
        finiSeul = false;
        QApplication::exit(1);
    });
    garde.start(5000);
    const int code = QApplication::exec();
    QVERIFY(finiSeul);
    QCOMPARE(code, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!QFile::exists(inst->chemin(QStringLiteral("settings.dat"))) ||
            inst->lire(QStringLiteral("settings.dat")) == QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nPar d\xE9" "faut\r\n"));
}

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
