// SPDX-License-Identifier: GPL-3.0-or-later
// The program started on broken installations: it must keep working, lose nothing and tell the
// player in French what is wrong wherever the player has to act.
#include "about/apropos.h"
#include "app/contraste.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "data/texte.h"
#include "fixtures/menu/installation_menu.h"
#include "menu/catalogue.h"
#include "menu/demarrage.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "options/reglages.h"
#include "training/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>
#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QByteArray reglagesSansSon = "95\r\n80\r\n5\r\n5\r\n0\r\nPar d\xE9" "faut\r\n";

bool estRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// Bytes of every value, line breaks, ';', quotes and NULs included.
QByteArray octetsAuHasard(qsizetype taille, unsigned graine)
{
    std::mt19937 gen(graine);
    QByteArray b(taille, Qt::Uninitialized);
    for (char& c : b)
        c = char(gen() & 0xFF);
    return b;
}

QByteArray ligneDe10Mo(bool pointVirgule)
{
    QByteArray l(10 * 1024 * 1024, 'E');
    if (pointVirgule)
        l[5 * 1024 * 1024] = ';';
    return l;
}

// What a broken data file holds, by kind; null for a file that is not there at all.
QByteArray contenuCasse(const QString& sorte, const QStringList& bonnes, unsigned graine)
{
    if (sorte == u"absent")
        return {};
    if (sorte == u"vide")
        return QByteArray("");
    if (sorte == u"binaire")
        return octetsAuHasard(64 * 1024, graine);
    if (sorte == u"ligne de 10 Mo")
        return ligneDe10Mo(true) + "\r\n" + data::joindreLignes(bonnes);
    if (sorte == u"ligne de 10 Mo sans ;")
        return data::joindreLignes(bonnes) + ligneDe10Mo(false);
    if (sorte == u"sans point-virgule") {
        QByteArray b;
        for (const QString& l : bonnes)
            b += data::encoder(QString(l).remove(QLatin1Char(';'))) + "\r\n";
        return b;
    }
    if (sorte == u"octets 0x81 0x8D 0x8F 0x90 0x9D") {
        // Bytes that Windows-1252 leaves undefined, in racks and solutions; LF only on the last lines.
        return QByteArray("AB\x81\x8D;\x81\x8D" "AB\r\n\x8F\x90\x9D;\x9D\x90\x8F\r\nRST;\x81\nXY\x90;Z\x8D");
    }
    if (sorte == u"trop de lignes") {
        QStringList l;
        l.reserve(15001 + 499);
        for (int i = 0; i < 15001 + 499; ++i)
            l << bonnes[i % bonnes.size()];
        return data::joindreLignes(l);
    }
    qFatal("unknown kind %s", qPrintable(sorte));
}

// Messages must be French: no error text of the system or of Qt left untranslated.
bool francais(const QString& texte)
{
    static const QRegularExpression anglais(
        QStringLiteral("\\b(no such|permission denied|is a directory|directory|file|error|cannot|unknown|"
                       "not found|refers|failed|read-only)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return !texte.trimmed().isEmpty() && !anglais.match(texte).hasMatch();
}

void tick(QTimer* t, int n)
{
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(t, "timeout");
}

#ifdef Q_OS_UNIX
// While it lives, no file of this process may grow past 0 bytes: a full disk, even for root.
class DisquePlein {
public:
    DisquePlein()
    {
        ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &ancienne);
        rlimit r = ancienne;
        r.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DisquePlein()
    {
        ::setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, ancienSignal);
    }

private:
    rlimit ancienne{};
    void (*ancienSignal)(int) = nullptr;
};
#endif

}  // namespace

class TestEntreesInvalides : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sansDossierListes();
    void baseCassee_data();
    void baseCassee();
    void listeCassee_data();
    void listeCassee();
    void reglagesCasses_data();
    void reglagesCasses();
    void enregistrementImpossible_data();
    void enregistrementImpossible();

private:
    MenuODS8& demarrer(const QByteArray& reglages = reglagesSansSon);
    QPushButton* bouton(const menu::EntreeCatalogue& e);
    // Launches the base of a button; when the run starts, plays a series answered by hand and one
    // left to the countdown, then goes back to the menu. Returns whether the run started.
    bool lancerEtJouer(const menu::EntreeCatalogue& e);
    void verifierMessages();
    bool echec(QStringView pourquoi)
    {
        raison += pourquoi;
        return false;
    }
    QString raison;

    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

void TestEntreesInvalides::init()
{
    messages.clear();
    app::observerMessages([this](const QString& t, app::Icone) { messages << t; });
    inst = std::make_unique<InstallationTest>();
}

void TestEntreesInvalides::cleanup()
{
    app::reinitialiser();
    QFile::setPermissions(inst->chemin(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    inst.reset();
    app::observerMessages({});
}

MenuODS8& TestEntreesInvalides::demarrer(const QByteArray& reglages)
{
    if (!reglages.isNull() && !QFileInfo::exists(inst->chemin(QStringLiteral("settings.dat"))))
        inst->ecrire(QStringLiteral("settings.dat"), reglages);
    MenuODS8& m = app::menu();
    m.show();
    // The start-up warnings wait for the event loop.
    QCoreApplication::processEvents();
    return m;
}

QPushButton* TestEntreesInvalides::bouton(const menu::EntreeCatalogue& e)
{
    return app::menu().findChild<QPushButton*>(ctl::nomControle(e.bouton, e.index));
}

void TestEntreesInvalides::verifierMessages()
{
    for (const QString& m : std::as_const(messages)) {
        QVERIFY2(francais(m), qPrintable(m.left(400)));
        // A message is read by a person: never a whole file pasted into a box.
        QVERIFY2(m.size() < 2000, qPrintable(m.left(400)));
    }
}

bool TestEntreesInvalides::lancerEtJouer(const menu::EntreeCatalogue& e)
{
    MenuODS8& m = app::menu();
    raison = ctl::nomControle(e.bouton, e.index) + QStringLiteral(": ");
    if (!m.isVisible() || !bouton(e) || !bouton(e)->isEnabled())
        return echec(u"menu inutilisable");
    QTest::mouseClick(bouton(e), Qt::LeftButton);
    if (m.isVisible())
        return echec(u"le menu reste");
    Form1& f = app::form1();
    if (!f.isVisible() || f.fich != e.fichier || !f.corriger->isEnabled())
        return echec(u"pas de série ouverte");

    // First series: the first row answered right, the correction asked for.
    const int lignes = f.partie.nbLignesSerie();
    if (lignes != std::min(f.partie.nbrestants, 30))
        return echec(u"série incomplète");
    const QString* s = f.partie.solutionsDeLigne(0);
    const bool tient = s && s->size() <= f.solution[0]->maxLength();
    // Keys go through the assisted input, whatever the rack holds.
    QTest::keyClicks(f.solution[0], QStringLiteral("eaz9"));
    QTest::keyClick(f.solution[0], Qt::Key_Backspace);
    QTest::keyClick(f.solution[0], Qt::Key_Down);
    QTest::keyClicks(f.solution[1], QStringLiteral("S"));
    QTest::keyClick(f.solution[1], Qt::Key_Up);
    if (s)
        f.solution[0]->setText(*s);
    QTest::mouseClick(f.corriger, Qt::LeftButton);
    if (f.corriger->isEnabled())
        return echec(u"pas de correction");
    // Right answers turn green (a garbled line may have an empty solution, found by an empty box).
    // Green, or the shade of green that stands out on a green background.
    if (lignes > 0 && tient && ctl::couleurFond(f.solution[0]) != ctl::couleurDistincte(0x80FF80, ctl::couleurFond(&f)))
        return echec(u"réponse juste comptée fausse");

    // Second series, if any is left: nobody answers and the countdown ends it.
    if (f.restart->isEnabled()) {
        QTest::mouseClick(f.restart, Qt::LeftButton);
        if (!f.corriger->isEnabled())
            return echec(u"pas de nouvelle série");
        // Under the time criterion, rows judged as they are left.
        f.changerCritere();
        QTest::keyClicks(f.solution[0], QStringLiteral("R"));
        tick(f.minuterieMot, 2);
        f.allerLigneSuivante();
        QTest::keyClick(f.solution[1], Qt::Key_Return);
        tick(f.minuterieSerie, std::max(f.partie.tempsserie, 0) + 1);
        f.changerCritere();
        if (f.corriger->isEnabled())
            return echec(u"le décompte ne corrige pas");
    }
    QTest::mouseClick(f.quitter, Qt::LeftButton);
    if (!m.isVisible() || f.isVisible())
        return echec(u"pas de retour au menu");
    return true;
}

void TestEntreesInvalides::sansDossierListes()
{
    MenuODS8& m = demarrer();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(u"« listes »"_qs));
    messages.clear();
    for (const auto& e : menu::catalogue()) {
        QVERIFY(!lancerEtJouer(e));
        QVERIFY(m.isVisible());
    }
    QCOMPARE(messages.size(), menu::catalogue().size());
    QVERIFY(messages[0].contains(u"ne peut pas être lancée"_qs));
    verifierMessages();
    // The rest of the menu still works, the options are still saved.
    m.ouvrirOptions();
    Dialog2& d = app::dialog2();
    d.champSecondes->setText(QStringLiteral("9"));
    d.valider();
    QVERIFY(!d.isVisible());
    QCOMPARE(inst->lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n9\r\n5\r\n0\r\nPar d\xE9" "faut\r\n"));
    m.ouvrirApropos();
    QVERIFY(app::apropos().isVisible());
}

void TestEntreesInvalides::baseCassee_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<int>("cible");              // index in the catalogue
    QTest::addColumn<QString>("avertissement");  // part of the message a launch must give; null: none
    const auto& cat = menu::catalogue();
    const auto indice = [&](QStringView nom) {
        for (int i = 0; i < cat.size(); ++i)
            if (ctl::nomControle(cat[i].bouton, cat[i].index) == nom)
                return i;
        qFatal("no button %s", qPrintable(nom.toString()));
    };
    const auto ligne = [&](const char* sorte, int i, const QString& avertissement) {
        QTest::addRow("%s %s", sorte, qPrintable(ctl::nomControle(cat[i].bouton, cat[i].index)))
            << QString::fromUtf8(sorte) << i << avertissement;
    };
    // Every button must survive its file missing; for the contents, one button of each kind of run:
    // counted or not, front and back hooks, halves, the random test.
    for (int i = 0; i < cat.size(); ++i)
        ligne("absent", i, u"est introuvable"_qs);
    ligne("dossier", indice(u"SolUniques(4)"), u"c'est un dossier"_qs);
    ligne("dossier", indice(u"Command8"), u"c'est un dossier"_qs);
    ligne("illisible", indice(u"Command1(0)"), u"accès refusé"_qs);
#ifdef Q_OS_UNIX
    ligne("tube nommé", indice(u"Command7(4)"), u"pas un fichier ordinaire"_qs);
#endif
    for (const auto b : {u"Command3", u"Command1(0)", u"Command1(4)", u"Command7(4)", u"SolUniques(8)", u"Command8"}) {
        const int i = indice(b);
        ligne("vide", i, u"ne contient aucun tirage"_qs);
        ligne("binaire", i, u"sans « ; »"_qs);
        ligne("sans point-virgule", i, u"sans « ; »"_qs);
        ligne("octets 0x81 0x8D 0x8F 0x90 0x9D", i, QString());
        if (QStringView(b) == u"Command3" || QStringView(b) == u"Command1(0)" || QStringView(b) == u"Command8")
            ligne("trop de lignes", i, QString());
    }
    // 10 MB files cost time.
    ligne("ligne de 10 Mo", indice(u"SolUniques(4)"), QString());
    ligne("ligne de 10 Mo sans ;", indice(u"Command8"), u"sans « ; »"_qs);
}

void TestEntreesInvalides::baseCassee()
{
    QFETCH(QString, sorte);
    QFETCH(int, cible);
    QFETCH(QString, avertissement);
    const auto& cat = menu::catalogue();
    const auto& e = cat[cible];
    const QString nom = fixtures::nomFichier(e.fichier);
    const bool illisible = sorte == u"illisible", dossier = sorte == u"dossier", tube = sorte == u"tube nommé";
    const bool lisible = sorte != u"absent" && !illisible && !dossier && !tube;
    if (illisible && estRoot())
        QSKIP("root reads files whatever their mode");
    fixtures::installerBases(*inst, 40, {}, {nom});
    const QString fichier = inst->chemin(QStringLiteral("listes/") + nom);
    const QByteArray contenu =
        lisible ? contenuCasse(sorte, fixtures::lignesBase(nom, 40), unsigned(cible)) : QByteArray();
    if (lisible)
        inst->ecrire(QStringLiteral("listes/") + nom, contenu);
    else if (dossier)
        QDir().mkpath(fichier);
#ifdef Q_OS_UNIX
    else if (tube)
        QVERIFY(::mkfifo(QFile::encodeName(fichier).constData(), 0600) == 0);
#endif
    else if (illisible)
        inst->ecrire(QStringLiteral("listes/") + nom, fixtures::lignesBase(nom, 40).join(u'\n').toLatin1());
    if (illisible)
        QFile::setPermissions(fichier, {});

    MenuODS8& m = demarrer();
    // A base that cannot be read is reported at once (those not counted at least when missing); a
    // count is shown for any base that can be read.
    bool compte = false;
    for (const auto& l : menu::labelsComptes())
        compte = compte || l.fichier == nom;
    compte = compte || nom == menu::fichierRallongesAvantOds8 || nom == menu::fichierRallongesArriereOds8;
    const bool signalee = sorte == u"absent" || (!lisible && compte);
    if (lisible || signalee)
        QCOMPARE(messages.size(), signalee ? 1 : 0);
    if (!messages.isEmpty())
        QVERIFY(messages[0].contains(e.fichier));
    if (signalee)
        QVERIFY2(messages[0].contains(avertissement), qPrintable(messages[0]));
    for (const auto& l : menu::labelsComptes())
        if (l.fichier == nom) {
            const QString attendu = !lisible ? menu::compteInconnu
                                                     : menu::remplir(QString::number(data::compterLignes(contenu)),
                                                                     l.remplissage);
            QCOMPARE(m.findChild<QLabel*>(ctl::nomControle(l.label, l.index))->text(), attendu);
        }
    verifierMessages();
    messages.clear();

    // A base without a single rack is refused at the menu rather than opened empty.
    const bool sansTirage = sorte == u"vide" || sorte == u"sans point-virgule";
    const bool lance = lancerEtJouer(e);
    QVERIFY2(lance == (lisible && !sansTirage), qPrintable(raison));
    QVERIFY(m.isVisible());
    if (avertissement.isNull()) {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n').left(400)));
    } else {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(avertissement), qPrintable(messages[0].left(400)));
        QVERIFY(messages[0].contains(e.fichier));
    }
    if (lance) {
        const int attendues = sorte == u"trop de lignes" ? 15001 + 499 : -1;
        if (attendues > 0 && e.toue == u"T")
            QCOMPARE(app::form1().partie.nbinitial, attendues);
    }
    verifierMessages();

    // The other bases still run.
    messages.clear();
    QVERIFY2(lancerEtJouer(cat[(cible + 1) % cat.size()]), qPrintable(raison));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n').left(400)));
}

void TestEntreesInvalides::listeCassee_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<QString>("avertissement");
    const QStringList fichiers{u"listes/vbi_gd.txt"_qs, u"listes/vbt_gd.txt"_qs, u"listes/inv.txt"_qs,
                               u"infosouris-ods8.txt"_qs};
    for (const QString& f : fichiers) {
        const bool notes = f.startsWith(u"info");
        QTest::addRow("%s absent", qPrintable(f)) << f << u"absent"_qs << u"est introuvable"_qs;
        QTest::addRow("%s dossier", qPrintable(f)) << f << u"dossier"_qs << u"c'est un dossier"_qs;
#ifdef Q_OS_UNIX
        if (notes)
            QTest::addRow("%s tube nommé", qPrintable(f)) << f << u"tube nommé"_qs << u"pas un fichier ordinaire"_qs;
#endif
        QTest::addRow("%s vide", qPrintable(f)) << f << u"vide"_qs << QString();
        QTest::addRow("%s binaire", qPrintable(f)) << f << u"binaire"_qs << QString();
        // The three lists share one reader: one of them carries the 10 MB line.
        if (!f.contains(u"vbi") && !f.contains(u"inv"))
            QTest::addRow("%s ligne de 10 Mo", qPrintable(f)) << f << u"ligne de 10 Mo"_qs << QString();
        QTest::addRow("%s octets indéfinis", qPrintable(f)) << f << u"octets 0x81 0x8D 0x8F 0x90 0x9D"_qs << QString();
        QTest::addRow("%s trop long", qPrintable(f))
            << f << u"trop long"_qs << (notes ? QString() : u"les mots suivants sont ignorés"_qs);
    }
}

void TestEntreesInvalides::listeCassee()
{
    QFETCH(QString, fichier);
    QFETCH(QString, sorte);
    QFETCH(QString, avertissement);
    fixtures::installerBases(*inst, 40);
    QFile::remove(inst->chemin(fichier));
    const bool notes = fichier.startsWith(u"info");
    QByteArray contenu;
    if (sorte == u"trop long") {
        // One entry more than the table, then the words of the test bases, which are then not marked.
        QStringList l;
        const int n = notes ? 500000 + 2 : fichier.contains(u"vbt") ? 20000 : fichier.contains(u"vbi") ? 2500 : 1000;
        for (int i = 0; i < n; ++i)
            l << QStringLiteral("MOT%1").arg(i);
        l << u"RAINES"_qs << u"TALONS"_qs;
        contenu = data::joindreLignes(l);
    } else if (sorte != u"dossier" && sorte != u"tube nommé") {
        contenu = contenuCasse(sorte, {u"RAINES"_qs, u"pl. de raine"_qs}, 7);
    }
    if (sorte == u"dossier")
        QDir().mkpath(inst->chemin(fichier));
#ifdef Q_OS_UNIX
    else if (sorte == u"tube nommé")
        QVERIFY(::mkfifo(QFile::encodeName(inst->chemin(fichier)).constData(), 0600) == 0);
#endif
    else if (!contenu.isNull())
        inst->ecrire(fichier, contenu);

    MenuODS8& m = demarrer();
    QVERIFY(messages.isEmpty());
    const auto& cat = menu::catalogue();
    // A plain base and a hook base (its notes are looked up by whole words), then the first again
    // to see that the notes are not reported twice.
    int tour = 0;
    for (const auto* e : {&cat[0], &cat[8], &cat[0]}) {
        messages.clear();
        QVERIFY2(lancerEtJouer(*e), qPrintable(raison));
        verifierMessages();
        // Told when the first run starts; about the notes only once, about a list at each run.
        const bool attendu = !avertissement.isNull() && (tour++ == 0 || !notes);
        QVERIFY2(messages.size() == (attendu ? 1 : 0), qPrintable(messages.join(u'\n').left(400)));
        if (attendu) {
            QVERIFY2(messages[0].contains(avertissement), qPrintable(messages[0]));
            QVERIFY(messages[0].contains(QString(fichier).replace(u'/', u'\\')));
        }
    }
    QVERIFY(m.isVisible());
}

void TestEntreesInvalides::reglagesCasses_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("repertoire");  // settings.dat is a folder
    QTest::addColumn<bool>("illisible");   // settings.dat cannot be opened (mode 000)
    QTest::addColumn<QString>("avertissement");
    QTest::addColumn<int>("tempsparmot");
    QTest::addColumn<bool>("enregistrable");
    QTest::addRow("brouillé") << octetsAuHasard(4096, 3) << false << false << QString() << -1 << true;
    QTest::addRow("sans fin de ligne") << QByteArray("95\r\n80\r\n7") << false << false << QString() << 7 << true;
    QByteArray quarante;
    for (int i = 0; i < 40; ++i)
        quarante += QByteArray::number(i + 3) + "\r\n";
    QTest::addRow("40 champs") << quarante << false << false << u"plus de 15 champs"_qs << 5 << true;
    QTest::addRow("99999999") << QByteArray("95\r\n80\r\n99999999\r\n99999999\r\n99999999\r\nVert\r\n") << false << false
                              << u"« 99999999 »"_qs << 5 << true;
    QTest::addRow("nombre de 21 chiffres") << QByteArray("95\r\n80\r\n100000000000000000000\r\n5\r\n0\r\n\r\n") << false
                                           << false << u"hors limites"_qs << 5 << true;
    QTest::addRow("10 Mo de chiffres") << QByteArray("95\r\n80\r\n") + QByteArray(10 * 1024 * 1024, '9') + "\r\n5\r\n"
                                       << false << false << u"hors limites"_qs << 5 << true;
    QTest::addRow("temps négatif") << QByteArray("95\r\n80\r\n-3\r\n5\r\n0\r\n\r\n") << false << false << QString() << -3
                                   << true;
    QTest::addRow("ligne de 10 Mo") << QByteArray(10 * 1024 * 1024, '7') + "x\r\n80\r\n5\r\n" << false << false
                                    << u"hors limites"_qs << -1 << true;
    QTest::addRow("fichier vide") << QByteArray("") << false << false << QString() << 0 << true;
    QTest::addRow("couleur de 10 Mo") << QByteArray("95\r\n80\r\n5\r\n5\r\n0\r\n") + QByteArray(10 * 1024 * 1024, 'V')
                                      << false << false << QString() << 5 << true;
    QTest::addRow("dossier à la place") << QByteArray() << true << false << u"ne peut pas être lu"_qs << 5 << false;
    QTest::addRow("illisible") << reglagesSansSon << false << true << u"ne peut pas être lu"_qs << 5 << true;
}

void TestEntreesInvalides::reglagesCasses()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, repertoire);
    QFETCH(bool, illisible);
    QFETCH(QString, avertissement);
    QFETCH(int, tempsparmot);
    QFETCH(bool, enregistrable);
    if (illisible && estRoot())
        QSKIP("root reads files whatever their mode; the folder row covers an unreadable settings file");
    fixtures::installerBases(*inst, 40);
    const QString reglages = inst->chemin(QStringLiteral("settings.dat"));
    if (repertoire)
        QDir().mkpath(reglages);
    else
        inst->ecrire(QStringLiteral("settings.dat"), contenu);
    if (illisible)
        QFile::setPermissions(reglages, {});

    MenuODS8& m = demarrer(QByteArray());
    if (!avertissement.isNull())
        QVERIFY2(messages.join(u'\n').contains(avertissement), qPrintable(messages.join(u'\n').left(400)));
    verifierMessages();
    Dialog2& d = app::dialog2();
    if (tempsparmot >= 0)
        QCOMPARE(int(app::reglages().tempsparmot()), tempsparmot);
    QVERIFY(app::reglages().nbechuni() >= 30);

    // Runs work with whatever was read, the random test included.
    messages.clear();
    for (const char* b : {"SolUniques(1)", "Command8", "Command1(0)"})
        for (const auto& e : menu::catalogue())
            if (ctl::nomControle(e.bouton, e.index) == QLatin1String(b))
                QVERIFY2(lancerEtJouer(e), qPrintable(raison));

    // The options open on the values read; OK with sound values rewrites a clean file.
    messages.clear();
    if (illisible)
        QFile::setPermissions(reglages, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m.ouvrirOptions();
    QVERIFY(d.isVisible());
    d.champSecondes->setText(QStringLiteral("8"));
    d.champEchantillon->setText(QStringLiteral("2"));
    d.listeCouleurs->setEditText(QStringLiteral("Vert"));
    d.caseSon->setChecked(false);
    d.valider();
    if (enregistrable) {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QVERIFY(!d.isVisible());
        QCOMPARE(inst->lire(QStringLiteral("settings.dat")), QByteArray("95\r\n80\r\n8\r\n2\r\n0\r\nVert\r\n"));
        QCOMPARE(m.boutonTest->text(), u"Se tester sur 60 mots aléatoires"_qs);
    } else {
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(u"n'ont pas été enregistrées"_qs));
        QVERIFY(d.isVisible());
        d.annuler();
    }
    verifierMessages();
    QVERIFY2(lancerEtJouer(menu::catalogue().first()), qPrintable(raison));
}

void TestEntreesInvalides::enregistrementImpossible_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addRow("dossier en lecture seule") << u"dossier en lecture seule"_qs;
    QTest::addRow("fichier en lecture seule") << u"fichier en lecture seule"_qs;
    QTest::addRow("fichier en lecture seule dans un dossier en lecture seule") << u"fichier et dossier"_qs;
    QTest::addRow("disque plein") << u"disque plein"_qs;
    QTest::addRow("dossier à la place du fichier") << u"dossier"_qs;
    QTest::addRow("chemin à travers un fichier") << u"chemin"_qs;
}

void TestEntreesInvalides::enregistrementImpossible()
{
    QFETCH(QString, obstacle);
    if (obstacle.contains(u"lecture seule") || obstacle == u"fichier et dossier") {
        if (estRoot())
            QSKIP("root writes into read-only folders; the other rows refuse the write to root as well");
    }
#ifndef Q_OS_UNIX
    if (obstacle == u"disque plein")
        QSKIP("needs a file size limit");
#endif
    fixtures::installerBases(*inst, 40);
    const QByteArray avant = "95\r\n80\r\n7\r\n3\r\n0\r\nBleu\r\n";
    inst->ecrire(QStringLiteral("settings.dat"), avant);
    const QString reglages = inst->chemin(QStringLiteral("settings.dat"));
    MenuODS8& m = demarrer(QByteArray());
    QVERIFY(messages.isEmpty());
    Dialog2& d = app::dialog2();
    m.ouvrirOptions();
    d.champSecondes->setText(QStringLiteral("12"));
    d.champEchantillon->setText(QStringLiteral("9"));
    d.listeCouleurs->setEditText(QStringLiteral("Gris"));
    d.appliquerCouleur();

    const QFileDevice::Permissions lectureSeule = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    const QFileDevice::Permissions ouvert = lectureSeule | QFileDevice::WriteOwner;
    if (obstacle == u"dossier en lecture seule") {
        QFile::setPermissions(inst->chemin(), lectureSeule);
        d.valider();
        QFile::setPermissions(inst->chemin(), ouvert);
    } else if (obstacle == u"fichier en lecture seule") {
        QFile::setPermissions(reglages, QFileDevice::ReadOwner);
        d.valider();
        QFile::setPermissions(reglages, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } else if (obstacle == u"fichier et dossier") {
        QFile::setPermissions(reglages, QFileDevice::ReadOwner);
        QFile::setPermissions(inst->chemin(), lectureSeule);
        d.valider();
        QFile::setPermissions(inst->chemin(), ouvert);
        QFile::setPermissions(reglages, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } else if (obstacle == u"disque plein") {
#ifdef Q_OS_UNIX
        DisquePlein plein;
        d.valider();
#endif
    } else if (obstacle == u"dossier") {
        QFile::remove(reglages);
        QDir().mkdir(reglages);
        d.valider();
    } else {
        // settings.dat leads through a plain file, as when the folder it lives in was replaced.
        QFile::remove(reglages);
        inst->ecrire(QStringLiteral("bloquant"), avant);
        QVERIFY(QFile::link(QStringLiteral("bloquant/settings.dat"), reglages));
        d.valider();
    }

    // Refused loudly; the dialog stays open with what was typed and nothing is taken.
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(u"n'ont pas été enregistrées"_qs), qPrintable(messages[0]));
    QVERIFY(messages[0].contains(u"settings.dat"_qs));
    verifierMessages();
    QVERIFY(d.isVisible());
    QCOMPARE(d.champSecondes->text(), u"12"_qs);
    QCOMPARE(app::reglages().tempsparmot(), qint16(7));
    QCOMPARE(app::reglages().nbechantillon(), qint16(3));
    QCOMPARE(app::reglages().couleur(), u"Bleu"_qs);
    QCOMPARE(m.boutonTest->text(), u"Se tester sur 90 mots aléatoires"_qs);
    // Nothing on disk changed.
    if (obstacle == u"chemin")
        QCOMPARE(inst->lire(QStringLiteral("bloquant")), avant);
    else if (obstacle != u"dossier")
        QCOMPARE(inst->lire(QStringLiteral("settings.dat")), avant);
    const QStringList restes = QDir(inst->chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& f : restes)
        QVERIFY2(!f.startsWith(u"settings.dat") || f == u"settings.dat", qPrintable(f));

    // The program goes on: a run on the stored values, and a second OK once the way is clear.
    d.annuler();
    QVERIFY2(lancerEtJouer(menu::catalogue().first()), qPrintable(raison));
    QCOMPARE(app::form1().partie.tempsserie, 7 * 30);
    if (obstacle == u"dossier")
        QDir().rmdir(reglages);
    else if (obstacle == u"chemin")
        QFile::remove(reglages);
    messages.clear();
    m.ouvrirOptions();
    d.champSecondes->setText(QStringLiteral("12"));
    d.valider();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    QVERIFY(!d.isVisible());
    QCOMPARE(app::reglages().tempsparmot(), qint16(12));
    QVERIFY(inst->lire(QStringLiteral("settings.dat")).startsWith("95\r\n80\r\n12\r\n3\r\n"));
}

QTEST_MAIN(TestEntreesInvalides)
#include "test_entrees_invalides.moc"
