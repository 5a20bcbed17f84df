// SPDX-License-Identifier: GPL-3.0-or-later
#include "grammaire.h"

#include <QSet>

namespace builder {

extern const char usagesVerbesTexte[];

const QHash<QString, char>& usagesVerbes()
{
    static const QHash<QString, char> usages = [] {
        QHash<QString, char> h;
        const QList<QByteArray> champs = QByteArray(usagesVerbesTexte).simplified().split(' ');
        for (qsizetype i = 0; i + 1 < champs.size(); i += 2)
            h.insert(QString::fromLatin1(champs[i]), champs[i + 1].front());
        return h;
    }();
    return usages;
}

QByteArray sourceUsagesVerbes(const Grammaire& etiquetee, const Grammaire& deduite)
{
    const auto code = [](const Grammaire& g, const QString& v) {
        return !g.infinitif(v) ? 'n' : g.transitif(v) ? 't' : g.participeInvariable(v) ? 'i' : '-';
    };
    QStringList verbes = etiquetee.infinitifs() + deduite.infinitifs();
    verbes.sort();
    verbes.removeDuplicates();
    QByteArray source = "// SPDX-License-Identifier: MPL-2.0\n"
                        "// Written by `lexidor-builder --hunspell ... --exporter-usages` from the tags of the free French\n"
                        "// lexicon (Dicollecte / Grammalecte, MPL-2.0, see runtime/NOTICE): the verbs whose use the forms\n"
                        "// of its two releases, read as plain lists, do not tell.\n"
                        "namespace builder {\n"
                        "extern const char usagesVerbesTexte[];\n"
                        "const char usagesVerbesTexte[] =\n";
    QByteArray ligne;
    for (const QString& v : verbes) {
        const char e = code(etiquetee, v);
        if (e == code(deduite, v))
            continue;
        ligne += v.toLatin1() + ' ' + e + ' ';
        if (ligne.size() > 90) {
            source += "    \"" + ligne + "\"\n";
            ligne.clear();
        }
    }
    source += "    \"" + ligne + "\";\n}  // namespace builder\n";
    return source;
}

}  // namespace builder
