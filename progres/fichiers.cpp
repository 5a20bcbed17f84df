// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/fichiers.h"

#include "data/raisons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

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

QString nomLibre(const QString& chemin)
{
    QString cible = chemin + QStringLiteral(".illisible");
    for (int n = 2; QFileInfo::exists(cible) || QFileInfo(cible).isSymLink(); ++n)
        cible = chemin + QStringLiteral(".illisible-%1").arg(n);
    return cible;
}

bool synchroniser(QFile& f)
{
    if (!f.flush())
        return false;
#ifdef Q_OS_WIN
    return ::_commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
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

TexteLu lireEntete(const QString& chemin, const QString& entete, QByteArray& reste)
{
    reste.clear();
    QFile f(chemin);
    TexteLu r = ouvrir(f);
    if (r.absent || !r.ok())
        return r;
    const QByteArray octets = f.readAll();
    const qsizetype saut = octets.indexOf('\n');
    // Decoded alone, the first line is what lireTexte compares, a leading BOM dropped the same way.
    QString premiere = QString::fromUtf8(QByteArrayView(octets).first(saut < 0 ? octets.size() : saut));
    if (premiere.endsWith(QLatin1Char('\r')))
        premiere.chop(1);
    if (premiere != entete) {
        r.erreur = pasDeCeType(chemin);
        return r;
    }
    if (saut >= 0)
        reste = octets.sliced(saut + 1);
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
    const QString cible = nomLibre(chemin);
    if (!QFile::rename(chemin, cible))
        return QStringLiteral("Il n'a pas pu être mis de côté (%1) : il est laissé tel quel.")
            .arg(data::raisonEcriture(chemin));
    return QStringLiteral("Il est conservé sous le nom « %1 ».").arg(nom(cible));
}

QString copierDeCote(const QString& chemin, bool* fait)
{
    const QString cible = nomLibre(chemin);
    const bool copie = QFile::copy(chemin, cible);
    if (fait)
        *fait = copie;
    if (!copie)
        return QStringLiteral("Il n'a pas pu être copié de côté (%1).").arg(data::raisonEcriture(cible));
    return QStringLiteral("Une copie du fichier tel qu'il était est conservée sous le nom « %1 ».").arg(nom(cible));
}

QString sousVerrou(const QString& chemin, const std::function<QString()>& tache)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QLockFile verrou(chemin + QStringLiteral(".verrou"));
    // The longest holder rewrites a review box of a few thousand racks: far below a second.
    verrou.setStaleLockTime(30'000);
    if (!verrou.tryLock(20'000))
        return QStringLiteral("« %1 » n'a pas pu être enregistré : une autre fenêtre de Lexidor le garde depuis "
                              "trop longtemps (%2).")
            .arg(nom(chemin), verrou.error() == QLockFile::PermissionError ? data::raisonEcriture(chemin)
                                                                             : QStringLiteral("verrou occupé"));
    // A window killed between the link and the rename of its safe save leaves its copy under a
    // name of six random letters; while the lock is held, no other window has one in flight.
    const QFileInfo fichier(chemin);
    const QString nomVerrou = fichier.fileName() + QStringLiteral(".verrou");
    for (const QFileInfo& reste : QDir(fichier.absolutePath())
                                      .entryInfoList({fichier.fileName() + QStringLiteral(".??????")}, QDir::Files))
        if (reste.fileName() != nomVerrou)
            QFile::remove(reste.filePath());
    return tache();
}

QString ajouterLigne(const QString& chemin, const QString& entete, const QString& ligne, bool* echec)
{
    bool manque = true;
    const auto fin = qScopeGuard([&] {
        if (echec)
            *echec = manque;
    });
    const QString incomplet = QStringLiteral("« %1 » n'a pas pu être complété (%2).");
    QString message;
    {
        QFile f(chemin);
        const TexteLu lu = ouvrirTexte(f, entete);
        if (!lu.absent && !lu.ok() && QFileInfo(chemin).size() > 0) {
            message = lu.erreur + QStringLiteral(". ") + mettreDeCote(chemin);
            if (QFileInfo::exists(chemin))
                return message;
            message += QLatin1Char(' ');
        }
    }
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append))
        return message + incomplet.arg(nom(chemin), data::raisonEcriture(chemin));
    QByteArray contenu;
    if (f.size() == 0) {
        contenu = entete.toUtf8() + "\r\n";
    } else {
        f.seek(f.size() - 1);
        if (f.read(1) != "\n")
            contenu = "\r\n";
    }
    contenu += ligne.toUtf8() + "\r\n";
    const qint64 avant = f.size();
    if (f.write(contenu) != contenu.size() || !synchroniser(f)) {
        const QString e = incomplet.arg(nom(chemin), data::raisonEcriture(chemin));
        // A line written in part would be ended by the next one; cut it off when that can be done.
        f.resize(avant);
        return message + e;
    }
    manque = false;
    return message.trimmed();
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
