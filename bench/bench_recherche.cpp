// SPDX-License-Identifier: GPL-3.0-or-later
// The search on the shipped data: two lists of about 400,000 words.
#include "recherche/index.h"
#include "recherche/requete.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

const QString fichier = QStringLiteral(LEXIDOR_RUNTIME_DIR "/listes/mots-complets.dat");

const recherche::Index& index()
{
    static const recherche::Index ix = recherche::Index::lire(fichier);
    return ix;
}

// Resident memory of the process, in bytes.
double resident()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, residentes = 0;
    statm >> pages >> residentes;
    return double(residentes) * 4096.0;
}

// The floor of the start: the file read and uncompressed, nothing indexed.
void BM_RechercheLectureBrute(benchmark::State& state)
{
    for (auto _ : state) {
        QFile f(fichier);
        f.open(QIODevice::ReadOnly);
        const QByteArray octets = f.readAll();
        benchmark::DoNotOptimize(qUncompress(reinterpret_cast<const uchar*>(octets.constData()) + 15, octets.size() - 15).size());
    }
}
BENCHMARK(BM_RechercheLectureBrute)->Unit(benchmark::kMillisecond);

void BM_RechercheChargement(benchmark::State& state)
{
    double croissance = 0;
    for (auto _ : state) {
        const double avant = resident();
        const recherche::Index ix = recherche::Index::lire(fichier);
        croissance = std::max(croissance, resident() - avant);
        benchmark::DoNotOptimize(ix.taille());
    }
    state.counters["mots"] = double(index().taille());
    state.counters["Mo_en_plus"] = croissance / (1024.0 * 1024.0);
}
BENCHMARK(BM_RechercheChargement)->Unit(benchmark::kMillisecond);

void requete(benchmark::State& state, recherche::Mode mode, const char* texte)
{
    const recherche::Index& ix = index();
    qsizetype trouves = 0;
    for (auto _ : state) {
        const recherche::Reponse r = recherche::chercher(ix, mode, QString::fromLatin1(texte));
        trouves = r.total;
        benchmark::DoNotOptimize(r.mots.size());
    }
    state.counters["mots_trouves"] = double(trouves);
}

void BM_RechercheJuger10Mots(benchmark::State& s)
{
    requete(s, recherche::Mode::Juger, "PROFE CHAT LIKER INFOX ZOB ABACA KAPIO ETAIS TARS XYZ");
}
void BM_RechercheAnagrammes2Jokers(benchmark::State& s) { requete(s, recherche::Mode::Anagrammes, "AEINRS??"); }
void BM_RechercheSousAnagrammes9Lettres2Jokers(benchmark::State& s)
{
    requete(s, recherche::Mode::SousAnagrammes, "AEINRSTL??");
}
void BM_RechercheSousAnagrammes7Lettres(benchmark::State& s) { requete(s, recherche::Mode::SousAnagrammes, "AEINRST"); }
void BM_RechercheMotifEtoileDevant(benchmark::State& s) { requete(s, recherche::Mode::Motif, "*[AEI]?ER*S"); }
void BM_RechercheMotifPrefixe(benchmark::State& s) { requete(s, recherche::Mode::Motif, "LIK*"); }
void BM_RechercheMotifTout(benchmark::State& s) { requete(s, recherche::Mode::Motif, "*"); }
void BM_RechercheRallonges(benchmark::State& s) { requete(s, recherche::Mode::Rallonges, "BATTRE"); }
BENCHMARK(BM_RechercheJuger10Mots)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RechercheAnagrammes2Jokers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RechercheSousAnagrammes9Lettres2Jokers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RechercheSousAnagrammes7Lettres)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RechercheMotifEtoileDevant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RechercheMotifPrefixe)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RechercheMotifTout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RechercheRallonges)->Unit(benchmark::kMicrosecond);

}  // namespace
