// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows look like: nothing overlaps, every caption fits its designed size. Set
// LEXIDOR_CAPTURES to a folder to also get PNG pictures of the three windows.
#include "about/apropos.h"
#include "app/bouton.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "app/polices.h"
#include "fixtures/menu/installation_menu.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

class TestMenuEcran : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void boutonsDuMenu();
    void lignesDesBoutons_data();
    void lignesDesBoutons();
    void policesInstallees_data();
    void policesInstallees();
    void etiquettesDuMenu();
    void etiquettesDesOptions();
    void texteAProposSansDefilement();

private:
    void capturer(QWidget* w, const QString& nom);
    std::unique_ptr<InstallationTest> inst;
};

void TestMenuEcran::init()
{
    app::observerMessages([](const QString&, app::Icone) {});
    inst = std::make_unique<InstallationTest>();
    fixtures::installerBases(*inst, 1234);
    inst->ecrireLignes(QStringLiteral("listes/8L.txt"), fixtures::lignesBase(QStringLiteral("8L.txt"), 15001));
    inst->ecrireLignes(QStringLiteral("listes/Rallonges_arriere_sur_ODS8.txt"),
                       fixtures::lignesBase(QStringLiteral("Rallonges_arriere_sur_ODS8.txt"), 1305));
    // The stand-in's line under the last launch button of the right column.
    inst->ecrire(QStringLiteral("description.txt"), "source=substitut\r\neditions=7,8\r\n");
    inst->ecrireLignes(QStringLiteral("listes/Rallonges_avant_sur_ODS8.txt"),
                       fixtures::lignesBase(QStringLiteral("Rallonges_avant_sur_ODS8.txt"), 812));
}

void TestMenuEcran::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

void TestMenuEcran::capturer(QWidget* w, const QString& nom)
{
    const QString dossier = qEnvironmentVariable("LEXIDOR_CAPTURES");
    const QPixmap pm = w->grab();
    QVERIFY(!pm.isNull());
    if (!dossier.isEmpty()) {
        QDir().mkpath(dossier);
        QVERIFY(pm.save(QDir(dossier).filePath(nom + QStringLiteral(".png"))));
    }
}

void TestMenuEcran::boutonsDuMenu()
{
    MenuODS8& m = app::menu();
    m.show();
    m.ligneAide->setText(u"\r\nTravailler sur la base complète. Sinon utilisez les boutons \"série 1\" et \"série 2\""_qs);
    const auto boutons = m.findChildren<BoutonMultiligne*>();
    // 28 bases, the four bottom buttons, "Mes listes…", the review box, the statistics and the search.
    QCOMPARE(boutons.size(), 36);
    for (auto* b : boutons) {
        QVERIFY2(m.rect().contains(b->geometry()), qPrintable(b->objectName()));
        // The designed places let some buttons overlap by about 20 twips; more would hide a caption.
        for (auto* autre : boutons)
            if (autre != b)
                QVERIFY2(std::min(b->geometry().intersected(autre->geometry()).height(),
                                  b->geometry().intersected(autre->geometry()).width()) <= 2,
                         qPrintable(b->objectName() + QLatin1Char('/') + autre->objectName()));
        const int largeur = b->width() - 6;
        const QStringList lignes = BoutonMultiligne::lignesAffichees(b->text(), b->fontMetrics(), largeur);
        QVERIFY2(lignes.size() * b->fontMetrics().lineSpacing() <= b->height(), qPrintable(b->objectName()));
        for (const QString& l : lignes)
            QVERIFY2(b->fontMetrics().horizontalAdvance(l) <= largeur, qPrintable(b->objectName() + QStringLiteral(": ") + l));
    }
    // The designed breaks: the verbs' caption on two lines, "VERBES" alone on the first.
    auto* verbes = m.findChild<BoutonMultiligne*>(QStringLiteral("Command3"));
    QCOMPARE(BoutonMultiligne::lignesAffichees(verbes->text(), verbes->fontMetrics(), verbes->width() - 6),
             (QStringList{u"VERBES"_qs, u"de 5 à 9 lettres"_qs}));
    capturer(&m, QStringLiteral("menu"));
    m.ligneAide->setText(u"Votre score sur la dernière base terminée : \r\n96,7%"_qs);
    m.scoreTest->setText(u"96,7%"_qs);
    capturer(&m, QStringLiteral("menu-score"));
}

// Width: "" leaves all the room; otherwise one pixel less than the given text needs.
void TestMenuEcran::lignesDesBoutons_data()
{
    QTest::addColumn<QString>("legende");
    QTest::addColumn<QString>("mesure");
    QTest::addColumn<QStringList>("attendu");
    QTest::addRow("tient : espaces réduits") << "  AVANT    sur ods8 " << "" << QStringList{"AVANT sur ods8"};
    QTest::addRow("coupure voulue") << "A   B C" << "A B C" << QStringList{"A", "B C"};
    QTest::addRow("deux espaces ne coupent pas") << "A  B C" << "A B C" << QStringList{"A B", "C"};
    QTest::addRow("coupures en tête et en fin") << "   A B    " << "A B" << QStringList{"A", "B"};
    QTest::addRow("coupures de suite") << "A      B         C" << "A B C" << QStringList{"A", "B", "C"};
    QTest::addRow("mot plus large que la place") << "ANTICONSTITUTIONNELLEMENT" << "A" << QStringList{"ANTICONSTITUTIONNELLEMENT"};
}

void TestMenuEcran::lignesDesBoutons()
{
    QFETCH(QString, legende);
    QFETCH(QString, mesure);
    QFETCH(QStringList, attendu);
    BoutonMultiligne b(legende);
    const QFontMetrics fm = b.fontMetrics();
    const int largeur = mesure.isEmpty() ? 100000 : fm.horizontalAdvance(mesure) - 1;
    QCOMPARE(BoutonMultiligne::lignesAffichees(legende, fm, largeur), attendu);
    // Drawn wide then narrow: the narrow drawing must not reuse the wide one's lines.
    const QSize etroit(fm.horizontalAdvance(legende.simplified()) / 2 + 12, 60);
    b.resize(2000, 60);
    b.grab();
    b.resize(etroit);
    BoutonMultiligne neuf(legende);
    neuf.resize(etroit);
    QCOMPARE(b.grab().toImage(), neuf.grab().toImage());
}

// The family a window names is resolved where its fonts are made; the font drawn stays the one the
// substitutions gave.
void TestMenuEcran::policesInstallees_data()
{
    QTest::addColumn<QString>("famille");
    for (const char* f : {"MS Sans Serif", "Microsoft Sans Serif", "Comic Sans MS", "Times New Roman", "Arial",
                          "Lucida Sans", "Pas une police"})
        QTest::addRow("%s", f) << QString::fromLatin1(f);
}

void TestMenuEcran::policesInstallees()
{
    QFETCH(QString, famille);
    app::installerPolices();
    for (const bool gras : {false, true})
        for (const bool italique : {false, true}) {
            const QFontInfo avant(ctl::police(famille, 9.75, gras, italique));
            const QFontInfo apres(app::police(famille, 9.75, gras, italique));
            QCOMPARE(apres.family(), avant.family());
            QCOMPARE(apres.styleName(), avant.styleName());
            QCOMPARE(apres.pixelSize(), avant.pixelSize());
        }
    QCOMPARE(app::familleInstallee(famille), app::familleInstallee(famille));
}

void TestMenuEcran::etiquettesDuMenu()
{
    MenuODS8& m = app::menu();
    m.show();
    const auto boutons = m.findChildren<BoutonMultiligne*>();
    for (auto* l : m.findChildren<QLabel*>()) {
        if (l == m.ligneAide || l == m.scoreTest)
            continue;
        const QRect texte = l->wordWrap()
                                ? l->fontMetrics().boundingRect(QRect(l->pos(), QSize(l->width(), 10000)),
                                                                Qt::TextWordWrap, l->text())
                                : QRect(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text()),
                                                        l->fontMetrics().height()));
        QVERIFY2(texte.height() <= std::max(l->height(), l->fontMetrics().height()), qPrintable(l->objectName()));
        QVERIFY2(m.rect().contains(texte), qPrintable(l->objectName()));
        for (auto* b : boutons)
            QVERIFY2(!texte.intersects(b->geometry()), qPrintable(l->objectName() + QLatin1Char('/') + b->objectName()));
    }
}

void TestMenuEcran::etiquettesDesOptions()
{
    app::menu().show();
    app::menu().ouvrirOptions();
    Dialog2& d = app::dialog2();
    d.champEchantillon->setText(QStringLiteral("0"));
    // Each label ends before the box that follows it on its line.
    const QPair<QWidget*, QWidget*> voisins[] = {{d.libelles[2], d.champSecondes}, {d.libelles[4], d.champEchantillon}, {d.champSecondes, d.unites[2]},
                                                 {d.champEchantillon, d.unites[3]}, {d.libelles[3], d.tempsPour30Mots},
                                                 {d.libelles[5], d.motsDuTest}};
    for (const auto& [gauche, droite] : voisins) {
        const auto* l = qobject_cast<QLabel*>(gauche);
        const int fin = l ? l->x() + l->fontMetrics().horizontalAdvance(l->text()) : gauche->geometry().right();
        QVERIFY2(fin <= droite->x(), qPrintable(gauche->objectName() + QLatin1Char('/') + droite->objectName()));
    }
    QVERIFY(d.rect().contains(d.ligneMessage->geometry()));
    QVERIFY(d.ligneMessage->fontMetrics().horizontalAdvance(d.ligneMessage->text()) <= d.ligneMessage->width());
    capturer(&d, QStringLiteral("options"));
    d.listeCouleurs->setCurrentText(QStringLiteral("Vert"));
    d.appliquerCouleur();
    d.champEchantillon->setText(QStringLiteral("12"));
    capturer(&d, QStringLiteral("options-vert"));
    capturer(&app::menu(), QStringLiteral("menu-vert"));
}

void TestMenuEcran::texteAProposSansDefilement()
{
    app::menu().show();
    app::menu().ouvrirApropos();
    Apropos& a = app::apropos();
    QVERIFY(a.isVisible());
    QCOMPARE(a.windowTitle(), u"A propos de Lexidor"_qs);
    QCOMPARE(ctl::largeurTwips(&a), 8490);
    QCOMPARE(ctl::hauteurTwips(&a), 4500);
    QApplication::processEvents();
    QVERIFY(!a.texteApropos->verticalScrollBar()->isVisible());
    capturer(&a, QStringLiteral("apropos"));
}

QTEST_MAIN(TestMenuEcran)
#include "test_menu_ecran.moc"
