// SPDX-License-Identifier: GPL-3.0-or-later
#include "donnees.h"

#include "progres/fichiers.h"
#include "progres/historique.h"

#include <QDir>
#include <QFile>

namespace banc {

QString mot(int i, int lettres)
{
    QString m(lettres, QLatin1Char('A'));
    for (int k = 0; k < lettres; ++k) {
        m[k] = QChar(u'A' + i % 26);
        i /= 26;
    }
    return m;
}

QByteArray base(int n, int lettres)
{
    QByteArray b;
    b.reserve(qsizetype(n) * (2 * lettres + 3));
    for (int i = 0; i < n; ++i) {
        QString m = mot(i, lettres);
        QString t = m;
        std::sort(t.begin(), t.end());
        b += t.toLatin1() + ';' + m.toLatin1() + "\r\n";
    }
    return b;
}

QByteArray liste(int n, const char* prefixe)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += QByteArray(prefixe) + mot(i, 7).toLatin1() + "\r\n";
    return b;
}

QByteArray infosouris(int n)
{
    QByteArray b;
    b.reserve(qsizetype(n) * 24);
    for (int i = 0; i < n / 2; ++i)
        b += mot(i, 7).toLatin1() + "\r\nNote de d\xE9monstration, n\xB0 " + QByteArray::number(i) + "\r\n";
    return b;
}

namespace {

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
}

}  // namespace

void ecrireHistorique(const QString& chemin, int n, int testTous)
{
    QStringList lignes;
    const QDateTime debut(QDate(2024, 1, 1), QTime(18, 0), Qt::UTC);
    for (int i = 0; i < n; ++i) {
        const bool test = testTous > 0 && i % testTous == testTous - 1;
        lignes << progres::versLigne({debut.addSecs(qint64(i) * 9000), test ? progres::Genre::Test : progres::Genre::Base,
                                      test ? QStringLiteral("TEST SUR 150 MOTS") : QStringLiteral("BASE NUMÉRO %1").arg(i % 28),
                                      QStringLiteral("listes\\b.txt"), double(50 + (i * 7) % 51), 338, 12, 2400});
    }
    progres::ecrireTexte(chemin, progres::enteteHistorique, lignes);
}

Installation::Installation()
{
    QDir(dir.path()).mkpath(QStringLiteral("listes"));
    ecrire(chemin(QStringLiteral("listes/7L.txt")), base());
    ecrire(chemin(QStringLiteral("listes/vbi_gd.txt")), liste(2500, ""));
    ecrire(chemin(QStringLiteral("listes/vbt_gd.txt")), liste(20000, "T"));
    ecrire(chemin(QStringLiteral("listes/inv.txt")), liste(1000, "I"));
    ecrire(chemin(QStringLiteral("infosouris-ods8.txt")), infosouris());
}

QString Installation::chemin(const QString& relatif) const
{
    return dir.filePath(relatif);
}

}  // namespace banc
