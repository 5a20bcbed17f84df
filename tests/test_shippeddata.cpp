// SPDX-License-Identifier: GPL-3.0-or-later
// The word data shipped in runtime/ must fit the program's tables and let every rack be answered.
#include "data/base.h"
#include "data/infosouris.h"
#include "data/listes.h"
#include "data/texte.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

QString runtime(const QString& relatif)
{
    return QStringLiteral(LEXIDOR_RUNTIME_DIR "/") + relatif;
}

QString trie(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

// The letters the answer box accepts for a rack, as the training window derives them.
QString lettresAcceptees(const QString& tirage)
{
    const qsizetype tiret = tirage.indexOf(u'-');
    if (tiret >= 0)
        return tirage.left(tiret);
    QString lettres;
    for (QChar c : tirage)
        if (!QStringLiteral("+()12345678").contains(c))
            lettres += c;
    return lettres;
}

enum class Genre { Unique, Decore, Avant, Arriere };

struct Attente {
    QString nom;
    Genre genre;
    int min, max;             // letters of the solution (of the rack word for hooks)
    bool lettreChere = false;  // every solution holds J, K, Q, W, X, Y or Z
};

const QList<Attente>& bases()
{
    static const QList<Attente> liste = {
        {QStringLiteral("VB_5-9L.txt"), Genre::Decore, 5, 9},
        {QStringLiteral("LC_2-6L.txt"), Genre::Decore, 2, 6, true},
        {QStringLiteral("LC_7-8L.txt"), Genre::Decore, 7, 8, true},
        {QStringLiteral("nouvelles_declinaisons.txt"), Genre::Decore, 5, 8},
        {QStringLiteral("Nouvelles_rallonges_avant.txt"), Genre::Avant, 2, 14},
        {QStringLiteral("Nouvelles_rallonges_arriere.txt"), Genre::Arriere, 2, 14},
        {QStringLiteral("Nouvelles_rallonges_ar_conj.txt"), Genre::Arriere, 2, 14},
        {QStringLiteral("Rallonges_avant_sur_ODS8.txt"), Genre::Avant, 2, 14},
        {QStringLiteral("Rallonges_arriere_sur_ODS8.txt"), Genre::Arriere, 2, 14},
        {QStringLiteral("5L_multiples.txt"), Genre::Decore, 5, 5},
        {QStringLiteral("6L_multiples.txt"), Genre::Decore, 6, 6},
        {QStringLiteral("7L_multiples.txt"), Genre::Decore, 7, 7},
        {QStringLiteral("8L_multiples.txt"), Genre::Decore, 8, 8},
        {QStringLiteral("9L_multiples.txt"), Genre::Decore, 9, 9},
        {QStringLiteral("2-3L.txt"), Genre::Unique, 2, 3},
        {QStringLiteral("4L.txt"), Genre::Unique, 4, 4},
        {QStringLiteral("5L.txt"), Genre::Unique, 5, 5},
        {QStringLiteral("6L.txt"), Genre::Unique, 6, 6},
        {QStringLiteral("7L.txt"), Genre::Unique, 7, 7},
        {QStringLiteral("8L.txt"), Genre::Unique, 8, 8},
        {QStringLiteral("9L.txt"), Genre::Unique, 9, 9},
        {QStringLiteral("7L_a.txt"), Genre::Unique, 7, 7},
        {QStringLiteral("7L_b.txt"), Genre::Unique, 7, 7},
        {QStringLiteral("8L_a.txt"), Genre::Unique, 8, 8},
        {QStringLiteral("8L_b.txt"), Genre::Unique, 8, 8},
        {QStringLiteral("9L_a.txt"), Genre::Unique, 9, 9},
        {QStringLiteral("9L_b.txt"), Genre::Unique, 9, 9},
        {QStringLiteral("2-8L.txt"), Genre::Unique, 2, 8},
    };
    return liste;
}

data::Base lire(const QString& nom)
{
    return data::lireBase(runtime(QStringLiteral("listes/") + nom));
}

}  // namespace

class TestShippedData : public QObject {
    Q_OBJECT

    data::InfoSouris notes;
    QHash<QString, QStringList> anagrammes;  // sorted letters -> every word of the newer list

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(bases().size(), 28);
        notes = data::InfoSouris::lire(runtime(QStringLiteral("infosouris-ods8.txt")));
        QVERIFY2(notes.ok(), qPrintable(notes.erreur()));
        for (const data::LigneBase& l : lire(QStringLiteral("anagrammes.txt")).lignes)
            anagrammes.insert(l.tirage, l.solutions.split(u' '));
        QVERIFY(!anagrammes.isEmpty());
    }

    void base_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < bases().size(); ++i)
            QTest::addRow("%s", qPrintable(bases()[i].nom)) << i;
    }
    void base()
    {
        QFETCH(int, index);
        const Attente& a = bases()[index];
        const data::Base base = lire(a.nom);
        QVERIFY2(base.ok(), qPrintable(base.erreur));
        QCOMPARE(base.ignorees, 0);
        QVERIFY(!base.lignes.isEmpty());
        QVERIFY(base.lignes.size() <= data::capaciteBase);
        const data::Lecture brut = data::lireFichier(runtime(QStringLiteral("listes/") + a.nom));
        QCOMPARE(data::compterLignes(brut.octets), qsizetype(base.lignes.size()));
        QVERIFY(brut.octets.endsWith("\r\n"));

        static const QRegularExpression mot(QStringLiteral("^[A-Z]+$"));
        QHash<QString, QString> parTirage;
        for (const data::LigneBase& l : base.lignes) {
            const QString contexte = a.nom + QStringLiteral(": ") + l.tirage + u';' + l.solutions;
            // One rack text, one expected answer.
            QVERIFY2(!parTirage.contains(l.tirage) || parTirage.value(l.tirage) == l.solutions, qPrintable(contexte));
            parTirage.insert(l.tirage, l.solutions);
            if (a.genre == Genre::Avant || a.genre == Genre::Arriere) {
                const bool avant = a.genre == Genre::Avant;
                QVERIFY2(avant ? l.tirage.startsWith(u'?') : l.tirage.endsWith(u'?'), qPrintable(contexte));
                const QString racine = avant ? l.tirage.mid(1) : l.tirage.chopped(1);
                QVERIFY2(mot.match(racine).hasMatch(), qPrintable(contexte));
                QVERIFY2(racine.size() >= a.min && racine.size() <= a.max, qPrintable(contexte));
                QVERIFY2(!l.solutions.isEmpty() && l.solutions.size() <= 26 && mot.match(l.solutions).hasMatch(),
                         qPrintable(contexte));
                QVERIFY2(trie(l.solutions) == l.solutions, qPrintable(contexte));
                QVERIFY2(QSet<QChar>(l.solutions.cbegin(), l.solutions.cend()).size() == l.solutions.size(),
                         qPrintable(contexte));
                // Every hook makes a word: the notes know each hooked word.
                for (QChar c : l.solutions) {
                    const QString rallonge = avant ? c + racine : racine + c;
                    QVERIFY2(!notes.notes(rallonge).isEmpty(), qPrintable(contexte + QStringLiteral(" -> ") + rallonge));
                }
                continue;
            }
            QVERIFY2(mot.match(l.solutions).hasMatch(), qPrintable(contexte));
            QVERIFY2(l.solutions.size() >= a.min && l.solutions.size() <= a.max, qPrintable(contexte));
            // The answer can be typed with the rack's letters, which stand in alphabetical order.
            const QString lettres = lettresAcceptees(l.tirage).trimmed();
            QVERIFY2(lettres == trie(l.solutions), qPrintable(contexte));
            QVERIFY2(lettres.size() <= 15, qPrintable(contexte));
            if (a.genre == Genre::Unique)
                QVERIFY2(l.tirage == lettres, qPrintable(contexte));
            if (a.lettreChere)
                QVERIFY2(l.solutions.contains(QRegularExpression(QStringLiteral("[JKQWXYZ]"))), qPrintable(contexte));
        }
        if (a.nom.endsWith(QLatin1String("_multiples.txt"))) {
            // Every rack of these bases has other anagrams, and shows it.
            for (const data::LigneBase& l : base.lignes) {
                QVERIFY2(l.tirage != l.solutions && l.tirage.size() > a.min, qPrintable(l.tirage));
                // The rack names or counts every other word of the newer list with its letters.
                const QStringList tous = anagrammes.value(trie(l.solutions));
                QVERIFY2(tous.contains(l.solutions), qPrintable(l.solutions));
                static const QRegularExpression decor(QStringLiteral("^[A-Z]+(?: - ([A-Z ]*?))? ?(?:\\(\\+(\\d+)\\))?$"));
                const QRegularExpressionMatch m = decor.match(l.tirage);
                QVERIFY2(m.hasMatch(), qPrintable(l.tirage));
                const qsizetype nommes = m.captured(1).split(u' ', Qt::SkipEmptyParts).size();
                QCOMPARE(nommes + m.captured(2).toInt(), tous.size() - 1);
            }
        }
        // A decorated rack fits its box; the counted form is as short as a decoration gets.
        QFont police(QStringLiteral("Liberation Serif"));
        police.setPointSizeF(20);
        const QFontMetricsF mesure(police);
        for (const data::LigneBase& l : base.lignes) {
            if (a.genre != Genre::Decore || !l.tirage.contains(u' '))
                continue;
            const bool compte = QRegularExpression(QStringLiteral("^[A-Z]+( -)? \\(\\+\\d+\\)$")).match(l.tirage).hasMatch();
            // Other new words stay named even when that is too wide: they tell which answer is asked.
            const bool nommeEtCompte = QRegularExpression(QStringLiteral("^[A-Z]+ - [A-Z ]+( \\(\\+\\d+\\))?$")).match(l.tirage).hasMatch();
            QVERIFY2(compte || nommeEtCompte || mesure.horizontalAdvance(l.tirage) <= 2775 / 15.0 - 8
                         || !l.tirage.contains(QLatin1String(" - ")),
                     qPrintable(l.tirage));
        }
    }

    void moities_data()
    {
        QTest::addColumn<QString>("racine");
        QTest::addRow("7L") << QStringLiteral("7L");
        QTest::addRow("8L") << QStringLiteral("8L");
        QTest::addRow("9L") << QStringLiteral("9L");
    }
    void moities()
    {
        QFETCH(QString, racine);
        const auto tout = lire(racine + QStringLiteral(".txt")).lignes;
        const auto a = lire(racine + QStringLiteral("_a.txt")).lignes;
        const auto b = lire(racine + QStringLiteral("_b.txt")).lignes;
        QCOMPARE(a + b, tout);
        QVERIFY(qAbs(a.size() - b.size()) <= 1);
    }

    void tirageAleatoire()
    {
        // The test pool holds every unique-solution rack of 2 to 8 letters.
        QSet<QString> pool;
        for (const data::LigneBase& l : lire(QStringLiteral("2-8L.txt")).lignes)
            pool.insert(l.tirage + u';' + l.solutions);
        for (const char* nom : {"2-3L.txt", "4L.txt", "5L.txt", "6L.txt", "7L.txt", "8L.txt"})
            for (const data::LigneBase& l : lire(QString::fromLatin1(nom)).lignes)
                QVERIFY2(pool.contains(l.tirage + u';' + l.solutions), qPrintable(l.tirage));
    }

    void listesLaterales_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("capacite");
        QTest::addRow("vbi") << QStringLiteral("vbi_gd.txt") << data::capaciteVbi;
        QTest::addRow("vbt") << QStringLiteral("vbt_gd.txt") << data::capaciteVbt;
        QTest::addRow("inv") << QStringLiteral("inv.txt") << data::capaciteInv;
    }
    void listesLaterales()
    {
        QFETCH(QString, nom);
        QFETCH(int, capacite);
        const QString chemin = runtime(QStringLiteral("listes/") + nom);
        const data::ListeLaterale liste = data::ListeLaterale::lire(chemin, capacite);
        QVERIFY2(liste.ok(), qPrintable(liste.erreur));
        QVERIFY(!liste.tronquee);
        QVERIFY(!liste.entrees.isEmpty());
        QVERIFY(liste.entrees.size() <= capacite);
        // No empty line hides the entries after it: every line of the file is an entry.
        const data::Lecture brut = data::lireFichier(chemin);
        QCOMPARE(data::compterLignes(brut.octets), qsizetype(liste.entrees.size()));
        static const QRegularExpression mot(QStringLiteral("^[A-Z]{2,15}$"));
        for (const QString& e : liste.entrees)
            QVERIFY2(mot.match(e).hasMatch(), qPrintable(e));
    }

    void listesCoherentes()
    {
        const auto vbi = data::ListeLaterale::lire(runtime(QStringLiteral("listes/vbi_gd.txt")), data::capaciteVbi);
        const auto vbt = data::ListeLaterale::lire(runtime(QStringLiteral("listes/vbt_gd.txt")), data::capaciteVbt);
        const auto inv = data::ListeLaterale::lire(runtime(QStringLiteral("listes/inv.txt")), data::capaciteInv);
        QSet<QString> solutions;
        int marquees = 0;
        for (const Attente& a : bases()) {
            if (a.genre == Genre::Avant || a.genre == Genre::Arriere)
                continue;
            for (const data::LigneBase& l : lire(a.nom).lignes) {
                solutions.insert(l.solutions);
                marquees += vbi.contient(l.solutions) || vbt.contient(l.solutions);
            }
        }
        for (const QString& e : inv.entrees)
            QVERIFY2(solutions.contains(e), qPrintable(e));
        // A verb with a transitive reading has a participle that agrees (BAILLER, PECHER...).
        for (const QString& e : vbi.entrees)
            QVERIFY2(!vbt.contient(e), qPrintable(e));
        QVERIFY(marquees > 0);
        // The verbs of the verb base all get a marker or a note.
        for (const data::LigneBase& l : lire(QStringLiteral("VB_5-9L.txt")).lignes)
            QVERIFY2(!notes.notes(l.solutions).isEmpty(), qPrintable(l.solutions));
    }

    void notesDansLesLimites()
    {
        const data::Lecture brut = data::lireFichier(runtime(QStringLiteral("infosouris-ods8.txt")));
        QVERIFY(brut.ok());
        const qsizetype lignes = data::compterLignes(brut.octets);
        QVERIFY(lignes < data::capaciteInfoSouris);
        QCOMPARE(lignes % 2, 0);
        QCOMPARE(notes.nombrePaires(), lignes / 2);
    }

    void marqueurs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addRow("ppi") << QStringLiteral("images/ppi_28x28.bmp");
        QTest::addRow("inv") << QStringLiteral("images/inv_28x28.bmp");
        QTest::addRow("vbt") << QStringLiteral("images/vbt_28x28.bmp");
    }
    void marqueurs()
    {
        QFETCH(QString, nom);
        const data::Lecture brut = data::lireFichier(runtime(nom));
        QVERIFY2(brut.ok(), qPrintable(brut.erreur));
        QCOMPARE(qFromLittleEndian<quint16>(brut.octets.constData() + 28), quint16(24));
        const QImage image(runtime(nom));
        QCOMPARE(image.size(), QSize(28, 28));
    }

    void son()
    {
        const data::Lecture brut = data::lireFichier(runtime(QStringLiteral("APP05.WAV")));
        QVERIFY(brut.ok());
        QCOMPARE(brut.octets.left(4), QByteArray("RIFF"));
        QCOMPARE(brut.octets.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(qFromLittleEndian<quint16>(brut.octets.constData() + 20), quint16(1));
    }

    void notice()
    {
        QVERIFY(QFile::exists(runtime(QStringLiteral("NOTICE"))));
        // The data folder says what it is, and lists the words that the newer release drops.
        const QStringList description = data::lignes(data::lireFichier(runtime(QStringLiteral("description.txt"))).octets);
        QCOMPARE(description.mid(0, 2), (QStringList{QStringLiteral("source=substitut"), QStringLiteral("editions=7,8")}));
        const data::Lecture disparus = data::lireFichier(runtime(QStringLiteral("mots-disparus.txt")));
        QVERIFY(disparus.ok() && disparus.octets.endsWith("\r\n"));
        for (const QString& mot : data::lignes(disparus.octets))
            QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{2,15}$")).match(mot).hasMatch() && notes.notes(mot).isEmpty(),
                     qPrintable(mot));
    }
};

QTEST_MAIN(TestShippedData)
#include "test_shippeddata.moc"
