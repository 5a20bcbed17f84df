// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/carnet.h"
#include "revision/fsrs.h"
#include "revision/instantane.h"
#include "revision/journal.h"
#include "revision/memoire.h"
#include "revision/tableau.h"
#include "data/parametres.h"

#include <QDir>
#include <QLabel>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace revision;

namespace {

const QDate jour0(2026, 3, 2);
const QDateTime midi(jour0, QTime(12, 0));

// "F" a find, "M" a miss, each with its day after jour0: "0F 2F 13F".
QList<std::pair<int, bool>> sequence(const QString& texte)
{
    QList<std::pair<int, bool>> s;
    for (const QString& pas : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        s.append({pas.chopped(1).toInt(), pas.endsWith(QLatin1Char('F'))});
    return s;
}

QByteArray fichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray ligne(const char* date, bool trouve, const char* cle, const char* titre = "Base")
{
    return QByteArray(date) + (trouve ? "\t1\t0\t" : "\t0\t0\t") + titre + '\t' + cle + "\r\n";
}

}  // namespace

class TestRevision : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modele_data();
    void modele();
    void retention_data();
    void retention();
    void fileDuJour();
    void journal_data();
    void journal();
    void ajoutsSuccessifs();
    void memoire();
    void instantane();
    void reglages_data();
    void reglages();
    void statistiques();
};

// Stability, difficulty and next interval at 90 %, worked out by hand from the published formulas
// and default weights.
void TestRevision::modele_data()
{
    QTest::addColumn<QString>("reponses");
    QTest::addColumn<double>("stabilite");
    QTest::addColumn<double>("difficulte");
    QTest::addColumn<int>("intervalle");
    QTest::addRow("first find") << "0F" << 2.3065 << 2.1181 << 2;
    QTest::addRow("first miss") << "0M" << 0.212 << 6.4133 << 1;
    QTest::addRow("find-find") << "0F 2F" << 10.9643 << 2.1170 << 11;
    QTest::addRow("find-find-find") << "0F 2F 13F" << 46.2573 << 2.1159 << 46;
    QTest::addRow("find-miss-find") << "0F 2M 3F" << 2.3975 << 7.3939 << 2;
    QTest::addRow("find-miss") << "0F 2M" << 0.6076 << 7.4003 << 1;
    // Same day: only the first answer counts for the long term.
    QTest::addRow("miss then find the same day") << "0M 0F" << 0.2467 << 6.4079 << 1;
    QTest::addRow("three finds the same day") << "0F 0F 0F" << 2.2820 << 2.1159 << 2;
}

void TestRevision::modele()
{
    QFETCH(QString, reponses);
    QFETCH(double, stabilite);
    QFETCH(double, difficulte);
    QFETCH(int, intervalle);
    Carnet c;
    for (const auto& [jour, trouve] : sequence(reponses))
        c.noter(QStringLiteral("AEINRST"), QStringLiteral("NITREAS"), false, QStringLiteral("B"), jourDe(jour0) + jour,
                trouve);
    const Tirage& t = c.tirages().constFirst();
    QVERIFY2(qAbs(t.etat.stabilite - stabilite) < 5e-4, qPrintable(QString::number(t.etat.stabilite)));
    QVERIFY2(qAbs(t.etat.difficulte - difficulte) < 5e-4, qPrintable(QString::number(t.etat.difficulte)));
    QCOMPARE(c.modele().intervalle(0.9, t.etat.stabilite), intervalle);
    // A miss is due at once, a find after the interval.
    QCOMPARE(c.echeance(t), t.dernierJour + (t.manque ? 0 : intervalle));
}

void TestRevision::retention_data()
{
    QTest::addColumn<double>("retention");
    QTest::addColumn<int>("apresPremiere");
    QTest::addColumn<int>("apresDeuxieme");
    QTest::addRow("80 %") << 0.80 << 8 << 36;
    QTest::addRow("90 %") << 0.90 << 2 << 11;
    QTest::addRow("97 %") << 0.97 << 1 << 2;
}

void TestRevision::retention()
{
    QFETCH(double, retention);
    QFETCH(int, apresPremiere);
    QFETCH(int, apresDeuxieme);
    const Modele m;
    QCOMPARE(m.intervalle(retention, 2.3065), apresPremiere);
    QCOMPARE(m.intervalle(retention, 10.9643), apresDeuxieme);
    // Recall after S days is 90 % whatever S.
    QVERIFY(qAbs(m.retrievabilite(10.9643, 10.9643) - 0.9) < 1e-9);
    QCOMPARE(m.retrievabilite(0, 3), 1.0);
}

void TestRevision::fileDuJour()
{
    Carnet c;
    const Jour j = jourDe(jour0);
    // Met over the last days: found once ten days ago (overdue), found once two days ago (due
    // today), missed yesterday, found today (due later), found twice (not due).
    c.noter("RETARD", "A", false, "B", j - 10, true);
    c.noter("JUSTE", "A", false, "B", j - 2, true);
    c.noter("AUTRE", "A", false, "B", j - 2, true);
    c.noter("RATE", "A", true, "Rallonges", j - 1, false);
    c.noter("NEUF", "A", false, "B", j, true);
    c.noter("SUR", "A", false, "B", j - 3, true);
    c.noter("SUR", "A", false, "B", j - 1, true);
    auto noms = [&](const FileDuJour& f) {
        QStringList l;
        for (qsizetype i : f.tirages)
            l << c.tirages()[i].tirage;
        return l.join(QLatin1Char(' '));
    };
    // Missed and overdue first, the least well remembered first within each group.
    QCOMPARE(noms(c.fileDuJour(j, 200)), QStringLiteral("RATE RETARD JUSTE AUTRE"));
    QCOMPARE(c.dus(j), 4);
    const FileDuJour plafonnee = c.fileDuJour(j, 3);
    QCOMPARE(noms(plafonnee), QStringLiteral("RATE RETARD JUSTE"));
    QCOMPARE(plafonnee.enPlus, 1);
    QCOMPARE(ligneResume(plafonnee.enPlus, 4, 0, j), QStringLiteral("1 de plus demain"));
    // Nothing due today: the menu says when.
    Carnet vide;
    vide.noter("NEUF", "A", false, "B", j, true);
    QCOMPARE(vide.dus(j), 0);
    QCOMPARE(vide.prochaineEcheance(j), j + 2);
    QCOMPARE(ligneResume(0, 0, j + 1, j), QStringLiteral("Prochains tirages à revoir demain"));
    QCOMPARE(ligneResume(0, 0, jourDe(QDate(2026, 3, 4)), j), QStringLiteral("Prochains tirages à revoir le 4 mars"));
    QCOMPARE(ligneResume(0, 0, 0, j), QString());
}

void TestRevision::journal_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("lues");
    QTest::addColumn<int>("illisibles");
    QTest::addColumn<bool>("coupee");
    QTest::addColumn<QString>("etats");  // rack:answers:missed, in the order met
    const QByteArray e = "# Lexidor réponses 1\r\n";
    const QByteArray a = ligne("2026-03-01T10:00:00", false, "AB;BA");
    const QByteArray b = ligne("2026-03-02T09:00:00", true, "AB;BA");
    const QByteArray c = ligne("2026-03-02T09:00:01", true, "CD;DC;CD\tX");
    QTest::addRow("clean") << e + a + b + c << 3 << 0 << false << "AB:2:0 CD:1:0";
    QTest::addRow("LF only") << QByteArray(e + a + b).replace("\r\n", "\n") << 2 << 0 << false << "AB:2:0";
    QTest::addRow("torn last line") << e + a + b.left(30) << 1 << 0 << true << "AB:1:1";
    QTest::addRow("damaged lines") << e + a + "garbage\r\n" + ligne("2026-02-30T09:00:00", true, "AB;BA") +
                                          ligne("2026-03-02T09:00:00", true, "sans point-virgule") + b
                                   << 2 << 3 << false << "AB:2:0";
    QTest::addRow("second header") << e + a + e + b << 2 << 0 << false << "AB:2:0";
    QTest::addRow("header only") << e << 0 << 0 << false << "";
    QTest::addRow("foreign") << QByteArray("# Lexidor historique 1\r\n") + a << 0 << 0 << false << "";
    // A clock set back: an answer from the future counts as today's.
    QTest::addRow("future") << e + ligne("2031-01-01T10:00:00", false, "AB;BA") << 1 << 0 << false << "AB:1:1";
}

void TestRevision::journal()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, lues);
    QFETCH(int, illisibles);
    QFETCH(bool, coupee);
    QFETCH(QString, etats);
    Carnet c;
    const LectureJournal l = analyserJournal(contenu, c, jourDe(jour0));
    QCOMPARE(l.ok(), !contenu.startsWith("# Lexidor historique"));
    QCOMPARE(l.lues, lues);
    QCOMPARE(l.illisibles, illisibles);
    QCOMPARE(l.coupee, coupee);
    QStringList vus;
    for (const Tirage& t : c.tirages()) {
        vus << QStringLiteral("%1:%2:%3").arg(t.tirage).arg(t.reponses).arg(int(t.manque));
        QVERIFY(t.dernierJour <= jourDe(jour0));
    }
    QCOMPARE(vus.join(QLatin1Char(' ')), etats);
    if (illisibles > 0) {
        // What is written back holds exactly the readable lines.
        Carnet relu;
        const LectureJournal l2 = analyserJournal(l.propre, relu, jourDe(jour0));
        QCOMPARE(l2.lues, lues);
        QCOMPARE(l2.illisibles, 0);
    }
}

void TestRevision::ajoutsSuccessifs()
{
    QTemporaryDir d;
    const QString chemin = d.filePath(QStringLiteral("progression/reponses.txt"));
    Reponse r{midi, true, true, QStringLiteral("Rallonges\tavant"), QStringLiteral("AB"), QStringLiteral("BA;X")};
    QCOMPARE(ajouterAuJournal(chemin, {r}), QString());
    // A torn line left by a killed program is cut away, not glued to the next answer.
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::Append));
    f.write("2026-03-02T12:00");
    f.close();
    r.trouve = false;
    QCOMPARE(ajouterAuJournal(chemin, {r, r}), QString());
    Carnet c;
    const LectureJournal l = lireJournal(chemin, c, jourDe(jour0));
    QCOMPARE(l.lues, 3);
    QCOMPARE(l.illisibles, 0);
    QVERIFY(!l.coupee);
    QCOMPARE(c.taille(), 1);
    QCOMPARE(c.tirages()[0].titre, QStringLiteral("Rallonges avant"));
    QVERIFY(c.tirages()[0].rallonge);
    QCOMPARE(c.tirages()[0].solutions, QStringLiteral("BA;X"));
    QVERIFY(fichier(chemin).startsWith("# Lexidor réponses 1\r\n2026-03-02T12:00:00\t1\t1\t"));
}

// The whole road: answers noted at corrections, the box imported, a damaged journal set aside,
// another window's answers seen.
void TestRevision::memoire()
{
    QTemporaryDir d;
    QDateTime maintenant = midi;
    Memoire m(d.path());
    m.utiliserHorloge([&] { return maintenant; });
    QSignalSpy problemes(&m, &Memoire::probleme);

    progres::Revisions boite;
    boite.noter({{"VIEUX", "X", false}}, true, QStringLiteral("Rallonges"), jour0.addDays(-40));
    boite.noter({{"RATE", "R", false}}, false, QStringLiteral("Base"), jour0);
    m.importer(boite);
    m.noter({{"RATE", "R", true}, {"NOUVEAU", "N", false}, {"BON", "B", true}}, false, QStringLiteral("Base"), false,
            maintenant);
    // A missed rack is in today's queue at once; the box's racks come over as missed.
    auto resume = m.resume();
    QCOMPARE(resume.nombre, 2);
    const FileDuJour f = m.fileDuJour();
    auto jouee = m.commeBoite(f);
    QCOMPARE(jouee->taille(), 2);
    QVERIFY(jouee->contient("VIEUX", "X"));
    QVERIFY(jouee->contient("NOUVEAU", "N"));
    QVERIFY(jouee->origine("VIEUX", "X")->rallonge);
    QCOMPARE(jouee->origine("VIEUX", "X")->titre, QStringLiteral("Rallonges"));

    // Played from the queue: each rack keeps its own base in the journal.
    m.noter({{"VIEUX", "X", true}, {"NOUVEAU", "N", true}}, false, titreFileDuJour, true, maintenant);
    QCOMPARE(m.resume().nombre, 0);
    QCOMPARE(m.resume().ligne, QStringLiteral("Prochains tirages à revoir demain"));
    {
        Memoire autre(d.path());
        autre.utiliserHorloge([&] { return maintenant; });
        const Carnet& c = autre.carnet();
        QCOMPARE(c.taille(), 4);
        const Tirage& vieux = c.tirages()[c.chercher("VIEUX", "X")];
        QVERIFY(vieux.rallonge);
        QCOMPARE(vieux.titre, QStringLiteral("Rallonges"));
        // Another window answers: this one sees it.
        autre.noter({{"AUTRE", "A", false}}, false, QStringLiteral("Base"), false, maintenant);
    }
    QCOMPARE(m.resume().nombre, 1);
    // Read again from the journal: the box dates RATE by the same day as its find there. Its miss
    // is put before the journal, and the find counts as a review, not as a same-day repeat.
    const Tirage& rate = m.carnet().tirages()[m.carnet().chercher("RATE", "R")];
    QCOMPARE(rate.reponses, 2);
    QVERIFY(rate.etat.stabilite > 1.0);
    // Two days on, the finds of today are due; the menu is told once that the day has turned.
    QSignalSpy jourTourne(&m, &Memoire::changee);
    m.suivreLeJour();
    maintenant = maintenant.addDays(2);
    m.suivreLeJour();
    m.suivreLeJour();
    QCOMPARE(jourTourne.size(), 1);
    QCOMPARE(m.resume().nombre, 4);
    m.suivreLeJour();
    QCOMPARE(jourTourne.size(), 1);
    QCOMPARE(problemes.size(), 0);

    // A damaged line: the rest is kept, the file is set aside, the player is told.
    QFile j(m.cheminJournal());
    QVERIFY(j.open(QIODevice::Append));
    j.write("n'importe quoi\r\n");
    j.close();
    QCOMPARE(m.resume().nombre, 4);
    QCOMPARE(problemes.size(), 1);
    QVERIFY(problemes[0][0].toString().contains(QStringLiteral("1 ligne(s) sur 7")));
    QVERIFY(QFile::exists(m.cheminJournal() + QStringLiteral(".illisible")));
    Carnet relu;
    QCOMPARE(lireJournal(m.cheminJournal(), relu, jourDe(jour0)).illisibles, 0);

    // Turned off: nothing is written.
    m.activer(false);
    const QByteArray avant = fichier(m.cheminJournal());
    m.noter({{"RATE", "R", false}}, false, QStringLiteral("Base"), false, maintenant);
    QCOMPARE(fichier(m.cheminJournal()), avant);
}

// A saved state of the notebook spares a long replay, and gives exactly what the replay gives.
void TestRevision::instantane()
{
    QTemporaryDir d;
    QDateTime maintenant = midi;
    const auto memoireA = [&] {
        auto m = std::make_unique<Memoire>(d.path());
        m->utiliserHorloge([&] { return maintenant; });
        return m;
    };
    const auto serie = [](int debut) {
        QList<progres::Resultat> s;
        for (int i = debut; i < debut + 30; ++i)
            s.append({QStringLiteral("T%1").arg(i % 70), QStringLiteral("S\t%1").arg(i % 70), i % 7 != 0});
        return s;
    };
    {
        auto m = memoireA();
        for (int k = 0; k < 40; ++k) {
            maintenant = midi.addDays(k / 4);
            m->noter(serie(k * 30), k % 3 == 0, QStringLiteral("Base %1").arg(k % 3), false, maintenant);
        }
    }
    QVERIFY(!QFile::exists(d.filePath(fichierInstantane)));
    const auto comparer = [&](const Carnet& a) {
        Carnet b(0.9);
        QCOMPARE(lireJournal(d.filePath(fichierJournal), b, jourDe(maintenant.date())).illisibles, 0);
        QCOMPARE(a.taille(), b.taille());
        for (qsizetype i = 0; i < a.taille(); ++i) {
            const Tirage& x = a.tirages()[i];
            const Tirage& y = b.tirages()[b.chercher(x.tirage, x.solutions)];
            QCOMPARE(x.etat.stabilite, y.etat.stabilite);
            QCOMPARE(x.etat.difficulte, y.etat.difficulte);
            QCOMPARE(x.dernierJour, y.dernierJour);
            QCOMPARE(x.manque, y.manque);
            QCOMPARE(x.titre, y.titre);
        }
        QCOMPARE(a.bilan(0).dues, b.bilan(0).dues);
    };
    memoireA()->carnet();  // 1,200 answers replayed: the state is saved
    QVERIFY(QFile::exists(d.filePath(fichierInstantane)));
    {
        auto m = memoireA();
        maintenant = maintenant.addDays(1);
        m->noter(serie(7), false, QStringLiteral("Base 9"), false, maintenant);
    }
    comparer(memoireA()->carnet());
    // A saved state that does not match the journal any more is not used.
    Carnet etat;
    Couverture cv;
    QVERIFY(lireInstantane(d.filePath(fichierInstantane), etat, cv));
    QFile j(d.filePath(fichierJournal));
    QVERIFY(j.open(QIODevice::ReadWrite));
    j.seek(cv.octets - 3);
    j.write("0\tZ");
    j.close();
    comparer(memoireA()->carnet());
}

void TestRevision::reglages_data()
{
    QTest::addColumn<QByteArray>("fin");  // after the six usual lines
    QTest::addColumn<int>("retention");
    QTest::addColumn<int>("parJour");
    QTest::addColumn<bool>("memoriser");
    QTest::addRow("none") << QByteArray() << 90 << 200 << true;
    QTest::addRow("both") << QByteArray("retention=85\r\nparjour=50\r\n") << 85 << 50 << true;
    QTest::addRow("with memoriser") << QByteArray("memoriser=0\r\nparjour=9999\r\n") << 90 << 9999 << false;
    QTest::addRow("out of range") << QByteArray("retention=99\r\nparjour=0\r\n") << 90 << 200 << true;
    QTest::addRow("garbled") << QByteArray("retention=8x\r\nparjour=\r\n") << 90 << 200 << true;
}

void TestRevision::reglages()
{
    QFETCH(QByteArray, fin);
    QFETCH(int, retention);
    QFETCH(int, parJour);
    QFETCH(bool, memoriser);
    const data::LectureParametres l = data::analyserParametres("95\r\n80\r\n5\r\n5\r\n1\r\nVert\r\n" + fin);
    QCOMPARE(l.valeurs.retention, retention);
    QCOMPARE(l.valeurs.parJour, parJour);
    QCOMPARE(l.valeurs.memoriser, memoriser);
    QCOMPARE(l.valeurs.couleur, QStringLiteral("Vert"));
    // Written back, only what differs from the defaults takes a line.
    QTemporaryDir d;
    const QString chemin = d.filePath(QStringLiteral("settings.dat"));
    QCOMPARE(data::ecrireParametres(l.valeurs, chemin), QString());
    const QByteArray ecrit = fichier(chemin);
    QCOMPARE(ecrit.count('\n'), 6 + int(!memoriser) + int(retention != 90) + int(parJour != 200));
    QCOMPARE(data::lireParametres(chemin).valeurs.retention, retention);
    QCOMPARE(data::lireParametres(chemin).valeurs.parJour, parJour);
}

void TestRevision::statistiques()
{
    Carnet c;
    const Jour j = jourDe(jour0);
    c.noter("A", "A", false, "B", j - 40, true);  // first met: never a due review
    c.noter("A", "A", false, "B", j - 35, true);  // due, but too long ago
    c.noter("A", "A", false, "B", j - 5, true);   // due, found
    c.noter("B", "B", false, "B", j - 3, true);
    c.noter("B", "B", false, "B", j - 1, false);  // due, missed
    c.noter("B", "B", false, "B", j - 1, true);   // same day: not a second review
    c.noter("C", "C", false, "B", j, true);
    const Chiffres ch = chiffres(c, j);
    QCOMPARE(ch.bilan.dues, 2);
    QCOMPARE(ch.bilan.trouvees, 1);
    QCOMPARE(ch.dus, 1);     // B, found only the same day as its miss
    QCOMPARE(ch.connus, 2);  // A and C
    QCOMPARE(ch.aVenir.size(), 30);
    QCOMPARE(ch.aVenir[1], 1);  // C, two days on
    QCOMPARE(texteBilan(ch), QStringLiteral("Trouvés à l'échéance sur 30 jours : 50 % de 2 (visé : 90 %)"));
    TableauRevisions t;
    t.afficher(ch);
    QCOMPARE(t.connus->text(), QStringLiteral("Tirages connus : 2"));
    QCOMPARE(t.dus->text(), QStringLiteral("À revoir aujourd'hui : 1"));
    QCOMPARE(t.barres->accessibleDescription(), QStringLiteral("dans 2 j : 1"));
    t.resize(600, 160);
    if (const QString captures = qEnvironmentVariable("LEXIDOR_CAPTURES"); !captures.isEmpty())
        t.grab().save(captures + QStringLiteral("/statistiques-revisions.png"));
}

QTEST_MAIN(TestRevision)
#include "test_revision.moc"
