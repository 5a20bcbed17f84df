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

QByteArray infosourisAbimee(int n)
{
    QByteArray b;
    b.reserve(qsizetype(n) * 30);
    const QByteArray longue(100000, 'x');
    for (int i = 0; i < n / 2; ++i) {
        // One word in four comes back, up to a few hundred times for the commonest.
        const int k = i % 4 == 0 ? (i / 4) % 500 : i;
        QByteArray m = mot(k, 7).toLatin1();
        QByteArray note = "Note " + QByteArray::number(i);
        switch (i % 97) {
        case 3:
            note = QByteArray("\xFF\xFE\x00\x01\x80\x81", 6) + note;
            break;
        case 5:
            m += '\r';
            break;
        case 7:
            note.clear();
            break;
        case 11:
            note = "   \t ";
            break;
        case 13:
            m = QByteArray("\x9F\xC3", 2) + m;
            break;
        default:
            break;
        }
        if (i % 50000 == 17)
            note = longue;
        b += m + "\r\n" + note + (i % 3 ? "\r\n" : "\n");
    }
    return b;
}

namespace {

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
}

bool copier(const QString& de, const QString& vers)
{
    if (!QDir().mkpath(vers))
        return false;
    const QDir d(de);
    for (const QFileInfo& fi : d.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString cible = QDir(vers).filePath(fi.fileName());
        QFile::remove(cible);
        if (fi.isDir() ? !copier(fi.filePath(), cible) : !QFile::copy(fi.filePath(), cible))
            return false;
    }
    return true;
}

}  // namespace

QString ecrireDossier(const QString& fourni, const QString& dossier, int lignesNotes, bool abimee, int seances)
{
    if (!copier(fourni, dossier))
        return QStringLiteral("copie de %1 dans %2 impossible").arg(fourni, dossier);
    const QDir d(dossier);
    ecrire(d.filePath(QStringLiteral("listes/7L.txt")), base());
    ecrire(d.filePath(QStringLiteral("listes/vbi_gd.txt")), liste(2500, ""));
    ecrire(d.filePath(QStringLiteral("listes/vbt_gd.txt")), liste(20000, "T"));
    ecrire(d.filePath(QStringLiteral("listes/inv.txt")), liste(1000, "I"));
    ecrire(d.filePath(QStringLiteral("infosouris-ods8.txt")), abimee ? infosourisAbimee(lignesNotes) : infosouris(lignesNotes));
    if (seances > 0) {
        d.mkpath(progres::dossierProgression);
        ecrireHistorique(d.filePath(progres::dossierProgression + QStringLiteral("/historique.txt")), seances);
    }
    return {};
}

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
