// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"
#include "app/controles.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "fixtures/menu/installation_menu.h"
#include "data/emplacement.h"
#include "menu/dialoglistes.h"
#include "menu/menuods8.h"
#include "training/form1.h"
#include "menu/textesdonnees.h"
#include "support/installation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QLabel>
#include <QLockFile>
#include <QProgressBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString fixture(const char* nom) { return QStringLiteral(LEXIDOR_SOURCE_DIR "/tests/fixtures/builder/") + QLatin1String(nom); }

// A data folder as a complete build leaves it.
void dossierComplet(const InstallationTest& inst, const QString& nom, const QByteArray& description = {})
{
    inst.ecrireLignes(nom + QStringLiteral("/listes/7L.txt"), {QStringLiteral("ACEHIN;CHIENNE")});
    if (!description.isEmpty())
        inst.ecrire(nom + QStringLiteral("/description.txt"), description);
}

QStringList dossiersJoueur(const InstallationTest& inst)
{
    return QDir(inst.chemin()).entryList({QStringLiteral("*mes-listes-*")},
                                         QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestMesListes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        messages.clear();
        app::observerMessages([this](const QString& t, app::Icone) { messages << t; });
        inst = std::make_unique<InstallationTest>();
    }
    void cleanup()
    {
        inst.reset();
        app::observerMessages({});
    }

    void pointeur_data()
    {
        QTest::addColumn<QByteArray>("pointeur");  // null: no pointer file
        QTest::addColumn<QString>("enUsage");
        QTest::addColumn<bool>("avertit");
        QTest::addRow("listes fournies") << QByteArray() << QString() << false;
        QTest::addRow("dossier complet") << QByteArray("mes-listes-a\r\n") << QStringLiteral("mes-listes-a") << false;
        QTest::addRow("fin de ligne LF") << QByteArray("mes-listes-a\n") << QStringLiteral("mes-listes-a") << false;
        QTest::addRow("dossier à moitié construit") << QByteArray("mes-listes-moitie") << QString() << true;
        QTest::addRow("dossier disparu") << QByteArray("mes-listes-b") << QString() << true;
        QTest::addRow("hors du dossier de travail") << QByteArray("../mes-listes-a") << QString() << true;
        QTest::addRow("pointeur vide") << QByteArray("") << QString() << true;
    }
    void pointeur()
    {
        QFETCH(QByteArray, pointeur);
        QFETCH(QString, enUsage);
        QFETCH(bool, avertit);
        dossierComplet(*inst, QStringLiteral("mes-listes-a"));
        inst->ecrire(QStringLiteral("mes-listes-moitie/infosouris-ods8.txt"), "A\r\n");
        if (!pointeur.isNull())
            inst->ecrire(data::fichierPointeur, pointeur);
        const data::Emplacement e = data::Emplacement::courant();
        QCOMPARE(e.dossier(), enUsage);
        QCOMPARE(!e.avertissement().isEmpty(), avertit);
        const QString attendu = enUsage.isEmpty() ? QString() : enUsage + QLatin1Char('\\');
        QCOMPARE(e.chemin(QStringLiteral("listes\\7L.txt")), attendu + QStringLiteral("listes\\7L.txt"));
    }

    // A build goes into a new folder; the data in use changes only by the switch.
    void bascule_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("issue");
        QTest::addColumn<bool>("erreur");
        QTest::addColumn<bool>("nouveauEnUsage");
        QTest::addRow("construite puis basculée") << "mes-listes-a" << "complete" << false << true;
        QTest::addRow("première construction") << "" << "complete" << false << true;
        QTest::addRow("tuée à moitié") << "mes-listes-a" << "tuee" << false << false;
        QTest::addRow("incomplète refusée") << "mes-listes-a" << "incomplete" << true << false;
        QTest::addRow("pointeur impossible à écrire") << "mes-listes-a" << "pointeurBloque" << true << false;
        QTest::addRow("retour aux listes fournies") << "mes-listes-a" << "revenir" << false << false;
        QTest::addRow("retour impossible") << "mes-listes-a" << "revenirBloque" << true << false;
    }
    void bascule()
    {
        QFETCH(QString, avant);
        QFETCH(QString, issue);
        QFETCH(bool, erreur);
        QFETCH(bool, nouveauEnUsage);
        if (!avant.isEmpty()) {
            dossierComplet(*inst, avant);
            inst->ecrire(data::fichierPointeur, avant.toLatin1() + "\r\n");
        }
        // Leftovers of a build killed earlier, and of its hidden working copy.
        inst->ecrire(QStringLiteral("mes-listes-ancien/listes/4L.txt"), "A");
        inst->ecrire(QStringLiteral(".mes-listes-x.1234/listes/4L.txt"), "A");

        QString e;
        const QString nouveau = data::preparerConstruction(&e);
        QVERIFY2(!nouveau.isEmpty(), qPrintable(e));
        QVERIFY(!QFileInfo::exists(nouveau));
        QCOMPARE(dossiersJoueur(*inst), avant.isEmpty() ? QStringList() : QStringList{avant});
        const QString nom = QFileInfo(nouveau).fileName();

        if (issue == QLatin1String("complete") || issue == QLatin1String("pointeurBloque")) {
            dossierComplet(*inst, nom);
            if (issue == QLatin1String("pointeurBloque")) {
                QFile::remove(inst->chemin(data::fichierPointeur));
                QDir().mkpath(inst->chemin(data::fichierPointeur + QStringLiteral("/x")));
            }
            e = data::basculer(nouveau);
        } else if (issue == QLatin1String("tuee")) {
            // Another window was killed halfway through its build; this one gives up its own.
            inst->ecrire(QStringLiteral("mes-listes-tuee/listes/5L.txt"), "ABC");
            inst->ecrire(QStringLiteral(".mes-listes-tuee.construction.verrou"), "999999\nlexidor\n\n");
            data::abandonnerConstruction(nouveau);
            e.clear();
        } else if (issue == QLatin1String("incomplete")) {
            inst->ecrire(nom + QStringLiteral("/infosouris-ods8.txt"), "A");
            e = data::basculer(nouveau);
        } else {
            if (issue == QLatin1String("revenirBloque")) {
                QFile::remove(inst->chemin(data::fichierPointeur));
                QDir().mkpath(inst->chemin(data::fichierPointeur + QStringLiteral("/x")));
            }
            e = data::revenirAuxListesFournies();
        }
        QCOMPARE(!e.isEmpty(), erreur);
        const data::Emplacement apres = data::Emplacement::courant();
        if (nouveauEnUsage) {
            QCOMPARE(apres.dossier(), nom);
            QCOMPARE(dossiersJoueur(*inst), QStringList{nom});
        } else if (issue == QLatin1String("revenir")) {
            QVERIFY(!apres.joueur());
            QCOMPARE(dossiersJoueur(*inst), QStringList());
        } else if (issue != QLatin1String("pointeurBloque") && issue != QLatin1String("revenirBloque")) {
            QCOMPARE(apres.dossier(), avant);
            QVERIFY(QFileInfo::exists(inst->chemin(avant + QStringLiteral("/listes/7L.txt"))));
        } else {
            // The pointer is unusable, but the player's folder is still there for another try.
            QVERIFY(QFileInfo::exists(inst->chemin(avant + QStringLiteral("/listes/7L.txt"))));
        }
        if (issue == QLatin1String("tuee")) {
            // The next start.
            data::marquerLecture(avant);
            QCOMPARE(dossiersJoueur(*inst), QStringList{avant});
        }
    }

    void textesSelonLesDonnees_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        const QByteArray huitNeuf = "source=listes\r\neditions=8,9\r\ndate=2026-12-08\r\n";
        const QString multiples = QStringLiteral("Solutions ODS8 qui ont plusieurs anagrammes ODS7");
        QTest::addRow("substitut : comme prévu") << QByteArray("source=substitut\r\neditions=7,8\r\n") << multiples
                                                 << multiples;
        QTest::addRow("sans description") << QByteArray() << multiples << multiples;
        QTest::addRow("éditions 8 et 9 en une passe") << huitNeuf << multiples
                                                      << QStringLiteral("Solutions ODS9 qui ont plusieurs anagrammes ODS8");
        QTest::addRow("bouton en minuscules") << huitNeuf << QStringLiteral("  AVANT    sur ods8")
                                              << QStringLiteral("  AVANT    sur ods9");
        QTest::addRow("titre du menu") << huitNeuf << QStringLiteral("LEXIDOR ODS 8")
                                       << QStringLiteral("LEXIDOR ODS 9");
        QTest::addRow("titre de l'entraînement") << QByteArray("source=listes\neditions=9,10\n")
                                                 << QStringLiteral("LEXIDOR ODS 8 - ENTRAINEMENT AU SCRABBLE ")
                                                 << QStringLiteral("LEXIDOR ODS 10 - ENTRAINEMENT AU SCRABBLE ");
        QTest::addRow("éditions inversées") << QByteArray("source=listes\r\neditions=9,8\r\n") << multiples << multiples;
        QTest::addRow("éditions illisibles") << QByteArray("source=listes\r\neditions=huit\r\n") << multiples << multiples;
        QTest::addRow("ligne du substitut") << QByteArray("source=substitut\r\n") << QString()
                                            << QStringLiteral("Listes d'essai, pas la liste officielle : vos propres "
                                                              "listes avec « Mes listes… ».");
        QTest::addRow("ligne de vos listes") << huitNeuf << QString()
                                             << QStringLiteral("Vos listes : ODS 8 et ODS 9, construites le 08/12/2026.");
        QTest::addRow("pas de ligne sans description") << QByteArray("\xff\xfe\x00") << QString() << QString();
    }
    void textesSelonLesDonnees()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        const data::Description d = data::analyserDescription(description);
        QCOMPARE(texte.isNull() ? menu::ligneDonnees(d) : data::selonEditions(texte, d), attendu);
    }

    void avisMotsDisparus_data()
    {
        QTest::addColumn<QByteArray>("fichier");  // null: no such file
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("attendu");
        QTest::addRow("sans fichier : texte prévu")
            << QByteArray() << QByteArray() << u"Mots ODS 7 à ne plus jouer : \r\nCHINETOQUE\r\nNEGRO\r\nSILY"_qs;
        QTest::addRow("liste courte") << QByteArray("ABACA\r\nZOB\n\r\n") << QByteArray("source=listes\r\neditions=8,9\r\n")
                                      << u"Mots ODS 8 à ne plus jouer : \r\nABACA\r\nZOB"_qs;
        QTest::addRow("aucun") << QByteArray("") << QByteArray() << u"Mots ODS 7 à ne plus jouer : aucun."_qs;
        QByteArray beaucoup;
        for (int i = 0; i < 1234; ++i)
            beaucoup += "MOT" + QByteArray::number(i) + "\r\n";
        QTest::addRow("beaucoup") << beaucoup << QByteArray()
                                  << u"Mots ODS 7 à ne plus jouer : 1\u202F234 mots."_qs;
    }
    void avisMotsDisparus()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QByteArray, description);
        QFETCH(QString, attendu);
        if (!fichier.isNull())
            inst->ecrire(data::fichierMotsDisparus, fichier);
        const data::MotsDisparus m = data::lireMotsDisparus(data::fichierMotsDisparus, menu::motsDisparusLus);
        const QString avis = menu::avisMotsDisparus(m, data::analyserDescription(description));
        QVERIFY2(avis.startsWith(attendu.replace(u'\u202F', QLocale(QLocale::French).groupSeparator())), qPrintable(avis));
        // A longer list opens in a window of its own, whole: no file to look for.
        QCOMPARE(menu::listeAOuvrir(m), m.total > menu::motsDisparusAffiches);
        QCOMPARE(m.premiers.size(), m.total);
    }

    // From two lists to the data in use, and back to the shipped lists, as a player does it.
    void construireEtRevenir()
    {
        DialogListes d;
        QSignalSpy changees(&d, &DialogListes::donneesChangees);
        QSignalSpy finie(&d, &DialogListes::constructionTerminee);
        auto* construire = d.findChild<QPushButton*>(QStringLiteral("construire"));
        d.choisirAncienne(fixture("ancienne.txt"));
        d.choisirNouvelle(fixture("recente.txt"));
        QTRY_VERIFY(construire->isEnabled());
        QVERIFY(d.findChild<QLabel*>(QStringLiteral("apercuNouvelle"))->text().startsWith(QStringLiteral("12 mots")));
        construire->click();
        QVERIFY(d.enCours());
        QVERIFY(finie.wait(20000));
        QVERIFY2(data::Emplacement::courant().joueur(), qPrintable(d.rapport()));
        QCOMPARE(changees.count(), 1);
        QVERIFY2(d.rapport().contains(QStringLiteral("listes/7L.txt : ")), qPrintable(d.rapport()));
        QCOMPARE(d.findChild<QProgressBar*>(QStringLiteral("progression"))->value(), 100);

        d.findChild<QPushButton*>(QStringLiteral("listesFournies"))->click();
        QVERIFY(!data::Emplacement::courant().joueur());
        QCOMPARE(dossiersJoueur(*inst), QStringList());
        QCOMPARE(changees.count(), 2);
        QVERIFY(messages.isEmpty());
    }

    // However a build ends short of its end, the data in use is what it was and nothing is left.
    void constructionInterrompue_data()
    {
        QTest::addColumn<QString>("fin");
        QTest::addRow("annulée") << "annuler";
        QTest::addRow("fenêtre fermée") << "fermer";
        QTest::addRow("Échap") << "echap";
        QTest::addRow("bouton Fermer") << "boutonFermer";
        QTest::addRow("échec") << "echec";
        QTest::addRow("listes refusées") << "refus";
    }
    void constructionInterrompue()
    {
        QFETCH(QString, fin);
        dossierComplet(*inst, QStringLiteral("mes-listes-a"));
        inst->ecrire(data::fichierPointeur, "mes-listes-a\r\n");
        DialogListes d;
        QSignalSpy changees(&d, &DialogListes::donneesChangees);
        QSignalSpy finie(&d, &DialogListes::constructionTerminee);
        const bool echoue = fin == QLatin1String("echec");
        d.remplacerMoteur({[](const QString&) { return builder::ApercuListe{10, 0, 0, {}, {}}; },
                           [echoue](const builder::DemandeListes& dem, const std::function<void(int)>& progres,
                                    const std::atomic<bool>* annuler) {
                               QDir().mkpath(dem.sortie + QStringLiteral("/listes"));
                               builder::RapportListes r;
                               for (int p = 0; p < 100 && !annuler->load(); ++p) {
                                   progres(p);
                                   QThread::msleep(20);
                                   if (echoue && p == 5) {
                                       r.erreur = QStringLiteral("Le disque est plein.");
                                       return r;
                                   }
                               }
                               // Not given up: a whole folder that the window would switch in.
                               r.annule = annuler->load();
                               return r;
                           }});
        if (fin == QLatin1String("refus")) {
            d.choisirAncienne(inst->chemin());
            d.choisirNouvelle(inst->chemin());
            d.remplacerMoteur({&builder::examinerListe, &builder::construireDepuisListes});
        } else {
            d.choisirAncienne(QStringLiteral("a.txt"));
            d.choisirNouvelle(QStringLiteral("b.txt"));
        }
        d.show();
        d.construire();
        // The window keeps answering while the build runs.
        auto* barre = d.findChild<QProgressBar*>(QStringLiteral("progression"));
        if (fin != QLatin1String("refus")) {
            QTRY_VERIFY(barre->value() >= 3);
            if (fin == QLatin1String("annuler"))
                d.findChild<QPushButton*>(QStringLiteral("annuler"))->click();
            else if (fin == QLatin1String("fermer"))
                d.close();
            else if (fin == QLatin1String("echap"))
                QTest::keyClick(&d, Qt::Key_Escape);
            else if (fin == QLatin1String("boutonFermer"))
                d.findChild<QPushButton*>(QStringLiteral("fermer"))->click();
        }
        QVERIFY2(finie.wait(10000), qPrintable(d.rapport() + QString::number(d.enCours())));
        QCOMPARE(changees.count(), 0);
        QCOMPARE(data::Emplacement::courant().dossier(), QStringLiteral("mes-listes-a"));
        QCOMPARE(dossiersJoueur(*inst), QStringList{QStringLiteral("mes-listes-a")});
        QVERIFY2(d.rapport().contains(QStringLiteral("Les listes en usage n'ont pas changé.")), qPrintable(d.rapport()));
        QCOMPARE(barre->value(), 0);
        QCOMPARE(messages.size(), fin == QLatin1String("echec") || fin == QLatin1String("refus") ? 1 : 0);
    }

    // Run as a second program by deuxFenetres(): a window reading the lists in use, that answers
    // "ok" while it can still read their notes.
    void lecteurAutreFenetre()
    {
        const QString travail = qEnvironmentVariable("LEXIDOR_LECTEUR");
        if (travail.isEmpty())
            QSKIP("lancé par deuxFenetres()");
        const data::Emplacement e = data::Emplacement::courant(travail);
        data::marquerLecture(e.dossier(), travail);
        QTextStream sortie(stdout);
        sortie << "LECTEUR pret " << e.dossier() << Qt::endl;
        QFile entree;
        QVERIFY(entree.open(stdin, QIODevice::ReadOnly));
        while (entree.readLine().trimmed() == "lire")
            sortie << "LECTEUR " << (QFileInfo::exists(travail + u'/' + e.dossier() + QStringLiteral("/infosouris-ods8.txt")) ? "ok" : "perdu")
                   << Qt::endl;
    }

    // Two programs: one reads its lists while the other builds twice in two windows. The reader
    // keeps its notes, the later switch wins and the earlier window says so; the reader's folder
    // goes at the first cleanup after it ended.
    void deuxFenetres()
    {
        dossierComplet(*inst, QStringLiteral("mes-listes-a"));
        inst->ecrire(QStringLiteral("mes-listes-a/infosouris-ods8.txt"), "CHAT=n. m.\r\n");
        inst->ecrire(data::fichierPointeur, "mes-listes-a\r\n");
        QProcess lecteur;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LEXIDOR_LECTEUR"), inst->chemin());
        lecteur.setProcessEnvironment(env);
        lecteur.start(QCoreApplication::applicationFilePath(), {QStringLiteral("lecteurAutreFenetre")});
        const auto reponse = [&lecteur] {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < 20000) {
                while (lecteur.canReadLine()) {
                    const QByteArray l = lecteur.readLine().trimmed();
                    if (l.startsWith("LECTEUR "))
                        return l.mid(8);
                }
                lecteur.waitForReadyRead(100);
            }
            return QByteArray("(muet)");
        };
        QCOMPARE(reponse(), QByteArray("pret mes-listes-a"));

        DialogListes premiere, seconde;
        QSignalSpy finiePremiere(&premiere, &DialogListes::constructionTerminee);
        QSignalSpy finieSeconde(&seconde, &DialogListes::constructionTerminee);
        for (DialogListes* d : {&premiere, &seconde}) {
            d->choisirAncienne(fixture("ancienne.txt"));
            d->choisirNouvelle(fixture("recente.txt"));
            QTRY_VERIFY(d->findChild<QPushButton*>(QStringLiteral("construire"))->isEnabled());
        }
        premiere.construire();
        seconde.construire();
        QVERIFY(finiePremiere.wait(20000) || finiePremiere.count() == 1);
        QVERIFY(finieSeconde.count() == 1 || finieSeconde.wait(20000));
        const QString enUsage = data::Emplacement::courant().dossier();
        QVERIFY(enUsage.startsWith(QStringLiteral("mes-listes-2")));
        QVERIFY(premiere.rapport().contains(QStringLiteral("Vos listes sont en usage")));
        QVERIFY(seconde.rapport().contains(QStringLiteral("Vos listes sont en usage")));
        // Whichever ended first is told, in its report and by a message.
        QTRY_VERIFY(premiere.rapport().contains(QStringLiteral("Une autre fenêtre")) != seconde.rapport().contains(QStringLiteral("Une autre fenêtre")));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("ne sont plus en usage")), qPrintable(messages.first()));

        lecteur.write("lire\n");
        QCOMPARE(reponse(), QByteArray("ok"));
        QCOMPARE(dossiersJoueur(*inst), (QStringList{enUsage, QStringLiteral("mes-listes-a")}));
        lecteur.closeWriteChannel();
        QVERIFY(lecteur.waitForFinished(20000));
        data::nettoyer();
        QCOMPARE(dossiersJoueur(*inst), QStringList{enUsage});
    }

    // What a cleanup at start removes: folders of our own naming that nothing reads, and nothing else.
    void nettoyage_data()
    {
        QTest::addColumn<QString>("entree");  // a folder when it ends with "/"
        QTest::addColumn<bool>("reste");
        QTest::addRow("dossier joueur orphelin") << "mes-listes-vieux/" << false;
        QTest::addRow("moitié cachée d'une construction") << ".mes-listes-x.1a2b3c4d/" << false;
        QTest::addRow("nom de 96 signes") << (".mes-listes-" + QString(96, QLatin1Char('a')) + "/") << false;
        QTest::addRow("nom de 97 signes") << (".mes-listes-" + QString(97, QLatin1Char('a')) + "/") << true;
        QTest::addRow("signe hors des nôtres") << "mes-listes-a b/" << true;
        QTest::addRow("préfixe seul") << "mes-listes-/" << true;
        QTest::addRow("casse différente") << "Mes-listes-a/" << true;
        QTest::addRow("fichier au nom d'un dossier") << "mes-listes-f" << true;
        QTest::addRow("autre dossier") << "autres/" << true;
        QTest::addRow("copie récente du pointeur") << (data::fichierPointeur + ".x1") << true;
    }
    void nettoyage()
    {
        QFETCH(QString, entree);
        QFETCH(bool, reste);
        const bool dossier = entree.endsWith(QLatin1Char('/'));
        inst->ecrire(dossier ? entree + QStringLiteral("listes/4L.txt") : entree, "A");
        data::nettoyer();
        QCOMPARE(QFileInfo::exists(inst->chemin(entree)), reste);
    }

    // A build under way in another window: its folder is reserved, and neither a cleanup nor a
    // switch removes it.
    void constructionDUneAutreFenetre()
    {
        QString e;
        const QString autre = data::preparerConstruction(&e);
        const QString mienne = data::preparerConstruction(&e);
        QVERIFY(!autre.isEmpty() && !mienne.isEmpty() && autre != mienne);
        const QString cache = QLatin1Char('.') + QFileInfo(autre).fileName() + QStringLiteral(".1a2b3c4d");
        inst->ecrire(cache + QStringLiteral("/listes/4L.txt"), "A");
        dossierComplet(*inst, QFileInfo(mienne).fileName());
        data::nettoyer();
        QCOMPARE(data::basculer(mienne), QString());
        QCOMPARE(dossiersJoueur(*inst), (QStringList{cache, QFileInfo(mienne).fileName()}));
        data::abandonnerConstruction(autre);
        data::nettoyer();
        QCOMPARE(dossiersJoueur(*inst), QStringList{QFileInfo(mienne).fileName()});
    }

    // The menu counts, names the editions of, launches and tells about the data in use, at once
    // after the player's lists are switched in and after the return to the shipped ones.
    void menuSuitLesDonnees()
    {
        fixtures::installerBases(*inst, 3);
        inst->ecrire(data::fichierDescription, "source=substitut\r\neditions=7,8\r\n");
        const QString joueur = QStringLiteral("mes-listes-x/");
        for (const QString& f : fixtures::fichiersBases())
            inst->ecrireLignes(joueur + QStringLiteral("listes/") + f, fixtures::lignesBase(f, 7));
        for (const char* f : {"listes/vbi_gd.txt", "listes/vbt_gd.txt", "listes/inv.txt", "infosouris-ods8.txt"})
            inst->ecrire(joueur + QLatin1String(f), inst->lire(QLatin1String(f)));
        inst->ecrire(joueur + data::fichierDescription, "source=listes\r\neditions=8,9\r\ndate=2026-12-08\r\n");
        inst->ecrire(joueur + data::fichierMotsDisparus, "ZEN\r\n");
        // Another window is building that folder: the menu's start leaves it alone.
        QLockFile enConstruction(inst->chemin(QStringLiteral(".mes-listes-x.construction.verrou")));
        QVERIFY(enConstruction.tryLock(0));

        MenuODS8& m = app::menu();
        m.show();
        const auto texte = [&m](const QString& nom, int index = -1) {
            auto* w = m.findChild<QWidget*>(ctl::nomControle(nom, index));
            return w ? ctl::legende(w) : QStringLiteral("(absent)");
        };
        QCOMPARE(texte(QStringLiteral("Label4"), 4), QStringLiteral("3"));
        QVERIFY(texte(QStringLiteral("ligneDonnees")).startsWith(QStringLiteral("Listes d'essai")));
        // The about box, open during the switch, names the same edition as the menu's title.
        m.ouvrirApropos();
        const auto premiereLigne = [] { return app::apropos().texteApropos->toPlainText().section(QLatin1Char('\n'), 0, 0); };
        QVERIFY2(premiereLigne().startsWith(QStringLiteral("Lexidor ODS 8 - Version ")), qPrintable(premiereLigne()));
        m.findChild<QPushButton*>(QStringLiteral("mesListes"))->click();
        QVERIFY(app::dialogListes().isVisible());

        QCOMPARE(data::basculer(inst->chemin(QStringLiteral("mes-listes-x"))), QString());
        Q_EMIT app::dialogListes().donneesChangees();
        QCOMPARE(texte(QStringLiteral("Label4"), 4), QStringLiteral("7"));
        QCOMPARE(texte(QStringLiteral("Label1")), QStringLiteral("LEXIDOR ODS 9"));
        QVERIFY2(premiereLigne().startsWith(QStringLiteral("Lexidor ODS 9 - Version ")), qPrintable(premiereLigne()));
        QCOMPARE(texte(QStringLiteral("Command1"), 4), QStringLiteral("ARRIERE sur ods9"));
        QCOMPARE(texte(QStringLiteral("ligneDonnees")), QStringLiteral("Vos listes : ODS 8 et ODS 9, construites le 08/12/2026."));
        m.montrerMotsDisparus();
        QCOMPARE(messages, QStringList{u"Mots ODS 8 à ne plus jouer : \r\nZEN"_qs});
        m.findChild<QPushButton*>(ctl::nomControle(QStringLiteral("Command1"), 3))->click();
        QCOMPARE(m.dernierLancement().fichier, QStringLiteral("mes-listes-x\\listes\\Rallonges_avant_sur_ODS8.txt"));
        QCOMPARE(m.dernierLancement().titre, QStringLiteral("RALLONGES AVANT SUR ODS 9"));
        QCOMPARE(app::form1().windowTitle(), QStringLiteral("LEXIDOR ODS 9 - ENTRAINEMENT AU SCRABBLE "));
        QCOMPARE(app::form1().fich, m.dernierLancement().fichier);
        // Another instance of the program goes back to the shipped lists and removes that folder:
        // this one follows before its next launch instead of looking for files that are gone.
        app::form1().quitter_Click();
        QCOMPARE(data::revenirAuxListesFournies(), QString());
        m.findChild<QPushButton*>(ctl::nomControle(QStringLiteral("Command1"), 3))->click();
        QCOMPARE(m.dernierLancement().fichier, QStringLiteral("listes\\Rallonges_avant_sur_ODS8.txt"));
        QCOMPARE(texte(QStringLiteral("Label4"), 4), QStringLiteral("3"));
        app::form1().quitter_Click();

        app::dialogListes().revenirAuxListesFournies();
        QCOMPARE(texte(QStringLiteral("Label4"), 4), QStringLiteral("3"));
        QCOMPARE(texte(QStringLiteral("Command1"), 4), QStringLiteral("ARRIERE sur ods8"));
        QVERIFY2(premiereLigne().startsWith(QStringLiteral("Lexidor ODS 8 - Version ")), qPrintable(premiereLigne()));
        QCOMPARE(messages.size(), 1);
        app::reinitialiser();
    }

private:
    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};

QTEST_MAIN(TestMesListes)
#include "test_meslistes.moc"
