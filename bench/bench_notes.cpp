// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/infosouris.h"
#include "data/texte.h"
#include "donnees.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The index the notes file had before its open-addressing table, kept here as the reference the
// new one is measured against in the same run: one std::unordered_map node per word.
qsizetype indexerParNoeuds(const QByteArray& b)
{
    struct Paire {
        qsizetype debutNote, tailleNote;
        int suivante;
    };
    const auto ligne = [&b](qsizetype debut) {
        const auto [l, suivante] = data::ligneA(b, debut);
        return std::pair{std::string_view(l.data(), size_t(l.size())), suivante};
    };
    std::vector<Paire> paires;
    std::unordered_map<std::string_view, int> premiere;
    paires.reserve(size_t(b.size() / 40));
    premiere.reserve(size_t(b.size() / 40));
    std::vector<int> derniere;
    qsizetype pos = 0;
    const qsizetype n = b.size();
    while (pos < n) {
        const auto [mot, apresMot] = ligne(pos);
        if (mot.empty())
            break;
        qsizetype debutNote = apresMot, tailleNote = 0;
        pos = apresMot;
        if (apresMot < n) {
            const auto [note, apresNote] = ligne(apresMot);
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
    return qsizetype(paires.size());
}

// Per line, so that the three sizes compare directly: a linear index costs the same per line.
void parLigne(benchmark::State& state)
{
    state.counters["s_par_ligne"] = benchmark::Counter(double(state.iterations() * state.range(0)),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_IndexerNotes(benchmark::State& state)
{
    const QByteArray octets = banc::infosouris(int(state.range(0)));
    for (auto _ : state) {
        auto s = data::InfoSouris::analyser(octets);
        benchmark::DoNotOptimize(s.nombrePaires());
    }
    parLigne(state);
}
BENCHMARK(BM_IndexerNotes)->Arg(10000)->Arg(100000)->Arg(500000)->Unit(benchmark::kMillisecond);

void BM_IndexerNotesParNoeuds(benchmark::State& state)
{
    const QByteArray octets = banc::infosouris(int(state.range(0)));
    for (auto _ : state) {
        // The copy stands for the one analyser() makes of its argument.
        QByteArray copie = octets;
        copie.detach();
        benchmark::DoNotOptimize(indexerParNoeuds(copie));
    }
    parLigne(state);
}
BENCHMARK(BM_IndexerNotesParNoeuds)->Arg(10000)->Arg(100000)->Arg(500000)->Unit(benchmark::kMillisecond);

}  // namespace
