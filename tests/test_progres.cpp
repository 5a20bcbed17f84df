// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/parametres.h"
#include "progres/courbe.h"
#include "progres/depot.h"
#include "progres/fichiers.h"
#include "progres/statistiques.h"
#include "progres/suivi.h"
#include "support/fenetres.h"
#include "support/installation.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "app/signaux.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "training/form1.h"

#include <QRegularExpression>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace progres;
using entrainement::Critere;
using entrainement::Partie;

namespace {

QList<data::LigneBase> baseDe(int n)
{
    QList<data::LigneBase> b;
    for (int i = 0; i < n; ++i)
        b.append({QStringLiteral("T%1").arg(i), QStringLiteral("S%1;X").arg(i)});
    return b;
}

// Plays `series` series of a base of n racks, missing row s of series s.
Partie partieJouee(int n, int series)
{
    Partie p;
    AleatoireZero a;
    p.charger(baseDe(n), 0, a);
    for (int s = 0; s < series; ++s) {
        p.tirerserie(a);
        QList<entrainement::LigneACorriger> l;
        for (int j = 0; j <= p.derniere(); ++j)
            l.append({j == s ? QStringLiteral("FAUX") : *p.solutionsDeLigne(j), *p.tirageDeLigne(j)});
        p.corrigerserie(l, Critere::Reussites, 2, false);
    }
    p.tempstotal = 754;
    return p;
}

Seance seance(const QString& titre, double score, int jour)
{
    return {QDateTime(QDate(2026, 11, jour), QTime(20, 15), Qt::UTC), Genre::Base, titre,
            QStringLiteral("listes\\x.txt"), score, 120, 9, 1800};
}

// A child that saves two alternating progressions without end, until it is killed.
int ecrireEnBoucle(const QString& chemin)
{
    const Progression a = instantane(partieJouee(300, 1), QStringLiteral("listes\\a.txt"), false, "aa",
                                     Critere::Reussites, 2);
    const Progression b = instantane(partieJouee(300, 4), QStringLiteral("listes\\a.txt"), false, "aa",
                                     Critere::Reussites, 2);
    for (quint64 i = 0;; ++i)
        if (!ecrireProgression(chemin, i % 2 ? a : b).isEmpty())
            return 1;
}

const DebutPartie debutSept{QStringLiteral("listes\\7L.txt"), false, false, QStringLiteral("7 LETTRES"), false};

// Corrects the next series of a run as the training window does, the first row missed if asked.
bool corrigerSerie(Partie& p, SuiviPartie& suivi, AleatoireZero& a, bool rater)
{
    p.tirerserie(a);
    suivi.avantCorrection(p);
    QList<entrainement::LigneACorriger> l;
    for (int j = 0; j <= p.derniere(); ++j)
        l.append({rater && j == 0 ? QString() : *p.solutionsDeLigne(j), *p.tirageDeLigne(j)});
    const auto c = p.corrigerserie(l, Critere::Reussites, 1, false);
    suivi.apresCorrection(p, c, Critere::Reussites, 1);
    return c.finie;
}

// A window of the program in the folder `dossier`: it reads the review box, says so, then misses
// `series` racks of its own, one per series, and finishes one base, when its parent says to.
int boiteEnfant(const QString& dossier, const QString& prefixe, int series)
{
    Depot depot(dossier);
    depot.revisions();
    std::fputs("pret\n", stdout);
    std::fflush(stdout);
    char ligne[8];
    if (!std::fgets(ligne, sizeof ligne, stdin))
        return 1;
    for (int i = 0; i < series; ++i)
        depot.noterSerie({{prefixe + QString::number(i), QStringLiteral("S"), false}}, false, prefixe, QDate(2026, 12, 1));
    depot.noterSeance(seance(prefixe, 50, 1));
    depot.attendre();
    return 0;
}

// Plays one base without end: each run is corrected once, left, resumed and finished. The number
// of a run (its time, in seconds) is printed once its leaving is on the disk.
int jouerEnBoucle(const QString& dossier, int premiere)
{
    Depot depot(dossier);
    SuiviPartie suivi(&depot);
    AleatoireZero a;
    const auto lignes = baseDe(40);
    for (int n = premiere;; ++n) {
        Partie p;
        QString m;
        p.charger(lignes, 0, a);
        if (suivi.commencer(debutSept, lignes, m))
            suivi.recommencer();  // left by a player killed before: the parent has checked it
        p.tempstotal = n;
        corrigerSerie(p, suivi, a, true);
        suivi.quitter(p, Critere::Reussites, 1);
        depot.attendre();
        std::printf("%d\n", n);
        std::fflush(stdout);
        p = Partie();
        p.charger(lignes, 0, a);
        const auto offre = suivi.commencer(debutSept, lignes, m);
        if (!offre) {
            std::fputs(qPrintable(m), stderr);
            return 3;
        }
        suivi.reprendre(*offre, p);
        while (!corrigerSerie(p, suivi, a, false)) {}
    }
}

}  // namespace

class TestProgres : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void repriseAllerRetour();
    void suiviDUnePartie_data();
    void suiviDUnePartie();
    void empreinte_data();
    void empreinte();
    void fichiersAbimes_data();
    void fichiersAbimes();
    void tueePendantUnEnregistrement();
    void leitner_data();
    void leitner();
    void historique();
    void ligneHistorique_data();
    void ligneHistorique();
    void rienEcritQuandInactif();
    void fenetreStatistiques();
    void reglageMemoriser_data();
    void reglageMemoriser();
    void repriseDansLesFenetres_data();
    void repriseDansLesFenetres();
    void cleDeBase_data();
    void cleDeBase();
    void deuxFenetres_data();
    void deuxFenetres();
    void tueeEnJouant();
    void echecsRepetes();
    void optionRallumee();
};

void TestProgres::repriseAllerRetour()
{
    InstallationTest inst;
    Partie avant = partieJouee(95, 3);
    QVERIFY(avant.nbrestants > 0 && avant.nbrestants < 95 && avant.nbrates > 1);
    Depot depot;
    depot.sauver(instantane(avant, QStringLiteral("listes\\7L_a.txt"), false, "abc", Critere::Temps, 4));
    // A later change to the run does not reach the copy already handed over.
    avant.tiragesbase[0] = QStringLiteral("CHANGE");
    depot.attendre();
    avant.tiragesbase[0] = QStringLiteral("T1");

    const LectureProgression lu = depot.progression(QStringLiteral("listes\\7L_a.txt"), false);
    QVERIFY2(lu.ok() && !lu.absente, qPrintable(lu.erreur));
    QCOMPARE(lu.progression.critere, Critere::Temps);
    QCOMPARE(lu.progression.seuil, 4);
    QVERIFY(depot.progression(QStringLiteral("listes\\7L_a.txt"), true).absente);

    Partie apres;
    restaurer(lu.progression, apres);
    QCOMPARE(apres.nbrestants, avant.nbrestants);
    QCOMPARE(apres.nbinitial, 95);
    QCOMPARE(apres.tiragesbase, avant.tiragesbase.mid(0, avant.nbrestants));
    QCOMPARE(apres.solutionsbase, avant.solutionsbase.mid(0, avant.nbrestants));
    QCOMPARE(apres.reussites.mid(0, apres.nbrestants), avant.reussites.mid(0, avant.nbrestants));
    QCOMPARE(apres.motsrates, avant.motsrates);
    QCOMPARE(apres.nbrates, avant.nbrates);
    QCOMPARE(apres.compteurseries, 3);
    QCOMPARE(apres.tempstotal, 754);

    depot.oublier(QStringLiteral("listes\\7L_a.txt"), false);
    depot.attendre();
    QVERIFY(depot.progression(QStringLiteral("listes\\7L_a.txt"), false).absente);
}

void TestProgres::suiviDUnePartie_data()
{
    // c: a series corrected with its first row missed; f: series answered right to the end of the
    // base; q: leave; L: launch the base again; R: "Reprendre"; X: "Recommencer la base";
    // *: the base file changes; T: the launch is a test of another size, under another title. Then
    // what the last launch offers (-1 nothing).
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("offre");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("seances");
    QTest::addRow("quitté après une série") << "cqL" << 66 << false << 0;
    QTest::addRow("quitté sans rien corriger") << "qL" << -1 << false << 0;
    QTest::addRow("base finie") << "cfL" << -1 << false << 1;
    QTest::addRow("base modifiée entre-temps") << "cq*L" << -1 << true << 0;
    QTest::addRow("offre ignorée: la sauvegarde reste") << "cqLqL" << 66 << false << 0;
    QTest::addRow("offre ignorée puis deux séries: la nouvelle partie est gardée") << "cqLccqL" << 37 << false << 0;
    QTest::addRow("reprise d'un test: son propre titre") << "cqTLRfL" << -1 << false << 1;
    QTest::addRow("reprise puis une série") << "cqLRcqL" << 37 << false << 0;
    QTest::addRow("reprise jusqu'au bout") << "cqLRfL" << -1 << false << 1;
    QTest::addRow("recommencer la base") << "cqLXL" << -1 << false << 0;
    QTest::addRow("recommencer puis une série") << "cqLXcqL" << 66 << false << 0;
}

void TestProgres::suiviDUnePartie()
{
    QFETCH(QString, actions);
    QFETCH(int, offre);
    QFETCH(bool, message);
    QFETCH(int, seances);
    InstallationTest inst;
    Depot depot;
    SuiviPartie suivi(&depot);
    AleatoireZero a;
    QList<data::LigneBase> lignes = baseDe(95);
    DebutPartie debut = debutSept;
    Partie p;
    std::optional<Progression> proposee;
    QString texte;
    const auto lancer = [&] {
        p = Partie();
        p.charger(lignes, 0, a);
        texte.clear();
        proposee = suivi.commencer(debut, lignes, texte);
    };
    lancer();
    for (QChar action : actions) {
        switch (action.unicode()) {
        case 'c': corrigerSerie(p, suivi, a, true); break;
        case 'f': while (!corrigerSerie(p, suivi, a, false)) {} break;
        case 'q': suivi.quitter(p, Critere::Reussites, 1); break;
        case 'L': depot.attendre(); lancer(); break;
        case 'R': suivi.reprendre(*proposee, p); break;
        case 'X': suivi.recommencer(); break;
        case '*': lignes[3].solutions += QLatin1Char('S'); break;
        case 'T': debut.titre = QStringLiteral("TEST SUR 30 MOTS"); break;
        }
    }
    QCOMPARE(proposee ? proposee->nbrestants : -1, offre);
    QCOMPARE(!texte.isEmpty(), message);
    const Historique h = depot.historique();
    QCOMPARE(h.seances.size(), seances);
    if (seances > 0)
        QCOMPARE(h.seances.constLast().titre, QStringLiteral("7 LETTRES"));
    // The rack missed went to the review box.
    QCOMPARE(depot.revisions().taille(), actions.count(QLatin1Char('c')) ? 1 : 0);
    // A run that no longer fits its base is kept aside, not overwritten.
    QCOMPARE(QDir(inst.chemin(dossierProgression)).entryList({u"*.illisible*"_qs}).size(), message ? 1 : 0);
}

void TestProgres::empreinte_data()
{
    QTest::addColumn<QList<data::LigneBase>>("autre");
    QTest::addColumn<bool>("meme");
    // Saved progress holds it: the same lines must keep giving these very bytes.
    QTest::addColumn<QByteArray>("attendue");
    const auto b = baseDe(5);
    QTest::addRow("mêmes lignes") << b << true << QByteArray("d249144a1bb535658d7c057d96a3bd1a8214c48f");
    auto l = b;
    l[2].solutions = QStringLiteral("S2;Y");
    QTest::addRow("une solution changée") << l << false << QByteArray();
    l = b;
    l.swapItemsAt(0, 1);
    QTest::addRow("deux lignes échangées") << l << false << QByteArray();
    QTest::addRow("une ligne en moins") << b.mid(0, 4) << false << QByteArray();
    QTest::addRow("une ligne ajoutée") << baseDe(6) << false << QByteArray();
    QTest::addRow("accents et hors du plan de base")
        << QList<data::LigneBase>{{u"AEÉRST"_qs, u"ÉTRASE;ÉTRÉSA"_qs}, {u"EEÉ"_qs, u"ÉÉE ⁂ 🂡"_qs}, {u"ABC"_qs, QString()}}
        << false << QByteArray("91f97e47ce1becf774b4da2e00457cf153301bc3");
    QTest::addRow("base vide") << QList<data::LigneBase>{} << false << QByteArray("da39a3ee5e6b4b0d3255bfef95601890afd80709");
    const data::LigneBase longue{QString(40000, u'A') + u'É', QString(3000, u'B')};
    QTest::addRow("lignes plus longues que le tampon") << QList<data::LigneBase>{longue, longue, longue} << false
                                                      << QByteArray("22446981cc733ac6a6fe09a3b7eb7932176bf2df");
}

void TestProgres::empreinte()
{
    QFETCH(QList<data::LigneBase>, autre);
    QFETCH(bool, meme);
    QFETCH(QByteArray, attendue);
    QCOMPARE(progres::empreinte(autre) == progres::empreinte(baseDe(5)), meme);
    if (!attendue.isEmpty())
        QCOMPARE(progres::empreinte(autre), attendue);
}

void TestProgres::fichiersAbimes_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("gardees");  // runs or racks still there after the damage was found
    const QByteArray p = "# Lexidor progression 1\r\nbase\tlistes\\a.txt\r\ntest\t0\r\nempreinte\tab\r\n"
                         "critere\treussites\r\nseuil\t2\r\ninitial\t3\r\nfautes\t0\r\nseries\t1\r\ntemps\t9\r\n";
    QTest::addRow("progression étrangère") << "progression/listes_a.txt" << QByteArray("95\r\n80\r\n5\r\n") << 0;
    QTest::addRow("progression coupée: ce qui se lit est gardé")
        << "progression/listes_a.txt" << p + "restants\t2\r\nT\t0\tA;B\r\nT\t0\tC;" << 1;
    QTest::addRow("progression plus de restants qu'au départ")
        << "progression/listes_a.txt" << p + "restants\t4\r\nT\t0\tA;B\r\nT\t0\tC;D\r\nT\t0\tE;F\r\nT\t0\tG;H\r\n" << 0;
    QTest::addRow("progression: réussites négatives") << "progression/listes_a.txt" << p + "restants\t1\r\nT\t-1\tA;B\r\n"
                                                      << 0;
    QTest::addRow("progression: tirage en double")
        << "progression/listes_a.txt" << p + "restants\t2\r\nT\t0\tA;B\r\nT\t1\tA;B\r\n" << 1;
    QTest::addRow("progression: tirage absent de la base")
        << "progression/listes_a.txt" << p + "restants\t2\r\nT\t0\tA;B\r\nT\t0\tX;Y\r\n" << 1;
    QTest::addRow("progression: seuil négatif")
        << "progression/listes_a.txt" << QByteArray(p).replace("seuil\t2", "seuil\t-5") + "restants\t1\r\nT\t0\tA;B\r\n" << 0;
    QTest::addRow("progression: seuil démesuré")
        << "progression/listes_a.txt" << QByteArray(p).replace("seuil\t2", "seuil\t2147483647") + "restants\t1\r\nT\t0\tA;B\r\n" << 0;
    QTest::addRow("progression: plus de tirages au départ que la base")
        << "progression/listes_a.txt" << QByteArray(p).replace("initial\t3", "initial\t9999999") + "restants\t1\r\nT\t0\tA;B\r\n" << 0;
    QTest::addRow("progression binaire") << "progression/listes_a.txt" << QByteArray("\x00\xff\xfe\x01", 4) << 0;
    QTest::addRow("révisions: date à venir")
        << "progression/revisions.txt" << QByteArray("# Lexidor révisions 1\r\n0\t2099-01-01\t0\tT\tABC;D\r\n1\t2026-11-02\t1\tR\t?AB;ST\r\n") << 1;
    QTest::addRow("révisions: une ligne abîmée")
        << "progression/revisions.txt"
        << QByteArray("# Lexidor révisions 1\r\n0\t-\t0\tT\tABC;D\r\nnimporte quoi\r\n1\t2026-11-02\t1\tR\t?AB;ST\r\n") << 2;
    QTest::addRow("révisions étrangères") << "progression/revisions.txt" << QByteArray("ABC;D\r\n") << 0;
    QTest::addRow("historique: une ligne abîmée")
        << "progression/historique.txt"
        << "# Lexidor historique 1\r\n" + versLigne(seance("A", 50, 1)).toUtf8() + "\r\n2026-13-45\tbase\r\n" << 2;
    QTest::addRow("historique: score hors bornes")
        << "progression/historique.txt"
        << "# Lexidor historique 1\r\n" + versLigne(seance("A", 50, 1)).toUtf8().replace("50.0", "150") + "\r\n" << 1;
    QTest::addRow("historique étranger") << "progression/historique.txt" << QByteArray("<html>\r\n") << 1;
}

// A damaged or foreign file is reported in French and kept aside byte for byte; what could be read
// goes on, and nothing crashes.
void TestProgres::fichiersAbimes()
{
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QFETCH(int, gardees);
    InstallationTest inst;
    inst.ecrire(fichier, contenu);
    Depot depot;
    QSignalSpy problemes(&depot, &Depot::probleme);
    int restes = 0;
    if (fichier.contains(QLatin1String("listes_a"))) {
        const QList<data::LigneBase> base{{u"A"_qs, u"B"_qs}, {u"C"_qs, u"D"_qs}, {u"E"_qs, u"F"_qs}};
        QString avertissement;
        const LectureProgression lu = depot.progression(QStringLiteral("listes\\a.txt"), false, &base, &avertissement);
        const QString texte = lu.ok() ? avertissement : lu.erreur;
        QVERIFY2(texte.contains(QStringLiteral(".illisible")), qPrintable(texte));
        restes = lu.ok() ? lu.progression.nbrestants : 0;
    } else if (fichier.contains(QLatin1String("revisions"))) {
        restes = int(depot.revisions().taille());
        QCOMPARE(problemes.size(), 1);
    } else {
        // At start-up the menu shows the newest line that reads, and nothing of a foreign file.
        const DerniersScores d = depot.derniersScores();
        QCOMPARE(d.derniere ? d.derniere->titre : QString(), gardees > 1 ? u"A"_qs : QString());
        depot.noterSeance(seance("B", 75, 3));
        depot.attendre();
        const Historique h = depot.historique();
        QTRY_COMPARE(problemes.size(), 1);
        QVERIFY(h.erreur.isEmpty());
        QCOMPARE(h.illisibles, 0);
        restes = int(h.seances.size());
        QCOMPARE(h.seances.constLast().titre, QStringLiteral("B"));
    }
    QCOMPARE(restes, gardees);
    QVERIFY(inst.lire(fichier + QStringLiteral(".illisible")).startsWith(contenu));
    for (const QVariant& m : problemes)
        QVERIFY2(m.toList().value(0).toString().contains(QStringLiteral("illisible")), "message sans le nom mis de côté");
    depot.attendre();
    if (gardees > 0 && fichier.contains(QLatin1String("revisions"))) {
        Depot relu;
        QCOMPARE(relu.revisions().taille(), gardees);
    }
}

void TestProgres::tueePendantUnEnregistrement()
{
    InstallationTest inst;
    const QString chemin = inst.chemin(QStringLiteral("progression/listes_a.txt"));
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QCOMPARE(ecrireProgression(chemin, instantane(partieJouee(300, 1), QStringLiteral("listes\\a.txt"), false, "aa",
                                                  Critere::Reussites, 2)),
             QString());
    for (int essai = 0; essai < 4; ++essai) {
        QProcess enfant;
        enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ecrire-en-boucle"), chemin});
        QVERIFY(enfant.waitForStarted());
        QTest::qWait(150 + 70 * essai);
        ::kill(pid_t(enfant.processId()), SIGKILL);
        QVERIFY(enfant.waitForFinished());
        QCOMPARE(enfant.exitStatus(), QProcess::CrashExit);
        const LectureProgression lu = lireProgression(chemin);
        QVERIFY2(lu.ok(), qPrintable(lu.erreur));
        QVERIFY(lu.progression.compteurseries == 1 || lu.progression.compteurseries == 4);
    }
}

void TestProgres::leitner_data()
{
    // Each step: day (from 1 December), '+' found or '-' missed; then the rack's state after them:
    // -1 out of the box, otherwise its count of separate days.
    QTest::addColumn<QString>("etapes");
    QTest::addColumn<int>("jours");
    QTest::addRow("raté une fois") << "1-" << 0;
    QTest::addRow("trouvé sans avoir été raté: jamais dans la boîte") << "1+ 2+" << -1;
    QTest::addRow("trouvé le jour même du raté: ne compte pas") << "1- 1+ 1+" << 0;
    QTest::addRow("trois jours différents: sort") << "1- 2+ 3+ 5+" << -1;
    QTest::addRow("trois fois le même jour: un seul jour") << "1- 2+ 2+ 2+" << 1;
    QTest::addRow("deux jours puis raté: repart de zéro") << "1- 2+ 3+ 4- 5+" << 1;
    QTest::addRow("raté à nouveau dans la boîte: une seule fois") << "1- 1- 2-" << 0;
    QTest::addRow("horloge reculée: ne compte pas") << "5- 4+" << 0;
}

void TestProgres::leitner()
{
    QFETCH(QString, etapes);
    QFETCH(int, jours);
    Revisions r;
    const QDate premier(2026, 12, 1);
    for (const QString& e : etapes.split(QLatin1Char(' '))) {
        const bool juste = e.endsWith(QLatin1Char('+'));
        // Another rack shares every series and stays missed, so the box is never empty.
        r.noter({{QStringLiteral("?ABC"), QStringLiteral("ST"), juste}, {QStringLiteral("XYZ"), QStringLiteral("W"), false}},
                true, QStringLiteral("Rallonges avant"), premier.addDays(e.chopped(1).toInt() - 1));
    }
    QCOMPARE(r.contient(QStringLiteral("?ABC"), QStringLiteral("ST")), jours >= 0);
    QCOMPARE(r.taille(), jours >= 0 ? 2 : 1);
    if (jours >= 0) {
        QCOMPARE(r.entrees().constFirst().jours, jours);
        QVERIFY(r.entrees().constFirst().rallonge);
        QCOMPARE(r.commeBase().constFirst(), (data::LigneBase{QStringLiteral("?ABC"), QStringLiteral("ST")}));
    }
    Revisions relue;
    QCOMPARE(relue.depuisLignes(r.versLignes()), QString());
    QCOMPARE(relue.entrees(), r.entrees());
}

// The numbers of a history line are read by hand when they are plain digits: any other spelling
// reads as Qt's readers read it, and a line keeps its eight fields, no more, no fewer.
void TestProgres::ligneHistorique_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("tirages");
    QTest::addColumn<int>("champsEnPlus");
    QTest::addColumn<bool>("lue");
    QTest::addRow("décimale") << "87.3" << "338" << 0 << true;
    QTest::addRow("entier, cent") << "100" << "0" << 0 << true;
    QTest::addRow("deux décimales") << "0.05" << "1" << 0 << true;
    QTest::addRow("six décimales") << "33.333333" << "1" << 0 << true;
    QTest::addRow("beaucoup de décimales") << "66.666666666666671" << "1" << 0 << true;
    QTest::addRow("signe plus") << "+5" << "+7" << 0 << true;
    QTest::addRow("exposant") << "1e1" << "7" << 0 << true;
    QTest::addRow("point final") << "50." << "7" << 0 << true;
    QTest::addRow("point seul") << "." << "7" << 0 << false;
    QTest::addRow("au-delà de cent") << "100.5" << "7" << 0 << false;
    QTest::addRow("négatif") << "-0.5" << "7" << 0 << false;
    QTest::addRow("tirages négatifs") << "50" << "-1" << 0 << false;
    QTest::addRow("tirages au-delà de 32 bits") << "50" << "2147483648" << 0 << false;
    QTest::addRow("tirages au maximum") << "50" << "2147483647" << 0 << true;
    QTest::addRow("champ vide") << "" << "7" << 0 << false;
    QTest::addRow("un champ de trop") << "50" << "7" << 1 << false;
    QTest::addRow("un champ de moins") << "50" << "7" << -1 << false;
    QTest::addRow("chiffres arabes") << "50" << "٣" << 0 << false;
    QTest::addRow("score de 40 caractères") << "50.000000000000000000000000000000000000001" << "7" << 0 << true;
    QTest::addRow("tirages hors ASCII") << "50" << "7 " << 0 << false;
}

void TestProgres::ligneHistorique()
{
    QFETCH(QString, score);
    QFETCH(QString, tirages);
    QFETCH(int, champsEnPlus);
    QFETCH(bool, lue);
    QStringList champs{u"2026-12-08T16:20:05Z"_qs, u"base"_qs, u"7 LETTRES"_qs, u"listes\\a.txt"_qs, score, tirages,
                       u"9"_qs, u"1800"_qs};
    if (champsEnPlus > 0)
        champs << u"0"_qs;
    else if (champsEnPlus < 0)
        champs.removeLast();
    const std::optional<Seance> s = depuisLigne(champs.join(QLatin1Char('\t')));
    QCOMPARE(bool(s), lue);
    // The history file says the same of the line, a title with accents and a byte order mark
    // kept as the whole file decoded gives them.
    InstallationTest inst;
    champs[2] = u"\uFEFF\uFEFFÉTÉ \U0001F0A1"_qs;
    inst.ecrire(QStringLiteral("h.txt"), (enteteHistorique + u"\r\n"_qs + champs.join(QLatin1Char('\t'))).toUtf8() + "\r\n");
    const Historique h = lireHistorique(inst.chemin(QStringLiteral("h.txt")));
    QCOMPARE(h.seances.size(), lue ? 1 : 0);
    QCOMPARE(h.illisibles, lue ? 0 : 1);
    if (!s)
        return;
    QCOMPARE(h.seances[0].titre, champs[2]);
    QCOMPARE(h.seances[0].score, s->score);
    QCOMPARE(h.seances[0].tirages, s->tirages);
    QCOMPARE(s->score, score.toDouble());
    QCOMPARE(s->tirages, tirages.toInt());
    QCOMPARE(s->date, QDateTime(QDate(2026, 12, 8), QTime(16, 20, 5), Qt::UTC));
    QCOMPARE(s->secondes, 1800);
}

void TestProgres::historique()
{
    InstallationTest inst;
    Depot depot;
    QVERIFY(depot.historique().seances.isEmpty());
    Seance tab = seance("Base\tà tabulation", 87.5, 2);
    tab.genre = Genre::Test;
    for (const Seance& s : {seance("7 LETTRES", 96.7, 1), tab, seance("7 LETTRES", 100, 3)})
        depot.noterSeance(s);
    const Historique h = depot.historique();
    QCOMPARE(h.seances.size(), 3);
    QCOMPARE(h.illisibles, 0);
    QCOMPARE(h.seances[0], seance("7 LETTRES", 96.7, 1));
    QCOMPARE(h.seances[1].titre, QStringLiteral("Base à tabulation"));
    QCOMPARE(h.seances[1].genre, Genre::Test);
    QVERIFY(inst.lire(QStringLiteral("progression/historique.txt")).endsWith("\t100.0\t120\t9\t1800\r\n"));
}

void TestProgres::rienEcritQuandInactif()
{
    InstallationTest inst;
    Depot depot;
    depot.activer(false);
    depot.sauver(instantane(partieJouee(40, 1), QStringLiteral("listes\\a.txt"), false, "x", Critere::Reussites, 2));
    depot.noterSerie({{QStringLiteral("A"), QStringLiteral("B"), false}}, false, QStringLiteral("t"), QDate(2026, 12, 1));
    depot.noterSeance(seance("A", 50, 1));
    depot.attendre();
    QVERIFY(!QFileInfo::exists(inst.chemin(dossierProgression)));
}

void TestProgres::fenetreStatistiques()
{
    Historique h;
    h.seances = {seance("7 LETTRES", 80, 1), seance("RALLONGES AVANT", 60, 2), seance("7 LETTRES", 92.5, 4),
                 seance("7 LETTRES", 100, 6)};
    Statistiques f;
    f.afficher(h);
    QCOMPARE(f.objectName(), QStringLiteral("Statistiques"));
    QCOMPARE(f.choixBase->count(), 3);
    QCOMPARE(f.choixBase->itemText(1), QStringLiteral("7 LETTRES"));
    QCOMPARE(f.tableau->model()->rowCount(), 4);
    QCOMPARE(f.tableau->model()->index(0, 2).data().toString(), QStringLiteral("100 %"));
    QCOMPARE(f.courbe->series().size(), 2);
    f.choixBase->setCurrentIndex(2);
    QCOMPARE(f.tableau->model()->rowCount(), 1);
    QCOMPARE(f.tableau->model()->index(0, 2).data().toString(), QStringLiteral("60 %"));
    QCOMPARE(f.courbe->series().size(), 1);
    if (qEnvironmentVariableIsSet("LEXIDOR_CAPTURES")) {
        f.choixBase->setCurrentIndex(0);
        f.show();
        for (const auto& [fond, nom] : {std::pair{0xC0E0FFu, "statistiques"}, std::pair{0xE0E0E0u, "statistiques-gris"}}) {
            f.colorer(fond);
            f.grab().save(qEnvironmentVariable("LEXIDOR_CAPTURES") + QStringLiteral("/%1.png").arg(QLatin1String(nom)));
        }
    }
}

void TestProgres::reglageMemoriser_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("memoriser");
    QTest::addColumn<QString>("couleur");
    QTest::addRow("les six lignes d'avant") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nVert\r\n") << true << "Vert";
    QTest::addRow("décoché") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nVert\r\nmemoriser=0\r\n") << false << "Vert";
    QTest::addRow("après une couleur à virgule")
        << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nVert,clair\r\nmemoriser=0\r\n") << false << "Vert";
    QTest::addRow("à la place de la couleur") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nmemoriser=0\r\n") << true
                                              << "memoriser=0";
    QTest::addRow("valeur inconnue") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nVert\r\nmemoriser=non\r\n") << true
                                     << "Vert";
}

// The choice lives after the designed lines, which keep their meaning for older versions; it takes
// a line only when it differs from the default.
void TestProgres::reglageMemoriser()
{
    QFETCH(QByteArray, octets);
    QFETCH(bool, memoriser);
    QFETCH(QString, couleur);
    const data::LectureParametres lu = data::analyserParametres(octets);
    QCOMPARE(lu.valeurs.memoriser, memoriser);
    QCOMPARE(lu.valeurs.couleur, couleur);
    QCOMPARE(lu.avertissements, QStringList());
    InstallationTest inst;
    QCOMPARE(data::ecrireParametres(lu.valeurs), QString());
    QCOMPARE(data::lireParametres().valeurs.memoriser, memoriser);
    QCOMPARE(inst.lire(QStringLiteral("settings.dat")).count('\n'), memoriser ? 6 : 7);
}

void TestProgres::repriseDansLesFenetres_data()
{
    QTest::addColumn<bool>("memoriser");
    QTest::addColumn<int>("signal");  // ends the program instead of the button, 0 for the button
    QTest::addRow("progression mémorisée") << true << 0;
    QTest::addRow("option décochée: le programme tel qu'il était") << false << 0;
    QTest::addRow("fin de session") << true << SIGTERM;
    QTest::addRow("Ctrl+C dans un terminal") << true << SIGINT;
}

// Leave a base mid-way, end the program, start it again, launch the base and press "Reprendre".
void TestProgres::repriseDansLesFenetres()
{
    QFETCH(bool, memoriser);
    QFETCH(int, signal);
    InstallationTest inst;
    QStringList lignes;
    for (const auto& l : baseDe(95))
        lignes << l.tirage + QLatin1Char(';') + l.solutions;
    inst.ecrireLignes(QStringLiteral("listes/base.txt"), lignes);
    if (!memoriser)
        inst.ecrire(QStringLiteral("settings.dat"), "95\r\n80\r\n5\r\n5\r\n1\r\nPar d\xE9" "faut\r\nmemoriser=0\r\n");
    QStringList messages;
    // The folder holds no word data: only messages about the player's files matter here.
    app::observerMessages([&](const QString& m, app::Icone) {
        if (m.contains(QLatin1String("progression")) || m.contains(QLatin1String("révisions")))
            messages << m;
    });
    const QString captures = qEnvironmentVariable("LEXIDOR_CAPTURES");

    auto* f = static_cast<Form1*>(ouvrirFenetre(QStringLiteral("Form1"), QStringLiteral("7 LETTRES")));
    QVERIFY(f->boutonReprendre->isHidden());
    for (int j = 1; j < 30; ++j)
        f->solution[j]->setText(*f->partie.solutionsDeLigne(j));
    f->corriger_Click();
    const QStringList restants = f->partie.tiragesbase.mid(0, f->partie.nbrestants);
    QCOMPARE(restants.size(), 66);
    if (signal) {
        app::quitterSurSignal(app::terminer);
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        QApplication::exec();
        std::signal(signal, SIG_DFL);
    } else {
        f->quitter_Click();
    }
    app::reinitialiser();

    // An earlier test, then over 64 KB of runs, the base finished last, and a line cut short: the
    // menu starts with the two scores as they read right after those runs.
    Seance test = seance("TEST SUR 150 MOTS", 87.5, 1);
    test.genre = Genre::Test;
    QByteArray historique = "# Lexidor historique 1\r\n" + versLigne(test).toUtf8() + "\r\n";
    for (int i = 0; i < 1000; ++i)
        historique += versLigne(seance("RALLONGES AVANT", 50, 2)).toUtf8() + "\r\n";
    historique += versLigne(seance("7 LETTRES", 96.7, 3)).toUtf8() + "\r\n2026-11-04T";
    inst.ecrire(QStringLiteral("progression/historique.txt"), historique);
    MenuODS8& m = app::menu();
    QCOMPARE(m.ligneAide->text(), memoriser ? u"Votre score sur la dernière base terminée : \r\n96,7% (7 LETTRES)"_qs : QString());
    QCOMPARE(m.scoreTest->text(), memoriser ? u"87,5%"_qs : QString());
    QCOMPARE(inst.lire(QStringLiteral("progression/historique.txt")), historique);
    if (!captures.isEmpty() && memoriser)
        m.grab().save(captures + QStringLiteral("/menu-scores-retrouves.png"));
    QCOMPARE(m.boutonRevisions->isVisible(), false);
    QCOMPARE(m.boutonRevisions->isHidden(), !memoriser);
    QCOMPARE(m.boutonStatistiques->isHidden(), !memoriser);
    QCOMPARE(m.compteRevisions->text(), memoriser ? QStringLiteral("1") : QStringLiteral("0"));
    f = static_cast<Form1*>(ouvrirFenetre(QStringLiteral("Form1"), QStringLiteral("7 LETTRES")));
    QCOMPARE(f->boutonReprendre->isVisible(), memoriser);
    QCOMPARE(f->partie.nbrestants, 95);
    if (!memoriser) {
        f->quitter_Click();
        QCOMPARE(QDir(inst.chemin(dossierProgression)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"historique.txt"_qs});
        QCOMPARE(inst.lire(QStringLiteral("settings.dat")).count('\n'), 7);
        app::reinitialiser();
        QVERIFY(messages.isEmpty());
        return;
    }
    QCOMPARE(f->boutonReprendre->text(), QStringLiteral("Reprendre (66 tirages restants)"));
    if (!captures.isEmpty())
        f->grab().save(captures + QStringLiteral("/entrainement-reprendre.png"));
    f->boutonReprendre->click();
    QVERIFY(f->boutonReprendre->isHidden());
    QCOMPARE(f->partie.tiragesbase.mid(0, f->partie.nbrestants), restants);
    QCOMPARE(f->motsleft->text(), QStringLiteral("66"));
    QCOMPARE(f->nbftot->text(), QStringLiteral("1"));
    QCOMPARE(f->nbseries->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QVERIFY(f->partie.dejarate(QStringLiteral("T0;S0;X")));
    f->quitter_Click();

    // The rack missed plays in the review box, from the menu.
    QVERIFY(m.boutonRevisions->isEnabled());
    m.boutonRevisions->click();
    QCOMPARE(f->titreBase->text(), QStringLiteral("À revoir aujourd'hui"));
    QCOMPARE(f->partie.nbinitial, 1);
    QCOMPARE(*f->partie.tirageDeLigne(0), QStringLiteral("T0"));
    f->quitter_Click();
    if (!captures.isEmpty()) {
        m.afficherScore(87.5);
        m.grab().save(captures + QStringLiteral("/menu.png"));
        m.ouvrirOptions();
        app::dialog2().grab().save(captures + QStringLiteral("/options.png"));
    }
    app::reinitialiser();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void TestProgres::cleDeBase_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("apres");
    QTest::addColumn<bool>("meme");
    QTest::addRow("mêmes listes reconstruites") << "mes-listes-20261201-101500\\listes\\7L.txt"
                                                 << "mes-listes-20261207-093000\\listes\\7L.txt" << true;
    QTest::addRow("listes fournies") << "listes\\7L_a.txt" << "listes\\7L_a.txt" << true;
    QTest::addRow("fournies ou construites") << "listes\\7L.txt" << "mes-listes-1\\listes\\7L.txt" << false;
    QTest::addRow("autre base des mêmes listes") << "mes-listes-1\\listes\\7L.txt" << "mes-listes-1\\listes\\8L.txt"
                                                 << false;
}

// A rebuild of the player's lists makes a new dated folder; the saved run of a base follows it.
void TestProgres::cleDeBase()
{
    QFETCH(QString, avant);
    QFETCH(QString, apres);
    QFETCH(bool, meme);
    QCOMPARE(cheminProgression(u"p"_qs, avant, false) == cheminProgression(u"p"_qs, apres, false), meme);
    QVERIFY(cheminProgression(u"p"_qs, avant, true) != cheminProgression(u"p"_qs, apres, false));
    // A run saved under the dated name before is found under the new one.
    InstallationTest inst;
    QDir().mkpath(inst.chemin(dossierProgression));
    Depot depot;
    QCOMPARE(ecrireProgression(cheminProgression(dossierProgression, avant, false),
                               instantane(partieJouee(40, 1), avant, false, "x", Critere::Reussites, 2)),
             QString());
    QCOMPARE(depot.progression(apres, false).absente, !meme);
}

void TestProgres::deuxFenetres_data()
{
    QTest::addColumn<bool>("ensemble");
    QTest::addColumn<int>("premiere");
    QTest::addColumn<int>("seconde");
    QTest::addRow("l'une après l'autre") << false << 30 << 2;
    QTest::addRow("en même temps") << true << 25 << 25;
}

// Two windows of the program in one working folder, each with the box it read at its start.
void TestProgres::deuxFenetres()
{
    QFETCH(bool, ensemble);
    QFETCH(int, premiere);
    QFETCH(int, seconde);
    InstallationTest inst;
    const QString dossier = inst.chemin(dossierProgression);
    QProcess enfants[2];
    for (int i = 0; i < 2; ++i) {
        enfants[i].start(QCoreApplication::applicationFilePath(),
                         {u"--boite"_qs, dossier, i ? u"B"_qs : u"A"_qs, QString::number(i ? seconde : premiere)});
        QVERIFY(enfants[i].waitForReadyRead());
        QCOMPARE(enfants[i].readLine(), QByteArray("pret\n"));
    }
    for (QProcess& e : enfants) {
        e.write("go\n");
        if (!ensemble)
            QVERIFY(e.waitForFinished());
    }
    for (QProcess& e : enfants) {
        QVERIFY(e.state() == QProcess::NotRunning || e.waitForFinished());
        QCOMPARE(e.exitCode(), 0);
    }
    Revisions r;
    QCOMPARE(lireRevisions(QDir(dossier).filePath(fichierRevisions), r, {}), QString());
    QCOMPARE(r.taille(), premiere + seconde);
    QCOMPARE(lireHistorique(QDir(dossier).filePath(fichierHistorique)).seances.size(), 2);
}

// Killed at any moment while playing, correcting, leaving or finishing a base: every file reads
// whole, and the run being played is in its saved progress or in the history. The number of kills
// comes from LEXIDOR_TUEES (a long run: 200).
void TestProgres::tueeEnJouant()
{
    const int tuees = qEnvironmentVariableIntValue("LEXIDOR_TUEES") > 0 ? qEnvironmentVariableIntValue("LEXIDOR_TUEES") : 8;
    InstallationTest inst;
    const QDir dossier(inst.chemin(dossierProgression));
    // A history of some length: rewriting it whole would give a kill time to fall in between.
    QByteArray longue = "# Lexidor historique 1\r\n";
    for (int i = 0; i < 2000; ++i)
        longue += versLigne(seance("RALLONGES AVANT", 50, 2)).toUtf8() + "\r\n";
    inst.ecrire(QStringLiteral("progression/historique.txt"), longue);
    QRandomGenerator hasard(17);
    for (int essai = 0; essai < tuees; ++essai) {
        QProcess enfant;
        const int premiere = (essai + 1) * 10000;
        enfant.start(QCoreApplication::applicationFilePath(),
                     {u"--jouer-en-boucle"_qs, dossier.path(), QString::number(premiere)});
        QVERIFY(enfant.waitForReadyRead());
        QTest::qWait(int(hasard.bounded(10, 150)));
        // A child that ended on its own has no process id left, and kill(0) would hit this test.
        QVERIFY2(enfant.state() == QProcess::Running && enfant.processId() > 0,
                 qPrintable(QStringLiteral("fin %1 : %2").arg(enfant.exitCode()).arg(QString::fromLocal8Bit(enfant.readAllStandardError()))));
        ::kill(pid_t(enfant.processId()), SIGKILL);
        QVERIFY(enfant.waitForFinished());
        const QList<QByteArray> dits = enfant.readAllStandardOutput().split('\n');
        const int dernier = dits.size() >= 2 ? dits[dits.size() - 2].toInt() : premiere - 1;
        const Historique h = lireHistorique(dossier.filePath(fichierHistorique));
        QVERIFY2(h.erreur.isEmpty() && h.illisibles == 0, qPrintable(h.erreur));
        QSet<int> finies;
        for (const Seance& x : h.seances)
            finies.insert(x.secondes);
        for (int n = premiere; n < dernier; ++n)
            QVERIFY2(finies.contains(n), qPrintable(QString::number(n)));
        const LectureProgression lu = lireProgression(dossier.filePath(u"listes_7L.txt"_qs));
        QVERIFY2(lu.ok() && lu.ecartees.isEmpty(), qPrintable(lu.erreur));
        QVERIFY2(finies.contains(dernier) || (!lu.absente && lu.progression.tempstotal == dernier),
                 qPrintable(QStringLiteral("partie %1 perdue").arg(dernier)));
        Revisions r;
        QCOMPARE(lireRevisions(dossier.filePath(fichierRevisions), r, {}), QString());
        // Besides the files and their locks, only the copy of a safe save killed between its link
        // and its rename may stand (the review box's is removed under the lock at its next write).
        static const QRegularExpression copie(u"^(revisions\\.txt|listes_7L\\.txt)\\.[A-Za-z0-9]{6}$"_qs);
        const QStringList presents = dossier.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& f : presents)
            QVERIFY2(QStringList({fichierHistorique, fichierRevisions, u"listes_7L.txt"_qs}).contains(f)
                         || f.contains(u".verrou"_qs) || copie.match(f).hasMatch(),
                     qPrintable(f));
    }
}

// A folder where nothing can be saved: one message per kind of failure, then only the menu's mark.
void TestProgres::echecsRepetes()
{
    InstallationTest inst;
    // A folder where the file should be: no save can replace it, even for root.
    QVERIFY(QDir().mkpath(inst.chemin(u"progression/listes_a.txt/x"_qs)));
    Depot depot;
    QSignalSpy problemes(&depot, &Depot::probleme);
    QSignalSpy marques(&depot, &Depot::nonEnregistre);
    for (int i = 0; i < 3; ++i) {
        depot.sauver(instantane(partieJouee(40, 1), QStringLiteral("listes\\a.txt"), false, "x", Critere::Reussites, 2));
        depot.attendre();
    }
    QTRY_COMPARE(marques.size(), 3);
    QCOMPARE(problemes.size(), 1);
    QVERIFY(marques.constLast().value(0).toString().startsWith(u"Progression non enregistrée : "_qs));
}

// Turned back on, the feature gives the menu the box's count and the last scores at once.
void TestProgres::optionRallumee()
{
    InstallationTest inst;
    Depot depot;
    depot.activer(false);
    inst.ecrire(u"progression/revisions.txt"_qs, "# Lexidor révisions 1\r\n0\t2026-11-02\t0\tT\tABC;D\r\n");
    inst.ecrire(u"progression/historique.txt"_qs, "# Lexidor historique 1\r\n" + versLigne(seance("A", 50, 1)).toUtf8() + "\r\n");
    QSignalSpy compte(&depot, &Depot::revisionsChangees);
    QSignalSpy scores(&depot, &Depot::scoresRetrouves);
    depot.activer(true);
    QCOMPARE(compte.size(), 1);
    QCOMPARE(compte.constFirst().value(0).value<qsizetype>(), 1);
    QCOMPARE(scores.size(), 1);
    depot.activer(true);
    QCOMPARE(scores.size(), 1);
}

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--ecrire-en-boucle") == 0)
        return ecrireEnBoucle(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && qstrcmp(argv[1], "--boite") == 0)
        return boiteEnfant(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (argc == 4 && qstrcmp(argv[1], "--jouer-en-boucle") == 0)
        return jouerEnBoucle(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    QApplication app(argc, argv);
    // As the program sets it: scores are written with a decimal comma.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TestProgres t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_progres.moc"
