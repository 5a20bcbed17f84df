// SPDX-License-Identifier: GPL-3.0-or-later
// The program from start-up: the menu on the test bases and on the data shipped with it, and a
// run on every base.
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "data/texte.h"
#include "fixtures/menu/installation_menu.h"
#include "menu/catalogue.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "training/form1.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestProgramme : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void demarrageSurLesDonneesLivrees();
    void chaqueBaseSeLance_data();
    void chaqueBaseSeLance();

private:
    bool installerDonneesLivrees();
    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

// The base left empty in the test bases, to see an empty first series.
static const QString baseVide = QStringLiteral("LC_7-8L.txt");

void TestProgramme::init()
{
    messages.clear();
    app::observerMessages([this](const QString& t, app::Icone) { messages << t; });
    inst = std::make_unique<InstallationTest>();
}

void TestProgramme::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

bool TestProgramme::installerDonneesLivrees()
{
    const QDir source(QStringLiteral(LEXIDOR_RUNTIME_DIR));
    if (!source.exists(QStringLiteral("listes")))
        return false;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString relatif = source.relativeFilePath(f);
        if (relatif == QStringLiteral("settings.dat"))
            continue;
        QFile lu(f);
        if (!lu.open(QIODevice::ReadOnly))
            return false;
        inst->ecrire(relatif, lu.readAll());
    }
    return true;
}

void TestProgramme::demarrageSurLesDonneesLivrees()
{
    if (!installerDonneesLivrees())
        QSKIP("no word data in the runtime folder");
    MenuODS8& m = app::menu();
    m.show();
    QCoreApplication::processEvents();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    for (const auto& l : menu::labelsComptes()) {
        const auto n = data::compterLignes(data::lireFichier(QStringLiteral("listes\\") + l.fichier).octets);
        QVERIFY(n > 0);
        auto* label = m.findChild<QLabel*>(ctl::nomControle(l.label, l.index));
        QCOMPARE(label->text(), menu::remplir(QString::number(n), l.remplissage));
    }
    QCOMPARE(m.boutonTest->text(), u"Se tester sur 150 mots aléatoires"_qs);
    QCOMPARE(app::reglages().couleur(), u"Par défaut"_qs);
    const QString captures = qEnvironmentVariable("LEXIDOR_CAPTURES");
    if (!captures.isEmpty()) {
        QDir().mkpath(captures);
        QVERIFY(m.grab().save(QDir(captures).filePath(QStringLiteral("menu-donnees-livrees.png"))));
    }
}

void TestProgramme::chaqueBaseSeLance_data()
{
    QTest::addColumn<bool>("livrees");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("index");
    for (bool livrees : {false, true})
        for (const auto& e : menu::catalogue())
            QTest::addRow("%s %s", livrees ? "livrées" : "essai", qPrintable(ctl::nomControle(e.bouton, e.index)))
                << livrees << e.bouton << e.index;
}

void TestProgramme::chaqueBaseSeLance()
{
    QFETCH(bool, livrees);
    QFETCH(QString, nom);
    QFETCH(int, index);
    if (livrees) {
        if (!installerDonneesLivrees())
            QSKIP("no word data in the runtime folder");
    } else {
        fixtures::installerBases(*inst, 40, {baseVide});
    }
    MenuODS8& m = app::menu();
    m.show();
    QCoreApplication::processEvents();
    const auto* e = menu::entree(nom, index);
    QVERIFY(e);
    QTest::mouseClick(m.findChild<QPushButton*>(ctl::nomControle(nom, index)), Qt::LeftButton);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    Form1& f = app::form1();
    QVERIFY(!m.isVisible());
    QVERIFY(f.isVisible());
    QCOMPARE(f.fich, e->fichier);

    // Once the training window draws series, its first rack must be on screen.
    if (auto* tirage = f.findChild<QWidget*>(QStringLiteral("tirage(0)"))) {
        const bool vide = !livrees && fixtures::nomFichier(e->fichier) == baseVide;
        QCOMPARE(tirage->property("text").toString().isEmpty(), vide);
        QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
    }
    // Back to the menu, which launches again with a fresh context.
    if (auto* retour = f.findChild<QPushButton*>(QStringLiteral("quitter"))) {
        QTest::mouseClick(retour, Qt::LeftButton);
        QVERIFY(m.isVisible());
        QVERIFY(!f.isVisible());
        QTest::mouseClick(m.findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
        QVERIFY(!m.dernierLancement().test);
        QVERIFY(!m.dernierLancement().rallonge);
        QCOMPARE(f.fich, u"listes\\nouvelles_declinaisons.txt"_qs);
        QVERIFY(f.isVisible());
    }
}

QTEST_MAIN(TestProgramme)
#include "test_programme.moc"
