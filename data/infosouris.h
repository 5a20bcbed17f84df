// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>
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
    // No notes, for a file that could not be read, and why.
    static InfoSouris echec(const QString& erreur);

    QStringList notes(const QString& mot) const;
    qsizetype nombrePaires() const { return qsizetype(paires.size()); }
    const QString& erreur() const { return erreur_; }
    bool ok() const { return erreur_.isEmpty(); }

private:
    // Offsets rather than pointers into the text, so that a copy keeps a valid index as it is. The
    // note is found again from its word's line when asked for: sixteen bytes a pair.
    struct Paire {
        qsizetype debutMot;
        int tailleMot;
        int precedente;  // previous pair with the same word, -1 for its first
    };
    // One slot of an open-addressing table: a node-based map would scatter half a million lines
    // over the heap, and the index would cost more per line the larger the file.
    struct Case {
        quint32 empreinte;
        int derniere = -1;  // the word's last pair; -1: an empty slot
    };
    void indexer();
    std::string_view mot(const Paire& p) const
    {
        return {contenu.constData() + p.debutMot, size_t(p.tailleMot)};
    }
    // The slot of that word, or the empty slot where it would go.
    size_t trouver(std::string_view mot, quint32 empreinte) const;

    QByteArray contenu;
    std::vector<Paire> paires;
    std::vector<Case> cases;  // a power of two in size, at most half full
    QString erreur_;
};

// Lines the designed table holds; a longer file is still read whole.
constexpr int capaciteInfoSouris = 500000;

}  // namespace data
