// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/polices.h"

#include "app/controles.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace app {

namespace {

struct Remplacement {
    QString absente;
    QStringList candidates;
};

const QList<Remplacement>& remplacements()
{
    static const QStringList sansSerif{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                       QStringLiteral("DejaVu Sans Condensed")};
    static const QList<Remplacement> liste{
        {QStringLiteral("MS Sans Serif"), sansSerif},
        {QStringLiteral("Microsoft Sans Serif"), sansSerif},
        {QStringLiteral("Comic Sans MS"), sansSerif},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
    };
    return liste;
}

// Read once: the first font any window loads has Qt scan the installed fonts anyway.
const QStringList& installees()
{
    static const QStringList familles = QFontDatabase::families();
    return familles;
}

}  // namespace

void installerPolices()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    for (const Remplacement& r : remplacements())
        if (!installees().contains(r.absente))
            QFont::insertSubstitutions(r.absente, r.candidates);
}

QString familleInstallee(const QString& designee)
{
    static QHash<QString, QString> connues;
    if (const auto it = connues.constFind(designee); it != connues.cend())
        return *it;
    QString resultat = designee;
    if (!installees().contains(designee)) {
        for (const Remplacement& r : remplacements()) {
            if (r.absente != designee)
                continue;
            for (const QString& c : r.candidates)
                if (installees().contains(c)) {
                    resultat = c;
                    break;
                }
        }
    }
    connues.insert(designee, resultat);
    return resultat;
}

QFont police(const QString& famille, double points, bool gras, bool italique, bool souligne)
{
    installerPolices();
    return ctl::police(familleInstallee(famille), points, gras, italique, souligne);
}

}  // namespace app
