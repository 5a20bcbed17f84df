// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"
#include "app/lexidor.h"
#include "support/fenetres.h"
#include "support/form1_test.h"
#include "training/form1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestForm1Saisie : public QObject, protected BancForm1 {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { avantTout(); }
    void init() { preparer(); }
    void cleanup() { liberer(); }

    void saisieAssistee_data();
    void saisieAssistee();
    void retourArriereEtSelection();
    void tuilesDuTirageCourant();
    void anneauDesLignes();
    void pauseEtReprise();
    void verdictsDeTemps();
    void tirageSansVerdict_data();
    void tirageSansVerdict();
    void critereChangeSurUneLigne_data();
    void critereChangeSurUneLigne();
    void policeTuilesEtAffichageDuTemps();
    void validerEtBoiteCentrale();
};

void TestForm1Saisie::saisieAssistee_data()
{
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("tirage");
    QTest::addRow("minuscule, lettre prise") << "AEINRST;RIANTES" << "" << "a" << "A" << "EINRST";
    QTest::addRow("lettre épuisée") << "AEINRST;RIANTES" << "" << "aa" << "A" << "EINRST";
    QTest::addRow("lettre absente") << "AEINRST;RIANTES" << "" << "z" << "" << "AEINRST";
    QTest::addRow("lettre double") << "AABEL;ABELA" << "" << "AAA" << "AA" << "BEL";
    QTest::addRow("chiffres et signes refusés") << "AEINRST;RIANTES" << "" << "R1 -.é" << "R" << "AEINST";
    QTest::addRow("tiret: lettres avant") << "ABC-DEF;ABC" << "" << "CBD" << "CB" << "A";
    QTest::addRow("rallonge: toute capitale") << "?ABC;ST" << "rallong" << "st9" << "ST" << "?ABC";
    QTest::addRow("tout le tirage") << "AEINRST;RIANTES" << "" << "riantes" << "RIANTES" << "";
    // Pasted and dropped text goes through the same rules, line breaks and all.
    QTest::addRow("collé") << "AEINRST;RIANTES" << "" << "Ctrl+V:r1é\r\nIAz" << "RIA" << "ENST";
    QTest::addRow("collé, un mégaoctet") << "AEINRST;RIANTES" << "" << QString(1 << 20, u'A').prepend(u"Ctrl+V:")
                                         << "A" << "EINRST";
    QTest::addRow("collé, rallonge") << "?ABC;ST" << "rallong" << "Ctrl+V:s\tT" << "ST" << "?ABC";
    QTest::addRow("glissé") << "AABEL;ABELA" << "" << "Glisser:aaaB" << "AAB" << "EL";
}

void TestForm1Saisie::saisieAssistee()
{
    QFETCH(QString, ligne);
    QFETCH(QString, typ);
    QFETCH(QString, frappe);
    QFETCH(QString, reponse);
    QFETCH(QString, tirage);
    Form1& f = demarrer({ligne}, QStringLiteral("T"), typ);
    if (frappe.startsWith(u"Ctrl+V:")) {
        QGuiApplication::clipboard()->setText(frappe.mid(7));
        touche(QKeySequence(QKeySequence::Paste));
    } else if (frappe.startsWith(u"Glisser:")) {
        QMimeData m;
        m.setText(frappe.mid(8));
        const QPoint p = f.solution[0]->rect().center();
        QDragEnterEvent entree(p, Qt::CopyAction, &m, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.solution[0], &entree);
        QDropEvent d(p, Qt::CopyAction, &m, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.solution[0], &d);
    } else {
        this->frappe(frappe);
    }
    QCOMPARE(f.solution[0]->text(), reponse);
    QCOMPARE(f.tirage[0]->text(), tirage);
}

void TestForm1Saisie::retourArriereEtSelection()
{
    Form1& f = demarrer({"AEINRST;RIANTES"});
    frappe(QStringLiteral("AE"));
    touche(Qt::Key_Backspace);
    QCOMPARE(f.solution[0]->text(), QStringLiteral("A"));
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("EINRST"));
    touche(Qt::Key_Backspace);
    frappe(QStringLiteral("EIN"));
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("ARST"));
    // "Couper" from the context menu gives the letters back, like Delete, and its "Coller" keeps to
    // the rack; both are refused once corrected.
    const auto menu = [&f](int action) {
        f.solution[0]->selectAll();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(1, 1), f.solution[0]->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(f.solution[0], &menu);
        auto* m = f.solution[0]->findChild<QMenu*>(QStringLiteral("menuSaisie"));
        QAction* a = m->actions().at(action);
        const bool actif = a->isEnabled();
        if (actif)
            a->trigger();
        m->close();
        delete m;
        // The offscreen platform does not give the window back its activation, as a desktop does.
        f.activateWindow();
        return QTest::qWaitForWindowActive(&f) && actif;
    };
    const int couper = 3, coller = 5;
    QVERIFY(menu(couper));
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("AEINRST"));
    QGuiApplication::clipboard()->setText(u"e1\tINé"_qs);
    QVERIFY(menu(coller));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("EIN"));
    // Typing over the whole selection starts again from the rack.
    f.solution[0]->selectAll();
    frappe(QStringLiteral("E"));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E"));
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("AINRST"));
    // Leaving the row puts the whole rack back; coming back derives the pool from the answer.
    touche(Qt::Key_Down);
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("AEINRST"));
    touche(Qt::Key_Up);
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("AINRST"));
    // Rows without a rack refuse every letter.
    f.solution[5]->setFocus();
    frappe(QStringLiteral("AE"));
    QCOMPARE(f.solution[5]->text(), QString());
    // After the correction letters and Delete are refused, Backspace and digits still reach the box.
    touche(Qt::Key_F12);
    QVERIFY(!f.corriger->isEnabled());
    f.solution[0]->setFocus();
    f.solution[0]->end(false);
    frappe(QStringLiteral("a1"));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E1"));
    f.solution[0]->home(false);
    touche(Qt::Key_Delete);
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E1"));
    f.solution[0]->end(false);
    touche(Qt::Key_Backspace);
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E"));
    // Nothing can be pasted into a corrected answer.
    QGuiApplication::clipboard()->setText(QStringLiteral("A1"));
    touche(QKeySequence(QKeySequence::Paste));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E"));
    QVERIFY(!menu(couper));
    QVERIFY(!menu(coller));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("E"));
}

void TestForm1Saisie::tuilesDuTirageCourant()
{
    // More letters than tiles: empty tiles, never the previous rack; the blank before "(+2)" takes none.
    Form1& f = demarrer({"ABCDEFGHIJ;X", "ABDEEORRR (+2);REABORDER"});
    for (QPushButton* t : f.tuiles)
        QCOMPARE(t->text(), QString());
    f.solution[1]->setFocus();
    QCOMPARE(f.tuiles[0]->text() + f.tuiles[8]->text(), QStringLiteral("AR"));
    // Left with row 0 current, then a new run in a window not yet active: its rack, not the last one.
    demarrer({"AEINRST;RIANTES"});
    QCOMPARE(f.tuiles[6]->text(), QStringLiteral("T"));
    f.quitter_Click();
    inst->ecrireLignes(QStringLiteral("listes/base.txt"), {"DEILMOT;MOTILED"});
    f.show();
    f.commencer(lancementDeTest(QStringLiteral("listes\\base.txt"), QStringLiteral("7 lettres"), false, false));
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(f.tuiles[0]->text() + f.tuiles[6]->text(), QStringLiteral("DT"));
}

void TestForm1Saisie::anneauDesLignes()
{
    Form1& f = demarrer(baseDe(7));
    touche(Qt::Key_Up);
    QCOMPARE(focus(), f.solution[29]);
    QCOMPARE(f.lignecourante, 29);
    touche(Qt::Key_Return);
    QCOMPARE(focus(), f.solution[0]);
    touche(Qt::Key_Return);
    touche(Qt::Key_Down);
    QCOMPARE(focus(), f.solution[2]);
    QCOMPARE(ctl::couleurFond(f.tirage[2]), 0x80FF80u);
    QCOMPARE(ctl::couleurFond(f.tirage[0]), 0xFFFF80u);
    // An empty row clears the other highlights and leaves the tiles as they were.
    const QString tuile = f.tuiles[0]->text();
    f.solution[12]->setFocus();
    QCOMPARE(ctl::couleurFond(f.tirage[2]), 0xFFFF80u);
    QCOMPARE(f.tuiles[0]->text(), tuile);
}

void TestForm1Saisie::pauseEtReprise()
{
    Form1& f = demarrer(baseDe(7));
    tick(f.minuterieSerie, 10);
    tick(f.minuterieTotal, 10);
    f.boutonPause->click();
    QCOMPARE(f.boutonPause->text(), QStringLiteral("Reprendre"));
    QVERIFY(!f.minuterieSerie->isActive());
    QVERIFY(!f.minuterieTotal->isActive());
    QVERIFY(!f.recherche->isEnabled());
    QVERIFY(f.solution[0]->isReadOnly());
    f.solution[0]->setFocus();
    frappe(QStringLiteral("A"));
    QCOMPARE(f.solution[0]->text(), QString());
    f.boutonPause->click();
    QCOMPARE(f.boutonPause->text(), QStringLiteral("Pause"));
    QVERIFY(f.minuterieSerie->isActive());
    QVERIFY(f.minuterieTotal->isActive());
    QVERIFY(!f.solution[0]->isReadOnly());
    tick(f.minuterieSerie);
    tick(f.minuterieTotal);
    QCOMPARE(f.temps->text(), QStringLiteral("3:49"));
    QCOMPARE(f.tempstot->text(), QStringLiteral("0:00:11"));
    // Pausing after the correction: the countdown stays stopped, the run clock resumes.
    touche(Qt::Key_F12);
    f.boutonPause->click();
    f.boutonPause->click();
    QVERIFY(!f.minuterieSerie->isActive());
    QVERIFY(f.minuterieTotal->isActive());
    // The next draw resumes a paused run.
    f.boutonPause->click();
    f.restart->click();
    QCOMPARE(f.boutonPause->text(), QStringLiteral("Pause"));
    QVERIFY(f.minuterieSerie->isActive());
    // After the buttons beside the typing, by mouse or keyboard, the keys reach the current row.
    f.solution[2]->setFocus();
    for (QPushButton* b : {f.boutonPause, f.boutonPause, f.boutonPolice, f.boutonCritere})
        QTest::mouseClick(b, Qt::LeftButton);
    frappe(QStringLiteral("a"));
    QCOMPARE(f.solution[2]->text(), QStringLiteral("A"));
    for (QPushButton* b : {f.boutonPause, f.boutonPause, f.boutonPolice, f.boutonCritere}) {
        b->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Space);
        QCOMPARE(focus(), f.solution[2]);
    }
}

void TestForm1Saisie::verdictsDeTemps()
{
    Form1& f = demarrer({"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS", "ACEHINS;CHAINES"});
    // Success criterion: the stopwatch never starts.
    QVERIFY(!f.minuterieMot->isActive());
    f.boutonCritere->click();
    QCOMPARE(f.seuiltxt->text(), QStringLiteral("5"));
    f.solution[1]->setFocus();
    QVERIFY(f.minuterieMot->isActive());
    frappe(*f.partie.solutionsDeLigne(1));
    tick(f.minuterieMot, 4);
    touche(Qt::Key_Return);
    QCOMPARE(f.voyant->text(), QStringLiteral("OK"));
    QCOMPARE(f.partie.rapide[1], 1);
    frappe(*f.partie.solutionsDeLigne(2));
    tick(f.minuterieMot, 5);
    touche(Qt::Key_Return);
    QCOMPARE(f.voyant->text(), QStringLiteral("NON"));
    QCOMPARE(f.partie.rapide[2], 0);
    // A quick right answer later keeps 0 and leaves the verdict as it is.
    f.solution[3]->setFocus();
    frappe(QStringLiteral("A"));
    touche(Qt::Key_Up);
    f.voyant->setText(QStringLiteral("?"));
    touche(Qt::Key_Down);
    QCOMPARE(f.partie.rapide[2], 0);
    QCOMPARE(f.voyant->text(), QStringLiteral("?"));
    // A wrong answer left in time gives NON.
    QCOMPARE(f.voyant->text(), QStringLiteral("?"));
    touche(Qt::Key_Down);
    QCOMPARE(f.partie.rapide[3], 0);
    QCOMPARE(f.voyant->text(), QStringLiteral("NON"));
    // Correction: row 1 (fast and right) leaves the run; the last row was judged by the correction.
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 3);
    // After the correction, entering rows changes neither colours nor the verdict.
    const quint32 c = ctl::couleurFond(f.solution[3]);
    f.solution[3]->setFocus();
    f.solution[2]->setFocus();
    QCOMPARE(ctl::couleurFond(f.solution[3]), c);
    QCOMPARE(f.voyant->text(), QStringLiteral("NON"));
    QVERIFY(!f.minuterieMot->isActive());
}

// The draw moves the focus to row 0 itself: the row the player was on is not left with an empty
// answer, so every rack found fast in the new series leaves the run.
void TestForm1Saisie::tirageSansVerdict_data()
{
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("entrees");
    QTest::addRow("F12 depuis la ligne 1") << 1 << 0;
    QTest::addRow("F12 depuis la dernière ligne") << 4 << 0;
    QTest::addRow("31 Entrée, un tour jusqu'à la ligne 1") << 1 << 31;
}

void TestForm1Saisie::tirageSansVerdict()
{
    QFETCH(int, ligne);
    QFETCH(int, entrees);
    Form1& f = demarrer(baseDe(5));
    f.boutonCritere->click();
    if (entrees == 0)
        f.solution[ligne]->setFocus();
    for (int i = 0; i < entrees; ++i)
        touche(Qt::Key_Return);
    QCOMPARE(focus(), f.solution[ligne]);
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 5);
    touche(Qt::Key_F8);
    QCOMPARE(focus(), f.solution[0]);
    for (int j = 0; j < 5; ++j)
        QCOMPARE(f.partie.rapide[j], -1);
    for (int j = 0; j < 5; ++j) {
        frappe(*f.partie.solutionsDeLigne(j));
        touche(Qt::Key_Return);
    }
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 0);
}

// Switched to the time criterion on a row, the row is timed from the switch, as if just entered.
void TestForm1Saisie::critereChangeSurUneLigne_data()
{
    QTest::addColumn<bool>("clavier");
    QTest::addColumn<int>("appuis");
    QTest::addColumn<int>("secondes");
    QTest::addColumn<int>("rapide");
    QTest::addColumn<QString>("voyant");
    QTest::addRow("souris, trop lent") << false << 1 << 5 << 0 << "NON";
    QTest::addRow("souris, à temps") << false << 1 << 4 << 1 << "OK";
    QTest::addRow("clavier, trop lent") << true << 1 << 5 << 0 << "NON";
    QTest::addRow("retour aux réussites") << false << 2 << 5 << -1 << "";
}

void TestForm1Saisie::critereChangeSurUneLigne()
{
    QFETCH(bool, clavier);
    QFETCH(int, appuis);
    QFETCH(int, secondes);
    QFETCH(int, rapide);
    QFETCH(QString, voyant);
    Form1& f = demarrer({"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS"});
    f.solution[1]->setFocus();
    for (int i = 0; i < appuis; ++i) {
        if (clavier) {
            f.boutonCritere->setFocus(Qt::TabFocusReason);
            touche(Qt::Key_Space);
        } else {
            QTest::mouseClick(f.boutonCritere, Qt::LeftButton);
        }
    }
    QCOMPARE(focus(), f.solution[1]);
    // A stopped stopwatch does not count the seconds that pass.
    for (int i = 0; i < secondes && f.minuterieMot->isActive(); ++i)
        tick(f.minuterieMot);
    frappe(*f.partie.solutionsDeLigne(1));
    touche(Qt::Key_Return);
    QCOMPARE(f.partie.rapide[1], rapide);
    QCOMPARE(f.voyant->text(), voyant);
}

void TestForm1Saisie::policeTuilesEtAffichageDuTemps()
{
    Form1& f = app::form1();
    const QStringList polices{"Arial", "Verdana", "Times New Roman", "Lucida Sans", "Georgia"};
    for (int i = 0; i < 5; ++i) {
        f.boutonPolice->click();
        QCOMPARE(f.solution[4]->font().family(), polices[i]);
        QCOMPARE(f.tirage[4]->font().family(), polices[i]);
        QCOMPARE(f.police->text(), QString::number(i == 4 ? 1 : i + 2));
    }
    demarrer({"AEINRST;RIANTES"});
    QCOMPARE(f.tuiles[2]->text(), QStringLiteral("I"));
    const int g2 = f.tuiles[2]->x();
    const int g5 = f.tuiles[5]->x();
    f.tuiles[2]->click();
    f.tuiles[5]->click();
    QCOMPARE(f.tuiles[2]->x(), g5);
    QCOMPARE(f.tuiles[5]->x(), g2);
    QCOMPARE(f.lettre, -1);
    // A tile without a letter as the second choice swaps nothing but clears the choice.
    f.tuiles[0]->click();
    f.tuiles[8]->click();
    QCOMPARE(f.tuiles[8]->x(), ctl::twips(6480 + 840 * 8));
    QCOMPARE(f.lettre, -1);
    // Entering the row again lines the tiles up in rack order.
    f.solution[1]->setFocus();
    f.solution[0]->setFocus();
    QCOMPARE(f.tuiles[2]->x(), g2);
    f.caseTemps->click();
    QVERIFY(f.temps->isHidden());
    QVERIFY(f.tempstot->isHidden());
    QVERIFY(f.etiquetteSerie->isHidden());
    QVERIFY(f.etiquetteTotal->isHidden());
    QVERIFY(!f.etiquetteTemps->isHidden());
    QVERIFY(f.minuterieSerie->isActive());
    f.caseTemps->click();
    QVERIFY(!f.temps->isHidden());
}

void TestForm1Saisie::validerEtBoiteCentrale()
{
    Form1& f = demarrer(baseDe(40));
    f.solution[29]->setFocus();
    f.recherche->setFocus();
    QCOMPARE(f.boutonParDefaut(), f.valider);
    QCOMPARE(ctl::couleurFond(f.solution[29]), 0x80FFFFu);
    QCOMPARE(ctl::couleurFond(f.solution[0]), 0x80C0FFu);
    frappe(QStringLiteral("abcé"));
    QCOMPARE(f.recherche->text(), QStringLiteral("ABCé"));
    touche(Qt::Key_Return);
    QCOMPARE(f.solution[29]->text(), QStringLiteral("ABCé"));
    QCOMPARE(f.lignecourante, 0);
    QCOMPARE(focus(), f.recherche);
    QCOMPARE(f.recherche->text(), QString());
    // Length limit: the rack of row 0 has 4 letters.
    frappe(QStringLiteral("ABCDEFGH"));
    QCOMPARE(f.recherche->text(), QStringLiteral("ABCD"));
    f.recherche->setText(QStringLiteral("ZYXWVUTSRQ"));
    QCOMPARE(f.recherche->text(), QStringLiteral("ZYXW"));
    f.valider->click();
    QCOMPARE(f.solution[0]->text(), QStringLiteral("ZYXW"));
    QCOMPARE(f.lignecourante, 1);
    // Entering an answer box while the series is open gives Enter back to the next-row button.
    f.solution[3]->setFocus();
    QCOMPARE(f.boutonParDefaut(), f.boutonSuivant);
}

QTEST_MAIN(TestForm1Saisie)
#include "test_form1_saisie.moc"
