// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "menu/menuods8.h"
#include "support/installation.h"
#include "lexidor_version.h"

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
    QTest::addColumn<QByteArray>("description");  // of the data in use
    QTest::addRow("2") << 2 << "" << QByteArray();
    QTest::addRow("6") << 6 << "" << QByteArray();
    QTest::addRow("7") << 7 << "Licence :" << QByteArray();
    QTest::addRow("12") << 12 << "" << QByteArray();
    QTest::addRow("15") << 15 << "" << QByteArray();
    const QString titre = QStringLiteral("Lexidor ODS %1 - Version " LEXIDOR_VERSION " du " LEXIDOR_DATE " ");
    QTest::addRow("1 listes d'essai") << 1 << titre.arg(8) << QByteArray("source=substitut\r\neditions=7,8\r\n");
    QTest::addRow("1 listes ODS 9 et 10") << 1 << titre.arg(10) << QByteArray("source=listes\r\neditions=9,10\r\n");
    QTest::addRow("3 listes ODS 8 et 9") << 3
                                         << "Entraînement aux mots nouveaux de l'ODS 9 : anagrammes, tirages à plusieurs"
                                         << QByteArray("source=listes\r\neditions=8,9\r\n");
}

void TestApropos::lignesDuTexte()
{
    QFETCH(int, ligne);
    QFETCH(QString, attendu);
    QFETCH(QByteArray, description);
    const QString t = Apropos::texte(data::analyserDescription(description));
    QVERIFY(t.endsWith(u"\r\n"_qs));
    const QStringList lignes = t.chopped(2).split(u"\r\n"_qs);
    QCOMPARE(lignes.size(), 15);
    QCOMPARE(lignes[ligne - 1], attendu);
}

void TestApropos::aucuneAdresseInventee()
{
    const QString t = Apropos::texte();
    QVERIFY(!t.contains(QLatin1Char('@')));
    QVERIFY(!t.contains(QRegularExpression(QStringLiteral("https?:|www\\.|\\.(com|fr|org|net)\\b"))));
    QVERIFY(t.contains(u"GPL-3.0-or-later"_qs));
    QVERIFY(t.contains(u"MPL-2.0"_qs));
    QVERIFY(t.contains(u"Dicollecte"_qs));
    // The build's own version and date, and nothing promised that the program does not hold.
    const QRegularExpression premiere(QStringLiteral("^Lexidor ODS 8 - Version %1 du \\d\\d/\\d\\d/\\d{4} \r\n")
                                          .arg(QRegularExpression::escape(QStringLiteral(LEXIDOR_VERSION))));
    QVERIFY2(premiere.match(t).hasMatch(), qPrintable(t.left(60)));
    for (const char16_t* promesse : {u"complet", u"115", u"courriel"})
        QVERIFY2(!t.contains(QStringView(promesse)), qPrintable(QString::fromUtf16(promesse)));
    QVERIFY(t.contains(u"README.md"_qs));
}

QTEST_MAIN(TestApropos)
#include "test_apropos.moc"
