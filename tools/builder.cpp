// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction.h"
#include "fabrique.h"
#include "grammaire.h"
#include "lexique.h"
#include "ressources.h"

#include "data/texte.h"
#include "recherche/index.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

QTextStream& sortie()
{
    static QTextStream flux(stdout);
    return flux;
}

QTextStream& erreurs()
{
    static QTextStream flux(stderr);
    return flux;
}

bool ecrireOctets(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit()) {
        erreurs() << "Impossible d'écrire " << chemin << " : " << fichier.errorString() << Qt::endl;
        return false;
    }
    return true;
}

int ressources(const QString& dossier)
{
    bool ok = true;
    for (const QString& sigle : {QStringLiteral("ppi"), QStringLiteral("inv"), QStringLiteral("vbt")})
        ok = ecrireOctets(dossier + QStringLiteral("/images/%1_28x28.bmp").arg(sigle), builder::marqueurBmp(sigle)) && ok;
    ok = ecrireOctets(dossier + QStringLiteral("/APP05.WAV"), builder::carillonWav()) && ok;
    return ok ? 0 : 1;
}

// "--editions 8 9": the option takes the older number, the newer one comes as a third positional.
int depuisListes(QStringList fichiers, const QString& racine, const QString& ancienneEdition)
{
    builder::DemandeListes demande;
    if (!ancienneEdition.isEmpty()) {
        bool ok1 = false, ok2 = false;
        demande.editionAncienne = ancienneEdition.toInt(&ok1);
        demande.editionNouvelle = fichiers.isEmpty() ? 0 : fichiers.takeLast().toInt(&ok2);
        if (!ok1 || !ok2 || demande.editionAncienne < 1 || demande.editionNouvelle <= demande.editionAncienne) {
            erreurs() << "--editions attend deux numéros croissants, par exemple --editions 8 9." << Qt::endl;
            return 2;
        }
    }
    if (fichiers.size() != 2) {
        erreurs() << "Donnez --listes et deux fichiers, l'ancienne édition d'abord (voir --help)." << Qt::endl;
        return 2;
    }
    demande.ancienne = fichiers[0];
    demande.nouvelle = fichiers[1];
    demande.sortie = racine;
    const builder::RapportListes rapport = builder::construireDepuisListes(demande);
    for (const QString& r : rapport.remarques)
        sortie() << "Remarque : " << r << Qt::endl;
    if (!rapport.erreur.isEmpty()) {
        erreurs() << rapport.erreur << Qt::endl;
        return 1;
    }
    for (const QString& f : rapport.fichiers)
        sortie() << f << Qt::endl;
    for (const QString& i : rapport.indecis)
        sortie() << "Indécis : " << i << Qt::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lexidor-builder"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Fabrique les bases d'entraînement de Lexidor à partir de deux éditions d'un lexique.\n"
        "  lexidor-builder --hunspell ANCIEN.aff ANCIEN.dic RECENT.aff RECENT.dic --sortie DOSSIER\n"
        "  lexidor-builder --listes ANCIENNE.txt RECENTE.txt --sortie DOSSIER\n"
        "  lexidor-builder --ressources --sortie DOSSIER"));
    options.addHelpOption();
    const QCommandLineOption hunspell(QStringLiteral("hunspell"),
        QStringLiteral("Les fichiers sont deux dictionnaires hunspell (.aff et .dic de l'ancienne puis de la récente édition)."));
    const QCommandLineOption listes(QStringLiteral("listes"),
        QStringLiteral("Les fichiers sont deux listes de mots, un par ligne (ancienne puis récente édition)."));
    const QCommandLineOption ressourcesOpt(QStringLiteral("ressources"),
        QStringLiteral("Dessine les marqueurs (images/) et le son de fin (APP05.WAV)."));
    const QCommandLineOption dossier(QStringLiteral("sortie"), QStringLiteral("Dossier de sortie (il reçoit listes/ et infosouris-ods8.txt)."),
                                     QStringLiteral("dossier"));
    const QCommandLineOption exclusions(QStringLiteral("exclusions"),
        QStringLiteral("Mots à écarter (abréviations), un par ligne (avec --hunspell)."), QStringLiteral("fichier"));
    const QCommandLineOption editions(QStringLiteral("editions"),
        QStringLiteral("Numéros des deux éditions (avec --listes), 7 et 8 par défaut : --editions 8 9."),
        QStringLiteral("ancienne"));
    const QCommandLineOption exporter(QStringLiteral("exporter-listes"),
        QStringLiteral("Avec --hunspell : écrit aussi les mots jouables des deux éditions (ancienne.txt, recente.txt)."));
    const QCommandLineOption usages(QStringLiteral("exporter-usages"),
        QStringLiteral("Avec --hunspell : écrit la source C++ des verbes dont les formes ne disent pas l'emploi."),
        QStringLiteral("fichier"));
    const QCommandLineOption date(QStringLiteral("date"),
        QStringLiteral("Avec --hunspell : date inscrite dans description.txt (AAAA-MM-JJ)."), QStringLiteral("date"));
    options.addOptions({hunspell, listes, ressourcesOpt, dossier, exclusions, editions, exporter, usages, date});
    options.addPositionalArgument(QStringLiteral("fichiers"), QStringLiteral("Les lexiques, dans l'ordre ci-dessus."));
    options.process(app);

    if (!options.isSet(dossier)) {
        erreurs() << "Il manque --sortie DOSSIER." << Qt::endl;
        return 2;
    }
    const QString racine = options.value(dossier);
    if (options.isSet(ressourcesOpt))
        return ressources(racine);

    if (options.isSet(listes))
        return depuisListes(options.positionalArguments(), racine, options.isSet(editions) ? options.value(editions) : QString());

    QSet<QString> exclus;
    if (options.isSet(exclusions)) {
        QString erreur;
        exclus = builder::lireExclusions(options.value(exclusions), &erreur);
        if (!erreur.isEmpty()) {
            erreurs() << erreur << Qt::endl;
            return 1;
        }
    }

    const QStringList fichiers = options.positionalArguments();
    builder::Lexique ancien, nouveau;
    if (options.isSet(hunspell) && fichiers.size() == 4) {
        ancien = builder::lexiqueHunspell(fichiers[0], fichiers[1], exclus);
        nouveau = builder::lexiqueHunspell(fichiers[2], fichiers[3], exclus);
    } else {
        erreurs() << "Donnez --hunspell et quatre fichiers, ou --listes et deux fichiers (voir --help)." << Qt::endl;
        return 2;
    }
    for (const builder::Lexique* l : {&ancien, &nouveau}) {
        if (!l->erreur.isEmpty()) {
            erreurs() << l->erreur << Qt::endl;
            return 1;
        }
    }
    if (nouveau.mots.isEmpty()) {
        erreurs() << "Le lexique récent ne contient aucun mot jouable." << Qt::endl;
        return 1;
    }

    sortie() << "Ancien lexique : " << ancien.mots.size() << " mots ; récent : " << nouveau.mots.size() << " mots."
             << Qt::endl;
    builder::Fabrication fab = builder::fabriquer(ancien, nouveau);
    builder::Description d;
    d.source = QStringLiteral("substitut");
    d.date = options.isSet(date) ? QDate::fromString(options.value(date), Qt::ISODate) : QDate::currentDate();
    d.ancienne = QFileInfo(fichiers[1]).fileName();
    d.nouvelle = QFileInfo(fichiers[3]).fileName();
    fab.fichiers.insert(QStringLiteral("description.txt"), builder::description(d));
    if (options.isSet(exporter)) {
        QDir().mkpath(racine);
        builder::Lexique ancienAccorde = ancien, nouveauAccorde = nouveau;
        builder::accorderEditions(ancienAccorde, nouveauAccorde);
        for (const auto& [nom, lexique] : {std::pair{"ancienne.txt", &ancienAccorde}, {"recente.txt", &nouveauAccorde}}) {
            QStringList mots = lexique->mots.liste();
            mots.sort();
            data::ecrireFichier(racine + u'/' + QLatin1String(nom), mots);
        }
    }
    bool ok = true;
    if (options.isSet(usages)) {
        builder::Lexique ancienAccorde = ancien, nouveauAccorde = nouveau;
        builder::accorderEditions(ancienAccorde, nouveauAccorde);
        nouveauAccorde.analyses.clear();
        nouveauAccorde.etiquete = false;
        const auto etiquetee = builder::grammaireEtiquetee(ancienAccorde, nouveau);
        const auto deduite = builder::grammaireDeduite(ancienAccorde, nouveauAccorde, nullptr, false);
        ok = ecrireOctets(options.value(usages), builder::sourceUsagesVerbes(*etiquetee, *deduite));
    }
    for (auto it = fab.fichiers.cbegin(); it != fab.fichiers.cend(); ++it) {
        const QString chemin = racine + u'/' + it.key();
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        const QString erreur = data::ecrireFichier(chemin, it.value());
        if (!erreur.isEmpty()) {
            erreurs() << erreur << Qt::endl;
            ok = false;
            continue;
        }
        sortie() << it.key() << " : " << it.value().size() << " lignes" << Qt::endl;
    }
    {
        // The complete lists, as the bases count their words.
        builder::Lexique ancienAccorde = ancien, nouveauAccorde = nouveau;
        builder::accorderEditions(ancienAccorde, nouveauAccorde);
        if (const QString erreur = recherche::ecrireListesCles(racine, ancienAccorde.mots.cles(), nouveauAccorde.mots.cles()); !erreur.isEmpty()) {
            erreurs() << erreur << Qt::endl;
            ok = false;
        }
    }
    for (const QString& m : fab.indecis)
        sortie() << "Indécis : " << m << Qt::endl;
    for (const QString& r : fab.remarques)
        sortie() << "Remarque : " << r << Qt::endl;
    return ok ? 0 : 1;
}
