// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/description.h"

#include "data/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace data {

namespace {

// A description is a few lines: anything longer is not one, and is not read into memory.
constexpr qint64 tailleMaxDescription = 64 * 1024;

int edition(QStringView texte)
{
    bool ok = false;
    const int n = texte.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 99 ? n : 0;
}

}  // namespace

Description analyserDescription(QByteArrayView octets)
{
    Description d;
    for (const QString& ligne : lignes(octets)) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal <= 0)
            continue;
        const QString cle = ligne.left(egal).trimmed();
        const QString valeur = ligne.mid(egal + 1).trimmed();
        if (cle == QLatin1String("source")) {
            d.source = valeur == QLatin1String("listes")      ? Description::Source::Listes
                       : valeur == QLatin1String("substitut") ? Description::Source::Substitut
                                                              : Description::Source::Inconnue;
        } else if (cle == QLatin1String("editions")) {
            const QStringList e = valeur.split(QLatin1Char(','));
            if (e.size() == 2) {
                d.editionAncienne = edition(e[0]);
                d.editionNouvelle = edition(e[1]);
            }
        } else if (cle == QLatin1String("date")) {
            d.date = valeur.left(40);
        } else if (cle == QLatin1String("ancienne")) {
            d.ancienne = valeur.left(200);
        } else if (cle == QLatin1String("nouvelle")) {
            d.nouvelle = valeur.left(200);
        }
    }
    return d;
}

Description lireDescription(const QString& dossier)
{
    const QString chemin = dossier.isEmpty() ? fichierDescription
                                             : QDir(cheminLocal(dossier)).filePath(fichierDescription);
    const QFileInfo fi(chemin);
    if (!fi.isFile() || fi.size() > tailleMaxDescription)
        return {};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return analyserDescription(f.read(tailleMaxDescription));
}

QString selonEditions(const QString& texte, const Description& d)
{
    if (!d.editionsConnues())
        return texte;
    // One pass, so that an older edition of 8 is not renamed again as the newer one.
    static const QRegularExpression edition(QStringLiteral("\\b(ODS|ods)( ?)([78])\\b"));
    QString resultat;
    qsizetype fin = 0;
    for (auto it = edition.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        resultat += texte.mid(fin, m.capturedStart() - fin);
        resultat += m.captured(1) + m.captured(2)
                    + QString::number(m.captured(3) == QLatin1String("8") ? d.editionNouvelle : d.editionAncienne);
        fin = m.capturedEnd();
    }
    return resultat + texte.mid(fin);
}

}  // namespace data
