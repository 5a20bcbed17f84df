// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/emplacement.h"

#include "data/raisons.h"
#include "data/texte.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QScopeGuard>
#include <QSet>

#include <map>
#include <memory>
#include <vector>

namespace data {

namespace {

QDir dossierTravail(const QString& travail) { return travail.isEmpty() ? QDir::current() : QDir(travail); }

// Only a folder name of our own making is followed or removed: the pointer is a file anyone can edit.
// Checked by hand rather than by a pattern: the menu checks a name at every start.
bool suiteValide(QStringView nom, QStringView prefixe, qsizetype maximum, bool avecPoint)
{
    if (!nom.startsWith(prefixe))
        return false;
    const QStringView suite = nom.sliced(prefixe.size());
    if (suite.isEmpty() || suite.size() > maximum)
        return false;
    for (const QChar c : suite) {
        const char16_t u = c.unicode();
        const bool permis = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
            || u == u'_' || u == u'-' || (avecPoint && u == u'.');
        if (!permis)
            return false;
    }
    return true;
}

bool nomJoueurValide(const QString& nom) { return suiteValide(nom, prefixeDossierJoueur, 64, false); }

// The entries whose names begin with one of the prefixes and end with the suffix, as the wildcard
// "prefix*suffix" would list them.
QFileInfoList entrees(const QDir& dir, const QStringList& prefixes, const QString& suffixe, QDir::Filters filtres)
{
    QFileInfoList resultat;
    for (const QFileInfo& fi : dir.entryInfoList(filtres)) {
        const QString n = fi.fileName();
        for (const QString& p : prefixes)
            if (n.size() >= p.size() + suffixe.size() && n.startsWith(p) && n.endsWith(suffixe)) {
                resultat << fi;
                break;
            }
    }
    return resultat;
}

bool dossierUtilisable(const QDir& travail, const QString& nom)
{
    const QFileInfo fi(travail.filePath(nom));
    return fi.isDir() && !fi.isSymLink() && QFileInfo(travail.filePath(nom + QStringLiteral("/listes"))).isDir();
}

// Also the hidden folders a build fills before it renames them to the name it was given.
bool nomDeConstruction(const QString& nom)
{
    return suiteValide(QStringView(nom).sliced(nom.startsWith(QLatin1Char('.')) ? 1 : 0), prefixeDossierJoueur, 96, true);
}

void supprimerDossier(const QDir& travail, const QString& nom)
{
    const QFileInfo fi(travail.filePath(nom));
    if (!nomDeConstruction(nom) || fi.isSymLink() || !fi.isDir())
        return;
    QDir(fi.filePath()).removeRecursively();
}

// The player folder a folder of the working folder belongs to: itself, or the one a build fills
// under a hidden name (".mes-listes-x.1a2b3c4d").
QString proprietaire(const QString& nom)
{
    return (nom.startsWith(QLatin1Char('.')) ? nom.mid(1) : nom).section(QLatin1Char('.'), 0, 0);
}

// Lock files: ".mes-listes-x.lecteur-1234.verrou" while program 1234 reads mes-listes-x,
// ".mes-listes-x.construction.verrou" while a build fills it.
const QString suffixeVerrou = QStringLiteral(".verrou");
QString verrouLecture(const QString& nom)
{
    return QLatin1Char('.') + nom + QStringLiteral(".lecteur-") + QString::number(QCoreApplication::applicationPid())
        + suffixeVerrou;
}
QString verrouConstruction(const QString& nom) { return QLatin1Char('.') + nom + QStringLiteral(".construction") + suffixeVerrou; }

// The marks this program holds, by the lock file's path; released when it ends.
struct Marques {
    QMutex garde;
    std::map<QString, std::unique_ptr<QLockFile>> tenues;
    ~Marques()
    {
        // A lock whose folder went with its file has nothing left to remove.
        // Kept reachable, so that leak checkers do not take them for lost memory.
        static auto* abandonnes = new std::vector<QLockFile*>;
        for (auto& [chemin, verrou] : tenues)
            if (!QFileInfo::exists(chemin))
                abandonnes->push_back(verrou.release());
    }
};
Marques& marques()
{
    static Marques m;
    return m;
}

// A reading mark is taken once for the program's life; a build's mark only by one build.
bool prendre(const QString& chemin, bool seul = false)
{
    QMutexLocker l(&marques().garde);
    auto& tenue = marques().tenues[chemin];
    if (tenue)
        return !seul;
    auto verrou = std::make_unique<QLockFile>(chemin);
    // Only the end of its program releases a mark, never its age.
    verrou->setStaleLockTime(0);
    if (!verrou->tryLock(0)) {
        marques().tenues.erase(chemin);
        return false;
    }
    tenue = std::move(verrou);
    return true;
}

void rendre(const QString& chemin)
{
    QMutexLocker l(&marques().garde);
    marques().tenues.erase(chemin);
}

bool tenueIci(const QString& chemin)
{
    QMutexLocker l(&marques().garde);
    return marques().tenues.count(chemin) > 0;
}

// Whether a running program holds the lock file; one left by a program that ended is removed.
bool verrouVivant(const QString& chemin)
{
    if (tenueIci(chemin))
        return true;
    QLockFile essai(chemin);
    essai.setStaleLockTime(0);
    if (essai.tryLock(0)) {
        essai.unlock();
        return false;
    }
    return QFileInfo::exists(chemin);
}

// The player folders that some running program reads or builds.
QSet<QString> dossiersMarques(const QDir& dir)
{
    QSet<QString> noms;
    for (const QFileInfo& fi : entrees(dir, {QLatin1Char('.') + prefixeDossierJoueur}, suffixeVerrou,
                                       QDir::Files | QDir::Hidden | QDir::System)) {
        const QString v = fi.fileName();
        const QString nom = proprietaire(v);
        if (!noms.contains(nom) && verrouVivant(dir.filePath(v)))
            noms.insert(nom);
    }
    return noms;
}

QString cheminAbsolu(const QDir& dir, const QString& nom) { return QDir::cleanPath(dir.absoluteFilePath(nom)); }

}  // namespace

void marquerLecture(const QString& nom, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    if (nomJoueurValide(nom))
        prendre(cheminAbsolu(dir, verrouLecture(nom)));
    nettoyer(travail);
}

void nettoyer(const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const Emplacement courant = Emplacement::courant(travail);
    const QString enUsage = courant.dossier();
    // A pointer that cannot be read may still name a folder the player wants back: only the
    // hidden halves of builds go then.
    const bool pointeurIllisible = !courant.avertissement().isEmpty();
    const QSet<QString> marques = dossiersMarques(dir);
    const auto restes = entrees(dir, {prefixeDossierJoueur, QLatin1Char('.') + prefixeDossierJoueur}, QString(),
                                QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& fi : restes) {
        const QString nom = proprietaire(fi.fileName());
        if (nom != enUsage && !marques.contains(nom) && !(pointeurIllisible && !fi.fileName().startsWith(QLatin1Char('.'))))
            supprimerDossier(dir, fi.fileName());
    }
    // Temporary copies of the pointer left by a program killed while writing it; a recent one may
    // be another program's switch under way.
    const QDateTime avant = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QFileInfo& fi : entrees(dir, {fichierPointeur + QLatin1Char('.')}, QString(), QDir::Files | QDir::Hidden))
        if (fi.lastModified().toUTC() < avant)
            QFile::remove(fi.filePath());
}

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
    nettoyer(travail);

    const QFileInfo fiDir(dir.absolutePath());
    if (!fiDir.isWritable()) {
        if (erreur)
            *erreur = QStringLiteral("Vos listes ne peuvent pas être construites : le dossier de travail « %1 » "
                                     "est en lecture seule.")
                          .arg(QDir::toNativeSeparators(dir.absolutePath()));
        return {};
    }
    const QString base = prefixeDossierJoueur + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // Another program may be building under the same name within the same second: the lock tells.
    QString nom = base;
    for (int i = 2; QFileInfo::exists(dir.filePath(nom)) || !dir.entryList({QLatin1Char('.') + nom + QStringLiteral(".*")},
                                                                            QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty()
                    || !prendre(cheminAbsolu(dir, verrouConstruction(nom)), true);
         ++i) {
        if (i > 1000) {
            if (erreur)
                *erreur = QStringLiteral("Vos listes ne peuvent pas être construites : aucun dossier ne peut être réservé "
                                         "dans le dossier de travail « %1 » (%2).")
                              .arg(QDir::toNativeSeparators(dir.absolutePath()), raisonEcriture(dir.absolutePath()));
            return {};
        }
        nom = base + QLatin1Char('-') + QString::number(i);
    }
    return dir.absoluteFilePath(nom);
}

QString basculer(const QString& nouveau, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QString nom = QFileInfo(nouveau).fileName();
    const auto liberer = qScopeGuard([&] {
        rendre(cheminAbsolu(dir, verrouConstruction(nom)));
        nettoyer(travail);
    });
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
    return {};
}

void abandonnerConstruction(const QString& nouveau, const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QFileInfo fi(nouveau);
    if (fi.absoluteDir() != QDir(dir.absolutePath()))
        return;
    if (fi.fileName() != Emplacement::courant(travail).dossier())
        supprimerDossier(dir, fi.fileName());
    rendre(cheminAbsolu(dir, verrouConstruction(fi.fileName())));
}

QString revenirAuxListesFournies(const QString& travail)
{
    const QDir dir = dossierTravail(travail);
    const QString pointeur = dir.filePath(fichierPointeur);
    if (QFileInfo(pointeur).exists() || QFileInfo(pointeur).isSymLink()) {
        if (!QFile::remove(pointeur))
            return QStringLiteral("Le retour aux listes fournies a échoué : le fichier « %1 » ne peut pas être "
                                  "supprimé (%2).")
                .arg(QDir::toNativeSeparators(pointeur), raisonEcriture(pointeur));
    }
    nettoyer(travail);
    return {};
}

}  // namespace data
