// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/apres.h"
#include "recherche/fenetre.h"
#include "recherche/index.h"
#include "recherche/requete.h"
#include "support/installation.h"
#include "tools/construction.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QtTest>

#include <random>

using namespace recherche;

namespace {

// A small pair of editions: CHAT and its family, a few new words, two dropped ones.
const QSet<QString> ancienne = {"AA", "AI", "CHAT", "CHATS", "ACHAT", "ACHATS", "TACHA", "TACHAS", "RACHAT", "AIR",
                                "AIRS", "RIA", "RIAS", "TRIAS", "STAR", "RATS", "ARTS", "TARS", "TRAS", "ZOB",
                                "RAT", "ART", "TAR", "TRA", "ETAIS", "AMER", "MARE", "RAME", "ARME", "CAR"};
const QSet<QString> nouvelle = (ancienne - QSet<QString>{"ZOB", "TRA"})
    + QSet<QString>{"CHATER", "CHATEE", "RAMES", "STRIA", "ZOBS", "AIRA", "CARS", "SCAR", "OKAPI", "KAPIO"};

const Index& fixture()
{
    static const Index index = Index::depuisListes(ancienne, nouvelle);
    return index;
}

quint8 marqueDe(const QString& mot)
{
    return quint8((ancienne.contains(mot) ? Ancienne : 0) | (nouvelle.contains(mot) ? Nouvelle : 0));
}

bool garde(quint8 m, qsizetype n, const Filtres& f)
{
    if ((f.longueurMin && n < f.longueurMin) || (f.longueurMax && n > f.longueurMax))
        return false;
    if (f.nouveauxSeulement || f.disparusSeulement)
        return (f.nouveauxSeulement && m == Nouvelle) || (f.disparusSeulement && m == Ancienne);
    return m & Nouvelle;
}

// Letters of `mot` taken from `tirage`, blanks ('?') standing for any letter.
bool faitDe(QByteArrayView mot, QByteArrayView tirage, bool exactement)
{
    if (exactement && mot.size() != tirage.size())
        return false;
    int compte[26] = {}, jokers = 0;
    for (char c : tirage)
        c == '?' ? ++jokers : ++compte[c - 'A'];
    for (char c : mot)
        if (--compte[c - 'A'] < 0 && --jokers < 0)
            return false;
    return true;
}

bool filtre(QByteArrayView mot, QByteArrayView motif)
{
    if (motif.isEmpty())
        return mot.isEmpty();
    if (motif[0] == '*')
        return filtre(mot, motif.sliced(1)) || (!mot.isEmpty() && filtre(mot.sliced(1), motif));
    if (mot.isEmpty())
        return false;
    if (motif[0] == '[') {
        const qsizetype fin = motif.indexOf(']');
        return motif.sliced(1, fin - 1).contains(mot[0]) && filtre(mot.sliced(1), motif.sliced(fin + 1));
    }
    return (motif[0] == '?' || motif[0] == mot[0]) && filtre(mot.sliced(1), motif.sliced(1));
}

// Every word of the index, one by one: what any search must give, in the order it gives it.
QStringList parcours(const Index& ix, Mode mode, const QByteArray& q, const Filtres& f)
{
    QStringList mots;
    for (qsizetype i = 0; i < ix.taille(); ++i) {
        const QByteArrayView m = ix.mot(i);
        if (!garde(ix.marque(i), m.size(), f))
            continue;
        bool ok = false;
        switch (mode) {
        case Mode::Anagrammes:
            ok = faitDe(m, q, true);
            break;
        case Mode::SousAnagrammes:
            ok = faitDe(m, q, false);
            break;
        case Mode::Motif:
            ok = filtre(m, q);
            break;
        case Mode::Rallonges:
            ok = m.size() == q.size() + 1 && (m.sliced(1) == q || m.first(q.size()) == q);
            break;
        case Mode::Juger:
            break;
        }
        if (ok)
            mots.append(QString::fromLatin1(m));
    }
    if (mode == Mode::SousAnagrammes)
        std::stable_sort(mots.begin(), mots.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    if (mode == Mode::Rallonges) {
        // Front hooks first, then back ones, each by letter.
        QStringList devant, derriere;
        for (const QString& m : std::as_const(mots)) {
            if (m.sliced(1) == QLatin1String(q))
                devant.append(m);
            if (m.first(q.size()) == QLatin1String(q))
                derriere.append(m);
        }
        std::sort(derriere.begin(), derriere.end(), [](const QString& a, const QString& b) { return a.back() < b.back(); });
        mots = devant + derriere;
    }
    return mots;
}

QStringList mots(const Reponse& r)
{
    QStringList l;
    for (const Trouve& t : r.mots)
        l.append(t.mot);
    return l;
}

}  // namespace

class TestRecherche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requetes_data();
    void requetes();
    void juger_data();
    void juger();
    void fichierAbime_data();
    void fichierAbime();
    void plafond();
    void motsLongs();
    void ligneDeCommande();
    void listesLivrees();
    void mesListes();
    void fenetre();
    void apresCorrection_data();
    void apresCorrection();
};

void TestRecherche::requetes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("filtres");  // "n" new, "d" dropped, "2-4" lengths
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<QString>("erreur");  // a piece of the refusal
    const auto A = int(Mode::Anagrammes), S = int(Mode::SousAnagrammes), M = int(Mode::Motif), R = int(Mode::Rallonges);
    QTest::addRow("anagrammes") << A << "tars" << "" << QStringList{"ARTS", "RATS", "STAR", "TARS", "TRAS"} << "";
    QTest::addRow("anagrammes, accents et minuscules") << A << " Târs\t" << "" << QStringList{"ARTS", "RATS", "STAR", "TARS", "TRAS"} << "";
    QTest::addRow("anagrammes, mot disparu absent") << A << "TRA" << "" << QStringList{"ART", "RAT", "TAR"} << "";
    QTest::addRow("anagrammes, disparus") << A << "TRA" << "d" << QStringList{"TRA"} << "";
    QTest::addRow("anagrammes, un joker") << A << "RAT?" << "" << QStringList{"ARTS", "RATS", "STAR", "TARS", "TRAS"} << "";
    QTest::addRow("anagrammes, deux jokers") << A << "??" << "" << QStringList{"AA", "AI"} << "";
    QTest::addRow("anagrammes, deux jokers nouveaux") << A << "AR??" << "n" << QStringList{"AIRA", "CARS", "SCAR"} << "";
    QTest::addRow("anagrammes, trois jokers") << A << "A???" << "" << QStringList{} << "Deux jokers";
    QTest::addRow("anagrammes, aucun") << A << "QQ" << "" << QStringList{} << "";
    QTest::addRow("anagrammes, une lettre") << A << "A" << "" << QStringList{} << "";
    QTest::addRow("anagrammes, chiffre") << A << "AB3" << "" << QStringList{} << "« 3 »";
    QTest::addRow("anagrammes, deux mots") << A << "AB CD" << "" << QStringList{} << "Un seul mot";
    QTest::addRow("anagrammes, seize lettres") << A << "ABCDEFGHIJKLMNOP" << "" << QStringList{} << "15 lettres";
    QTest::addRow("anagrammes, ligature") << A << "kapiœ" << "" << QStringList{} << "";
    QTest::addRow("sous-anagrammes") << S << "STRIA" << "" << QStringList{"STRIA", "TRIAS", "AIRS", "ARTS", "RATS", "RIAS", "STAR", "TARS", "TRAS", "AIR", "ART", "RAT", "RIA", "TAR", "AI"} << "";
    QTest::addRow("sous-anagrammes, longueurs") << S << "STRIA" << "3-3" << QStringList{"AIR", "ART", "RAT", "RIA", "TAR"} << "";
    QTest::addRow("sous-anagrammes, nouveaux avec joker") << S << "ZOB?" << "n" << QStringList{"ZOBS"} << "";
    QTest::addRow("sous-anagrammes, tout change") << S << "ZOBSRTA" << "nd" << QStringList{"ZOBS", "TRA", "ZOB"} << "";
    QTest::addRow("motif, joker") << M << "?AR" << "" << QStringList{"CAR", "TAR"} << "";
    QTest::addRow("motif, étoile") << M << "CHAT*" << "" << QStringList{"CHAT", "CHATEE", "CHATER", "CHATS"} << "";
    QTest::addRow("motif, étoile au milieu") << M << "A*S" << "" << QStringList{"ACHATS", "AIRS", "ARTS"} << "";
    QTest::addRow("motif, étoiles répétées") << M << "**A**" << "2-2" << QStringList{"AA", "AI"} << "";
    QTest::addRow("motif, crochets") << M << "[RT]A[RT]" << "" << QStringList{"RAT", "TAR"} << "";
    QTest::addRow("motif, crochets et étoile") << M << "*[ZK]*" << "" << QStringList{"KAPIO", "OKAPI", "ZOBS"} << "";
    QTest::addRow("motif, crochet ouvert") << M << "[AB" << "" << QStringList{} << "pas fermé";
    QTest::addRow("motif, crochet fermé seul") << M << "AB]" << "" << QStringList{} << "n'a pas de";
    QTest::addRow("motif, crochets vides") << M << "A[]" << "" << QStringList{} << "vides";
    QTest::addRow("motif, joker entre crochets") << M << "[A?]" << "" << QStringList{} << "seulement des lettres";
    QTest::addRow("motif, tiret") << M << "A-B" << "" << QStringList{} << "ni *";
    QTest::addRow("rallonges") << R << "rat" << "" << QStringList{"RATS"} << "";
    QTest::addRow("rallonges des deux côtés") << R << "AIR" << "" << QStringList{"AIRA", "AIRS"} << "";
    QTest::addRow("rallonges devant") << R << "CHATS" << "" << QStringList{"ACHATS"} << "";
    QTest::addRow("rallonges nouvelles") << R << "ZOB" << "n" << QStringList{"ZOBS"} << "";
    QTest::addRow("rallonges, joker refusé") << R << "RA?" << "" << QStringList{} << "« ? »";
}

void TestRecherche::requetes()
{
    QFETCH(int, mode);
    QFETCH(QString, texte);
    QFETCH(QString, filtres);
    QFETCH(QStringList, attendus);
    QFETCH(QString, erreur);
    Filtres f;
    f.nouveauxSeulement = filtres.contains(u'n');
    f.disparusSeulement = filtres.contains(u'd');
    if (const qsizetype t = filtres.indexOf(u'-'); t > 0) {
        f.longueurMin = filtres.at(t - 1).digitValue();
        f.longueurMax = filtres.at(t + 1).digitValue();
    }
    const Reponse r = chercher(fixture(), Mode(mode), texte, f);
    if (!erreur.isEmpty()) {
        QVERIFY2(r.erreur.contains(erreur), qPrintable(r.erreur));
        QVERIFY(r.mots.isEmpty());
        return;
    }
    QVERIFY2(r.erreur.isEmpty(), qPrintable(r.erreur));
    QCOMPARE(mots(r), attendus);
    QCOMPARE(r.total, attendus.size());
    const QByteArray q = plier(texte, true, true, nullptr).toLatin1();
    QCOMPARE(mots(r), parcours(fixture(), Mode(mode), q, f));
    for (const Trouve& t : r.mots)
        QCOMPARE(t.marque, marqueDe(t.mot));
}

void TestRecherche::juger_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<QList<int>>("marques");
    QTest::addRow("un mot") << "chat" << true << QList<int>{LesDeux};
    QTest::addRow("nouveau") << "Chater" << true << QList<int>{Nouvelle};
    QTest::addRow("un mot faux parmi d'autres") << "CHAT, ZOB\nRAMES" << false << QList<int>{LesDeux, Ancienne, Nouvelle};
    QTest::addRow("inconnu et trop long") << "CHAT XYZ ABCDEFGHIJKLMNOPQ" << false << QList<int>{LesDeux, 0, 0};
    QTest::addRow("rien") << " \n " << false << QList<int>{};
}

void TestRecherche::juger()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    QFETCH(QList<int>, marques);
    const Reponse r = chercher(fixture(), Mode::Juger, texte);
    QVERIFY(r.erreur.isEmpty());
    QCOMPARE(r.valide, valide);
    QList<int> vues;
    for (const Verdict& v : r.verdicts)
        vues.append(v.marque);
    QCOMPARE(vues, marques);
    QVERIFY(chercher(fixture(), Mode::Juger, QStringLiteral("CHAT CH4T")).erreur.contains(QStringLiteral("« 4 »")));
}

void TestRecherche::fichierAbime_data()
{
    QTest::addColumn<QByteArray>("octets");
    const QByteArray bon = compacter({"AB", "ABC"}, {"ABC", "BA"});
    QTest::addRow("vide") << QByteArray();
    QTest::addRow("en-tête seul") << bon.first(15);
    QTest::addRow("flux tronqué") << bon.first(bon.size() - 3);
    QTest::addRow("taille annoncée énorme") << bon.first(15) + QByteArray("\x7f\xff\xff\xff", 4) + bon.sliced(19);
    const auto texte = [](const QByteArray& t) { return QByteArray("LEXIDOR-MOTS 1\n") + qCompress(t); };
    QTest::addRow("désordre") << texte("2BA\n2AB\n");
    QTest::addRow("doublon") << texte("2AB\n5\n");
    QTest::addRow("préfixe trop long") << texte("2AB\n;C\n");
    QTest::addRow("minuscule") << texte("2ab\n");
    QTest::addRow("une lettre") << texte("2A\n");
    QTest::addRow("sans fin de ligne") << texte("2AB");
}

void TestRecherche::fichierAbime()
{
    QFETCH(QByteArray, octets);
    if (QTest::currentDataTag() == QByteArrayView("flux tronqué"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("zlib"));
    const Index ix = Index::analyser(octets);
    QVERIFY(ix.vide());
    QVERIFY(ix.erreur().startsWith(QStringLiteral("Le fichier des listes complètes est abîmé")));
    QVERIFY(chercher(ix, Mode::Motif, QStringLiteral("*")).mots.isEmpty());
    const Index bon = Index::analyser(compacter({"AB", "ABC"}, {"ABC", "BA"}));
    QCOMPARE(bon.taille(), 3);
    QCOMPARE(bon.marque(bon.trouver("AB")), Ancienne);
}

void TestRecherche::plafond()
{
    QSet<QString> beaucoup;
    for (int i = 0; i < 12000; ++i)
        beaucoup.insert(QStringLiteral("Z%1%2%3").arg(QChar(u'A' + i / 676)).arg(QChar(u'A' + i / 26 % 26)).arg(QChar(u'A' + i % 26)));
    const Index ix = Index::depuisListes({}, beaucoup);
    const Reponse r = chercher(ix, Mode::Motif, QStringLiteral("Z*"));
    QCOMPARE(r.total, ix.taille());
    QCOMPARE(r.mots.size(), recherche::plafond);
    QVERIFY(r.tronque());
}

// Long words sharing all but their last letters take five times their file's text once spelt out:
// more than the reader reserves for them, so the letters move while they are read.
void TestRecherche::motsLongs()
{
    QSet<QString> longs;
    for (int i = 0; i < 26 * 26 * 10; ++i)
        longs.insert(QStringLiteral("AAAAAAAAAAAA%1%2%3").arg(QChar(u'A' + i / 260)).arg(QChar(u'A' + i / 10 % 26)).arg(QChar(u'A' + i % 10)));
    const Index ix = Index::depuisListes({}, longs);
    QVERIFY2(ix.erreur().isEmpty(), qPrintable(ix.erreur()));
    QCOMPARE(ix.taille(), longs.size());
    for (const QString& m : longs)
        QVERIFY(ix.trouver(m.toLatin1()) >= 0);
}

// The shipped data through the command line, against a scan of every word.
void TestRecherche::ligneDeCommande()
{
    const QString donnees = QStringLiteral(LEXIDOR_RUNTIME_DIR);
    const Index ix = Index::lire(donnees + QStringLiteral("/listes/mots-complets.dat"));
    QVERIFY2(ix.erreur().isEmpty(), qPrintable(ix.erreur()));
    QVERIFY(ix.taille() > 300000);
    std::mt19937 hasard(20);
    const auto mot = [&] { return ix.mot(std::uniform_int_distribution<qsizetype>(0, ix.taille() - 1)(hasard)).toByteArray(); };
    const auto au = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard); };
    const QList<std::pair<const char*, Mode>> modes = {{"anagrammes", Mode::Anagrammes},
        {"sous-anagrammes", Mode::SousAnagrammes}, {"motif", Mode::Motif}, {"rallonges", Mode::Rallonges}};
    int questions = 0;
    for (const auto& [nom, mode] : modes) {
        QList<QByteArray> requetes;
        for (int k = 0; k < 50; ++k) {
            QByteArray q = mot();
            if (mode == Mode::Anagrammes || mode == Mode::SousAnagrammes) {
                if (mode == Mode::SousAnagrammes)
                    q = q.first(std::min<qsizetype>(q.size(), 7 + au(3)));
                std::shuffle(q.begin(), q.end(), hasard);
                for (int j = au(3); j > 0; --j)
                    q[au(int(q.size()))] = '?';
            } else if (mode == Mode::Motif) {
                for (int j = au(4); j > 0; --j)
                    q[au(int(q.size()))] = '?';
                if (au(2))
                    q = q.first(1 + au(int(q.size()))) + '*';
                if (au(3) == 0)
                    q = '*' + q.sliced(au(int(q.size())));
                if (au(3) == 0 && q.size() > 2)
                    q = q.first(1) + "[AEI]" + q.sliced(2);
            }
            requetes.append(q);
        }
        QProcess p;
        p.start(QStringLiteral(LEXIDOR_MOTS), {QString::fromLatin1(nom), QStringLiteral("-"), QStringLiteral("--donnees"), donnees});
        QVERIFY(p.waitForStarted());
        for (const QByteArray& q : std::as_const(requetes))
            p.write(q + '\n');
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QList<QByteArray> reponses = p.readAllStandardOutput().split('\n');
        qsizetype ligne = 0;
        for (const QByteArray& q : std::as_const(requetes)) {
            QStringList recus;
            for (; ligne < reponses.size() && !reponses[ligne].isEmpty(); ++ligne)
                recus.append(QString::fromLatin1(reponses[ligne].sliced(mode == Mode::Rallonges ? 4 : 0)));
            ++ligne;
            QStringList attendus = parcours(ix, mode, q, {});
            attendus = attendus.mid(0, recherche::plafond);
            QVERIFY2(recus == attendus, q.constData());
            ++questions;
        }
    }
    QCOMPARE(questions, 200);
    QProcess mauvais;
    mauvais.start(QStringLiteral(LEXIDOR_MOTS), {QStringLiteral("anagrammes"), QStringLiteral("AB#"), QStringLiteral("--donnees"), donnees});
    QVERIFY(mauvais.waitForFinished(30000));
    QCOMPARE(mauvais.exitCode(), 2);
    QVERIFY(QString::fromUtf8(mauvais.readAllStandardError()).contains(QStringLiteral("« # »")));
}

void TestRecherche::apresCorrection_data()
{
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<bool>("rallonge");
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QString>("texte");
    QTest::addRow("anagrammes et rallonges") << "AIRST (+1)" << QStringList{"STRIA"} << false << "TRIAS"
        << "AIRST : STRIA* TRIAS";
    QTest::addRow("autres mots nommés") << "ART - RAT TAR" << QStringList{"RAT"} << false << ""
        << "ART : ART RAT TAR\nRallonges de RAT : derrière S";
    QTest::addRow("seul mot, sans rallonge") << "KAPIO" << QStringList{"KAPIO"} << false << "" << "KAPIO : KAPIO* OKAPI*";
    QTest::addRow("rien de plus") << "EEHRTAC" << QStringList{"CHATER"} << false << "" << "";
    QTest::addRow("rallonge derrière") << "AIR?" << QStringList{"AIRA", "AIRS"} << true << " s" << "AIR? : A* S (vous : S)";
    QTest::addRow("rallonge devant, aucune") << "?AIRS" << QStringList{} << true << "" << "?AIRS : aucune rallonge";
    QTest::addRow("rallonge devant trouvée") << "?CHATS" << QStringList{"ACHATS"} << true << "a" << "?CHATS : A (vous : A)";
}

void TestRecherche::apresCorrection()
{
    QFETCH(QString, tirage);
    QFETCH(QStringList, attendus);
    QFETCH(bool, rallonge);
    QFETCH(QString, saisi);
    QFETCH(QString, texte);
    QCOMPARE(reponseEntiere(fixture(), tirage, attendus, rallonge, saisi), texte);
    QCOMPARE(reponseEntiere(Index(), tirage, attendus, rallonge, saisi), QString());
}

// The shipped complete lists agree with the shipped bases: rebuilt together, or the search would
// call old a word the bases teach as new.
void TestRecherche::listesLivrees()
{
    const QString racine = QStringLiteral(LEXIDOR_RUNTIME_DIR "/");
    const Index ix = Index::lire(racine + QStringLiteral("listes/mots-complets.dat"));
    const auto lignes = [&](const QString& nom) {
        QFile f(racine + nom);
        [&] { QVERIFY(f.open(QIODevice::ReadOnly)); }();
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    };
    for (const char* base : {"listes/2-8L.txt", "listes/VB_5-9L.txt", "listes/7L_multiples.txt"}) {
        for (const QString& l : lignes(QString::fromLatin1(base))) {
            const QString mot = l.section(u';', 1);
            const qsizetype p = ix.trouver(mot.toLatin1());
            QVERIFY2(p >= 0 && ix.marque(p) == Nouvelle, qPrintable(mot));
        }
    }
    for (const QString& mot : lignes(QStringLiteral("mots-disparus.txt"))) {
        const qsizetype p = ix.trouver(mot.toLatin1());
        QVERIFY2(p >= 0 && ix.marque(p) == Ancienne, qPrintable(mot));
    }
}

// Lists built with "Mes listes…" carry their complete lists too.
void TestRecherche::mesListes()
{
    QTemporaryDir dir;
    const auto ecrire = [&](const QString& nom, const QSet<QString>& mots) {
        QFile f(dir.filePath(nom));
        [&] { QVERIFY(f.open(QIODevice::WriteOnly)); }();
        for (const QString& m : mots)
            f.write(m.toLower().toUtf8() + '\n');
        return f.fileName();
    };
    builder::DemandeListes d;
    d.ancienne = ecrire(QStringLiteral("a.txt"), ancienne);
    d.nouvelle = ecrire(QStringLiteral("n.txt"), nouvelle);
    d.sortie = dir.filePath(QStringLiteral("sortie"));
    const builder::RapportListes r = builder::construireDepuisListes(d);
    QVERIFY2(r.erreur.isEmpty(), qPrintable(r.erreur));
    const Index ix = Index::lire(d.sortie + QStringLiteral("/listes/mots-complets.dat"));
    QVERIFY2(ix.erreur().isEmpty(), qPrintable(ix.erreur()));
    QCOMPARE(ix.taille(), (ancienne + nouvelle).size());
    for (const QString& m : ancienne + nouvelle)
        QCOMPARE(ix.marque(ix.trouver(m.toLatin1())), marqueDe(m));
}

// The window on the shipped data: the answer follows each key, and copies as words.
void TestRecherche::fenetre()
{
    const QString avant = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(LEXIDOR_RUNTIME_DIR));
    Recherche r;
    r.choisirMode(Mode::Juger);
    r.saisie->setText(QStringLiteral("profe, Chat"));
    QCOMPARE(r.verdict->text(), QStringLiteral("VALIDE"));
    r.saisie->setText(QStringLiteral("profe chat profx"));
    QCOMPARE(r.verdict->text(), QStringLiteral("NON VALIDE"));
    QVERIFY(!r.verdict->text().contains(QStringLiteral("PROFX")));
    r.choisirMode(Mode::Anagrammes);
    r.saisie->setText(QStringLiteral("rsteina"));
    QCOMPARE(r.modele->rowCount(), 17);
    QCOMPARE(r.compte->text(), QStringLiteral("17 mots."));
    r.copier();
    QCOMPARE(QApplication::clipboard()->text().split(u'\n').first(), QStringLiteral("ARISENT"));
    r.saisie->setText(QStringLiteral("rst#"));
    QCOMPARE(r.modele->rowCount(), 0);
    QVERIFY(r.compte->text().contains(QStringLiteral("« # »")));
    QDir::setCurrent(avant);
    {
        // A data folder built before the lists travelled with it.
        InstallationTest vide;
        r.actualiser();
        QVERIFY(!r.saisie->isEnabled());
        QVERIFY(r.compte->text().contains(QStringLiteral("Mes listes")));
    }
}

QTEST_MAIN(TestRecherche)
#include "test_recherche.moc"
