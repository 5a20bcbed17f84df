// SPDX-License-Identifier: GPL-3.0-or-later
// The four windows at 150 % and 200 % display scaling: nothing cut off, nothing off the screen.
// The scale factor must be known before the application starts, so the test runs itself once per
// factor. Set LEXIDOR_CAPTURES to a folder to also get PNG pictures of each window at each factor.
#include "about/apropos.h"
#include "app/bouton.h"
#include "app/controles.h"
#include "app/echelle.h"
#include "app/lexidor.h"
#include "app/messages.h"
#include "fixtures/menu/installation_menu.h"
#include "support/fenetres.h"
#include "menu/menuods8.h"
#include "options/dialog2.h"
#include "progres/statistiques.h"
#include "training/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTest>

using namespace entrainement;

namespace {

// The frame openbox puts around a window: a title bar of 36 pixels and borders of 1, known once the
// window is on screen.
const QMargins cadreOpenbox(1, 36, 1, 1);

QMargins cadreSimule(const QWidget* w)
{
    const QWindow* f = w->windowHandle();
    return f && f->isExposed() ? cadreOpenbox : QMargins();
}

// The window with its frame, where the player sees it.
QRect avecCadre(const QWidget* w)
{
    return w->geometry().marginsAdded(ctl::cadreDe(w));
}

// The box shows whole lines: the first one that does not fit shows nothing of itself.
bool aucuneLigneCoupee(const QPlainTextEdit* n)
{
    const int bas = n->viewport()->height();
    for (QTextBlock b = n->document()->begin(); b.isValid(); b = b.next()) {
        const QRect r = n->cursorRect(QTextCursor(b));
        if (r.bottom() >= bas)
            return r.top() >= bas - 1;
    }
    return true;
}

// Where the text of a control is drawn, in the window's coordinates; empty for no text.
QList<QRect> zonesDeTexte(QWidget* c)
{
    const QFontMetrics fm = c->fontMetrics();
    const auto bloc = [&](const QStringList& lignes, int marge) {
        int largeur = 0;
        for (const QString& l : lignes)
            largeur = std::max(largeur, fm.horizontalAdvance(l));
        const int hauteur = fm.lineSpacing() * int(lignes.size());
        const QRect r(c->x() + (c->width() - largeur) / 2, c->y() + (c->height() - hauteur) / 2, largeur, hauteur);
        // The margin belongs to the control's own frame: the text must stay inside it.
        return QList<QRect>{r, c->geometry().adjusted(marge, 0, -marge, 0)};
    };
    if (auto* b = qobject_cast<BoutonMultiligne*>(c); b && !b->text().isEmpty())
        return bloc(BoutonMultiligne::lignesAffichees(b->text(), fm, b->width() - 6), 3);
    if (auto* b = qobject_cast<QPushButton*>(c); b && !b->text().isEmpty())
        return bloc({b->text()}, 2);
    if (auto* e = qobject_cast<QLineEdit*>(c); e && !e->text().isEmpty())
        return bloc({e->text()}, 2);
    if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty() && !l->wordWrap())
        return {QRect(l->pos(), QSize(fm.horizontalAdvance(l->text().split(QLatin1Char('\n')).first()), fm.height())),
                l->geometry()};
    return {};
}

// Each rack of each shipped base goes through the window's own display into a rack box and an
// answer box (a wrong row shows its rack there): its text must lie whole inside the box, legible.
void mesurerTirages(Form1& f)
{
    for (const QString& fichier : fixtures::fichiersBases()) {
        entrainement::Lancement l;
        l.fichier = QStringLiteral(LEXIDOR_RUNTIME_DIR "/listes/") + fichier;
        l.titre = fichier;
        l.son = false;
        f.commencer(l);
        QVERIFY2(f.partie.nbrestants > 0, qPrintable(fichier));
        for (qint32 k = 0; k < f.partie.nbrestants; ++k) {
            const QString& tirage = f.partie.tiragesbase[k];
            for (QLineEdit* b : {f.tirage[10], f.solution[29]}) {
                f.ecrireTirage(b, tirage);
                const QList<QRect> z = zonesDeTexte(b);
                const QString quoi = fichier + QStringLiteral(" : ") + tirage + QStringLiteral(" -> ") + b->text();
                QVERIFY2(z[1].contains(z[0]), qPrintable(quoi));
                // Points as designed: a window drawn smaller draws them smaller too.
                const double k = ctl::facteurDe(b);
                QVERIFY2(b->font().pointSizeF() >= 9 * k, qPrintable(quoi));
                if (b->text() != tirage || b->font().pointSizeF() < f.taillePolice * k)
                    QCOMPARE(b->toolTip(), tirage);
            }
        }
    }
}

}  // namespace

class TestEchelle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fenetres_data();
    void fenetres();
    void titreSurLEcran();
    void menuAtteignable();

private:
    QWidget* ouvrir(const QString& fenetre);
    std::unique_ptr<InstallationTest> inst;
};

void TestEchelle::init()
{
    app::observerMessages([](const QString&, app::Icone) {});
    inst = std::make_unique<InstallationTest>();
    fixtures::installerBases(*inst, 15001);
    inst->ecrireLignes(QStringLiteral("listes/base.txt"),
                       {"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS", "ACEHINS;CHAINES", "EEIRSTT;TERTIES"});
    // More notes than their box shows at once.
    QStringList notes{"RIANTES", "Qui rient", "CHAINES", "pl. de chaine"};
    for (int i = 2; i <= 16; ++i)
        notes << QStringLiteral("RIANTES") << QString::number(i);
    inst->ecrireLignes(QStringLiteral("infosouris-ods8.txt"), notes);
}

void TestEchelle::cleanup()
{
    app::reinitialiser();
    ctl::remplacerSourceCadre({});
    inst.reset();
    app::observerMessages({});
}

QWidget* TestEchelle::ouvrir(const QString& fenetre)
{
    if (fenetre == QStringLiteral("Statistiques")) {
        MenuODS8& m = app::menu();
        m.show();
        m.findChild<QPushButton*>(QStringLiteral("statistiques"))->click();
        return &app::statistiques();
    }
    QWidget* w = ouvrirFenetre(fenetre, u"MOTS DE 7 LETTRES (série 2)"_qs);
    if (fenetre == QStringLiteral("MenuODS8")) {
        MenuODS8& m = app::menu();
        m.ligneAide->setText(u"Votre score sur la dernière base terminée : \r\n96,7%"_qs);
        m.scoreTest->setText(u"96,7%"_qs);
    }
    return w;
}

void TestEchelle::fenetres_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("etape");
    QTest::addColumn<bool>("openbox");
    QTest::addRow("menu") << "MenuODS8" << "" << false;
    QTest::addRow("serie") << "Form1" << "" << false;
    QTest::addRow("correction") << "Form1" << "corriger" << false;
    QTest::addRow("correction, critère du temps") << "Form1" << "temps corriger" << false;
    // The layout meant for smaller screens, the one that fits 1280 x 720 logical pixels.
    QTest::addRow("compact") << "Form1" << "compact" << false;
    QTest::addRow("compact, critère du temps") << "Form1" << "compact temps" << false;
    QTest::addRow("compact, critère du temps, correction") << "Form1" << "compact temps corriger" << false;
    // Every rack of every shipped base, in a rack box and in an answer box, in both layouts.
    QTest::addRow("tirages livrés") << "Form1" << "tirages" << false;
    QTest::addRow("tirages livrés, compact") << "Form1" << "compact tirages" << false;
    QTest::addRow("options") << "Dialog2" << "" << false;
    QTest::addRow("apropos") << "Apropos" << "" << false;
    // Under a window manager whose frame is only known once the window is shown, and larger than the
    // room first kept for it: the window is fitted again, whole on the screen.
    QTest::addRow("menu, openbox") << "MenuODS8" << "" << true;
    QTest::addRow("serie, openbox") << "Form1" << "" << true;
    QTest::addRow("compact, openbox") << "Form1" << "compact" << true;
    QTest::addRow("options, openbox") << "Dialog2" << "" << true;
    QTest::addRow("apropos, openbox") << "Apropos" << "" << true;
    QTest::addRow("statistiques, openbox") << "Statistiques" << "" << true;
}

void TestEchelle::fenetres()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, etape);
    QFETCH(bool, openbox);
    const qreal facteur = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    if (openbox) {
        ctl::remplacerSourceCadre(&cadreSimule);
        // The menu has been on screen a while when the player opens another window.
        app::menu().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app::menu()));
    }
    QWidget* w = ouvrir(fenetre);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* f = qobject_cast<Form1*>(w);
    QVERIFY(f || etape.isEmpty());
    if (etape.contains(QStringLiteral("temps")))
        f->changerCritere();
    if (etape.contains(QStringLiteral("compact"))) {
        f->passerModeCompact();
        // The tiles line up in their compact places when a row next takes the focus.
        f->solution[1]->setFocus();
        QVERIFY(w->width() <= 1280 && w->height() <= 720);
    }
    // Every window fits its screen whole, frame included: drawn smaller as a whole when its designed
    // size does not.
    const QRect dispo = w->screen()->availableGeometry();
    if (openbox)
        QCOMPARE(ctl::cadreDe(w), cadreOpenbox);
    // The size is the one to check: this platform places a window by a frame of its own.
    const auto tientDansLEcran = [&] {
        const QSize cadre = avecCadre(w).size();
        return cadre.width() <= dispo.width() && cadre.height() <= dispo.height() && dispo.contains(w->pos());
    };
    QTRY_VERIFY2(tientDansLEcran(), qPrintable(QStringLiteral("%1x%2+%3+%4")
                                                  .arg(avecCadre(w).width())
                                                  .arg(avecCadre(w).height())
                                                  .arg(w->x())
                                                  .arg(w->y())));
    // Opened from the menu, they open in the middle of its screen, not where the platform puts them.
    if (fenetre == QStringLiteral("Apropos") || fenetre == QStringLiteral("Statistiques")) {
        const QPoint ecart = w->geometry().center() - dispo.center();
        QVERIFY2(std::abs(ecart.x()) <= 2 && std::abs(ecart.y()) <= 20,
                 qPrintable(QStringLiteral("%1 : %2, %3").arg(fenetre).arg(ecart.x()).arg(ecart.y())));
    }
    // 1384 x 744 designed pixels, 1271 x 671 in compact mode: drawn smaller only when they do not fit.
    const QSize dessinee = etape.contains(QStringLiteral("compact")) ? QSize(1271, 671) : QSize(1384, 744);
    const QSize place = dispo.size().shrunkBy(ctl::cadreDe(w));
    if (f)
        QCOMPARE(ctl::facteurDe(f) < 1, dessinee.width() > place.width() || dessinee.height() > place.height());
    if (etape.contains(QStringLiteral("corriger"))) {
        f->solution[0]->setText(QStringLiteral("RIANTES"));
        f->corriger_Click();
        const QPlainTextEdit* n = f->InfoSourisText;
        QVERIFY(n->isVisible());
        QVERIFY(n->verticalScrollBar()->maximum() > 0);
        QVERIFY2(aucuneLigneCoupee(n), qPrintable(QString::number(n->height())));
    }
    if (etape.contains(QStringLiteral("tirages")))
        mesurerTirages(*f);
    QCOMPARE(w->devicePixelRatioF(), facteur);
    const QPixmap image = w->grab();
    QCOMPARE(image.size(), (w->size() * facteur));
    if (const QString dossier = qEnvironmentVariable("LEXIDOR_CAPTURES"); !dossier.isEmpty()) {
        QDir().mkpath(dossier);
        image.save(QDir(dossier).filePath(QStringLiteral("%1-%2-%3-%4.png")
                                              .arg(fenetre, QTest::currentDataTag())
                                              .arg(int(facteur * 100))
                                              .arg(w->screen()->geometry().height())));
    }
    // A window taller than the screen scrolls: its controls lie within the scrolled extent.
    QRect etendue = w->rect();
    if (auto* barre = w->findChild<QScrollBar*>(QStringLiteral("qt_defilement")))
        etendue.setHeight(etendue.height() + barre->maximum());
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) || !c->isVisibleTo(w) ||
            c->parentWidget() != w)
            continue;
        const QString nom = c->objectName();
        QVERIFY2(etendue.contains(c->geometry()), qPrintable(nom));
        // The window's default button lies under the tiles by design; its caption is never seen.
        if (nom == QStringLiteral("Command2"))
            continue;
        const QList<QRect> z = zonesDeTexte(c);
        if (z.isEmpty())
            continue;
        QVERIFY2(z[1].contains(z[0]), qPrintable(nom + QStringLiteral(" : ") + QString::number(z[0].width()) +
                                                  QLatin1Char('/') + QString::number(z[1].width())));
        // A label's text does not run into a button or a box beside it.
        if (!qobject_cast<QLabel*>(c))
            continue;
        for (QWidget* autre : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if ((qobject_cast<QAbstractButton*>(autre) || qobject_cast<QLineEdit*>(autre) ||
             qobject_cast<QPlainTextEdit*>(autre)) && autre->isVisibleTo(w) &&
                autre->objectName() != QStringLiteral("Command2"))
                QVERIFY2(!z[0].intersects(autre->geometry()), qPrintable(nom + QLatin1Char('/') + autre->objectName()));
    }
}

// A window bigger than the screen at this scale still shows its title bar, so it can be moved.
void TestEchelle::titreSurLEcran()
{
    QWidget* w = ouvrir(QStringLiteral("Form1"));
    const QRect dispo = w->screen()->availableGeometry();
    QVERIFY2(dispo.contains(w->frameGeometry().topLeft()),
             qPrintable(QStringLiteral("%1,%2 hors de %3x%4").arg(w->x()).arg(w->y()).arg(dispo.width()).arg(dispo.height())));
}

// The menu and the about box fit the screen whole, a title bar included: when their designed size
// does not, their content shrinks evenly (places and fonts by one factor) instead of scrolling.
void TestEchelle::menuAtteignable()
{
    for (QWidget* w : {static_cast<QWidget*>(&app::menu()), ouvrir(QStringLiteral("Apropos"))}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect dispo = w->screen()->availableGeometry();
        QVERIFY2(avecCadre(w).width() <= dispo.width() && avecCadre(w).height() <= dispo.height(),
                 qPrintable(QStringLiteral("%1 : %2x%3").arg(w->objectName()).arg(w->width()).arg(w->height())));
        for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c->isVisibleTo(w) && !c->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }
    MenuODS8& m = app::menu();
    QVERIFY(m.findChildren<QScrollBar*>().isEmpty());
    QApplication::processEvents();
    QVERIFY(!app::apropos().texteApropos->verticalScrollBar()->isVisible());
    const double k = ctl::facteurEchelle(&m);
    // 758 designed pixels high: the menu shrinks on a 1080p screen at 150 %, not on the larger ones.
    QCOMPARE(k < 1, m.screen()->availableGeometry().height() < 758 + ctl::cadreDe(&m).top() + ctl::cadreDe(&m).bottom());
    auto* titre = m.findChild<QWidget*>(QStringLiteral("Label1"));
    auto* quitter = m.findChild<QWidget*>(QStringLiteral("quitter"));
    QCOMPARE(titre->y(), qRound(ctl::twips(120) * k));
    QCOMPARE(quitter->x(), qRound(ctl::twips(6960) * k));
    QCOMPARE(titre->font().pointSizeF(), 20.25 * k);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        QCoreApplication a(argc, argv);
        // The usual screens at these scales: 1080p at 100 % and 150 % (a laptop), 1440p and 4K at 200 %,
        // and 1080p at 200 %, where even the compact layout must be drawn smaller.
        const struct {
            const char* facteur;
            int largeur, hauteur;
        } ecrans[] = {{"1", 1920, 1080}, {"1.5", 1920, 1080}, {"2", 2560, 1440}, {"2", 3840, 2160}, {"2", 1920, 1080}};
        QTemporaryDir dossier;
        int echecs = 0;
        for (const auto& e : ecrans) {
            const QString config = dossier.filePath(QStringLiteral("ecran-%1.json").arg(e.hauteur));
            QFile f(config);
            if (!f.open(QIODevice::WriteOnly))
                return 1;
            f.write(QStringLiteral(R"({"screens": [{"name": "E", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                        .arg(e.largeur)
                        .arg(e.hauteur)
                        .toUtf8());
            f.close();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(e.facteur));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
            QProcess p;
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::ForwardedChannels);
            p.start(QCoreApplication::applicationFilePath(), a.arguments().mid(1));
            if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
                ++echecs;
        }
        return echecs;
    }
    QApplication a(argc, argv);
    TestEchelle t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_accessibilite_echelle.moc"
