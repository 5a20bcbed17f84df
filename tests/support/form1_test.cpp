// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/form1_test.h"

#include "app/lexidor.h"
#include "app/messages.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "support/fenetres.h"
#include "training/form1.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimer>

QStringList base7()
{
    return {"AEINRST;RIANTES", "AABEL;ABELA", "EIMNORS;MOINERS", "ABC-DEF;ABC", "ACEHINS;CHAINES", "DEILMOT;MOTILED",
            "AEELRST;RESTELA"};
}

QStringList baseDe(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i) {
        QString m;
        for (int k = 0, v = i; k < 4; ++k, v /= 26)
            m += QChar(u'A' + v % 26);
        l.append(m + QLatin1Char(';') + m);
    }
    return l;
}

void tick(QTimer* t, int n)
{
    for (int i = 0; i < n; ++i)
        QMetaObject::invokeMethod(t, "timeout");
}

void BancForm1::avantTout()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void BancForm1::preparer()
{
    inst = std::make_unique<InstallationTest>();
    QImage img(28, 28, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    QDir().mkpath(inst->chemin(QStringLiteral("images")));
    for (const char* n : {"images/ppi_28x28.bmp", "images/inv_28x28.bmp", "images/vbt_28x28.bmp"})
        img.save(inst->chemin(QString::fromLatin1(n)), "BMP");
    inst->ecrireLignes(QStringLiteral("listes/vbi_gd.txt"), {"ABELA"});
    inst->ecrireLignes(QStringLiteral("listes/vbt_gd.txt"), {"RIANTES", "ABELA"});
    inst->ecrireLignes(QStringLiteral("listes/inv.txt"), {"CHAINES"});
    inst->ecrireLignes(QStringLiteral("infosouris-ods8.txt"), {"RIANTES", "Qui rient", "MOINERS", "Note, avec ; et \"guillemets\""});
    messages.clear();
    app::observerMessages([this](const QString& m, app::Icone) { messages.append(m); });
    // The menu loads first, as in the program, so the options set below are not overwritten by its load;
    // its own warnings about this folder (which holds no menu bases) are not the training window's.
    app::menu();
    QCoreApplication::processEvents();
    messages.clear();
    app::reglages().adopter({95, 80, 8, 1, 0, {}});
}

void BancForm1::liberer()
{
    app::reinitialiser();
    app::observerMessages({});
    inst.reset();
}

Form1& BancForm1::demarrer(const QStringList& lignes, const QString& toue, const QString& typ, const QString& nombase)
{
    inst->ecrireLignes(QStringLiteral("listes/base.txt"), lignes);
    const auto l = lancementDeTest(QStringLiteral("listes\\base.txt"), nombase, toue == QLatin1String("E"),
                                   typ == QLatin1String("rallong"));
    app::menu().retenirLancement(l);
    Form1& f = app::form1();
    f.setAleatoire(std::make_unique<AleatoireZero>());
    f.show();
    f.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&f)); }();
    f.commencer(l);
    return f;
}

void BancForm1::frappe(const QString& texte)
{
    QWindow* w = app::form1().windowHandle();
    for (QChar c : texte) {
        Qt::Key k = Qt::Key_unknown;
        const QChar u = c.toUpper();
        if (u >= QLatin1Char('A') && u <= QLatin1Char('Z'))
            k = Qt::Key(Qt::Key_A + (u.unicode() - 'A'));
        else if (c.isDigit() && c.unicode() < 128)
            k = Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
        else if (c == QLatin1Char(' '))
            k = Qt::Key_Space;
        QTest::sendKeyEvent(QTest::Press, w, k, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, k, QString(c), Qt::NoModifier);
    }
}

void BancForm1::touche(Qt::Key k)
{
    QTest::keyClick(app::form1().windowHandle(), k);
}

void BancForm1::touche(const QKeySequence& s)
{
    QTest::keySequence(app::form1().windowHandle(), s);
}

void BancForm1::sauver(QWidget* w, const QString& nom)
{
    const QString dossier = QDir::tempPath() + QStringLiteral("/lexidor-captures");
    QDir().mkpath(dossier);
    QVERIFY(w->grab().save(dossier + QLatin1Char('/') + nom));
}
