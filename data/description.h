// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a data folder says about itself in its "description.txt": where its words come from and
// which editions of the word list its two lists are.
namespace data {

inline const QString fichierDescription = QStringLiteral("description.txt");

struct Description {
    enum class Source { Inconnue, Listes, Substitut };
    Source source = Source::Inconnue;  // Inconnue also when the folder has no description
    int editionAncienne = 0;           // 0 when not given or not a plausible edition
    int editionNouvelle = 0;
    QString date;                      // as written, e.g. "2026-12-08"
    QString ancienne, nouvelle;        // names of the two plain lists the player chose

    bool substitut() const { return source == Source::Substitut; }
    // Captions name these editions only for lists the player built, with two editions in order.
    bool editionsConnues() const
    {
        return source == Source::Listes && editionAncienne > 0 && editionAncienne < editionNouvelle;
    }
};

Description analyserDescription(QByteArrayView octets);
// The description of the data folder `dossier`; an absent or unreadable one is an unknown source.
Description lireDescription(const QString& dossier);

// A designed caption with its editions ("ODS 8", "ods8", "ODS7", the trailing "8" of the program's
// title) replaced by those of the data in use; unchanged unless the editions are known.
QString selonEditions(const QString& texte, const Description& d);

}  // namespace data
