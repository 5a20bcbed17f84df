// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ajustement.h"
#include "app/contraste.h"
#include "app/controles.h"
#include "options/regles.h"
#include "training/notes.h"
#include "training/partie.h"
#include "training/touches.h"
#include "support/installation.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <deque>
#include <future>
#include <thread>

using namespace entrainement;

namespace {

// Replays the given values, then a fixed seed; never reads the clock.
class AleatoireFixe : public Aleatoire {
public:
    explicit AleatoireFixe(std::deque<double> v = {}) : valeurs(std::move(v)) {}
    void semerDepuisHorloge() override { ++semis; }
    double suivant() override
    {
        if (!valeurs.empty()) {
            const double v = valeurs.front();
            valeurs.pop_front();
            return v;
        }
        return loi(gen);
    }
    int semis = 0;

private:
    std::deque<double> valeurs;
    std::mt19937 gen{42};
    std::uniform_real_distribution<double> loi{0.0, 1.0};
};

QList<data::LigneBase> baseDe(int n, const QString& prefixe = QStringLiteral("T"))
{
    QList<data::LigneBase> b;
    for (int i = 0; i < n; ++i)
        b.append({prefixe + QString::number(i), QStringLiteral("S") + QString::number(i)});
    return b;
}

// Answers every filled row with its solution, or with a wrong word where `faux` says so.
QList<LigneACorriger> reponses(const Partie& p, const QSet<int>& faux = {})
{
    QList<LigneACorriger> l;
    for (int j = 0; j <= p.derniere(); ++j)
        l.append({faux.contains(j) ? QStringLiteral("FAUX") : *p.solutionsDeLigne(j), *p.tirageDeLigne(j)});
    return l;
}

}  // namespace

class TestTraining : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tirageDansLeBassin_data();
    void tirageDansLeBassin();
    void extrairelettres_data();
    void extrairelettres();
    void filtreDesTouches_data();
    void filtreDesTouches();
    void texteInsere();
    void durees_data();
    void durees();
    void nombres_data();
    void nombres();
    void motsPourNotes_data();
    void motsPourNotes();
    void pourcentages_data();
    void pourcentages();
    void couleurScore_data();
    void couleurScore();
    void echantillon_data();
    void echantillon();
    void serieSansDoublon_data();
    void serieSansDoublon();
    void eliminationParReussites();
    void casseSensible();
    void verdict_data();
    void verdict();
    void uneFauteParEntree();
    void critereTemps();
    void reponseChangeeApresVerdict();
    void compactionDesVoisins();
    void finDeBase_data();
    void finDeBase();
    void baseVide();
    void tablesAuDelaDesBornes();
    void notesEnCache();
    void notesLuesPendantLaPartie_data();
    void notesLuesPendantLaPartie();
    void couleursDistinctes_data();
    void couleursDistinctes();
    void tirageEntierDansSaBoite_data();
    void tirageEntierDansSaBoite();
};

void TestTraining::tirageDansLeBassin_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("attendu");
    QTest::addRow("zéro") << 0.0 << 10 << 0;
    QTest::addRow("presque un") << 0.99999999 << 10 << 9;
    QTest::addRow("un, hors loi") << 1.0 << 10 << 9;
    QTest::addRow("milieu") << 0.5 << 7 << 3;
    QTest::addRow("bassin vide") << 0.5 << 0 << 0;
}

void TestTraining::tirageDansLeBassin()
{
    QFETCH(double, r);
    QFETCH(int, taille);
    QFETCH(int, attendu);
    QCOMPARE(indiceTire(r, taille), attendu);
}

void TestTraining::extrairelettres_data()
{
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("lettres");
    QTest::addRow("simple") << "AEINRST" << "AEINRST";
    QTest::addRow("tiret") << "ABC-DEF" << "ABC";
    QTest::addRow("tiret garde les décorations") << "A(B)-C" << "A(B)";
    QTest::addRow("compte entre parenthèses") << "ABCDEFG (12)" << "ABCDEFG ";
    QTest::addRow("9 et 0 restent") << "AB9+0" << "AB90";
    QTest::addRow("plus de 15 lettres") << "ABCDEFGHIJKLMNOPQRST" << "ABCDEFGHIJKLMNOPQRST";
}

void TestTraining::extrairelettres()
{
    QFETCH(QString, tirage);
    QFETCH(QString, lettres);
    Reserve r;
    r.extrairelettres(tirage);
    QCOMPARE(r.lettrestirage, lettres);
    QCOMPARE(r.libres(), lettres);
    for (QChar c : lettres)
        QVERIFY(r.prendre(c));
    QCOMPARE(r.libres(), QString());
}

void TestTraining::filtreDesTouches_data()
{
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<bool>("ouverte");
    QTest::addColumn<bool>("rallonge");
    QTest::addColumn<bool>("pause");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("gardees");  // characters that reached the box
    QTest::addColumn<QString>("libres");
    QTest::addColumn<bool>("colle");  // the whole text pasted at once instead of typed
    QTest::addColumn<int>("place");   // characters the box can take
    QTest::addRow("minuscule devient capitale") << "AEINRST" << true << false << false << "a" << "A" << "EINRST" << false << 32;
    QTest::addRow("lettre absente") << "AEINRST" << true << false << false << "Z" << "" << "AEINRST" << false << 32;
    QTest::addRow("lettre épuisée") << "AEINRST" << true << false << false << "AA" << "A" << "EINRST" << false << 32;
    QTest::addRow("lettre double") << "AABEL" << true << false << false << "AAA" << "AA" << "BEL" << false << 32;
    QTest::addRow("chiffres et accents refusés") << "AEINRST" << true << false << false << "1 é¨°@[" << "" << "AEINRST" << false << 32;
    QTest::addRow("rallonge: toute capitale") << "?ABC" << true << true << false << "zq1" << "ZQ" << "?ABC" << false << 32;
    QTest::addRow("série fermée: lettres refusées") << "AEINRST" << false << false << false << "a1é" << "1é" << "AEINRST" << false << 32;
    QTest::addRow("pause: pas de comparaison") << "AEINRST" << true << false << true << "z" << "Z" << "AEINRST" << false << 32;
    QTest::addRow("codes de passage") << "ABC" << true << false << false << "{~€" << "{~€" << "ABC" << false << 32;
    const int sans = std::numeric_limits<int>::max();
    QTest::addRow("boîte pleine: rien, pas même une lettre du tirage")
        << "AEINRST" << true << false << false << "a" << "" << "AEINRST" << false << 0;
    QTest::addRow("collé: capitales du tirage, sans saut de ligne")
        << "AEINRST" << true << false << false << u"ri\r\nz9 é-\u4E2Dant\tS"_qs << "RIANTS" << "E" << true << sans;
    QTest::addRow("collé: rallonges dans le désordre") << "?RAIS" << true << true << false << "fb ik\ntv"
                                                       << "FBIKTV" << "?RAIS" << true << sans;
    QTest::addRow("collé: un mégaoctet") << "?A" << true << true << false << QString(1 << 20, u'a')
                                         << QString(32, u'A') << "?A" << true << 32;
    QTest::addRow("collé: la place ne prend pas le tirage") << "AEINRST" << true << false << false << "SATIN"
                                                             << "SAT" << "EINR" << true << 3;
}

void TestTraining::filtreDesTouches()
{
    QFETCH(QString, tirage);
    QFETCH(bool, ouverte);
    QFETCH(bool, rallonge);
    QFETCH(bool, pause);
    QFETCH(QString, frappe);
    QFETCH(QString, gardees);
    QFETCH(QString, libres);
    QFETCH(bool, colle);
    QFETCH(int, place);
    Reserve r;
    r.extrairelettres(tirage);
    QString boite;
    if (colle) {
        ContexteTouche ctx{ouverte, rallonge, pause, true, &tirage, place};
        const Collage k = collerSolution(frappe, ctx, r);
        QCOMPARE(k.texte, gardees);
        QCOMPARE(k.afficherLibres, libres != tirage);
        QCOMPARE(r.libres(), libres);
        return;
    }
    for (QChar c : frappe) {
        ContexteTouche ctx{ouverte, rallonge, pause, boite.isEmpty(), &tirage, place - int(boite.size())};
        const int code = c == QChar(0x20AC) ? 128 : c.unicode();
        const EffetTouche e = toucheSolution(code, ctx, r);
        if (e.code)
            boite += e.code == 128 ? QChar(0x20AC) : QChar(e.code);
    }
    QCOMPARE(boite, gardees);
    QCOMPARE(r.libres(), libres);
}

void TestTraining::texteInsere()
{
    QGuiApplication::clipboard()->setText(u"ab\r\n1"_qs);
    const QKeyEvent coller(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, u"\x16"_qs);
    const QKeyEvent lettre(QEvent::KeyPress, Qt::Key_V, Qt::NoModifier, u"v"_qs);
    QInputMethodEvent compose;  // a dead key then a letter
    compose.setCommitString(u"é"_qs);
    QCOMPARE(entrainement::texteInsere(&coller), std::optional<QString>(u"ab\r\n1"_qs));
    QCOMPARE(entrainement::texteInsere(&lettre), std::nullopt);
    QCOMPARE(entrainement::texteInsere(&compose), std::optional<QString>(u"é"_qs));
}

void TestTraining::durees_data()
{
    QTest::addColumn<qint64>("secondes");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("heures");
    QTest::addColumn<QString>("duree");
    QTest::addRow("0") << qint64(0) << "0:00" << "0:00:00" << "00:00";
    QTest::addRow("59") << qint64(59) << "0:59" << "0:00:59" << "00:59";
    QTest::addRow("65") << qint64(65) << "1:05" << "0:01:05" << "01:05";
    QTest::addRow("187") << qint64(187) << "3:07" << "0:03:07" << "03:07";
    QTest::addRow("307") << qint64(307) << "5:07" << "0:05:07" << "05:07";
    QTest::addRow("3599") << qint64(3599) << "59:59" << "0:59:59" << "59:59";
    QTest::addRow("3600") << qint64(3600) << "60:00" << "1:00:00" << "60:00";
    QTest::addRow("6000") << qint64(6000) << "100:00" << "1:40:00" << "100:00";
    QTest::addRow("plus de 9 heures") << qint64(36000) << "600:00" << "10:00:00" << "600:00";
    QTest::addRow("au-delà de 16 bits") << qint64(400000) << "6666:40" << "111:06:40" << "6666:40";
}

void TestTraining::durees()
{
    QFETCH(qint64, secondes);
    QFETCH(QString, minutes);
    QFETCH(QString, heures);
    QFETCH(QString, duree);
    QCOMPARE(texteMinutes(secondes), minutes);
    QCOMPARE(texteHeures(secondes), heures);
    QCOMPARE(CalcDuree(secondes), duree);
}

void TestTraining::nombres_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("entier");
    QTest::addColumn<double>("decimal");
    QTest::addRow("vide") << "" << 0 << 0.0;
    QTest::addRow("lettres") << "abc" << 0 << 0.0;
    QTest::addRow("5") << "5" << 5 << 5.0;
    QTest::addRow("12s") << "12s" << 12 << 12.0;
    QTest::addRow("virgule") << "94,5" << 94 << 94.0;
    QTest::addRow("point") << "94.5" << 94 << 94.5;
    QTest::addRow("espaces") << "  7" << 7 << 7.0;
    QTest::addRow("énorme") << "99999999999999" << 2147483647 << 99999999999999.0;
}

void TestTraining::nombres()
{
    QFETCH(QString, texte);
    QFETCH(int, entier);
    QFETCH(double, decimal);
    QCOMPARE(nombreEnTete(texte), entier);
    QCOMPARE(nombreDecimalEnTete(texte), decimal);
}

void TestTraining::motsPourNotes_data()
{
    QTest::addColumn<bool>("rallonge");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("solutions");
    QTest::addColumn<QStringList>("mots");
    QTest::addRow("base ordinaire") << false << "7 lettres" << "AEINRST" << "RIANTES" << QStringList{"RIANTES"};
    QTest::addRow("avant ?ABC + ST") << true << "Rallonges avant" << "?ABC" << "ST" << QStringList{"SABC", "TABC"};
    QTest::addRow("avant, casse du titre") << true << "RALLONGES AVANT" << "?ABC" << "S" << QStringList{"SABC"};
    QTest::addRow("avant sans ?") << true << "Rallonges avant" << "ABC" << "S" << QStringList{"SABC"};
    QTest::addRow("arrière ABC? + ST") << true << "rallonges arrière" << "ABC?" << "ST" << QStringList{"ABCS", "ABCT"};
    QTest::addRow("arrière sans ?") << true << "Rallonges arrière" << "ABC" << "S" << QStringList{"ABCS"};
    QTest::addRow("26 rallonges") << true << "Rallonges avant" << "?A" << "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                  << QStringList{"AA", "BA", "CA", "DA", "EA", "FA", "GA", "HA", "IA",
                                                 "JA", "KA", "LA", "MA", "NA", "OA", "PA", "QA", "RA",
                                                 "SA", "TA", "UA", "VA", "WA", "XA", "YA", "ZA"};
    QTest::addRow("autre titre") << true << "Rallonges" << "?A" << "S" << QStringList{};
}

void TestTraining::motsPourNotes()
{
    QFETCH(bool, rallonge);
    QFETCH(QString, titre);
    QFETCH(QString, tirage);
    QFETCH(QString, solutions);
    QFETCH(QStringList, mots);
    QCOMPARE(entrainement::motsPourNotes(rallonge, titre, tirage, solutions), mots);
}

void TestTraining::pourcentages_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<int>("rates");
    QTest::addColumn<double>("pourc");
    QTest::addColumn<QString>("texte");
    QTest::addRow("30 sans faute") << 30 << 0 << 100.0 << "100";
    QTest::addRow("30, une faute") << 30 << 1 << 96.7 << "96,7";
    QTest::addRow("3, une faute") << 3 << 1 << 66.7 << "66,7";
    QTest::addRow("8, une faute (0,875)") << 8 << 1 << 87.5 << "87,5";
    QTest::addRow("2000, une faute (0,9995 -> 1)") << 2000 << 1 << 100.0 << "100";
    QTest::addRow("tout raté") << 5 << 5 << 0.0 << "0";
}

void TestTraining::pourcentages()
{
    QFETCH(int, initial);
    QFETCH(int, rates);
    QFETCH(double, pourc);
    QFETCH(QString, texte);
    const double p = pourcentage(initial, rates);
    QCOMPARE(p, pourc);
    QCOMPARE(textePourcentage(p, QLocale(QLocale::French, QLocale::France)), texte);
    QCOMPARE(textePourcentage(p, QLocale::c()), QString(texte).replace(QLatin1Char(','), QLatin1Char('.')));
}

void TestTraining::couleurScore_data()
{
    QTest::addColumn<QString>("legende");
    QTest::addColumn<quint32>("couleur");
    QTest::addRow("66,7% rouge") << "66,7%" << quint32(0xFF);
    QTest::addRow("85% orange") << "85%" << quint32(0x80FF);
    QTest::addRow("95% vert") << "95%" << quint32(0xC000);
    QTest::addRow("100% vert") << "100%" << quint32(0xC000);
    QTest::addRow("94,5% orange") << "94,5%" << quint32(0x80FF);
    QTest::addRow("94.5 avec un point") << "94.5%" << quint32(0x80FF);
    QTest::addRow("79.5 avec un point: rouge") << "79.5%" << quint32(0xFF);
    QTest::addRow("vide inchangé") << "" << quint32(0x123456);
}

void TestTraining::couleurScore()
{
    QFETCH(QString, legende);
    QFETCH(quint32, couleur);
    QCOMPARE(entrainement::couleurScore(legende, 0x123456), couleur);
}

void TestTraining::echantillon_data()
{
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("echantillon");
    QTest::addColumn<int>("attendu");
    QTest::addRow("150 sur 1000") << 1000 << 150 << 150;
    QTest::addRow("30 sur 30") << 30 << 30 << 30;
    QTest::addRow("plus grand que la base") << 40 << 900 << 40;
    QTest::addRow("base vide") << 0 << 30 << 0;
}

void TestTraining::echantillon()
{
    QFETCH(int, taille);
    QFETCH(int, echantillon);
    QFETCH(int, attendu);
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(taille), echantillon, a);
    QCOMPARE(p.nbrestants, attendu);
    QCOMPARE(p.nbinitial, attendu);
    QCOMPARE(a.semis, 1);
    QSet<QString> vus;
    for (int i = 0; i < p.nbrestants; ++i) {
        QVERIFY(!vus.contains(p.tiragesbase[i]));
        vus.insert(p.tiragesbase[i]);
        QCOMPARE(p.solutionsbase[i].mid(1), p.tiragesbase[i].mid(1));  // rack and solutions stay paired
        QCOMPARE(p.reussites[i], 0);
    }
}

void TestTraining::serieSansDoublon_data()
{
    QTest::addColumn<int>("restants");
    QTest::addColumn<int>("lignes");
    QTest::addRow("0") << 0 << 0;
    QTest::addRow("7") << 7 << 7;
    QTest::addRow("30") << 30 << 30;
    QTest::addRow("15001") << 15001 << 30;
}

void TestTraining::serieSansDoublon()
{
    QFETCH(int, restants);
    QFETCH(int, lignes);
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(restants), 0, a);
    for (int essai = 0; essai < 20; ++essai) {
        QCOMPARE(p.tirerserie(a), lignes);
        QSet<int> vus;
        for (int j = 0; j < 30; ++j) {
            if (j < lignes) {
                QVERIFY(p.indexserie[j] >= 0 && p.indexserie[j] < restants);
                QVERIFY(!vus.contains(p.indexserie[j]));
                vus.insert(p.indexserie[j]);
            } else {
                QCOMPARE(p.indexserie[j], -1);
            }
            QCOMPARE(p.rapide[j], -1);
        }
    }
}

void TestTraining::eliminationParReussites()
{
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(5), 0, a);
    p.tirerserie(a);
    auto c = p.corrigerserie(reponses(p, {1, 2, 3, 4}), Critere::Reussites, 2, false);
    QCOMPARE(c.trouves, 1);
    QCOMPARE(p.nbrestants, 5);  // one success out of two
    const int e = p.indexserie[0];
    QCOMPARE(p.reussites[e], 1);
    const QString rack = p.tiragesbase[e];
    // Second series: the same rack found again is eliminated.
    p.tirerserie(a);
    QSet<int> faux;
    for (int j = 0; j <= p.derniere(); ++j)
        if (*p.tirageDeLigne(j) != rack)
            faux.insert(j);
    p.corrigerserie(reponses(p, faux), Critere::Reussites, 2, false);
    QCOMPARE(p.nbrestants, 4);
    QVERIFY(!p.tiragesbase.mid(0, 4).contains(rack));
    // Threshold 1 eliminates at the first success.
    p.tirerserie(a);
    p.corrigerserie(reponses(p, {0}), Critere::Reussites, 1, false);
    QCOMPARE(p.nbrestants, 1);
}

void TestTraining::casseSensible()
{
    AleatoireFixe a;
    Partie p;
    p.charger({{QStringLiteral("ABC"), QStringLiteral("Cab")}}, 0, a);
    p.tirerserie(a);
    auto c = p.corrigerserie({{QStringLiteral("CAB"), QStringLiteral("ABC")}}, Critere::Reussites, 1, false);
    QVERIFY(!c.lignes[0].juste);
    QCOMPARE(c.lignes[0].solution, QStringLiteral("CAB"));
    QVERIFY(c.lignes[0].barree);
    QCOMPARE(c.lignes[0].bulleSolution, QStringLiteral("Tirage: ABC"));
    QCOMPARE(c.lignes[0].tirage, QStringLiteral("Cab"));
    QCOMPARE(p.nbrates, 1);
    QCOMPARE(p.motsrates, QStringList{QStringLiteral("ABC;Cab")});
    // Empty answer: the rack goes to the answer column; hook base: the typed answer goes to the tooltip.
    c = p.corrigerserie({{QString(), QStringLiteral("ABC")}}, Critere::Reussites, 1, false);
    QCOMPARE(c.lignes[0].solution, QStringLiteral("ABC"));
    QVERIFY(!c.lignes[0].barree);
    c = p.corrigerserie({{QStringLiteral("X"), QStringLiteral("ABC")}}, Critere::Reussites, 1, true);
    QCOMPARE(c.lignes[0].solution, QStringLiteral("ABC"));
    QCOMPARE(c.lignes[0].bulleSolution, QStringLiteral("Vous aviez saisi: X"));
    QCOMPARE(p.nbrates, 1);
}

void TestTraining::verdict_data()
{
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("solutions");
    QTest::addColumn<bool>("rallonge");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<bool>("juste");
    QTest::addColumn<QString>("affichee");     // answer box after correction
    QTest::addColumn<QString>("explication");
    const QString rien;
    QTest::addRow("exacte") << "AEINRST" << "RIANTES" << false << "RIANTES" << true << "RIANTES" << rien;
    QTest::addRow("rallonges dans le désordre") << "?RAIS" << "BFIKTV" << true << "FBIKTV" << true << "BFIKTV" << rien;
    QTest::addRow("rallonges ES tapées SE") << "BALAD?" << "ES" << true << "SE" << true << "ES" << rien;
    QTest::addRow("rallonge en moins") << "?RAIS" << "BFIKTV" << true << "FBIKT" << false << "?RAIS" << rien;
    QTest::addRow("rallonge en double") << "BALAD?" << "ES" << true << "SSE" << false << "BALAD?" << rien;
    QTest::addRow("multiples: autre anagramme") << "DEIRS (+4)" << "RIEDS" << false << "DIRES" << false << "DIRES"
                                                << "DIRES est un mot valide, mais le nouveau mot attendu était RIEDS.";
    QTest::addRow("multiples: forme listée") << "ACEPR - CAPER CRAPE" << "RECAP" << false << "CAPER" << false
                                             << "CAPER" << "CAPER est un mot valide, mais le nouveau mot attendu était RECAP.";
    QTest::addRow("multiples: pas ces lettres") << "DEIRS (+4)" << "RIEDS" << false << "TIRES" << false << "TIRES"
                                                << rien;
}

void TestTraining::verdict()
{
    QFETCH(QString, tirage);
    QFETCH(QString, solutions);
    QFETCH(bool, rallonge);
    QFETCH(QString, reponse);
    QFETCH(bool, juste);
    QFETCH(QString, explication);
    AleatoireFixe a;
    Partie p;
    p.anagrammes = data::anagrammesPourBase(QStringLiteral(LEXIDOR_SOURCE_DIR "/tests/fixtures/anagrammes/5L_multiples.txt"));
    p.charger({{tirage, solutions}, {tirage + u'X', solutions}}, 0, a);
    p.tirerserie(a);
    // The time criterion judges the same way: a row left fast with a right answer is "OK".
    QCOMPARE(p.jugerRapidite(0, reponse, 5, rallonge), juste ? u"OK"_qs : u"NON"_qs);
    const QList<LigneACorriger> lignes{{reponse, *p.tirageDeLigne(0)}, {reponse, *p.tirageDeLigne(1)}};
    const Correction c = p.corrigerserie(lignes, Critere::Temps, 5, rallonge);
    const LigneCorrigee& l = c.lignes[p.indexserie[0] == 0 ? 0 : 1];
    QCOMPARE(l.juste, juste);
    QTEST(l.solution, "affichee");
    QCOMPARE(l.explication, explication);
    if (!explication.isEmpty())
        QVERIFY(l.bulleSolution.endsWith(u'\n' + explication));
    QCOMPARE(c.voyant, juste ? u"OUI"_qs : u"NON"_qs);
    QCOMPARE(p.nbrestants, juste ? 0 : 2);
}

void TestTraining::uneFauteParEntree()
{
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(3), 0, a);
    for (int s = 0; s < 3; ++s) {
        p.tirerserie(a);
        p.corrigerserie(reponses(p, {0, 1, 2}), Critere::Reussites, 1, false);
    }
    QCOMPARE(p.nbrates, 3);
    QCOMPARE(p.nbmotsrates, 3);
    QCOMPARE(p.compteurseries, 3);
    QVERIFY(p.dejarate(QStringLiteral("T1;S1")));
    QVERIFY(!p.dejarate(QStringLiteral("T1;S2")));
}

void TestTraining::critereTemps()
{
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(4), 0, a);
    p.tirerserie(a);
    const QString s0 = *p.solutionsDeLigne(0);
    p.tempsmot = 2;
    QCOMPARE(p.jugerRapidite(0, s0, 5), QStringLiteral("OK"));
    QCOMPARE(p.rapide[0], 1);
    p.tempsmot = 5;
    QCOMPARE(p.jugerRapidite(1, *p.solutionsDeLigne(1), 5), QStringLiteral("NON"));
    p.tempsmot = 0;
    QCOMPARE(p.jugerRapidite(1, *p.solutionsDeLigne(1), 5), QString());  // 0 stays 0
    QCOMPARE(p.rapide[1], 0);
    QCOMPARE(p.jugerRapidite(2, QStringLiteral("FAUX"), 5), QStringLiteral("NON"));
    QCOMPARE(p.jugerRapidite(2, *p.solutionsDeLigne(2), 0), QStringLiteral("NON"));  // no number: never fast
    // The last row is judged by the correction itself.
    p.tempsmot = 1;
    auto c = p.corrigerserie(reponses(p, {2}), Critere::Temps, 5, false);
    QCOMPARE(c.voyant, QStringLiteral("OUI"));
    QCOMPARE(p.nbrestants, 2);  // rows 0 and 3 eliminated, 1 too slow, 2 wrong
    QCOMPARE(p.reussites.mid(0, 2), (QList<int>{0, 0}));
}

void TestTraining::reponseChangeeApresVerdict()
{
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(3), 0, a);
    p.tirerserie(a);
    p.tempsmot = 0;
    QCOMPARE(p.jugerRapidite(0, *p.solutionsDeLigne(0), 5), QStringLiteral("OK"));
    // The answer of row 0 was changed to a wrong one and the countdown ended in that row.
    p.corrigerserie(reponses(p, {0}), Critere::Temps, 5, false);
    QCOMPARE(p.nbrestants, 2);  // only the last row, judged fast and right, leaves
}

void TestTraining::compactionDesVoisins()
{
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(6), 0, a);
    p.reussites = {0, 1, 2, 3, 4, 5, 0};
    p.tiragesbase[2].clear();
    p.solutionsbase[2].clear();
    p.tiragesbase[3].clear();
    p.solutionsbase[3].clear();
    p.tiragesbase[5].clear();
    QVERIFY(!p.finserie());
    QCOMPARE(p.nbrestants, 3);
    QCOMPARE(p.tiragesbase.mid(0, 3), (QStringList{"T0", "T1", "T4"}));
    QCOMPARE(p.solutionsbase.mid(0, 3), (QStringList{"S0", "S1", "S4"}));
    QCOMPARE(p.reussites.mid(0, 3), (QList<int>{0, 1, 4}));
}

void TestTraining::finDeBase_data()
{
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("faux");
    QTest::addColumn<double>("pourc");
    QTest::addRow("30 sans faute") << 30 << 0 << 100.0;
    QTest::addRow("30, une faute") << 30 << 1 << 96.7;
    QTest::addRow("3, une faute") << 3 << 1 << 66.7;
    QTest::addRow("75, trois séries") << 75 << 2 << 97.3;
}

void TestTraining::finDeBase()
{
    QFETCH(int, taille);
    QFETCH(int, faux);
    QFETCH(double, pourc);
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(taille), 0, a);
    int series = 0;
    int aRater = faux;
    Correction c;
    do {
        p.tirerserie(a);
        QSet<int> f;
        while (aRater > 0 && f.size() <= p.derniere()) {
            f.insert(int(f.size()));
            --aRater;
        }
        c = p.corrigerserie(reponses(p, f), Critere::Reussites, 1, false);
        QVERIFY(++series < 100);
    } while (!c.finie);
    QCOMPARE(p.nbrates, faux);
    QCOMPARE(p.pourc, pourc);
}

void TestTraining::baseVide()
{
    AleatoireFixe a;
    Partie p;
    p.pourc = 42;
    p.charger({}, 0, a);
    QCOMPARE(p.tirerserie(a), 0);
    const Correction c = p.corrigerserie({}, Critere::Temps, 5, false);
    QVERIFY(c.finie);
    QVERIFY(c.lignes.isEmpty());
    QCOMPARE(c.voyant, QString());
    QCOMPARE(p.pourc, 42.0);  // no score without entries
}

void TestTraining::tablesAuDelaDesBornes()
{
    // More lines than the designed 15001 and more than 5001 distinct failures.
    AleatoireFixe a;
    Partie p;
    p.charger(baseDe(20000), 0, a);
    QCOMPARE(p.nbrestants, 20000);
    QSet<int> tous;
    for (int j = 0; j < lignesSerie; ++j)
        tous.insert(j);
    for (int series = 0; series < 250; ++series) {
        p.tirerserie(a);
        p.corrigerserie(reponses(p, tous), Critere::Reussites, 1, false);
    }
    QVERIFY(p.nbrates > 5001);
    QCOMPARE(p.nbmotsrates, p.nbrates);
}

void TestTraining::notesEnCache()
{
    InstallationTest inst;
    CacheNotes cache;
    QVERIFY(!cache.lire(QStringLiteral("infosouris-ods8.txt")).ok());
    QVERIFY(cache.erreurNouvelle());
    QVERIFY(!cache.lire(QStringLiteral("infosouris-ods8.txt")).ok());
    QVERIFY(!cache.erreurNouvelle());  // said once
    inst.ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"MAKORE", "Arbre tropical"});
    QCOMPARE(cache.lire(QStringLiteral("infosouris-ods8.txt")).notes(QStringLiteral("MAKORE")),
             QStringList{QStringLiteral("Arbre tropical")});
    // Same size, other content: the modification time tells the change.
    QTest::qWait(50);
    inst.ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"MAKORE", "Arbre tropicaL"});
    QCOMPARE(cache.lire(QStringLiteral("infosouris-ods8.txt")).notes(QStringLiteral("MAKORE")),
             QStringList{QStringLiteral("Arbre tropicaL")});
    inst.ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"MAKORE", "Arbre", "ZOB", "Un mot"});
    const auto& n = cache.lire(QStringLiteral("infosouris-ods8.txt"));
    QCOMPARE(n.notes(QStringLiteral("MAKORE")), QStringList{QStringLiteral("Arbre")});
    QCOMPARE(n.notes(QStringLiteral("ZOB")), QStringList{QStringLiteral("Un mot")});
}

void TestTraining::notesLuesPendantLaPartie_data()
{
    QTest::addColumn<QByteArray>("contenu");  // null: no file
    QTest::addColumn<bool>("lectureEchoue");   // the file opens, then its read fails
    QTest::addColumn<QString>("erreurAuDebut");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<bool>("erreurALaCorrection");
    QTest::addColumn<bool>("lancee");  // the window was painted before the correction
    QByteArray grand;
    for (int i = 0; i < 20000; ++i)
        grand += "MOT" + QByteArray::number(i) + "\r\nNote " + QByteArray::number(i) + "\r\n";
    grand += "MAKORE\r\nArbre\r\nMOT7\r\nEncore\r\nMAKORE\r\nBois\r\n";
    const QStringList deux{u"Arbre"_qs, u"Bois"_qs};
    QTest::addRow("correction pendant la lecture") << grand << false << QString() << deux << false << true;
    QTest::addRow("correction avant toute image") << grand << false << QString() << deux << false << false;
    QTest::addRow("fichier absent") << QByteArray() << false << u"Le fichier « infosouris-ods8.txt » est introuvable."_qs
                                    << QStringList() << false << true;
    QTest::addRow("lecture échouée") << QByteArray("MAKORE\r\nArbre\r\n") << true << QString() << QStringList() << true
                                     << true;
}

void TestTraining::notesLuesPendantLaPartie()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, lectureEchoue);
    QFETCH(QString, erreurAuDebut);
    QFETCH(QStringList, notes);
    QFETCH(bool, erreurALaCorrection);
    QFETCH(bool, lancee);
    InstallationTest inst;
    const QString nom = QStringLiteral("infosouris-ods8.txt");
    if (!contenu.isNull())
        inst.ecrire(nom, contenu);
    // The read cannot end before the test lets it: the run starts, and asks, while it is running.
    std::promise<void> porte;
    std::shared_future<void> ouverte = porte.get_future().share();
    int lectures = 0;
    CacheNotes cache([ouverte, lectureEchoue, &lectures](const QString& c) {
        ++lectures;
        ouverte.wait();
        return lectureEchoue ? data::InfoSouris::echec(u"Le disque ne répond plus."_qs) : data::InfoSouris::lire(c);
    });
    QCOMPARE(cache.preparer(nom), erreurAuDebut);
    QCOMPARE(cache.erreurNouvelle(), !erreurAuDebut.isEmpty());
    QVERIFY(!cache.enLecture());
    if (lancee)
        cache.lancer();
    QCOMPARE(cache.enLecture(), lancee && erreurAuDebut.isEmpty());
    std::thread ouvreur([&porte] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        porte.set_value();
    });
    const data::InfoSouris& n = cache.lire(nom);
    ouvreur.join();
    QCOMPARE(cache.erreurNouvelle(), erreurALaCorrection);
    QCOMPARE(n.notes(QStringLiteral("MAKORE")), notes);
    if (!contenu.isNull() && !lectureEchoue) {
        QCOMPARE(n.nombrePaires(), 20003);
        QCOMPARE(n.notes(QStringLiteral("MOT7")), (QStringList{u"Note 7"_qs, u"Encore"_qs}));
    }
    // Unchanged on disk: the next run reads nothing and says nothing again.
    const QString erreur = n.erreur();
    QCOMPARE(cache.preparer(nom), erreur);
    QVERIFY(!cache.erreurNouvelle());
    QVERIFY(!cache.enLecture());
    QCOMPARE(lectures, erreurAuDebut.isEmpty() ? 1 : 0);
}

void TestTraining::couleursDistinctes_data()
{
    QTest::addColumn<quint32>("fond");
    QTest::addColumn<quint32>("statut");
    // Every background colour the training window paints its own status colours over.
    const struct {
        const char* nom;
        quint32 couleur;
    } statuts[] = {{"tirage au repos", 0xFFFF80}, {"réponse au repos", 0x80C0FF}, {"juste ou ligne courante", 0x80FF80},
                   {"réponse courante", 0x80FFFF}, {"fausse, tuiles finales", 0x8080FF}, {"tuiles, retour", 0xFFC0C0},
                   {"seuil", 0xFFFFFF}, {"texte du score", 0xC0C000}, {"test vert", 0xC000}, {"test orange", 0x80FF},
                   {"test rouge", 0xFF}};
    for (const QString& nom : options::nomsCouleurs())
        for (const auto& s : statuts)
            QTest::addRow("%s sur %s", s.nom, qPrintable(nom)) << options::couleurNommee(nom) << s.couleur;
}

void TestTraining::couleursDistinctes()
{
    QFETCH(quint32, fond);
    QFETCH(quint32, statut);
    const quint32 c = ctl::couleurDistincte(statut, fond);
    QVERIFY2(ctl::distinctes(c, fond), qPrintable(QString::number(c, 16)));
    if (ctl::distinctes(statut, fond) || fond == options::couleurDefaut)
        QCOMPARE(c, statut);
}

void TestTraining::tirageEntierDansSaBoite_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("designee");
    QTest::addColumn<bool>("reduite");
    QTest::addRow("liste longue") << "AEINRST - NITRATES RETINAS" << 14.25 << true;
    QTest::addRow("au-delà de tout") << QString(200, u'W') << 12.0 << true;
}

void TestTraining::tirageEntierDansSaBoite()
{
    QFETCH(QString, texte);
    QFETCH(double, designee);
    QLineEdit boite;
    boite.setFont(ctl::police(QStringLiteral("Times New Roman"), designee));
    boite.resize(ctl::twips(2820), ctl::twips(555));
    boite.setText(texte);
    QTEST(ctl::ajusterAuTexte(&boite, designee), "reduite");
    const auto largeur = [&](double points) {
        QFont f = boite.font();
        f.setPointSizeF(points);
        return QFontMetricsF(f, &boite).horizontalAdvance(texte);
    };
    const double t = boite.font().pointSizeF();
    QVERIFY(t == ctl::pointsMinimum || largeur(t) <= ctl::largeurUtile(&boite));
    QVERIFY(t == designee || largeur(t + 0.25) > ctl::largeurUtile(&boite));
    boite.setText(QStringLiteral("AEINRST"));  // the designed size comes back
    QVERIFY(!ctl::ajusterAuTexte(&boite, designee));
    QCOMPARE(boite.font().pointSizeF(), designee);
}

QTEST_MAIN(TestTraining)
#include "test_training.moc"
