// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/base.h"
#include "data/infosouris.h"
#include "data/listes.h"
#include "data/texte.h"
#include "donnees.h"

#include <benchmark/benchmark.h>

namespace {

const banc::Installation& installation()
{
    static const banc::Installation inst;
    return inst;
}

void BM_LireBase15001(benchmark::State& state)
{
    const QString chemin = installation().chemin(QStringLiteral("listes/7L.txt"));
    for (auto _ : state) {
        auto b = data::lireBase(chemin);
        benchmark::DoNotOptimize(b.lignes.size());
    }
}
BENCHMARK(BM_LireBase15001)->Unit(benchmark::kMillisecond);

void BM_CompterLignesBase15001(benchmark::State& state)
{
    const QString chemin = installation().chemin(QStringLiteral("listes/7L.txt"));
    for (auto _ : state) {
        auto l = data::lireFichier(chemin);
        benchmark::DoNotOptimize(data::compterLignes(l.octets));
    }
}
BENCHMARK(BM_CompterLignesBase15001)->Unit(benchmark::kMicrosecond);

void BM_LireListesLaterales(benchmark::State& state)
{
    const auto& i = installation();
    for (auto _ : state) {
        auto a = data::ListeLaterale::lire(i.chemin(QStringLiteral("listes/vbi_gd.txt")), data::capaciteVbi);
        auto b = data::ListeLaterale::lire(i.chemin(QStringLiteral("listes/vbt_gd.txt")), data::capaciteVbt);
        auto c = data::ListeLaterale::lire(i.chemin(QStringLiteral("listes/inv.txt")), data::capaciteInv);
        benchmark::DoNotOptimize(a.entrees.size() + b.entrees.size() + c.entrees.size());
    }
}
BENCHMARK(BM_LireListesLaterales)->Unit(benchmark::kMillisecond);

void BM_LireInfoSouris500000(benchmark::State& state)
{
    const QString chemin = installation().chemin(QStringLiteral("infosouris-ods8.txt"));
    for (auto _ : state) {
        auto s = data::InfoSouris::lire(chemin);
        benchmark::DoNotOptimize(s.nombrePaires());
    }
}
BENCHMARK(BM_LireInfoSouris500000)->Unit(benchmark::kMillisecond);

void BM_ChercherNotes(benchmark::State& state)
{
    static const auto notes = data::InfoSouris::lire(installation().chemin(QStringLiteral("infosouris-ods8.txt")));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(notes.notes(banc::mot(i++ % 250000)));
    }
}
BENCHMARK(BM_ChercherNotes);

}  // namespace
