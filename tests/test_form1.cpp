// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contraste.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "progres/depot.h"
#include "support/fenetres.h"
#include "support/form1_test.h"
#include "training/form1.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestForm1 : public QObject, protected BancForm1 {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { avantTout(); }
    void init() { preparer(); }
    void cleanup() { liberer(); }

    void controlesAuChargement_data();
    void controlesAuChargement();
    void etatAuChargement();
    void taillePoliceSelonDernierTirage_data();
    void taillePoliceSelonDernierTirage();
    void premiereSerie_data();
    void premiereSerie();
    void echantillonDeTest();
    void donneesManquantes();
    void couleursSurChaqueFond_data();
    void couleursSurChaqueFond();
    void changementDeCritere();
    void modeCompact();
    void captures();
    void donneesLivrees_data();
    void donneesLivrees();
};

void TestForm1::controlesAuChargement_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("twips");  // left, top, width, height; -1 for a size that follows the text
    QTest::addColumn<QString>("texte");
    QTest::addRow("tirage(0)") << "tirage(0)" << QRect(480, 840, 2820, 555) << "";
    QTest::addRow("tirage(13)") << "tirage(13)" << QRect(7250, 840 + 720 * 3, 2820, 555) << "";
    QTest::addRow("solution(29)") << "solution(29)" << QRect(17090, 840 + 720 * 9, 2820, 555) << "";
    QTest::addRow("Command1(8)") << "Command1(8)" << QRect(6480 + 840 * 8, 8400, 840, 840) << "";
    QTest::addRow("Command2") << "Command2" << QRect(13560, 8640, 135, 495) << "Command2";
    QTest::addRow("Command3") << "Command3" << QRect(16635, 0, 1935, 300) << "Changer de police";
    QTest::addRow("Command4") << "Command4" << QRect(435, 10755, 2895, 300) << "Changer de critère";
    QTest::addRow("Command5") << "Command5" << QRect(18480, 9960, 1455, 375) << "Pause";
    QTest::addRow("Command6") << "Command6" << QRect(15120, 0, 1520, 300) << "Mode compact";
    QTest::addRow("restart") << "restart" << QRect(675, 8400, 2175, 615) << "Nouvelle série(F8)";
    QTest::addRow("corriger") << "corriger" << QRect(16320, 8400, 1695, 615) << "Corriger (F12)";
    QTest::addRow("valider") << "valider" << QRect(11040, 9555, 975, 465) << "Valider";
    QTest::addRow("quitter") << "quitter" << QRect(18840, 0, 1335, 560) << "Retour au sommaire";
    QTest::addRow("recherche") << "recherche" << QRect(8040, 9480, 2820, 585) << "";
    QTest::addRow("seuiltxt") << "seuiltxt" << QRect(2540, 10365, 340, 390) << "1";
    QTest::addRow("motsleft") << "motsleft" << QRect(2640, 9240, 735, 390) << "";
    QTest::addRow("temps") << "temps" << QRect(19080, 9000, 615, 390) << "4:00";
    QTest::addRow("tempstot") << "tempstot" << QRect(18960, 9480, 960, 390) << "0:00:00";
    QTest::addRow("InfoSourisText") << "InfoSourisText" << QRect(4080, 8160, 11775, 2895) << "";
    QTest::addRow("Label1") << "Label1" << QRect(18240, 9000, -1, -1) << "Série";
    QTest::addRow("Label4") << "Label4" << QRect(675, 9300, -1, -1) << "Tirages restants :";
    QTest::addRow("Label5") << "Label5" << QRect(435, 10440, -1, -1) << "Eliminer un mot après ";
    QTest::addRow("Label6") << "Label6" << QRect(3000, 10440, -1, -1) << "réussites.";
    QTest::addRow("Label8") << "Label8" << QRect(16360, 10440, -1, -1) << "Nombre de fautes :";
    QTest::addRow("nbseries") << "nbseries" << QRect(600, 9840, -1, -1) << "0 série déjà réalisée";
    QTest::addRow("police") << "police" << QRect(18600, 0, -1, -1) << "1";
    QTest::addRow("Image6(4) beside solution(4)") << "Image6(4)" << QRect(3480 + 2820 + 20, 840 + 720 * 4 + 60, 420, 420) << "";
    QTest::addRow("Image3(25)") << "Image3(25)" << QRect(17090 + 2820 + 20, 840 + 720 * 5 + 60, 420, 420) << "";
}

void TestForm1::controlesAuChargement()
{
    QFETCH(QString, nom);
    QFETCH(QRect, twips);
    QFETCH(QString, texte);
    Form1& f = app::form1();
    auto* w = f.findChild<QWidget*>(nom);
    QVERIFY2(w, qPrintable(nom));
    QCOMPARE(ctl::gaucheTwips(w), twips.x() / 15 * 15);
    QCOMPARE(ctl::hautTwips(w), twips.y() / 15 * 15);
    if (twips.width() >= 0) {
        QCOMPARE(ctl::largeurTwips(w), twips.width() / 15 * 15);
        QCOMPARE(ctl::hauteurTwips(w), twips.height() / 15 * 15);
    } else {
        QVERIFY(w->width() >= w->sizeHint().width() - 1);
    }
    if (auto* l = qobject_cast<QLabel*>(w))
        QCOMPARE(l->text(), texte);
    else if (auto* b = qobject_cast<QPushButton*>(w))
        QCOMPARE(b->text(), texte);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        QCOMPARE(e->text(), texte);
}

void TestForm1::etatAuChargement()
{
    Form1& f = app::form1();
    QCOMPARE(f.windowTitle(), QStringLiteral("LEXIDOR ODS 8 - ENTRAINEMENT AU SCRABBLE "));
    QCOMPARE(f.size(), QSize(20760 / 15, 11160 / 15));
    QCOMPARE(ctl::couleurFond(&f), ctl::couleurFond(&app::menu()));
    QCOMPARE(f.solution[7]->font().family(), QStringLiteral("Lucida Sans"));
    QCOMPARE(f.solution[7]->font().pointSizeF(), 18.0);
    QCOMPARE(f.tirage[23]->font().pointSizeF(), 14.25);
    QCOMPARE(f.tirage[22]->font().pointSizeF(), 12.0);
    QVERIFY(!f.corriger->isEnabled());
    QVERIFY(!f.restart->isEnabled());
    QVERIFY(!f.boutonCritere->isEnabled());
    QVERIFY(f.caseTemps->isChecked());
    QCOMPARE(f.boutonParDefaut(), f.boutonSuivant);
    for (auto* t : {f.minuterieSerie, f.minuterieTotal, f.minuterieMot}) {
        QVERIFY(!t->isActive());
        QCOMPARE(t->interval(), 1000);
    }
    QCOMPARE(f.findChild<QTimer*>(QStringLiteral("Timer2")), f.minuterieTotal);
    // The naming table misses no control: every one is known by its designed name.
    for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
    for (int i = 0; i < 30; ++i) {
        QVERIFY(f.reperesParticipe[i]->isHidden());
        QCOMPARE(f.reperesParticipe[i]->geometry(), f.reperesTransitif[i]->geometry());
        QVERIFY(!f.reperesTransitif[i]->pixmap().isNull());
    }
    QCOMPARE(f.reperesInvariable[0]->toolTip(), QStringLiteral("Mot invariable !"));
    QVERIFY(messages.isEmpty());
}

void TestForm1::taillePoliceSelonDernierTirage_data()
{
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<double>("taille");
    QTest::addRow("dernier de 8") << QStringList{"ABCDEFGHIJ;X", "ABCDEFGH;Y"} << 20.0;
    QTest::addRow("dernier de 9") << QStringList{"ABC;X", "ABCDEFGHI;Y"} << 19.0;
    QTest::addRow("base vide") << QStringList{} << 20.0;
}

void TestForm1::taillePoliceSelonDernierTirage()
{
    QFETCH(QStringList, lignes);
    QFETCH(double, taille);
    Form1& f = demarrer(lignes);
    QCOMPARE(f.tirage[5]->font().pointSizeF(), taille);
    QCOMPARE(f.solution[29]->font().pointSizeF(), taille);
    QCOMPARE(f.solution[29]->font().family(), QStringLiteral("Times New Roman"));
}

void TestForm1::premiereSerie_data()
{
    QTest::addColumn<int>("taille");
    QTest::addRow("7 tirages") << 7;
    QTest::addRow("aucun tirage") << 0;
    QTest::addRow("45 tirages") << 45;
}

void TestForm1::premiereSerie()
{
    QFETCH(int, taille);
    Form1& f = demarrer(baseDe(taille));
    const int n = std::min(taille, 30);
    QSet<QString> vus;
    for (int j = 0; j < 30; ++j) {
        QVERIFY(f.solution[j]->text().isEmpty());
        if (j < n) {
            QVERIFY(!f.tirage[j]->text().isEmpty() || j == 0);
            vus.insert(*f.partie.tirageDeLigne(j));
        } else {
            QVERIFY(f.tirage[j]->text().isEmpty());
            QCOMPARE(f.partie.indexserie[j], -1);
        }
    }
    QCOMPARE(vus.size(), n);
    QCOMPARE(f.motsleft->text(), QString::number(taille));
    QCOMPARE(focus(), f.solution[0]);
    QCOMPARE(f.partie.tempsrestant, 240);
    QVERIFY(f.minuterieSerie->isActive());
    QVERIFY(f.minuterieTotal->isActive());
    QVERIFY(f.corriger->isEnabled());
    QVERIFY(!f.restart->isEnabled());
    QVERIFY(f.boutonCritere->isEnabled());
    QVERIFY(f.seuiltxt->isEnabled());
    if (n > 0) {
        QCOMPARE(ctl::couleurFond(f.tirage[0]), 0x80FF80u);
        QCOMPARE(ctl::couleurFond(f.solution[0]), 0x80FFFFu);
        QCOMPARE(f.tuiles[0]->text(), f.tirage[0]->text().left(1));
    }
    QCOMPARE(ctl::couleurFond(f.tirage[1]), 0xFFFF80u);
    QCOMPARE(ctl::couleurFond(f.solution[1]), 0x80C0FFu);
}

void TestForm1::echantillonDeTest()
{
    app::reglages().affecterechantillons(2);
    Form1& f = demarrer(baseDe(500), QStringLiteral("E"), QString(), QStringLiteral("TEST sur 60 mots"));
    QCOMPARE(f.partie.nbrestants, 60);
    QCOMPARE(f.partie.nbinitial, 60);
    QCOMPARE(QSet<QString>(f.partie.tiragesbase.begin(), f.partie.tiragesbase.begin() + 60).size(), 60);
    // A sample larger than the base takes the whole base.
    f.quitter_Click();
    app::reglages().affecterechantillons(30);
    demarrer(baseDe(40), QStringLiteral("E"));
    QCOMPARE(f.partie.nbrestants, 40);
    QCOMPARE(QSet<QString>(f.partie.tiragesbase.begin(), f.partie.tiragesbase.begin() + 40).size(), 40);
}

void TestForm1::donneesManquantes()
{
    QFile::remove(inst->chemin(QStringLiteral("images/inv_28x28.bmp")));
    QFile::remove(inst->chemin(QStringLiteral("listes/inv.txt")));
    QFile::remove(inst->chemin(QStringLiteral("infosouris-ods8.txt")));
    Form1& f = app::form1();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QStringLiteral("inv_28x28.bmp")));
    f.show();
    f.commencer(lancementDeTest(QStringLiteral("listes\\absente.txt")));
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[1].contains(QStringLiteral("inv.txt")));
    QVERIFY(messages[1].contains(QStringLiteral("absente.txt")));
    QVERIFY(messages[1].contains(QStringLiteral("notes")));
    QCOMPARE(f.partie.nbrestants, 0);
    f.corriger_Click();
    QCOMPARE(messages.size(), 2);  // said once, not at every correction
    QVERIFY(!f.restart->isEnabled());
    // A base with lines lacking ';' keeps its valid lines and says how many were skipped.
    f.quitter_Click();
    app::reglages().choisirSon(true);
    demarrer({"ABC;CAB", "", "sans point-virgule", "DEF;FED"});
    QCOMPARE(f.partie.nbrestants, 2);
    QVERIFY(messages.last().contains(QStringLiteral("2 ligne(s)")));
    // A sound file that is not WAV plays nothing, without a message over the score.
    inst->ecrire(QStringLiteral("APP05.WAV"), "pas un son");
    const qsizetype avant = messages.size();
    frappe(*f.partie.solutionsDeLigne(0));
    touche(Qt::Key_Down);
    frappe(*f.partie.solutionsDeLigne(1));
    touche(Qt::Key_F12);
    QCOMPARE(messages.size(), avant);
    QVERIFY(!f.findChild<QObject*>(QStringLiteral("son")));
    QVERIFY(!f.restart->isEnabled());
}

void TestForm1::couleursSurChaqueFond_data()
{
    QTest::addColumn<quint32>("fond");
    // The background colours the options offer.
    for (const quint32 c : {0xC0E0FFu, 0x80FFFFu, 0x80C0FFu, 0x80FF80u, 0xFFC0C0u, 0xE0E0E0u})
        QTest::addRow("%06X", c) << c;
}

void TestForm1::couleursSurChaqueFond()
{
    QFETCH(quint32, fond);
    Form1& f = demarrer(base7());
    auto l = lancementDeTest(QStringLiteral("listes\\base.txt"), QStringLiteral("7 lettres"), false, false);
    l.fond = fond;
    f.commencer(l);
    const auto distincte = [&](const QWidget* w) {
        QVERIFY2(ctl::distinctes(ctl::couleurFond(w), fond), qPrintable(w->objectName()));
    };
    frappe(QStringLiteral("RIANTES"));
    touche(Qt::Key_Return);
    frappe(QStringLiteral("RESTEL"));
    for (const QWidget* w : std::initializer_list<const QWidget*>{f.tirage[1], f.solution[1], f.tirage[2], f.solution[2],
                                                                  f.tuiles[0], f.recherche})
        distincte(w);
    touche(Qt::Key_F12);
    for (const QWidget* w : std::initializer_list<const QWidget*>{f.solution[0], f.solution[1], f.tirage[1], f.tirage[0], f.temps})
        distincte(w);
}

void TestForm1::changementDeCritere()
{
    Form1& f = demarrer(baseDe(5));
    const int s0 = ctl::gaucheTwips(f.seuiltxt);
    const int l0 = ctl::gaucheTwips(f.etiquetteCritere);
    f.seuiltxt->setText(QStringLiteral("3"));
    f.boutonCritere->click();
    QCOMPARE(f.etiquetteEliminer->text(), QStringLiteral("Eliminer un mot trouvé en moins de"));
    QCOMPARE(f.etiquetteCritere->text(), QStringLiteral("secondes."));
    QCOMPARE(f.seuiltxt->text(), QStringLiteral("5"));
    QCOMPARE(ctl::gaucheTwips(f.seuiltxt), s0 + 1095);  // 1100 twips rounded to whole pixels
    QCOMPARE(ctl::gaucheTwips(f.etiquetteCritere), l0 + 1095);
    QVERIFY(f.voyant->isVisible());
    f.boutonCritere->click();
    QCOMPARE(f.etiquetteEliminer->text(), QStringLiteral("Eliminer un mot après"));
    QCOMPARE(f.etiquetteCritere->text(), QStringLiteral("réussites."));
    QCOMPARE(f.seuiltxt->text(), QStringLiteral("1"));
    QCOMPARE(ctl::gaucheTwips(f.seuiltxt), ctl::gaucheTwips(f.etiquetteEliminer) + ctl::largeurTwips(f.etiquetteEliminer) + 120 / 15 * 15);
    QCOMPARE(ctl::gaucheTwips(f.etiquetteCritere), ctl::gaucheTwips(f.seuiltxt) + 345);
    QVERIFY(f.voyant->isHidden());
    // The criterion carries over to the next run.
    f.boutonCritere->click();
    f.quitter_Click();
    demarrer(baseDe(5));
    QCOMPARE(f.etiquetteCritere->text(), QStringLiteral("secondes."));
}

void TestForm1::modeCompact()
{
    Form1& f = demarrer(base7());
    frappe(QStringLiteral("RIA"));
    const QSize avant = f.size();
    f.boutonCompact->click();
    QVERIFY(f.modecompact);
    QVERIFY(f.boutonCompact->isHidden());
    QCOMPARE(ctl::gaucheTwips(f.tirage[10]), 6540);
    QCOMPARE(ctl::gaucheTwips(f.solution[10]), 9540);
    QCOMPARE(ctl::hautTwips(f.tirage[14]), 840 + 720 * 4);
    QCOMPARE(ctl::gaucheTwips(f.tirage[0]), 120);
    QCOMPARE(ctl::gaucheTwips(f.corriger), 14880);
    QCOMPARE(ctl::gaucheTwips(f.recherche), 7110);
    QCOMPARE(ctl::gaucheTwips(f.tuiles[0]), 5550);
    QCOMPARE(f.gauchetuiles, 5550);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(ctl::gaucheTwips(f.reperesParticipe[i]), ctl::gaucheTwips(f.solution[i]) + ctl::largeurTwips(f.solution[i]));
        QVERIFY(f.rect().contains(f.reperesParticipe[i]->geometry()));  // the right-hand column's too
    }
    QCOMPARE(f.size(), avant - QSize(1700 / 15, 1100 / 15));
    QVERIFY(f.boutonCritere->isEnabled());
    QCOMPARE(f.solution[0]->text(), QStringLiteral("RIA"));
    QCOMPARE(focus(), f.solution[0]);
    // Entering a row lines the tiles up from the new place.
    f.solution[1]->setFocus();
    QCOMPARE(ctl::gaucheTwips(f.tuiles[3]), 5550 + 3 * 840);
    // The notes box replaces the central entry box after a correction.
    touche(Qt::Key_F12);
    QVERIFY(f.InfoSourisText->isVisible());
    QVERIFY(f.recherche->isHidden());
    // Beside the criterion line, the verdict and the faults, not over them.
    for (QWidget* w : std::initializer_list<QWidget*>{f.etiquetteEliminer, f.seuiltxt, f.etiquetteCritere, f.boutonCritere,
                                                      f.voyant, f.etiquetteFautes, f.nbftot})
        QVERIFY2(!f.InfoSourisText->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
    touche(Qt::Key_F8);
    QVERIFY(f.recherche->isVisible());
    sauver(&f, QStringLiteral("compact.png"));
}

void TestForm1::captures()
{
    Form1& f = demarrer(base7());
    frappe(QStringLiteral("RIANTES"));
    touche(Qt::Key_Return);
    frappe(QStringLiteral("RESTEL"));
    tick(f.minuterieSerie, 17);
    tick(f.minuterieTotal, 17);
    sauver(&f, QStringLiteral("serie.png"));
    tick(f.minuterieSerie, 223);
    sauver(&f, QStringLiteral("correction-minuterie.png"));
}

void TestForm1::donneesLivrees_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("titre");
    QTest::addRow("7 lettres, moitié A") << "listes\\7L_a.txt" << "" << "7 lettres (A)";
    QTest::addRow("tirages multiples") << "listes\\7L_multiples.txt" << "" << "7 lettres multiples";
    QTest::addRow("rallonges avant") << "listes\\Rallonges_avant_sur_ODS8.txt" << "rallong" << "Rallonges avant";
}

void TestForm1::donneesLivrees()
{
    QFETCH(QString, fichier);
    QFETCH(QString, typ);
    QFETCH(QString, titre);
    const QString ici = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(LEXIDOR_RUNTIME_DIR));
    // The shipped folder is the source tree's: the run leaves nothing of the player's there.
    app::progression().activer(false);
    Form1& f = app::form1();
    f.show();
    f.commencer(lancementDeTest(fichier, titre, false, typ == QLatin1String("rallong")));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    QVERIFY(f.partie.nbrestants > 0);
    // Type the first letter of every rack that holds it, then correct.
    for (int j = 0; j <= f.partie.derniere(); ++j) {
        f.solution[j]->setFocus();
        frappe(f.partie.solutionsDeLigne(j)->left(1));
    }
    f.corriger_Click();
    QVERIFY(messages.isEmpty());
    sauver(&f, QFileInfo(fichier.section(QLatin1Char('\\'), -1)).completeBaseName() + QStringLiteral(".png"));
    QDir::setCurrent(ici);
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
