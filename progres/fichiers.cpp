// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/fichiers.h"

#include "data/raisons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace progres {

namespace {

// A player's file is small (a progress of the largest base is about 300 kB, 10,000 runs of
// history about 1 MB); anything far beyond is not one of ours and is not loaded into memory.
constexpr qint64 tailleMax = 64 * 1024 * 1024;

QString nom(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// Opens the file for reading, or says why it is not one to read.
TexteLu ouvrir(QFile& f)
{
    TexteLu r;
    const QString chemin = f.fileName();
    const QFileInfo fi(chemin);
    if (!fi.exists() && !fi.isSymLink()) {
        r.absent = true;
        return r;
    }
    if (!fi.isFile()) {
        r.erreur = QStringLiteral("« %1 » n'est pas un fichier ordinaire").arg(nom(chemin));
        return r;
    }
    if (fi.size() > tailleMax) {
        r.erreur = QStringLiteral("« %1 » est bien trop gros pour être un fichier de Lexidor").arg(nom(chemin));
        return r;
    }
    if (!f.open(QIODevice::ReadOnly))
        r.erreur = QStringLiteral("« %1 » n'a pas pu être lu (%2)").arg(nom(chemin), data::raisonLecture(chemin));
    return r;
}

QString pasDeCeType(const QString& chemin)
{
    return QStringLiteral("« %1 » n'est pas un fichier de Lexidor de ce type").arg(nom(chemin));
}

}  // namespace

TexteLu lireTexte(const QString& chemin, const QString& entete)
{
    QFile f(chemin);
    TexteLu r = ouvrir(f);
    if (r.absent || !r.ok())
        return r;
    const QByteArray octets = f.readAll();
    QStringList toutes = QString::fromUtf8(octets).split(QLatin1Char('\n'));
    if (toutes.size() > 1 && toutes.constLast().isEmpty())
        toutes.removeLast();
    for (QString& l : toutes)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (toutes.isEmpty() || toutes.constFirst() != entete) {
        r.erreur = pasDeCeType(chemin);
        return r;
    }
    toutes.removeFirst();
    r.lignes = std::move(toutes);
    return r;
}

TexteLu ouvrirTexte(QFile& f, const QString& entete)
{
    TexteLu r = ouvrir(f);
    if (r.absent || !r.ok())
        return r;
    const QByteArray attendue = entete.toUtf8();
    QByteArray premiere = f.readLine(attendue.size() + 3);
    if (premiere.endsWith('\n'))
        premiere.chop(1);
    else if (!f.atEnd())
        premiere.clear();
    if (premiere.endsWith('\r'))
        premiere.chop(1);
    if (premiere != attendue) {
        f.close();
        r.erreur = pasDeCeType(f.fileName());
    }
    return r;
}

QString ecrireTexte(const QString& chemin, const QString& entete, const QStringList& lignes)
{
    const QString echec = QStringLiteral("« %1 » n'a pas pu être enregistré (%2).");
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QByteArray contenu = entete.toUtf8() + "\r\n";
    for (const QString& l : lignes) {
        contenu += l.toUtf8();
        contenu += "\r\n";
    }
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return echec.arg(nom(chemin), data::raisonEcriture(chemin));
    // commit() does not see a failed flush: on a full disk it would put a short file in place.
    if (f.write(contenu) != contenu.size() || !f.flush()) {
        const QString e = echec.arg(nom(chemin), data::raisonEcriture(chemin));
        f.cancelWriting();
        return e;
    }
    if (!f.commit())
        return echec.arg(nom(chemin), data::raisonEcriture(chemin));
    return {};
}

QString mettreDeCote(const QString& chemin)
{
    QString cible = chemin + QStringLiteral(".illisible");
    for (int n = 2; QFileInfo::exists(cible) || QFileInfo(cible).isSymLink(); ++n)
        cible = chemin + QStringLiteral(".illisible-%1").arg(n);
    if (!QFile::rename(chemin, cible))
        return QStringLiteral("Il n'a pas pu être mis de côté (%1) : il est laissé tel quel.")
            .arg(data::raisonEcriture(chemin));
    return QStringLiteral("Il est conservé sous le nom « %1 ».").arg(nom(cible));
}

QString effacer(const QString& chemin)
{
    if (!QFileInfo::exists(chemin) && !QFileInfo(chemin).isSymLink())
        return {};
    if (!QFile::remove(chemin))
        return QStringLiteral("« %1 » n'a pas pu être effacé (%2).").arg(nom(chemin), data::raisonEcriture(chemin));
    return {};
}

}  // namespace progres
