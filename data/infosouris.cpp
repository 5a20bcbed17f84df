// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/infosouris.h"

#include "data/texte.h"

namespace data {

namespace {

// The line that starts at debut: its text without the line break, and where the next line starts.
std::pair<std::string_view, qsizetype> ligne(const QByteArray& b, qsizetype debut)
{
    qsizetype fin = b.indexOf('\n', debut);
    const qsizetype suivante = fin < 0 ? b.size() : fin + 1;
    if (fin < 0)
        fin = b.size();
    if (fin > debut && b[fin - 1] == '\r')
        --fin;
    return {std::string_view(b.constData() + debut, size_t(fin - debut)), suivante};
}

}  // namespace

void InfoSouris::indexer()
{
    paires.clear();
    premiere.clear();
    // Roughly one pair per 40 bytes: reserving up front spares the rehashes of a large file.
    paires.reserve(size_t(contenu.size() / 40));
    premiere.reserve(size_t(contenu.size() / 40));
    std::vector<int> derniere;  // last pair of each word, indexed like its first pair
    qsizetype pos = 0;
    const qsizetype n = contenu.size();
    while (pos < n) {
        const auto [mot, apresMot] = ligne(contenu, pos);
        if (mot.empty())
            break;
        // A word on the last line has no note line: its note is empty, as an empty slot would be.
        qsizetype debutNote = apresMot, tailleNote = 0;
        pos = apresMot;
        if (apresMot < n) {
            const auto [note, apresNote] = ligne(contenu, apresMot);
            tailleNote = qsizetype(note.size());
            pos = apresNote;
        }
        const int i = int(paires.size());
        paires.push_back({debutNote, tailleNote, -1});
        derniere.push_back(i);
        auto [it, nouveau] = premiere.try_emplace(mot, i);
        if (!nouveau) {
            int& fin = derniere[size_t(it->second)];
            paires[size_t(fin)].suivante = i;
            fin = i;
        }
    }
}

InfoSouris& InfoSouris::operator=(const InfoSouris& autre)
{
    if (this != &autre) {
        // The index holds views into the text, so a copy rebuilds its own.
        contenu = autre.contenu;
        erreur_ = autre.erreur_;
        indexer();
    }
    return *this;
}

InfoSouris InfoSouris::analyser(QByteArray octets)
{
    InfoSouris s;
    s.contenu = std::move(octets);
    s.contenu.detach();
    s.indexer();
    return s;
}

InfoSouris InfoSouris::lire(const QString& chemin)
{
    Lecture lu = lireFichier(chemin);
    if (!lu.ok()) {
        InfoSouris s;
        s.erreur_ = lu.erreur;
        return s;
    }
    return analyser(std::move(lu.octets));
}

QStringList InfoSouris::notes(const QString& mot) const
{
    QStringList r;
    const QByteArray cle = encoder(mot);
    const auto it = premiere.find(std::string_view(cle.constData(), size_t(cle.size())));
    if (it == premiere.end())
        return r;
    for (int i = it->second; i >= 0; i = paires[size_t(i)].suivante) {
        const Paire& p = paires[size_t(i)];
        r.append(decoder(QByteArrayView(contenu.constData() + p.debutNote, p.tailleNote)));
    }
    return r;
}

}  // namespace data
