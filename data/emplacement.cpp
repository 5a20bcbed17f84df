// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/emplacement.h"

#include "data/raisons.h"
#include "data/texte.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace data {

namespace {

QDir dossierTravail(const QString& travail) { return travail.isEmpty() ? QDir::current() : QDir(travail); }

// Only a folder name of our own making is followed or removed: the pointer is a file anyone can edit.
bool nomJoueurValide(const QString& nom)
{
    static const QRegularExpression motif(QStringLiteral("^mes-listes-[0-9A-Za-z_-]{1,64}$"));
    return motif.match(nom).hasMatch();
}

bool dossierUtilisable(const QDir& travail, const QString& nom)
{
    const QFileInfo fi(travail.filePath(nom));
    return fi.isDir() && !fi.isSymLink() && QFileInfo(travail.filePath(nom + QStringLiteral("/listes"))).isDir();
}

// Also the hidden folders a build fills before it renames them to the name it was given.
bool nomDeConstruction(const QString& nom)
{
    static const QRegularExpression motif(QStringLiteral("^\\.?mes-listes-[0-9A-Za-z_.-]{1,96}$"));
    return motif.match(nom).hasMatch();
}

void supprimerDossier(const QDir& travail, const QString& nom)
{
    const QFileInfo fi(travail.filePath(nom));
    if (!nomDeConstruction(nom) || fi.isSymLink() || !fi.isDir())
        return;
    QDir(fi.filePath()).removeRecursively();
}

}  // namespace

Emplacement Emplacement::courant(const QString& travail)
{
    Emplacement e;
    const QDir dir = dossierTravail(travail);
    const QFileInfo pointeur(dir.filePath(fichierPointeur));
    if (!pointeur.exists())
        return e;
    QString nom;
    if (pointeur.isFile() && pointeur.size() <= 1024) {
        QFile f(pointeur.filePath());
        if (f.open(QIODevice::ReadOnly)) {
            const QStringList l = lignes(f.readAll());
            if (!l.isEmpty())
                nom = l.first().trimmed();
        }
    }
    if (nomJoueurValide(nom) && dossierUtilisable(dir, nom)) {
        e.dossierJoueur = nom;
        return e;
    }
    e.avertissement_ = QStringLiteral("Le dossier de vos listes « %1 » est introuvable ou incomplet : "
                                      "les listes fournies sont utilisées. Reconstruisez vos listes avec "
                                      "« Mes listes… ».")
                           .arg(nom.left(80));
    return e;
}

QString Emplacement::chemin(const QString& relatif) const
{
    return joueur() ? dossierJoueur + QLatin1Char('\\') + relatif : relatif;
}

QString preparerConstruction(QString* erreur, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QString enUsage = Emplacement::courant(travail).dossier();
    const auto restes = dir.entryInfoList({prefixeDossierJoueur + QLatin1Char('*'),
                                           QLatin1Char('.') + prefixeDossierJoueur + QLatin1Char('*')},
                                          QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& fi : restes)
        if (fi.fileName() != enUsage)
            supprimerDossier(dir, fi.fileName());
    // Temporary copies of the pointer left by a program that was killed while writing it.
    for (const QFileInfo& fi : dir.entryInfoList({fichierPointeur + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        QFile::remove(fi.filePath());

    const QFileInfo fiDir(dir.absolutePath());
    if (!fiDir.isWritable()) {
        if (erreur)
            *erreur = QStringLiteral("Vos listes ne peuvent pas être construites : le dossier de travail « %1 » "
                                     "est en lecture seule.")
                          .arg(QDir::toNativeSeparators(dir.absolutePath()));
        return {};
    }
    const QString base = prefixeDossierJoueur + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nom = base;
    for (int i = 2; QFileInfo::exists(dir.filePath(nom)); ++i)
        nom = base + QLatin1Char('-') + QString::number(i);
    return dir.absoluteFilePath(nom);
}

QString basculer(const QString& nouveau, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QString nom = QFileInfo(nouveau).fileName();
    const QString precedent = Emplacement::courant(travail).dossier();
    const bool dedans = QFileInfo(nouveau).absoluteDir() == QDir(dir.absolutePath());
    if (!dedans || !nomJoueurValide(nom) || !dossierUtilisable(dir, nom)) {
        if (dedans)
            supprimerDossier(dir, nom);
        return QStringLiteral("Vos listes n'ont pas été mises en usage : le dossier construit « %1 » est incomplet.")
            .arg(QDir::toNativeSeparators(nouveau));
    }
    const QString e = ecrireFichier(dir.filePath(fichierPointeur), {nom});
    if (!e.isEmpty()) {
        supprimerDossier(dir, nom);
        return QStringLiteral("Vos listes n'ont pas été mises en usage. %1").arg(e);
    }
    if (precedent != nom)
        supprimerDossier(dir, precedent);
    return {};
}

void abandonnerConstruction(const QString& nouveau, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QFileInfo fi(nouveau);
    if (fi.absoluteDir() == QDir(dir.absolutePath()) && fi.fileName() != Emplacement::courant(travail).dossier())
        supprimerDossier(dir, fi.fileName());
}

QString revenirAuxListesFournies(const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QString precedent = Emplacement::courant(travail).dossier();
    const QString pointeur = dir.filePath(fichierPointeur);
    if (QFileInfo(pointeur).exists() || QFileInfo(pointeur).isSymLink()) {
        if (!QFile::remove(pointeur))
            return QStringLiteral("Le retour aux listes fournies a échoué : le fichier « %1 » ne peut pas être "
                                  "supprimé (%2).")
                .arg(QDir::toNativeSeparators(pointeur), raisonEcriture(pointeur));
    }
    supprimerDossier(dir, precedent);
    return {};
}

}  // namespace data
