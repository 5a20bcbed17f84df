// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/anagrammes.h"
#include "data/base.h"
#include "data/champs.h"
#include "data/infosouris.h"
#include "data/listes.h"
#include "data/parametres.h"
#include "data/texte.h"
#include "data/wave.h"
#include "support/installation.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using data::LigneBase;

class TestFormats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void texteAllerRetour();
    void lignes_data();
    void lignes();
    void compterLignes_data();
    void compterLignes();
    void decouperLigne_data();
    void decouperLigne();
    void baseIgnoreLesLignesSansPointVirgule();
    void apercuBase_data();
    void apercuBase();
    void baseAbsente();
    void champs_data();
    void champs();
    void listeLaterale_data();
    void listeLaterale();
    void listeLateraleRelue();
    void infoSouris_data();
    void infoSouris();
    void anagrammes();
    void wave_data();
    void wave();
    void sonJouable();
    void parametres_data();
    void parametres();
    void parametresAbsents();
    void parametresEcrits();
    void parametresNonEnregistrablesGardentLAncienFichier();
};

void TestFormats::texteAllerRetour()
{
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        tous.append(char(b));
    const QString texte = data::decoder(tous);
    QCOMPARE(texte.size(), 256);
    QCOMPARE(texte[0xE9], QChar(u'é'));
    QCOMPARE(texte[0x80], QChar(0x20AC));
    QCOMPARE(texte[0x9C], QChar(0x0153));
    QCOMPARE(data::encoder(texte), tous);
    QCOMPARE(data::encoder(u"Par défaut – ☺"), QByteArray("Par d\xE9" "faut \x96 ?"));
}

void TestFormats::lignes_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("attendu");
    QTest::addRow("CR LF") << QByteArray("AB;C\r\nDE;F\r\n") << QStringList{"AB;C", "DE;F"};
    QTest::addRow("LF seul") << QByteArray("AB;C\nDE;F\n") << QStringList{"AB;C", "DE;F"};
    QTest::addRow("dernière ligne sans saut") << QByteArray("AB;C\r\nDE;F") << QStringList{"AB;C", "DE;F"};
    QTest::addRow("ligne vide au milieu") << QByteArray("A\r\n\r\nB\r\n") << QStringList{"A", "", "B"};
    QTest::addRow("vide") << QByteArray() << QStringList{};
    QTest::addRow("accents") << QByteArray("\xC9T\xC9\r\n") << QStringList{u"ÉTÉ"_qs};
}

void TestFormats::lignes()
{
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, attendu);
    QCOMPARE(data::lignes(octets), attendu);
}

void TestFormats::compterLignes_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("attendu");
    QTest::addRow("vide") << QByteArray() << 0;
    QTest::addRow("une ligne sans saut") << QByteArray("A;B") << 1;
    QTest::addRow("lignes vides comptées") << QByteArray("A;B\r\n\r\n\r\n") << 3;
    QTest::addRow("LF") << QByteArray("A;B\nC;D") << 2;
    // Lines across the reader's 64 KiB chunks, the last one unterminated.
    QTest::addRow("lignes courtes") << QByteArray("A\n").repeated(5000) << 5000;
    QTest::addRow("que des sauts") << QByteArray(10000, '\n') << 10000;
    QTest::addRow("gros fichier") << QByteArray(70000, 'x').append('\n').repeated(3).append("fin") << 4;
}

void TestFormats::compterLignes()
{
    QFETCH(QByteArray, octets);
    QFETCH(int, attendu);
    QCOMPARE(data::compterLignes(octets), qsizetype(attendu));
    InstallationTest inst;
    inst.ecrire(QStringLiteral("listes/base.txt"), octets);
    const auto c = data::compterLignesFichier(QStringLiteral("listes\\base.txt"));
    QVERIFY(c.ok());
    QCOMPARE(c.lignes, qsizetype(attendu));
}

void TestFormats::decouperLigne_data()
{
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<QString>("tirage");
    QTest::addColumn<QString>("solutions");
    QTest::addRow("rallonge avant") << "?ABCDE;ST" << true << "?ABCDE" << "ST";
    QTest::addRow("point-virgule dans les solutions") << "ABC;X;Y" << true << "ABC" << "X;Y";
    QTest::addRow("espaces gardés") << " AB C ; x " << true << " AB C " << " x ";
    QTest::addRow("sans solution") << "ABC;" << true << "ABC" << "";
    QTest::addRow("sans point-virgule") << "ABC" << false << "" << "";
    QTest::addRow("vide") << "" << false << "" << "";
}

void TestFormats::decouperLigne()
{
    QFETCH(QString, ligne);
    QFETCH(bool, valide);
    const auto e = data::decouperLigne(ligne);
    QCOMPARE(e.has_value(), valide);
    if (valide) {
        QTEST(e->tirage, "tirage");
        QTEST(e->solutions, "solutions");
    }
}

void TestFormats::baseIgnoreLesLignesSansPointVirgule()
{
    const auto b = data::analyserBase("EIST;SITE\r\n\r\nBROUILLON\nAEL;ALE\n");
    QCOMPARE(b.ignorees, 2);
    const QList<LigneBase> attendu{{"EIST", "SITE"}, {"AEL", "ALE"}};
    QCOMPARE(b.lignes, attendu);
}

void TestFormats::apercuBase_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addRow("vide") << QByteArray();
    QTest::addRow("lignes vides") << QByteArray("\r\n\n\r\n");
    QTest::addRow("sans point-virgule, sans fin de ligne") << QByteArray("BROUILLON\r\nX\rY");
    QTest::addRow("une entrée en dernier") << QByteArray("A\r\nB\nC;D");
    QTest::addRow("point-virgule après 64 Kio") << QByteArray(70000, 'x') + "\n;\n";
    QTest::addRow("200 000 lignes sans entrée") << QByteArray(200000, '\n');
    QTest::addRow("retours chariot seuls et en fin") << QByteArray("A\rB;C\r\n;\r\r\nD;\r\nE;F\r");
    QTest::addRow("accents des deux côtés") << QByteArray("\xC9T\xC9;\xC9T\xC9S;\x80\x9D\n;;\n\xFF;\x81");
}

// What the menu decides from the first ';' is what the whole read would say.
void TestFormats::apercuBase()
{
    QFETCH(QByteArray, octets);
    InstallationTest inst;
    inst.ecrire(QStringLiteral("listes/7L.txt"), octets);
    const data::ApercuBase a = data::apercuBase(QStringLiteral("listes\\7L.txt"));
    const data::Base b = data::analyserBase(octets);
    // The base is what its lines say one by one.
    QList<LigneBase> parLigne;
    int sans = 0;
    for (const QString& l : data::lignes(octets))
        if (auto e = data::decouperLigne(l))
            parLigne.append(*e);
        else
            ++sans;
    QCOMPARE(b.lignes, parLigne);
    QCOMPARE(b.ignorees, sans);
    QVERIFY(a.ok());
    QCOMPARE(a.entree, !b.lignes.isEmpty());
    if (!a.entree)
        QCOMPARE(a.ignorees, b.ignorees);
    QVERIFY(!data::apercuBase(QStringLiteral("listes\\absent.txt")).ok());
}

void TestFormats::baseAbsente()
{
    InstallationTest inst;
    const auto b = data::lireBase(QStringLiteral("listes\\7L.txt"));
    QVERIFY(!b.ok());
    QVERIFY(b.erreur.contains(u"listes\\7L.txt"));
    inst.ecrire(QStringLiteral("listes/7L.txt"), "ACEILRT;ARTICLE\r\n");
    QCOMPARE(data::lireBase(QStringLiteral("listes\\7L.txt")).lignes.size(), 1);
}

void TestFormats::champs_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("attendu");
    QTest::addRow("une par ligne") << QByteArray("ABA\r\nABAT\r\n") << QStringList{"ABA", "ABAT"};
    QTest::addRow("virgules") << QByteArray("ABA,ABAT\r\nX") << QStringList{"ABA", "ABAT", "X"};
    QTest::addRow("guillemets") << QByteArray("\"Par d\xE9" "faut\"\r\n\"A,B\"\r\n")
                                << QStringList{u"Par défaut"_qs, "A,B"};
    QTest::addRow("espaces autour") << QByteArray("  5  \r\n\t6\r\n") << QStringList{"5", "6"};
    QTest::addRow("ligne vide") << QByteArray("A\r\n\r\nB\r\n") << QStringList{"A", "", "B"};
    QTest::addRow("guillemet non fermé") << QByteArray("\"AB\r\nC") << QStringList{"AB", "C"};
}

void TestFormats::champs()
{
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, attendu);
    QCOMPARE(data::lireChamps(octets), attendu);
}

void TestFormats::listeLaterale_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("capacite");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<bool>("contient");
    QTest::addRow("exact") << QByteArray("ABATTRE\r\nABIMER\r\n") << 10 << "ABIMER" << true;
    QTest::addRow("minuscules") << QByteArray("ABATTRE\r\n") << 10 << "abattre" << false;
    QTest::addRow("contenu seulement") << QByteArray("ABAT\r\n") << 10 << "ABATTRE" << false;
    QTest::addRow("après une ligne vide") << QByteArray("ABAT\r\n\r\nCOUDRE\r\n") << 10 << "COUDRE" << false;
    QTest::addRow("avant une ligne vide") << QByteArray("ABAT\r\n\r\nCOUDRE\r\n") << 10 << "ABAT" << true;
    QTest::addRow("au-delà de la table") << QByteArray("A\r\nB\r\nC\r\n") << 2 << "C" << false;
    QTest::addRow("guillemets") << QByteArray("\"ABAT\"\r\n") << 10 << "ABAT" << true;
}

void TestFormats::listeLaterale()
{
    QFETCH(QByteArray, octets);
    QFETCH(int, capacite);
    QFETCH(QString, mot);
    const auto l = data::ListeLaterale::analyser(octets, capacite);
    QTEST(l.contient(mot), "contient");
    QVERIFY(l.entrees.size() <= capacite);
}

// A list read again is taken from memory only while its file is unchanged.
void TestFormats::listeLateraleRelue()
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("vbi_gd.txt"));
    const auto ecrire = [&](const QByteArray& octets, int secondes) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
        QVERIFY(f.flush());
        QVERIFY(f.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0, secondes)), QFileDevice::FileModificationTime));
    };
    const auto contient = [&](const char* mot) { return data::ListeLaterale::lire(chemin, 10).contient(QString::fromLatin1(mot)); };
    ecrire("ABATTRE\r\n", 0);
    QVERIFY(contient("ABATTRE"));
    QVERIFY(contient("ABATTRE"));
    ecrire("COUDRE\r\n", 0);  // another size, same date
    QVERIFY(contient("COUDRE"));
    ecrire("MOUDRE\r\n", 1);  // same size, another date
    QVERIFY(contient("MOUDRE"));
    QVERIFY(!contient("COUDRE"));
    QVERIFY(QFile::remove(chemin));
    QVERIFY(!data::ListeLaterale::lire(chemin, 10).ok());
}

void TestFormats::infoSouris_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QStringList>("attendu");
    const QByteArray fichier = "MAKORE\r\nArbre tropical\r\nABAT\r\nNote, \"cit\xE9\"; fin\r\nMAKORE\r\nBois\r\n";
    QTest::addRow("une paire") << fichier << "ABAT" << QStringList{u"Note, \"cité\"; fin"_qs};
    QTest::addRow("plusieurs, dans l'ordre") << fichier << "MAKORE" << QStringList{"Arbre tropical", "Bois"};
    QTest::addRow("casse") << fichier << "makore" << QStringList{};
    QTest::addRow("troisième ligne vide")
        << QByteArray("MAKORE\r\nArbre\r\n\r\nx\r\nABAT\r\nNote\r\n") << "ABAT" << QStringList{};
    QTest::addRow("mot sans note en fin") << QByteArray("ABAT\r\nNote\r\nKOTO") << "KOTO" << QStringList{""};
    QTest::addRow("fins LF, CR dans une ligne")
        << QByteArray("AB\rC\nUn\r\nABC\nDeux\rtrois\nAB\rC\n\n") << "AB\rC" << QStringList{"Un", ""};
    // Thousands of words, one of them repeated far apart: the table must keep them all, in order.
    QByteArray beaucoup;
    for (int i = 0; i < 6000; ++i)
        beaucoup += "M" + QByteArray::number(i * 7919 % 6000) + "\r\nN" + QByteArray::number(i) + "\r\n";
    beaucoup += "M4242\r\nfin\r\n";
    QTest::addRow("6000 mots, doublon lointain") << beaucoup << "M4242" << QStringList{"N318", "fin"};
    QTest::addRow("6000 mots, absent") << beaucoup << "M6000" << QStringList{};
}

void TestFormats::infoSouris()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, mot);
    QTEST(data::InfoSouris::analyser(octets).notes(mot), "attendu");
    // A copy outlives the original it came from and answers the same.
    std::optional<data::InfoSouris> original(data::InfoSouris::analyser(octets));
    const data::InfoSouris copie = *original;
    original.reset();
    QTEST(copie.notes(mot), "attendu");
}

void TestFormats::anagrammes()
{
    // The fixture mixes CR LF and LF, holds a line without ';' and a word filed under other letters.
    const QString dossier = QStringLiteral(LEXIDOR_SOURCE_DIR "/tests/fixtures/anagrammes/");
    const auto a = data::anagrammesPourBase(dossier + u"5L_multiples.txt"_qs);
    QVERIFY(a.estAnagramme(u"CAPER"_qs, u"ACEPR"_qs) && a.estAnagramme(u"TIRES"_qs, u"RITES"_qs));
    QVERIFY(!a.estAnagramme(u"ZZZZZ"_qs, u"ZZZZZ"_qs) && !a.estAnagramme(u"CAPER"_qs, u"ACEPS"_qs));
    QVERIFY(data::anagrammesPourBase(dossier + u"5L.txt"_qs).estVide());
    QVERIFY(data::anagrammesPourBase(dossier + u"absent/7L_multiples.txt"_qs).estVide());
}

namespace {

QByteArray le(quint32 v, int octets)
{
    QByteArray b;
    for (int i = 0; i < octets; ++i)
        b += char(v >> (8 * i));
    return b;
}

QByteArray fragment(const char* id, const QByteArray& contenu, qint64 taille = -1)
{
    const QByteArray b = QByteArray(id, 4) + le(quint32(taille < 0 ? contenu.size() : taille), 4) + contenu;
    return contenu.size() % 2 ? b + '\0' : b;
}

QByteArray fmt(quint16 code, quint16 canaux, quint16 bits, quint32 debit = 44100)
{
    return fragment("fmt ", le(code, 2) + le(canaux, 2) + le(22050, 4) + le(debit, 4) + le(canaux * bits / 8, 2)
                                + le(bits, 2));
}

QByteArray riff(const QByteArray& fragments, qint64 taille = -1)
{
    return "RIFF" + le(quint32(taille < 0 ? fragments.size() + 4 : taille), 4) + "WAVE" + fragments;
}

}  // namespace

void TestFormats::wave_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("jouable");
    const QByteArray mono = fmt(1, 1, 16);
    const QByteArray son = fragment("data", QByteArray(400, '\x10'));
    QTest::addRow("PCM, fragment impair avant") << riff(fragment("LIST", "abc") + mono + son) << true;
    QTest::addRow("corps tronqué") << riff(mono + fragment("data", "ab", 4000)) << false;
    QTest::addRow("RIFF plus long que le fichier") << riff(mono + son, 9000) << false;
    QTest::addRow("data avant fmt") << riff(son + mono) << false;
    QTest::addRow("data vide") << riff(mono + fragment("data", {})) << false;
    QTest::addRow("trame incomplète") << riff(mono + fragment("data", "abc")) << false;
    QTest::addRow("flottant") << riff(fmt(3, 1, 32, 88200) + son) << false;
    QTest::addRow("débit incohérent") << riff(fmt(1, 1, 16, 7) + son) << false;
    QTest::addRow("fmt trop court") << riff(fragment("fmt ", mono.mid(8, 12)) + son) << false;
    QTest::addRow("en-tête seul") << riff({}) << false;
}

void TestFormats::wave()
{
    QFETCH(QByteArray, octets);
    QTEST(data::waveValide(octets), "jouable");
}

void TestFormats::sonJouable()
{
    QVERIFY(data::sonJouable(QStringLiteral(LEXIDOR_RUNTIME_DIR "/APP05.WAV")));
    InstallationTest inst;
    QVERIFY(!data::sonJouable(QStringLiteral("APP05.WAV")));
    QVERIFY(!data::sonJouable(inst.chemin()));
    // Opening a named pipe would wait for a writer forever.
    QCOMPARE(::mkfifo(QFile::encodeName(inst.chemin(QStringLiteral("tube.wav"))).constData(), 0600), 0);
    QVERIFY(!data::sonJouable(QStringLiteral("tube.wav")));
}

void TestFormats::parametres_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QList<int>>("nombres");  // seuilch, seuilcb, tempsparmot, nbechantillon, son
    QTest::addColumn<QString>("couleur");
    QTest::addColumn<int>("avertissements");
    QTest::addRow("fichier écrit") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nPar d\xE9" "faut\r\n")
                                   << QList<int>{95, 80, 5, 5, 1} << u"Par défaut"_qs << 0;
    QTest::addRow("vide") << QByteArray() << QList<int>{0, 0, 0, 0, 0} << QString() << 0;
    QTest::addRow("cinq lignes") << QByteArray("95\r\n80\r\n8\r\n3\r\n0\r\n")
                                 << QList<int>{95, 80, 8, 3, 0} << QString() << 0;
    QTest::addRow("virgule dans la couleur") << QByteArray("95\r\n80\r\n5\r\n5\r\n1\r\nVert,clair\r\n")
                                             << QList<int>{95, 80, 5, 5, 1} << "Vert" << 0;
    QTest::addRow("champ entre guillemets") << QByteArray("95\r\n80\r\n\"7\"\r\n5\r\n1\r\n\"Gris\"\r\n")
                                            << QList<int>{95, 80, 7, 5, 1} << "Gris" << 0;
    QTest::addRow("espaces en tête") << QByteArray("  95\r\n 80\r\n   6\r\n5\r\n1\r\n  Bleu\r\n")
                                     << QList<int>{95, 80, 6, 5, 1} << "Bleu" << 0;
    QTest::addRow("moitié vers le pair") << QByteArray("95\r\n80\r\n1.5\r\n2.5\r\n0.5\r\n")
                                         << QList<int>{95, 80, 2, 2, 0} << QString() << 0;
    QTest::addRow("nombre en tête") << QByteArray("95abc\r\nxyz\r\n12s\r\n") << QList<int>{95, 0, 12, 0, 0}
                                    << QString() << 0;
    QTest::addRow("hors 16 bits") << QByteArray("95\r\n80\r\n99999999\r\n-40000\r\n1\r\n")
                                  << QList<int>{95, 80, 5, 5, 1} << QString() << 2;
    QByteArray quarante;
    for (int i = 0; i < 40; ++i)
        quarante += QByteArray::number(i + 1) + "\r\n";
    QTest::addRow("quarante champs") << quarante << QList<int>{1, 2, 3, 4, 5} << "6" << 1;
    QTest::addRow("nombre en couleur") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n007\r\n")
                                       << QList<int>{1, 2, 3, 4, 5} << "7" << 0;
}

void TestFormats::parametres()
{
    QFETCH(QByteArray, octets);
    QFETCH(QList<int>, nombres);
    const auto r = data::analyserParametres(octets);
    const auto& v = r.valeurs;
    QCOMPARE((QList<int>{v.seuilch, v.seuilcb, v.tempsparmot, v.nbechantillon, v.son}), nombres);
    QTEST(v.couleur, "couleur");
    QTEST(int(r.avertissements.size()), "avertissements");
    QVERIFY(!r.absent);
}

void TestFormats::parametresAbsents()
{
    InstallationTest inst;
    const auto r = data::lireParametres();
    QVERIFY(r.absent);
    QCOMPARE(r.valeurs.tempsparmot, qint16(5));
    QCOMPARE(r.valeurs.nbechantillon, qint16(5));
    QCOMPARE(r.valeurs.son, qint16(1));
    QCOMPARE(r.valeurs.couleur, u"Par défaut"_qs);
    QVERIFY(!QFile::exists(inst.chemin(QStringLiteral("settings.dat"))));
}

void TestFormats::parametresEcrits()
{
    InstallationTest inst;
    inst.ecrire(QStringLiteral("settings.dat"), "10\r\n20\r\n3\r\n4\r\n0\r\nJaune\r\nreste\r\n");
    QCOMPARE(data::ecrireParametres({95, 80, 8, 2, 1, u"Par défaut"_qs}), QString());
    QCOMPARE(inst.lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n8\r\n2\r\n1\r\nPar d\xE9" "faut\r\n"));
    const auto relu = data::lireParametres();
    QCOMPARE(relu.valeurs.tempsparmot, qint16(8));
    QCOMPARE(relu.valeurs.couleur, u"Par défaut"_qs);
    // A field never spreads over several lines.
    QCOMPARE(data::ecrireParametres({95, 80, 8, 2, 1, u"Bleu\r\n99\r\n-5"_qs}), QString());
    QCOMPARE(inst.lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n8\r\n2\r\n1\r\nBleu\r\n"));
    QCOMPARE(data::surUneLigne(u"\tVert\u2028Gris"_qs), u"Vert"_qs);
}

void TestFormats::parametresNonEnregistrablesGardentLAncienFichier()
{
    if (geteuid() == 0)
        QSKIP("root ignores directory permissions");
    InstallationTest inst;
    const QByteArray ancien = "95\r\n80\r\n4\r\n4\r\n1\r\nVert\r\n";
    inst.ecrire(QStringLiteral("settings.dat"), ancien);
    QFile::setPermissions(inst.chemin(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString erreur = data::ecrireParametres({95, 80, 9, 9, 0, QStringLiteral("Gris")});
    QFile::setPermissions(inst.chemin(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(erreur.contains(u"n'a pas pu être enregistré"));
    QCOMPARE(inst.lire(QStringLiteral("settings.dat")), ancien);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "test_formats.moc"
