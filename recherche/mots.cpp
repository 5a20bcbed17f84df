// SPDX-License-Identifier: GPL-3.0-or-later
// lexidor-mots: the search window's questions on the command line, one answer per line.
#include "recherche/donnees.h"
#include "recherche/requete.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

const char* const usage =
    "Usage : lexidor-mots juger|anagrammes|sous-anagrammes|motif|rallonges TEXTE... [--donnees DOSSIER]\n"
    "  juger MOT...         VALIDE ou NON VALIDE pour l'ensemble, puis chaque mot\n"
    "  anagrammes LETTRES   ? pour un joker (deux au plus)\n"
    "  sous-anagrammes LETTRES\n"
    "  motif MOTIF          ? une lettre, * des lettres, [AEI] une de ces lettres\n"
    "  rallonges MOT        « A-  ABATTRE » devant, « -S  BATTRES » derrière\n"
    "  --nouveaux, --disparus, --min N, --max N : filtres\n"
    "  TEXTE « - » : une question par ligne de l'entrée standard\n";

// The data the program itself would use: the current folder when it holds data, else the player's
// working folder that the launcher prepares, else the installed data.
QString dossierParDefaut()
{
    if (QFileInfo(QStringLiteral("listes")).isDir())
        return QDir::currentPath();
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString travail = (xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : xdg)
        + QStringLiteral("/lexidor");
    if (QFileInfo(travail + QStringLiteral("/listes")).isDir())
        return travail;
#ifdef LEXIDOR_DATADIR_RELATIF
    const QString installe = QCoreApplication::applicationDirPath() + QStringLiteral("/../") + QStringLiteral(LEXIDOR_DATADIR_RELATIF);
    if (QFileInfo(installe + QStringLiteral("/listes")).isDir())
        return QDir(installe).absolutePath();
#endif
    return QDir::currentPath();
}

QString marque(quint8 m)
{
    switch (m) {
    case recherche::Nouvelle:
        return QStringLiteral("nouveau");
    case recherche::Ancienne:
        return QStringLiteral("disparu");
    case recherche::LesDeux:
        return QStringLiteral("valide");
    default:
        return QStringLiteral("inconnu");
    }
}

int repondre(const recherche::Index& index, recherche::Mode mode, const QString& texte, const recherche::Filtres& filtres,
             QTextStream& sortie, QTextStream& erreurs)
{
    const recherche::Reponse r = recherche::chercher(index, mode, texte, filtres);
    if (!r.erreur.isEmpty()) {
        erreurs << r.erreur << Qt::endl;
        return 2;
    }
    if (mode == recherche::Mode::Juger) {
        sortie << (r.valide ? "VALIDE" : "NON VALIDE") << "\n";
        for (const recherche::Verdict& v : r.verdicts)
            sortie << v.mot << "  " << marque(v.marque) << "\n";
        return 0;
    }
    for (const recherche::Trouve& t : r.mots) {
        if (mode == recherche::Mode::Rallonges)
            sortie << (t.devant ? QString(t.lettre) + QStringLiteral("-") : QStringLiteral("-") + t.lettre) << "  "
                   << t.mot << "\n";
        else
            sortie << t.mot << "\n";
    }
    if (r.tronque())
        erreurs << QStringLiteral("%1 mots en tout ; seuls les %2 premiers sont affichés.").arg(r.total).arg(r.mots.size())
                << Qt::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream sortie(stdout), erreurs(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        (args.isEmpty() ? erreurs : sortie) << usage;
        (args.isEmpty() ? erreurs : sortie).flush();
        return args.isEmpty() ? 2 : 0;
    }
    QString dossier;
    recherche::Filtres filtres;
    QStringList textes;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto entier = [&](int* cible) {
            bool ok = false;
            *cible = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            return ok && *cible >= 0;
        };
        if (a == QLatin1String("--donnees") && i + 1 < args.size()) {
            dossier = args[++i];
        } else if (a == QLatin1String("--nouveaux")) {
            filtres.nouveauxSeulement = true;
        } else if (a == QLatin1String("--disparus")) {
            filtres.disparusSeulement = true;
        } else if (a == QLatin1String("--min") || a == QLatin1String("--max")) {
            if (!entier(a == QLatin1String("--min") ? &filtres.longueurMin : &filtres.longueurMax)) {
                erreurs << a << " attend un nombre de lettres." << Qt::endl;
                return 2;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << "Option inconnue : " << a << "\n" << usage;
            return 2;
        } else {
            textes.append(a);
        }
    }
    recherche::Mode mode;
    if (textes.isEmpty() || !recherche::modeDeNom(textes.first(), &mode)) {
        erreurs << "Mode inconnu : " << (textes.isEmpty() ? QString() : textes.first()) << "\n" << usage;
        return 2;
    }
    textes.removeFirst();
    if (textes.isEmpty()) {
        erreurs << "Il manque les lettres ou les mots à chercher.\n" << usage;
        return 2;
    }
    if (mode != recherche::Mode::Juger && textes.size() > 1) {
        erreurs << "Un seul mot à la fois (plusieurs mots : mode juger)." << Qt::endl;
        return 2;
    }
    if (dossier.isEmpty())
        dossier = dossierParDefaut();
    if (!QFileInfo(dossier).isDir()) {
        erreurs << "Le dossier de données « " << dossier << " » n'existe pas." << Qt::endl;
        return 2;
    }
    const auto index = recherche::indexEnUsage(dossier);
    if (!index->erreur().isEmpty()) {
        erreurs << index->erreur() << Qt::endl;
        return 2;
    }
    // "-": one query a line from the standard input, each answer followed by an empty line.
    if (textes == QStringList{QStringLiteral("-")}) {
        QTextStream entree(stdin);
        int code = 0;
        QString ligne;
        while (entree.readLineInto(&ligne)) {
            code = std::max(code, repondre(*index, mode, ligne, filtres, sortie, erreurs));
            sortie << "\n";
            sortie.flush();
        }
        return code;
    }
    return repondre(*index, mode, textes.join(u' '), filtres, sortie, erreurs);
}
