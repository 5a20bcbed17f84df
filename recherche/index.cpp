// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/index.h"

#include "data/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace recherche {

namespace {

const QByteArray entete = QByteArrayLiteral("LEXIDOR-MOTS 1\n");
constexpr int longueurMax = 15;
// Larger files are not lists of words: refused before anything is uncompressed.
constexpr qsizetype tailleMax = 64LL * 1024 * 1024;

char octetDeTete(qsizetype partage, quint8 marque) { return char('0' + partage * 3 + (marque - 1)); }

}  // namespace

namespace {

void ajouterLigne(QByteArray& texte, QByteArrayView mot, QByteArrayView precedent, quint8 marque)
{
    qsizetype partage = 0;
    while (partage < precedent.size() && partage < mot.size() - 1 && precedent[partage] == mot[partage])
        ++partage;
    texte += octetDeTete(partage, marque);
    texte += mot.sliced(partage);
    texte += '\n';
}

bool cles(const QSet<QString>& mots, std::vector<CleMot>& sortie)
{
    sortie.reserve(mots.size());
    for (const QString& m : mots) {
        CleMot c;
        if (!empaqueter(QStringView(m), c))
            return false;
        sortie.push_back(c);
    }
    return true;
}

}  // namespace

qsizetype deballer(CleMot cle, char* lettres)
{
    const quint64 haut = quint64(cle >> 68), bas = quint64(cle >> 53) & 0x7FFF;
    for (int i = 0; i < 12; ++i) {
        const int l = int(haut >> (55 - 5 * i)) & 0x1F;
        if (l == 0)
            return i;
        lettres[i] = char('A' + l - 1);
    }
    for (int i = 0; i < 3; ++i) {
        const int l = int(bas >> (10 - 5 * i)) & 0x1F;
        if (l == 0)
            return 12 + i;
        lettres[12 + i] = char('A' + l - 1);
    }
    return 15;
}

namespace {

// Least significant digit first, thirteen bits at a time over the 75 bits a word uses: a few passes
// over the keys instead of twenty comparisons each. The six counts are taken in one reading.
void trier(std::vector<CleMot>& cles)
{
    constexpr int bits = 13, passes = 6, premier = 128 - bits * passes;
    constexpr quint64 masque = (1u << bits) - 1;
    std::vector<quint32> comptes(passes << bits);
    for (CleMot c : cles)
        for (int p = 0; p < passes; ++p)
            ++comptes[(p << bits) + (quint64(c >> (premier + bits * p)) & masque)];
    std::vector<CleMot> tampon(cles.size());
    for (int p = 0; p < passes; ++p) {
        quint32* const compte = comptes.data() + (p << bits);
        // A digit that every key shares (the letters past the twelfth of short words) orders nothing.
        if (std::any_of(compte, compte + (1 << bits), [&](quint32 n) { return n == cles.size(); }))
            continue;
        quint32 somme = 0;
        for (int d = 0; d < 1 << bits; ++d)
            somme += std::exchange(compte[d], somme);
        const int decalage = premier + bits * p;
        for (CleMot c : cles)
            tampon[compte[quint64(c >> decalage) & masque]++] = c;
        cles.swap(tampon);
    }
}

}  // namespace

QByteArray compacterCles(std::vector<CleMot> a, std::vector<CleMot> n)
{
    trier(a);
    trier(n);
    // One merge of the two sorted lists gives the union in order and the lists of each word.
    QByteArray texte;
    // Written in place: appending a few bytes at a time costs more than the words themselves.
    texte.resize(qsizetype(a.size() + n.size()) * 6 + 2 * longueurMax);
    qsizetype fin = 0;
    char precedent[longueurMax];
    qsizetype longueurPrecedent = 0;
    size_t i = 0, j = 0;
    while (i < a.size() || j < n.size()) {
        CleMot cle;
        quint8 marque;
        if (j == n.size() || (i < a.size() && a[i] < n[j])) {
            cle = a[i++];
            marque = Ancienne;
        } else if (i == a.size() || n[j] < a[i]) {
            cle = n[j++];
            marque = Nouvelle;
        } else {
            cle = a[i++];
            ++j;
            marque = LesDeux;
        }
        if (fin + longueurMax + 2 > texte.size())
            texte.resize(texte.size() * 3 / 2);
        char* const ligne = texte.data() + fin;
        const qsizetype longueur = deballer(cle, ligne + 1);
        qsizetype partage = 0;
        while (partage < longueurPrecedent && partage < longueur - 1 && precedent[partage] == ligne[1 + partage])
            ++partage;
        std::copy_n(ligne + 1, longueur, precedent);
        longueurPrecedent = longueur;
        ligne[0] = octetDeTete(partage, marque);
        std::copy(ligne + 1 + partage, ligne + 1 + longueur, ligne + 1);
        fin += 1 + longueur - partage;
        texte[fin++] = '\n';
    }
    texte.resize(fin);
    return entete + qCompress(texte, 9);
}

QByteArray compacter(const QSet<QString>& ancienne, const QSet<QString>& nouvelle)
{
    std::vector<CleMot> a, n;
    if (cles(ancienne, a) && cles(nouvelle, n))
        return compacterCles(std::move(a), std::move(n));
    // Words of other letters are never written by the builder; kept readable all the same.
    QStringList tous(ancienne.cbegin(), ancienne.cend());
    for (const QString& m : nouvelle)
        if (!ancienne.contains(m))
            tous.append(m);
    tous.sort();
    QByteArray texte;
    texte.reserve(tous.size() * 5);
    QByteArray precedent;
    for (const QString& m : std::as_const(tous)) {
        const QByteArray mot = m.toLatin1();
        ajouterLigne(texte, mot, precedent, quint8((ancienne.contains(m) ? Ancienne : 0) | (nouvelle.contains(m) ? Nouvelle : 0)));
        precedent = mot;
    }
    return entete + qCompress(texte, 9);
}

namespace {

QString ecrireOctets(const QString& dossier, const QByteArray& octets)
{
    const QString chemin = QDir(dossier).filePath(data::cheminLocal(fichierListes));
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        return QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2").arg(chemin, f.errorString());
    return {};
}

}  // namespace

QString ecrireListes(const QString& dossier, const QSet<QString>& ancienne, const QSet<QString>& nouvelle)
{
    return ecrireOctets(dossier, compacter(ancienne, nouvelle));
}

QString ecrireListesCles(const QString& dossier, std::vector<CleMot> ancienne, std::vector<CleMot> nouvelle)
{
    return ecrireOctets(dossier, compacterCles(std::move(ancienne), std::move(nouvelle)));
}

Index Index::lire(const QString& chemin)
{
    const QString local = data::cheminLocal(chemin);
    QFile f(local);
    if (!f.exists()) {
        Index i;
        i.erreur_ = QStringLiteral("Les listes complètes (%1) manquent dans les données en usage : refaites "
                                   "« Mes listes… » pour les ajouter.").arg(local);
        return i;
    }
    if (f.size() > tailleMax || !f.open(QIODevice::ReadOnly)) {
        Index i;
        i.erreur_ = QStringLiteral("Le fichier %1 ne peut pas être lu.").arg(local);
        return i;
    }
    return analyser(f.readAll());
}

Index Index::analyser(QByteArrayView octets)
{
    Index ix;
    const auto abime = [&](const QString& pourquoi) {
        Index vide;
        vide.erreur_ = QStringLiteral("Le fichier des listes complètes est abîmé (%1).").arg(pourquoi);
        return vide;
    };
    if (!octets.startsWith(entete))
        return abime(QStringLiteral("en-tête inconnu"));
    const QByteArrayView corps = octets.sliced(entete.size());
    // qUncompress trusts the size the stream announces: a forged one must not reserve gigabytes.
    if (corps.size() < 4 || qFromBigEndian<quint32>(corps.data()) > quint32(tailleMax))
        return abime(QStringLiteral("taille annoncée invalide"));
    const QByteArray texte = qUncompress(reinterpret_cast<const uchar*>(corps.data()), corps.size());
    if (texte.isEmpty())
        return abime(QStringLiteral("données compressées illisibles"));

    ix.lettres.reserve(texte.size() * 3);
    ix.debuts.reserve(texte.size() / 4);
    ix.debuts.push_back(0);
    // The previous word is kept by its place: a view into the letters would dangle as soon as
    // they grow past what was reserved (long words sharing all but their last letter do).
    qsizetype debutPrecedent = 0, taillePrecedent = 0;
    qsizetype i = 0;
    while (i < texte.size()) {
        const qsizetype fin = texte.indexOf('\n', i);
        if (fin < 0)
            return abime(QStringLiteral("dernière ligne coupée"));
        const int code = int(uchar(texte[i])) - '0';
        const qsizetype partage = code / 3;
        const quint8 marque = quint8(code % 3 + 1);
        if (code < 0 || partage > taillePrecedent)
            return abime(QStringLiteral("ligne %1").arg(ix.marques.size() + 1));
        const qsizetype debut = ix.lettres.size();
        ix.lettres.append(QByteArrayView(ix.lettres.constData() + debutPrecedent, partage));
        ix.lettres.append(texte.constData() + i + 1, fin - i - 1);
        const QByteArrayView mot(ix.lettres.constData() + debut, ix.lettres.size() - debut);
        const QByteArrayView precedent(ix.lettres.constData() + debutPrecedent, taillePrecedent);
        quint32 masque = 0;
        for (char c : mot) {
            if (c < 'A' || c > 'Z')
                return abime(QStringLiteral("ligne %1").arg(ix.marques.size() + 1));
            masque |= 1u << (c - 'A');
        }
        // Strictly increasing: lookups search by halves.
        if (mot.size() < 2 || mot.size() > longueurMax || (!precedent.isEmpty() && !(precedent < mot)))
            return abime(QStringLiteral("ligne %1").arg(ix.marques.size() + 1));
        ix.debuts.push_back(quint32(ix.lettres.size()));
        ix.marques.push_back(marque);
        ix.masques.push_back(masque);
        debutPrecedent = debut;
        taillePrecedent = mot.size();
        i = fin + 1;
    }
    if (ix.marques.empty())
        return abime(QStringLiteral("aucun mot"));

    const qsizetype n = ix.taille();
    std::vector<Cle> cleDe(n);
    std::array<char, longueurMax> tri;
    for (qsizetype k = 0; k < n; ++k) {
        const QByteArrayView m = ix.mot(k).first(std::min<qsizetype>(ix.mot(k).size(), longueurMax));
        std::copy(m.begin(), m.end(), tri.begin());
        std::sort(tri.begin(), tri.begin() + m.size());
        cleDe[k] = cle(QByteArrayView(tri.data(), m.size()));
    }
    ix.parCle.resize(n);
    std::iota(ix.parCle.begin(), ix.parCle.end(), 0u);
    std::stable_sort(ix.parCle.begin(), ix.parCle.end(), [&](quint32 a, quint32 b) { return cleDe[a] < cleDe[b]; });
    ix.cles.resize(n);
    for (qsizetype k = 0; k < n; ++k) {
        ix.cles[k] = cleDe[ix.parCle[k]];
        if (k == 0 || ix.cles[k] != ix.cles[k - 1]) {
            ix.groupes.push_back(quint32(k));
            ix.masquesGroupes.push_back(ix.masques[ix.parCle[k]]);
            ix.longueursGroupes.push_back(quint8(ix.mot(ix.parCle[k]).size()));
        }
    }
    ix.groupes.push_back(quint32(n));
    ix.lettres.squeeze();
    return ix;
}

Index::Cle Index::cle(QByteArrayView lettresTriees)
{
    // Five bits a letter, none of them zero: words of different lengths never share a key.
    Cle c = 0;
    for (char l : lettresTriees)
        c = (c << 5) | Cle(l - 'A' + 1);
    return c;
}

qsizetype Index::trouver(QByteArrayView m) const
{
    qsizetype bas = 0, haut = taille();
    while (bas < haut) {
        const qsizetype milieu = (bas + haut) / 2;
        if (mot(milieu) < m)
            bas = milieu + 1;
        else
            haut = milieu;
    }
    return bas < taille() && mot(bas) == m ? bas : -1;
}

std::pair<qsizetype, qsizetype> Index::prefixe(QByteArrayView p) const
{
    qsizetype bas = 0, haut = taille();
    while (bas < haut) {
        const qsizetype milieu = (bas + haut) / 2;
        if (mot(milieu) < p)
            bas = milieu + 1;
        else
            haut = milieu;
    }
    qsizetype fin = taille();
    for (qsizetype b = bas; b < fin;) {
        const qsizetype milieu = (b + fin) / 2;
        const QByteArrayView m = mot(milieu);
        if (m.first(std::min(m.size(), p.size())) <= p)
            b = milieu + 1;
        else
            fin = milieu;
    }
    return {bas, fin};
}

qsizetype Index::trouverGroupe(Cle c) const
{
    const auto it = std::lower_bound(groupes.begin(), groupes.end() - 1, c,
                                     [&](quint32 debut, Cle v) { return cles[debut] < v; });
    return it != groupes.end() - 1 && cles[*it] == c ? qsizetype(it - groupes.begin()) : -1;
}

}  // namespace recherche
