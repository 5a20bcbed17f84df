// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "menu/menuods8.h"
#include "support/installation.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

class TestApropos : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void texteAfficheUneSeuleFois();
    void lignesDuTexte_data();
    void lignesDuTexte();
    void aucuneAdresseInventee();

private:
    std::unique_ptr<InstallationTest> inst;
};

void TestApropos::init()
{
    app::observerMessages([](const QString&, app::Icone) {});
    inst = std::make_unique<InstallationTest>();
}

void TestApropos::cleanup()
{
    app::reinitialiser();
    inst.reset();
    app::observerMessages({});
}

void TestApropos::texteAfficheUneSeuleFois()
{
    MenuODS8& m = app::menu();
    m.show();
    QVERIFY(!app::aproposCharge());
    m.ouvrirApropos();
    Apropos& a = app::apropos();
    a.resize(100, 100);
    m.ouvrirApropos();
    const QString attendu = QString(Apropos::texte()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(a.texteApropos->toPlainText(), attendu);
    QVERIFY(a.texteApropos->isVisible());
    QCOMPARE(a.windowTitle(), u"A propos de Lexidor"_qs);
    QCOMPARE(a.height(), ctl::twips(4500));
    QCOMPARE(a.width(), ctl::twips(8500));
    QVERIFY(m.isVisible());
}

void TestApropos::lignesDuTexte_data()
{
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("attendu");
    QTest::addRow("1") << 1 << "Lexidor davovuzi vera VEZ 8 - Version 1.2 du 31/12/2019 ";
    QTest::addRow("2") << 2 << "";
    QTest::addRow("3") << 3 << "Pour le logiciel Lexidor complet (115 bases) :";
    QTest::addRow("5") << 5 << u"(avec beaucoup d'autres fonctionnalités, statistiques, fichiers de révision, etc.)"_qs;
    QTest::addRow("6") << 6 << "";
    QTest::addRow("7") << 7 << "A propos de l'auteur :";
    QTest::addRow("13") << 13 << "Toutes vos remarques, questions, bugs, etc. sont les bienvenus.";
    QTest::addRow("14") << 14 << "";
    QTest::addRow("15") << 15 << "Merci de m'envoyer un courriel quand vous utilisez ou faites passer le logiciel.";
    QTest::addRow("16") << 16 << "";
}

void TestApropos::lignesDuTexte()
{
    QFETCH(int, ligne);
    QFETCH(QString, attendu);
    const QString t = Apropos::texte();
    QVERIFY(t.endsWith(u"\r\n"_qs));
    const QStringList lignes = t.chopped(2).split(u"\r\n"_qs);
    QCOMPARE(lignes.size(), 16);
    QCOMPARE(lignes[ligne - 1], attendu);
    QVERIFY(lignes[3].startsWith(u"Visitez "_qs));
    QVERIFY(lignes[11].startsWith(u"Contact : "_qs));
}

void TestApropos::aucuneAdresseInventee()
{
    const QString t = Apropos::texte();
    QVERIFY(!t.contains(QLatin1Char('@')));
    QVERIFY(!t.contains(QRegularExpression(QStringLiteral("https?:|www\\.|\\.(com|fr|org|net)\\b"))));
    QVERIFY(t.contains(u"GPL-3.0-or-later"_qs));
    QVERIFY(t.contains(u"MPL-2.0"_qs));
    QVERIFY(t.contains(u"Dicollecte"_qs));
}

QTEST_MAIN(TestApropos)
#include "test_apropos.moc"
