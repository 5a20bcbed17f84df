// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/infosouris.h"

#include "data/texte.h"

#include <QHashFunctions>

#include <algorithm>
#include <bit>
#include <limits>

namespace data {

namespace {

// The line that starts at debut: its text without the line break, and where the next line starts.
std::pair<std::string_view, qsizetype> ligne(const QByteArray& b, qsizetype debut)
{
    const auto [l, suivante] = ligneA(b, debut);
    return {std::string_view(l.data(), size_t(l.size())), suivante};
}

quint32 empreinte(std::string_view mot)
{
    return quint32(qHashBits(mot.data(), mot.size(), 0));
}

}  // namespace

size_t InfoSouris::trouver(std::string_view m, quint32 e) const
{
    const size_t masque = cases.size() - 1;
    size_t i = e & masque;
    while (cases[i].derniere >= 0 && (cases[i].empreinte != e || mot(paires[size_t(cases[i].derniere)]) != m))
        i = (i + 1) & masque;
    return i;
}

void InfoSouris::indexer()
{
    // Two passes: the lines first, in file order, then the table, sized to the pairs found. The
    // slots are reached at random; asking for each one some pairs ahead keeps the cost per line the
    // same whatever the size of the file, where waiting on memory would make it grow.
    paires.clear();
    paires.reserve(size_t(contenu.size() / 40));
    std::vector<quint32> empreintes;
    empreintes.reserve(paires.capacity());
    qsizetype pos = 0;
    const qsizetype n = contenu.size();
    while (pos < n) {
        const auto [mot, apresMot] = ligne(contenu, pos);
        if (mot.empty())
            break;
        const qsizetype debutMot = pos;
        pos = apresMot < n ? ligne(contenu, apresMot).second : apresMot;
        // No rack ever asks for a word line of two gigabytes; leaving it out keeps the sizes small.
        if (mot.size() > size_t(std::numeric_limits<int>::max()) || paires.size() >= size_t(std::numeric_limits<int>::max() / 2))
            continue;
        paires.push_back({debutMot, int(mot.size()), -1});
        empreintes.push_back(empreinte(mot));
    }
    cases.assign(std::bit_ceil(std::max<size_t>(16, 2 * paires.size())), Case{});
    const size_t masque = cases.size() - 1;
    constexpr size_t avance = 16;
    for (size_t k = 0; k < paires.size(); ++k) {
        if (k + avance < paires.size())
            __builtin_prefetch(&cases[empreintes[k + avance] & masque]);
        Case& c = cases[trouver(mot(paires[k]), empreintes[k])];
        paires[k].precedente = c.derniere;
        c = {empreintes[k], int(k)};
    }
}

InfoSouris InfoSouris::analyser(QByteArray octets)
{
    InfoSouris s;
    s.contenu = std::move(octets);
    s.contenu.detach();
    s.indexer();
    return s;
}

InfoSouris InfoSouris::echec(const QString& erreur)
{
    InfoSouris s;
    s.erreur_ = erreur;
    return s;
}

InfoSouris InfoSouris::lire(const QString& chemin)
{
    Lecture lu = lireFichier(chemin);
    if (!lu.ok())
        return echec(lu.erreur);
    return analyser(std::move(lu.octets));
}

QStringList InfoSouris::notes(const QString& m) const
{
    QStringList r;
    if (cases.empty())
        return r;
    const QByteArray cle = encoder(m);
    const std::string_view v(cle.constData(), size_t(cle.size()));
    for (int p = cases[trouver(v, empreinte(v))].derniere; p >= 0; p = paires[size_t(p)].precedente) {
        const Paire& q = paires[size_t(p)];
        // A word on the last line has no note line: its note is empty, as an empty slot would be.
        const qsizetype apresMot = ligne(contenu, q.debutMot + q.tailleMot).second;
        r.append(decoder(apresMot < contenu.size() ? QByteArrayView(ligne(contenu, apresMot).first) : QByteArrayView()));
    }
    std::reverse(r.begin(), r.end());
    return r;
}

}  // namespace data
