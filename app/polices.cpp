// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/polices.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace app {

void installerPolices()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    const QStringList familles = QFontDatabase::families();
    const auto remplacer = [&](const QString& absente, const QStringList& candidates) {
        if (familles.contains(absente))
            return;
        QFont::insertSubstitutions(absente, candidates);
    };
    const QStringList sansSerif{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans Condensed")};
    remplacer(QStringLiteral("MS Sans Serif"), sansSerif);
    remplacer(QStringLiteral("Microsoft Sans Serif"), sansSerif);
    remplacer(QStringLiteral("Comic Sans MS"), sansSerif);
    remplacer(QStringLiteral("Times New Roman"),
              {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    remplacer(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

}  // namespace app
