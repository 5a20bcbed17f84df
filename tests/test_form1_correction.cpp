// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ajustement.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "recherche/donnees.h"
#include "support/fenetres.h"
#include "support/form1_test.h"
#include "training/form1.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QThreadPool>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>

#include <limits>

class TestForm1Correction : public QObject, protected BancForm1 {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { avantTout(); }
    void init() { preparer(); }
    void cleanup() { liberer(); }

    void compteARebours();
    void heuresAuDelaDeNeuf();
    void sonDeFin();
    void correction();
    void f12UneFoisF8Apres();
    void eliminationAuSeuil2();
    void dureeDeLaSerie();
    void notesDesRallonges();
    void notesEntieresEtAuClavier();
    void reponseEntiereUneFoisLue();
    void finDeBaseAvecScore();
    void baseVideSansScore();
    void baseEntiereJouee();
    void quitterPendantUnePause();
    void fermetureParLaCase();
    void tailleDesTextes_data();
    void tailleDesTextes();
};

void TestForm1Correction::compteARebours()
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

void TestForm1Correction::heuresAuDelaDeNeuf()
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

void TestForm1Correction::sonDeFin()
{
    // Five seconds of silence: the end of the base hands it over without waiting for it.
    QByteArray wav("RIFF");
    const quint32 donnees = 5 * 16000;
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
    QVERIFY2(chrono.elapsed() < 2500, qPrintable(QString::number(chrono.elapsed())));
    QVERIFY(messages.isEmpty());
    QVERIFY(f.findChild<QObject*>(QStringLiteral("son")));
    QVERIFY(!f.restart->isEnabled());
    QCOMPARE(f.nbftot->text(), QStringLiteral("0 - 100 %"));
    f.quitter->click();
    QVERIFY(app::menu().isVisible());
}

void TestForm1Correction::correction()
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

void TestForm1Correction::f12UneFoisF8Apres()
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

void TestForm1Correction::eliminationAuSeuil2()
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

void TestForm1Correction::dureeDeLaSerie()
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

void TestForm1Correction::notesDesRallonges()
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

// More notes than the box holds: it shows whole lines, and the page keys scroll it from the answers.
void TestForm1Correction::notesEntieresEtAuClavier()
{
    QStringList notes;
    for (const QString& l : baseDe(12))
        notes << l.section(QLatin1Char(';'), 1) << QStringLiteral("note");
    inst->ecrireLignes(QStringLiteral("infosouris-ods8.txt"), notes);
    Form1& f = demarrer(baseDe(12));
    f.solution[3]->setFocus();
    touche(Qt::Key_F12);
    QPlainTextEdit* n = f.InfoSourisText;
    QVERIFY(n->isVisible());
    // The first line that does not fit whole shows nothing of itself, scrolled or not.
    const auto entieres = [n] {
        for (QTextBlock b = n->document()->begin(); b.isValid(); b = b.next()) {
            const QRect r = n->cursorRect(QTextCursor(b));
            if (r.bottom() >= n->viewport()->height())
                return r.top() >= n->viewport()->height() - 1;
        }
        return true;
    };
    QScrollBar* barre = n->verticalScrollBar();
    QVERIFY(barre->maximum() > 0);
    for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_PageUp}) {
        QVERIFY(entieres());
        const int avant = barre->value();
        touche(k);
        QCOMPARE(focus(), f.solution[3]);
        QVERIFY2(k == Qt::Key_PageDown ? barre->value() > avant || avant == barre->maximum() : barre->value() < avant || avant == 0,
                 qPrintable(QString::number(barre->value())));
    }
    QCOMPARE(barre->value(), 0);
}

// The complete lists are read on a worker thread: a correction that comes first shows at once, and the
// whole answer joins it once they are read, never from a half-read index.
void TestForm1Correction::reponseEntiereUneFoisLue()
{
    const QSet<QString> ancienne = {"AIR", "AIRS", "TRIAS", "RAT"};
    QVERIFY(recherche::ecrireListes(inst->chemin(), ancienne, ancienne + QSet<QString>{"STRIA"}).isEmpty());
    // Every worker busy: the read started by the run waits until the correction is shown.
    QThreadPool* pool = &recherche::filDeLecture();
    QSemaphore tenus, liberes;
    const int n = pool->maxThreadCount();
    for (int i = 0; i < n; ++i)
        pool->start([&] {
            tenus.release();
            liberes.acquire();
        });
    tenus.acquire(n);
    Form1& f = demarrer({"AIRST;STRIA", "AIR;AIR"}, QStringLiteral("T"), QString(), QStringLiteral("5 lettres"));
    frappe(QStringLiteral("stria"));
    touche(Qt::Key_F12);
    QCOMPARE(f.score->text(), QStringLiteral("1/2"));
    QCOMPARE(f.tirage[0]->toolTip(), QString());
    QVERIFY(!f.InfoSourisText->isVisible());
    QVERIFY(!recherche::indexSiPret());
    liberes.release(n);
    const QString entiere = QStringLiteral("AIRST : STRIA* TRIAS");
    QTRY_COMPARE(f.tirage[0]->toolTip(), entiere);
    QCOMPARE(f.solution[0]->toolTip(), entiere);
    QVERIFY(f.InfoSourisText->isVisible());
    QCOMPARE(f.InfoSourisText->toPlainText(),
             entiere + QStringLiteral("\nRallonges de AIR : derrière S\n* : mot nouveau"));
    const auto lu = recherche::indexSiPret();
    QVERIFY(lu);
    QCOMPARE(lu->taille(), 5);
    // Searched in the series' first second, the answers read the same at its correction.
    for (int serie = 0; serie < 2; ++serie) {
        demarrer({"AIRST;STRIA", "AIR;AIR"}, QStringLiteral("T"), QString(), QStringLiteral("5 lettres"));
        tick(f.minuterieSerie);
        if (serie == 1)
            break;
        frappe(QStringLiteral("stria"));
        touche(Qt::Key_F12);
        QCOMPARE(f.tirage[0]->toolTip(), entiere);
        QCOMPARE(f.InfoSourisText->toPlainText(),
                 entiere + QStringLiteral("\nRallonges de AIR : derrière S\n* : mot nouveau"));
    }

    // New lists in use: read again, while the old index stays whole for whoever still holds it.
    QVERIFY(recherche::ecrireListes(inst->chemin(), ancienne, ancienne).isEmpty());
    QVERIFY(!recherche::indexSiPret() || recherche::indexSiPret()->taille() == 4);
    QTRY_VERIFY(recherche::indexSiPret());
    QCOMPARE(recherche::indexSiPret()->taille(), 4);
    QCOMPARE(lu->marque(lu->trouver("STRIA")), recherche::Nouvelle);
    // The series searched in the old lists is corrected with the new ones.
    frappe(QStringLiteral("stria"));
    touche(Qt::Key_F12);
    QCOMPARE(f.InfoSourisText->toPlainText(), QStringLiteral("AIRST : TRIAS\nRallonges de AIR : derrière S"));
}

void TestForm1Correction::finDeBaseAvecScore()
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
             QStringLiteral("Votre score sur la dernière base terminée : \r\n96,7% (TEST de 30)"));
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

void TestForm1Correction::baseVideSansScore()
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

void TestForm1Correction::baseEntiereJouee()
{
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
}

void TestForm1Correction::quitterPendantUnePause()
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

void TestForm1Correction::fermetureParLaCase()
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

// The rack and answer boxes keep their designed size exactly as long as a text fits, whatever its
// characters, and beyond it take the size measured for that text: every length is tried, so the
// one where the text stops fitting is too.
void TestForm1Correction::tailleDesTextes_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addRow("capitales larges") << QStringLiteral("WMWMWMWMWMWMWMWMWMWMWM");
    QTest::addRow("capitales étroites") << QString(40, u'I');
    QTest::addRow("mots et tirets") << QStringLiteral("AEINRST - RIANTES NITREAS TANISER (+2)");
    QTest::addRow("accents") << QStringLiteral("ÉÇÀÎÔÛËÏÜŒÆ ÉÇÀÎÔÛËÏÜŒÆ");
    QTest::addRow("marques") << QStringLiteral("E\u0301A\u0300I\u0302O\u0308U\u0301E\u0301A\u0300E\u0301A\u0300");
    QTest::addRow("hors de la police") << QStringLiteral("AB\u4E2D\u6587CD\U0001F600EF\u4E2D\u6587GH");
}

void TestForm1Correction::tailleDesTextes()
{
    QFETCH(QString, texte);
    Form1& f = demarrer(base7());
    for (QLineEdit* b : {f.tirage[2], f.solution[5]})
        for (qsizetype n = 1; n <= texte.size(); ++n) {
            const QString t = texte.left(n);  // half a surrogate pair included
            f.ecrireTirage(b, t);
            const double designee = f.taillePolice * ctl::facteurDe(b);
            QFont police = b->font();
            police.setPointSizeF(designee);
            QCOMPARE(b->font().pointSizeF(), ctl::tailleQuiTient(police, designee, t, ctl::largeurUtile(b), b));
            QCOMPARE(b->text(), t);
        }
}

QTEST_MAIN(TestForm1Correction)
#include "test_form1_correction.moc"
