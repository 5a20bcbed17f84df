// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace data {

// The word notes file: pairs of lines (word, note) up to the first empty word line. A word may have
// several notes; they come back in file order. The file is kept as read and indexed by word, so that
// loading half a million lines costs one pass and a lookup never scans.
class InfoSouris {
public:
    static InfoSouris lire(const QString& chemin);
    static InfoSouris analyser(QByteArray octets);
    static InfoSouris analyser(QByteArrayView octets) { return analyser(octets.toByteArray()); }
    static InfoSouris analyser(const char* octets) { return analyser(QByteArray(octets)); }

    InfoSouris() = default;
    InfoSouris(const InfoSouris& autre) { *this = autre; }
    InfoSouris& operator=(const InfoSouris& autre);
    InfoSouris(InfoSouris&&) noexcept = default;
    InfoSouris& operator=(InfoSouris&&) noexcept = default;

    QStringList notes(const QString& mot) const;
    qsizetype nombrePaires() const { return qsizetype(paires.size()); }
    const QString& erreur() const { return erreur_; }
    bool ok() const { return erreur_.isEmpty(); }

private:
    struct Paire {
        qsizetype debutNote;
        qsizetype tailleNote;
        int suivante;  // next pair with the same word, -1 at the end
    };
    void indexer();

    QByteArray contenu;
    std::vector<Paire> paires;
    std::unordered_map<std::string_view, int> premiere;  // views into contenu
    QString erreur_;
};

// Lines the designed table holds; a longer file is still read whole.
constexpr int capaciteInfoSouris = 500000;

}  // namespace data
