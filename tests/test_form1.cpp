// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contraste.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "progres/depot.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "support/fenetres.h"
#include "support/installation.h"
#include "training/form1.h"
#include "app/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>

#include <deque>
#include <memory>

using namespace entrainement;

namespace {

QStringList base7()
{
    return {"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS", "ABC-DEF;ABC", "ACEHINS;CHAINES", "DEILMOT;MOTILED",
            "AEELRST;RESTELA"};
}

QStringList baseDe(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i) {
        QString m;
        for (int k = 0, v = i; k < 4; ++k, v /= 26)
            m += QChar(u'A' + v % 26);
        l.append(m + QLatin1Char(';') + m);
    }
    return l;
}

void tick(QTimer* t, int n = 1)
{
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(t, "timeout");
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlesAuChargement_data();
    void controlesAuChargement();
    void etatAuChargement();
    void taillePoliceSelonDernierTirage_data();
    void taillePoliceSelonDernierTirage();
    void premiereSerie_data();
    void premiereSerie();
    void echantillonDeTest();
    void saisieAssistee_data();
    void saisieAssistee();
    void retourArriereEtSelection();
    void tuilesDuTirageCourant();
    void anneauDesLignes();
    void pauseEtReprise();
    void compteARebours();
    void heuresAuDelaDeNeuf();
    void verdictsDeTemps();
    void policeTuilesEtAffichageDuTemps();
    void donneesManquantes();
    void sonDeFin();

    void correction();
    void f12UneFoisF8Apres();
    void eliminationAuSeuil2();
    void dureeDeLaSerie();
    void notesDesRallonges();
    void couleursSurChaqueFond_data();
    void couleursSurChaqueFond();
    void finDeBaseAvecScore();
    void baseVideSansScore();
    void baseEntiereJouee();
    void validerEtBoiteCentrale();
    void quitterPendantUnePause();
    void fermetureParLaCase();
    void changementDeCritere();
    void modeCompact();
    void captures();
    void donneesLivrees_data();
    void donneesLivrees();

private:
    Form1& demarrer(const QStringList& lignes, const QString& toue = QStringLiteral("T"),
                    const QString& typ = QString(), const QString& nombase = QStringLiteral("7 lettres"));
    void frappe(const QString& texte);
    void touche(Qt::Key k);
    void touche(const QKeySequence& s);
    QLineEdit* focus() const { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    void sauver(QWidget* w, const QString& nom);

    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

void TestForm1::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void TestForm1::init()
{
    inst = std::make_unique<InstallationTest>();
    QImage img(28, 28, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    QDir().mkpath(inst->chemin(QStringLiteral("images")));
    for (const char* n : {"images/ppi_28x28.bmp", "images/inv_28x28.bmp", "images/vbt_28x28.bmp"})
        img.save(inst->chemin(QString::fromLatin1(n)), "BMP");
    inst->ecrireLignes(QStringLiteral("listes/vbi_gd.txt"), {"ABELA"});
    inst->ecrireLignes(QStringLiteral("listes/vbt_gd.txt"), {"RIANTES", "ABELA"});
    inst->ecrireLignes(QStringLiteral("listes/inv.txt"), {"CHAINES"});
    inst->ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"RIANTES", "Qui rient", "MOINERS", "Note, avec ; et \"guillemets\""});
    messages.clear();
    app::observerMessages([this](const QString& m, app::Icone) { messages.append(m); });
    // The menu loads first, as in the program, so the options set below are not overwritten by its load;
    // its own warnings about this folder (which holds no menu bases) are not the training window's.
    app::menu();
    QCoreApplication::processEvents();
    messages.clear();
    app::reglages().adopter({95, 80, 8, 1, 0, {}});
}

void TestForm1::cleanup()
{
    app::reinitialiser();
    app::observerMessages({});
    inst.reset();
}

Form1& TestForm1::demarrer(const QStringList& lignes, const QString& toue, const QString& typ, const QString& nombase)
{
    inst->ecrireLignes(QStringLiteral("listes/base.txt"), lignes);
    const auto l = lancementDeTest(QStringLiteral("listes\\base.txt"), nombase, toue == QLatin1String("E"),
                                   typ == QLatin1String("rallong"));
    app::menu().retenirLancement(l);
    Form1& f = app::form1();
    f.setAleatoire(std::make_unique<AleatoireZero>());
    f.show();
    f.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&f)); }();
    f.commencer(l);
    return f;
}

void TestForm1::frappe(const QString& texte)
{
    QWindow* w = app::form1().windowHandle();
    for (QChar c : texte) {
        Qt::Key k = Qt::Key_unknown;
        const QChar u = c.toUpper();
        if (u >= QLatin1Char('A') && u <= QLatin1Char('Z'))
            k = Qt::Key(Qt::Key_A + (u.unicode() - 'A'));
        else if (c.isDigit() && c.unicode() < 128)
            k = Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
        else if (c == QLatin1Char(' '))
            k = Qt::Key_Space;
        QTest::sendKeyEvent(QTest::Press, w, k, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, k, QString(c), Qt::NoModifier);
    }
}

void TestForm1::touche(Qt::Key k)
{
    QTest::keyClick(app::form1().windowHandle(), k);
}

void TestForm1::touche(const QKeySequence& s)
{
    QTest::keySequence(app::form1().windowHandle(), s);
}

void TestForm1::sauver(QWidget* w, const QString& nom)
{
    const QString dossier = QDir::tempPath() + QStringLiteral("/lexidor-captures");
    QDir().mkpath(dossier);
    QVERIFY(w->grab().save(dossier + QLatin1Char('/') + nom));
}

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

void TestForm1::saisieAssistee_data()
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

void TestForm1::saisieAssistee()
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

void TestForm1::retourArriereEtSelection()
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
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(1, 1));
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

void TestForm1::tuilesDuTirageCourant()
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

void TestForm1::anneauDesLignes()
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

void TestForm1::pauseEtReprise()
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

void TestForm1::compteARebours()
{
    Form1& f = demarrer(baseDe(12));
    frappe(QStringLiteral("aaaa"));
    tick(f.minuterieSerie);
    QCOMPARE(f.temps->text(), QStringLiteral("3:59"));
    tick(f.minuterieSerie, 238);
    QVERIFY(f.corriger->isEnabled());
    QCOMPARE(f.temps->text(), QStringLiteral("0:01"));
    tick(f.minuterieSerie);
    QCOMPARE(f.temps->text(), QStringLiteral("0:00"));
    QVERIFY(!f.corriger->isEnabled());
    QVERIFY(!f.minuterieSerie->isActive());
    QCOMPARE(f.score->text(), QStringLiteral("1/12"));  // the answer typed so far counts
    QCOMPARE(f.tps->text(), QStringLiteral("04:00"));
    // Typing after the countdown: the series is closed.
    frappe(QStringLiteral("B"));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("AAAA"));
}

void TestForm1::heuresAuDelaDeNeuf()
{
    Form1& f = demarrer(baseDe(7));
    f.partie.tempstotal = 3598;
    tick(f.minuterieTotal);
    QCOMPARE(f.tempstot->text(), QStringLiteral("0:59:59"));
    tick(f.minuterieTotal);
    QCOMPARE(f.tempstot->text(), QStringLiteral("1:00:00"));
    f.partie.tempstotal = 35999;
    tick(f.minuterieTotal);
    QCOMPARE(f.tempstot->text(), QStringLiteral("10:00:00"));
    f.partie.tempsmot = std::numeric_limits<qint32>::max();
    tick(f.minuterieMot);
    QCOMPARE(f.partie.tempsmot, std::numeric_limits<qint32>::max());
}

void TestForm1::verdictsDeTemps()
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

void TestForm1::policeTuilesEtAffichageDuTemps()
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

void TestForm1::sonDeFin()
{
    // A short silent WAV: the end of the base hands it over without waiting for it.
    QByteArray wav("RIFF");
    const quint32 donnees = 800;
    auto le32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xFF)); };
    auto le16 = [&](quint16 v) { wav.append(char(v & 0xFF)); wav.append(char(v >> 8)); };
    le32(36 + donnees);
    wav += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(16000);
    le16(2);
    le16(16);
    wav += "data";
    le32(donnees);
    wav += QByteArray(int(donnees), '\0');
    inst->ecrire(QStringLiteral("APP05.WAV"), wav);
    app::reglages().choisirSon(true);
    Form1& f = demarrer({"ABC;CAB"});
    frappe(QStringLiteral("CAB"));
    QElapsedTimer chrono;
    chrono.start();
    touche(Qt::Key_F12);
    QVERIFY(chrono.elapsed() < 500);
    QVERIFY(messages.isEmpty());
    QVERIFY(f.findChild<QObject*>(QStringLiteral("son")));
    QVERIFY(!f.restart->isEnabled());
    QCOMPARE(f.nbftot->text(), QStringLiteral("0 - 100 %"));
    f.quitter->click();
    QVERIFY(app::menu().isVisible());
}

void TestForm1::correction()
{
    Form1& f = demarrer(base7());
    // Rows (first entry, then the last ones): AEINRST, AEELRST, DEILMOT, ACEHINS, ABC-DEF, EIMNORS, AABEL.
    QCOMPARE(f.tirage[1]->text(), QStringLiteral("AEELRST"));
    frappe(QStringLiteral("RIANTES"));
    touche(Qt::Key_Return);
    frappe(QStringLiteral("RESTEL"));
    touche(Qt::Key_Return);
    touche(Qt::Key_Return);
    frappe(QStringLiteral("CHAINES"));
    touche(Qt::Key_Return);
    touche(Qt::Key_Return);
    frappe(QStringLiteral("MOINERS"));
    touche(Qt::Key_Return);
    frappe(QStringLiteral("ABELA"));
    touche(Qt::Key_F12);
    QCOMPARE(f.score->text(), QStringLiteral("4/7"));
    QVERIFY(f.score->isVisible());
    QCOMPARE(ctl::couleurFond(f.solution[0]), 0x80FF80u);
    QCOMPARE(ctl::couleurFond(f.solution[1]), 0x8080FFu);
    QVERIFY(f.solution[1]->font().strikeOut());
    QCOMPARE(f.solution[1]->text(), QStringLiteral("RESTEL"));
    QCOMPARE(f.solution[1]->toolTip(), QStringLiteral("Tirage: AEELRST"));
    QCOMPARE(f.tirage[1]->text(), QStringLiteral("RESTELA"));
    QCOMPARE(ctl::couleurFond(f.tirage[1]), 0x80FF80u);
    QCOMPARE(f.solution[2]->text(), QStringLiteral("DEILMOT"));  // empty answer: the rack moves over
    QCOMPARE(f.tirage[0]->text(), QStringLiteral("AEINRST"));
    QCOMPARE(ctl::couleurFond(f.tirage[0]), 0xFFFF80u);
    // Markers and notes.
    QVERIFY(f.reperesTransitif[0]->isVisibleTo(&f));
    QVERIFY(f.reperesParticipe[6]->isVisibleTo(&f));
    QVERIFY(f.reperesTransitif[6]->isVisibleTo(&f));
    QVERIFY(f.reperesInvariable[3]->isVisibleTo(&f));
    QVERIFY(!f.reperesInvariable[0]->isVisibleTo(&f));
    QCOMPARE(f.solution[0]->toolTip(), QStringLiteral("Qui rient"));
    QVERIFY(!f.solution[0]->hasFrame());
    QVERIFY(f.InfoSourisText->isVisible());
    QCOMPARE(f.InfoSourisText->toPlainText(),
             QStringLiteral("RIANTES Qui rient\nMOINERS Note, avec ; et \"guillemets\""));
    QCOMPARE(f.nbftot->text(), QStringLiteral("3"));
    QCOMPARE(f.nbseries->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(ctl::couleurFond(f.temps), 0x80FF80u);
    QCOMPARE(f.partie.nbrestants, 3);
    QCOMPARE(f.motsleft->text(), QStringLiteral("7"));  // updated by the next draw
    sauver(&f, QStringLiteral("correction.png"));
    // The next draw clears everything the correction showed.
    touche(Qt::Key_F8);
    QCOMPARE(f.motsleft->text(), QStringLiteral("3"));
    QVERIFY(!f.solution[1]->font().strikeOut());
    QVERIFY(f.solution[0]->hasFrame());
    QVERIFY(f.InfoSourisText->isHidden());
    QVERIFY(f.score->isHidden());
    QVERIFY(f.reperesTransitif[0]->isHidden());
    QCOMPARE(f.solution[0]->toolTip(), QString());
}

void TestForm1::f12UneFoisF8Apres()
{
    Form1& f = demarrer(baseDe(40));
    touche(Qt::Key_F8);
    QVERIFY(f.corriger->isEnabled());
    QCOMPARE(f.partie.compteurseries, 0);
    touche(Qt::Key_F12);
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.compteurseries, 1);
    QCOMPARE(f.nbftot->text(), QStringLiteral("30"));
    // F8 on the focused button itself.
    f.restart->setFocus();
    touche(Qt::Key_F8);
    QVERIFY(f.corriger->isEnabled());
    QCOMPARE(focus(), f.solution[0]);
    touche(Qt::Key_F8);
    QVERIFY(f.corriger->isEnabled());
    f.corriger->click();
    QCOMPARE(f.partie.compteurseries, 2);
}

void TestForm1::eliminationAuSeuil2()
{
    Form1& f = demarrer({"AEINRST;RIANTES", "AABEL;ABELA"});
    f.seuiltxt->setText(QStringLiteral("2"));
    f.solution[0]->setFocus();
    frappe(QStringLiteral("RIANTES"));
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 2);
    touche(Qt::Key_F8);
    const int ligne = f.tirage[0]->text() == QLatin1String("AEINRST") ? 0 : 1;
    f.solution[ligne]->setFocus();
    frappe(QStringLiteral("RIANTES"));
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 1);
    QCOMPARE(f.partie.tiragesbase[0], QStringLiteral("AABEL"));
    QCOMPARE(f.nbftot->text(), QStringLiteral("1"));  // AABEL failed twice, counted once
}

void TestForm1::dureeDeLaSerie()
{
    Form1& f = demarrer(baseDe(40));
    tick(f.minuterieSerie, 155);
    QCOMPARE(f.temps->text(), QStringLiteral("1:25"));
    touche(Qt::Key_F12);
    QCOMPARE(f.tps->text(), QStringLiteral("02:35"));
    QVERIFY(f.tps->isVisible());
    // Corrected before the first tick of the next series: the text still shows 1:25, the time is 0.
    touche(Qt::Key_F8);
    touche(Qt::Key_F12);
    QCOMPARE(f.tps->text(), QStringLiteral("00:00"));
}

void TestForm1::notesDesRallonges()
{
    inst->ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"SABC", "Note S", "TABC", "Note T", "ABCS", "Non"});
    Form1& f = demarrer({"?ABC;ST"}, QStringLiteral("T"), QStringLiteral("rallong"), QStringLiteral("RALLONGES AVANT"));
    frappe(QStringLiteral("t"));
    touche(Qt::Key_F12);
    QCOMPARE(f.InfoSourisText->toPlainText(), QStringLiteral("SABC Note S\nTABC Note T"));
    QCOMPARE(f.tirage[0]->toolTip(), QStringLiteral("Note T"));
    QCOMPARE(f.solution[0]->text(), QStringLiteral("?ABC"));
    QCOMPARE(f.solution[0]->toolTip(), QStringLiteral("Vous aviez saisi: T"));
    // Another valid word of the rack stays a fault, explained in the row's tooltip and the notes.
    inst->ecrireLignes(QStringLiteral("listes/anagrammes.txt"), {"DEIRS;DIRES RIDES SIDER"});
    inst->ecrireLignes(QStringLiteral("listes/5L_multiples.txt"), {"DEIRS (+2);SIDER"});
    f.commencer(lancementDeTest(QStringLiteral("listes\\5L_multiples.txt"), QStringLiteral("5 lettres"), false, false));
    frappe(QStringLiteral("dires"));
    touche(Qt::Key_F12);
    const QString explication = QStringLiteral("DIRES est un mot valide, mais le nouveau mot attendu était SIDER.");
    QCOMPARE(ctl::couleurFond(f.solution[0]), 0x8080FFu);
    QVERIFY2(f.solution[0]->toolTip().endsWith(explication), qPrintable(f.solution[0]->toolTip()));
    QVERIFY(f.InfoSourisText->isVisible());
    QCOMPARE(f.InfoSourisText->toPlainText(), explication);
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

void TestForm1::finDeBaseAvecScore()
{
    Form1& f = demarrer(baseDe(30), QStringLiteral("T"), QString(), QStringLiteral("TEST de 30"));
    app::menu().scoreTest->setText(QStringLiteral("50%"));
    for (int j = 1; j < 30; ++j)
        f.solution[j]->setText(*f.partie.solutionsDeLigne(j));
    touche(Qt::Key_F12);
    QCOMPARE(f.partie.nbrestants, 1);
    touche(Qt::Key_F8);
    frappe(*f.partie.solutionsDeLigne(0));
    touche(Qt::Key_F12);
    QCOMPARE(f.pourc, 96.7);
    QCOMPARE(f.nbftot->text(), QStringLiteral("1 - 96,7 %"));
    // The line names its base while the progress is kept (the default).
    QCOMPARE(app::menu().ligneAide->text(),
             QStringLiteral("Votre score sur la dernière base terminée (TEST de 30) : \r\n96,7%"));
    QCOMPARE(app::menu().scoreTest->text(), QStringLiteral("96,7%"));
    QCOMPARE(ctl::versBGR(app::menu().scoreTest->palette().color(QPalette::WindowText)), 0xC000u);
    QStringList tuiles;
    for (auto* t : f.tuiles)
        tuiles.append(t->text());
    QCOMPARE(tuiles.join(QString()), QStringLiteral("BRAVO!"));
    QCOMPARE(ctl::couleurFond(f.tuiles[0]), 0x8080FFu);
    QCOMPARE(ctl::couleurFond(f.tempstot), 0x80FF80u);
    QCOMPARE(f.motsleft->text(), QStringLiteral("0"));
    QVERIFY(!f.restart->isEnabled());
    QVERIFY(!f.minuterieTotal->isActive());
    touche(Qt::Key_F8);
    QVERIFY(!f.corriger->isEnabled());
    sauver(&f, QStringLiteral("fin.png"));
}

void TestForm1::baseVideSansScore()
{
    app::menu().ligneAide->setText(QStringLiteral("avant"));
    Form1& f = demarrer({}, QStringLiteral("T"), QString(), QStringLiteral("TEST vide"));
    f.boutonCritere->click();  // time criterion: the last row does not exist
    touche(Qt::Key_F12);
    QCOMPARE(f.score->text(), QStringLiteral("0/0"));
    QCOMPARE(f.nbftot->text(), QStringLiteral("0"));
    QCOMPARE(app::menu().ligneAide->text(), QStringLiteral("avant"));
    QVERIFY(!f.restart->isEnabled());
    QCOMPARE(f.tuiles[0]->text(), QStringLiteral("B"));
}

void TestForm1::baseEntiereJouee()
{
    QElapsedTimer chrono;
    chrono.start();
    Form1& f = demarrer(baseDe(100));
    int series = 0;
    while (f.restart->isEnabled() || f.corriger->isEnabled()) {
        if (f.restart->isEnabled())
            touche(Qt::Key_F8);
        for (int j = 0; j <= f.partie.derniere(); ++j) {
            // Every fourth rack is answered wrongly the first time it is shown.
            const QString s = *f.partie.solutionsDeLigne(j);
            f.solution[j]->setText(j % 4 == 0 && series == 0 ? QString() : s);
        }
        tick(f.minuterieSerie, 240);
        ++series;
        QVERIFY(series < 20);
    }
    QCOMPARE(f.partie.nbrates, 8);
    QCOMPARE(f.nbftot->text(), QStringLiteral("8 - 92 %"));
    QCOMPARE(f.nbseries->text(), QStringLiteral("%1 série(s) déjà réalisée(s).").arg(series));
    QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));
}

void TestForm1::validerEtBoiteCentrale()
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

void TestForm1::quitterPendantUnePause()
{
    Form1& f = demarrer(baseDe(40));
    tick(f.minuterieTotal, 30);
    f.boutonPause->click();
    f.quitter->click();
    QVERIFY(f.isHidden());
    QVERIFY(app::menu().isVisible());
    QVERIFY(!f.minuterieSerie->isActive() && !f.minuterieTotal->isActive() && !f.minuterieMot->isActive());
    QCOMPARE(f.nbseries->text(), QStringLiteral("0 série déjà réalisée."));
    QCOMPARE(f.boutonPause->text(), QStringLiteral("Reprendre"));
    demarrer(baseDe(5));
    QCOMPARE(f.boutonPause->text(), QStringLiteral("Pause"));
    QCOMPARE(f.partie.tempstotal, 0);
    QCOMPARE(f.partie.nbrates, 0);
    tick(f.minuterieTotal);
    QCOMPARE(f.tempstot->text(), QStringLiteral("0:00:01"));
}

void TestForm1::fermetureParLaCase()
{
    Form1& f = demarrer(baseDe(5));
    // The close box sends a spontaneous close request.
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(&f, &e);  // sendEvent() would clear the spontaneous flag
    QVERIFY(!e.isAccepted());
    QVERIFY(f.isHidden());
    QCOMPARE(f.nbseries->text(), QStringLiteral("0 série déjà réalisée."));
    QVERIFY(app::menu().isVisible());
    QVERIFY(!f.minuterieTotal->isActive());
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
