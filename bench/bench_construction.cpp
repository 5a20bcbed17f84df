// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/construction.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include <sys/resource.h>
#include <time.h>

namespace {

// Two editions of about 400,000 words each. LEXIDOR_LISTES names a folder holding ancienne.txt and
// recente.txt (the stand-in's two releases as plain lists, `lexidor-builder --hunspell ...
// --exporter-listes`); without it the lists are generated: words of 2 to 15 letters, every -ER verb
// with its conjugation, plurals, and 1 % of new words.
struct Paire {
    QTemporaryDir dossier;
    QString ancienne, nouvelle;

    Paire()
    {
        const QByteArray donnees = qgetenv("LEXIDOR_LISTES");
        if (!donnees.isEmpty()) {
            ancienne = QString::fromLocal8Bit(donnees) + QStringLiteral("/ancienne.txt");
            nouvelle = QString::fromLocal8Bit(donnees) + QStringLiteral("/recente.txt");
            return;
        }
        QRandomGenerator alea(8);
        static const char* const fins[] = {"ER", "E", "ES", "ONS", "EZ", "ENT", "AIS", "AIT", "AIENT", "A", "ERA",
                                           "ERAIT", "ERONT", "ANT", "EE", "EES", "ASSE", "AMES"};
        QByteArray vieux, neuf;
        int mots = 0;
        while (mots < 400000) {
            QByteArray radical;
            const int n = 3 + int(alea.bounded(7));
            for (int i = 0; i < n; ++i)
                radical += char('A' + alea.bounded(26));
            const bool nouveau = alea.bounded(100) == 0;
            const bool verbe = alea.bounded(4) == 0;
            QByteArray lot;
            if (verbe) {
                for (const char* f : fins)
                    lot += radical + f + "\r\n";
                mots += int(std::size(fins));
            } else {
                lot += radical + "\r\n" + radical + "S\r\n";
                mots += 2;
            }
            neuf += lot;
            if (!nouveau)
                vieux += lot;
        }
        ancienne = dossier.filePath(QStringLiteral("ancienne.txt"));
        nouvelle = dossier.filePath(QStringLiteral("recente.txt"));
        for (const auto& [chemin, octets] : {std::pair{ancienne, vieux}, {nouvelle, neuf}}) {
            QFile f(chemin);
            f.open(QIODevice::WriteOnly);
            f.write(octets);
        }
    }
};

// The whole build from two lists: reading, checks, grammar, the 28 bases, side lists, notes and the
// files written. Peak memory is that of the whole process (run this benchmark alone).
void BM_ConstruireDepuisListes(benchmark::State& state)
{
    static const Paire paire;
    QTemporaryDir sortie;
    int n = 0;
    for (auto _ : state) {
        builder::DemandeListes d;
        d.ancienne = paire.ancienne;
        d.nouvelle = paire.nouvelle;
        d.sortie = sortie.filePath(QString::number(n++));
        const builder::RapportListes r = builder::construireDepuisListes(d);
        if (!r.erreur.isEmpty())
            state.SkipWithError(r.erreur.toLocal8Bit().constData());
        benchmark::DoNotOptimize(r.fichiers.size());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pic_Mo"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ConstruireDepuisListes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor the build is measured against: what `sort -u` does with both lists (read them, split
// the lines, sort, drop the repeats).
void BM_ReferenceTriListes(benchmark::State& state)
{
    static const Paire paire;
    for (auto _ : state) {
        qsizetype total = 0;
        for (const QString& chemin : {paire.ancienne, paire.nouvelle}) {
            QFile f(chemin);
            if (!f.open(QIODevice::ReadOnly))
                state.SkipWithError("liste illisible");
            const QByteArray octets = f.readAll();
            std::vector<QByteArrayView> lignes;
            lignes.reserve(octets.size() / 8);
            for (qsizetype debut = 0; debut < octets.size();) {
                qsizetype fin = octets.indexOf('\n', debut);
                if (fin < 0)
                    fin = octets.size();
                lignes.push_back(QByteArrayView(octets).sliced(debut, fin - debut));
                debut = fin + 1;
            }
            std::sort(lignes.begin(), lignes.end());
            total += std::unique(lignes.begin(), lignes.end()) - lignes.begin();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReferenceTriListes)->Unit(benchmark::kMillisecond)->Iterations(3);

// CPU time of the calling thread, in milliseconds: other work on the machine stretches wall times.
double tempsFil()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Time from "Annuler" to the build's return, the flag raised once the progress reaches the
// argument: 5 reading the lists, 25 the grammar, 50 the anagrams, 65 the bases.
void BM_AnnulerConstruction(benchmark::State& state)
{
    static const Paire paire;
    QTemporaryDir sortie;
    int n = 0;
    double pire = 0, pireCpu = 0;
    for (auto _ : state) {
        builder::DemandeListes d;
        d.ancienne = paire.ancienne;
        d.nouvelle = paire.nouvelle;
        d.sortie = sortie.filePath(QString::number(n++));
        std::atomic<bool> annuler = false;
        QElapsedTimer depuis;
        double cpu = 0;
        const auto r = builder::construireDepuisListes(d, [&](int p) {
            if (p >= state.range(0) && !annuler) {
                annuler = true;
                depuis.start();
                cpu = tempsFil();
            }
        }, &annuler);
        pire = std::max(pire, depuis.isValid() ? double(depuis.nsecsElapsed()) / 1e6 : -1);
        pireCpu = std::max(pireCpu, tempsFil() - cpu);
        if (!r.annule)
            state.SkipWithError("pas annulée");
    }
    state.counters["delai_ms"] = pire;
    state.counters["delai_cpu_ms"] = pireCpu;
}
BENCHMARK(BM_AnnulerConstruction)->Unit(benchmark::kMillisecond)->Iterations(2)->Arg(5)->Arg(25)->Arg(50)->Arg(65);

}  // namespace
