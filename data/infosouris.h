// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace data {

// The word notes file: pairs of lines (word, note) up to the first empty word line. A word may have
// several notes; they come back in file order. Lookups go through an index, not a scan of the file.
class InfoSouris {
public:
    static InfoSouris lire(const QString& chemin);
    static InfoSouris analyser(QByteArrayView octets);

    QStringList notes(const QString& mot) const;
    qsizetype nombrePaires() const { return paires; }
    const QString& erreur() const { return erreur_; }
    bool ok() const { return erreur_.isEmpty(); }

private:
    QHash<QString, QStringList> index;
    qsizetype paires = 0;
    QString erreur_;
};

// Lines the designed table holds; a longer file is still read whole.
constexpr int capaciteInfoSouris = 500000;

}  // namespace data
