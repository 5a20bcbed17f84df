// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <vector>

// The complete older and newer lists of the data in use, held once in memory so that any word can
// be judged, and any search answered, without reading a file again.
namespace recherche {

// Which lists a word is in.
enum Marque : quint8 {
    Ancienne = 1,  // alone: a word the newer list dropped
    Nouvelle = 2,  // alone: a new word
    LesDeux = 3,
};

// Beside the bases, in the program's own path notation.
inline const QString fichierListes = QStringLiteral("listes\\mots-complets.dat");

// The file: a first line naming the format, then the zlib stream (qCompress) of the union of the two
// lists in alphabetical order, one word per line. Each line starts with one byte that tells how many
// letters the word shares with the one before and which lists it is in; the rest of the word follows.
// 800,000 words take about 250 KB.
QByteArray compacter(const QSet<QString>& ancienne, const QSet<QString>& nouvelle);
// Writes that file into the data folder `dossier`, atomically. Empty on success, else why, in French.
QString ecrireListes(const QString& dossier, const QSet<QString>& ancienne, const QSet<QString>& nouvelle);

// A word of A to Z, 15 letters at most, packed five bits a letter from the top: the keys sort as the
// words do, and the builder holds its lists this way. 0 is the empty word.
using CleMot = unsigned __int128;
inline const char16_t* lettresDe(QStringView mot) { return mot.utf16(); }
inline const uchar* lettresDe(QLatin1StringView mot) { return reinterpret_cast<const uchar*>(mot.data()); }
template <typename Vue>
bool empaqueter(Vue mot, CleMot& cle)
{
    const qsizetype n = mot.size();
    if (n > 15)
        return false;
    // Two 64-bit halves: shifting a 128-bit value letter by letter costs three times as much.
    const auto* p = lettresDe(mot);
    const qsizetype h = std::min<qsizetype>(n, 12);
    quint64 haut = 0, bas = 0;
    bool lettres = true;
    for (qsizetype i = 0; i < h; ++i) {
        const unsigned l = unsigned(p[i]) - (u'A' - 1);
        lettres &= l - 1 < 26;
        haut = haut << 5 | l;
    }
    for (qsizetype i = h; i < n; ++i) {
        const unsigned l = unsigned(p[i]) - (u'A' - 1);
        lettres &= l - 1 < 26;
        bas = bas << 5 | l;
    }
    haut <<= 5 * (12 - h);
    bas <<= 5 * (15 - std::max<qsizetype>(n, 12));
    cle = CleMot(haut) << 68 | CleMot(bas) << 53;
    return lettres;
}
// Writes the letters (15 at most) and returns their count.
qsizetype deballer(CleMot cle, char* lettres);
// The same file from packed words, in any order.
QByteArray compacterCles(std::vector<CleMot> ancienne, std::vector<CleMot> nouvelle);
QString ecrireListesCles(const QString& dossier, std::vector<CleMot> ancienne, std::vector<CleMot> nouvelle);

class Index {
public:
    // Bad bytes give an empty index whose erreur() says why, in French.
    static Index analyser(QByteArrayView octets);
    static Index lire(const QString& chemin);
    static Index depuisListes(const QSet<QString>& ancienne, const QSet<QString>& nouvelle)
    {
        return analyser(compacter(ancienne, nouvelle));
    }

    qsizetype taille() const { return qsizetype(marques.size()); }
    bool vide() const { return marques.empty(); }
    const QString& erreur() const { return erreur_; }

    QByteArrayView mot(qsizetype i) const
    {
        return QByteArrayView(lettres.constData() + debuts[i], debuts[i + 1] - debuts[i]);
    }
    quint8 marque(qsizetype i) const { return marques[i]; }
    quint32 masque(qsizetype i) const { return masques[i]; }
    // -1 when the word is in neither list.
    qsizetype trouver(QByteArrayView mot) const;
    // The positions of the words that start with `prefixe`: [first, last).
    std::pair<qsizetype, qsizetype> prefixe(QByteArrayView prefixe) const;

    // Words that share their letters form a group; the groups are ordered by their sorted letters.
    using Cle = unsigned __int128;
    static Cle cle(QByteArrayView lettresTriees);
    qsizetype nombreGroupes() const { return qsizetype(groupes.size()) - 1; }
    Cle cleGroupe(qsizetype g) const { return cles[groupes[g]]; }
    // Kept side by side so that a scan of every group reads memory in order.
    quint32 masqueGroupe(qsizetype g) const { return masquesGroupes[g]; }
    qsizetype longueurGroupe(qsizetype g) const { return longueursGroupes[g]; }
    // The words of group g (positions in the alphabetical order).
    std::pair<const quint32*, const quint32*> groupe(qsizetype g) const
    {
        return {parCle.data() + groupes[g], parCle.data() + groupes[g + 1]};
    }
    // The group of these sorted letters, or -1.
    qsizetype trouverGroupe(Cle c) const;

private:
    QByteArray lettres;
    std::vector<quint32> debuts;   // taille() + 1 offsets into lettres
    std::vector<quint8> marques;
    std::vector<quint32> masques;  // one bit per letter the word uses
    std::vector<quint32> parCle;   // word positions ordered by their sorted letters
    std::vector<Cle> cles;         // the key of each entry of parCle
    std::vector<quint32> groupes;  // starts of the groups in parCle, and its end
    std::vector<quint32> masquesGroupes;
    std::vector<quint8> longueursGroupes;
    QString erreur_;
};

}  // namespace recherche
