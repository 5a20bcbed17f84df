// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"
#include "donnees.h"
#include "training/form1.h"
#include "app/messages.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// An ordinary run on the 7-letter base, 8 seconds per word, no sound.
entrainement::Lancement lancement7L()
{
    entrainement::Lancement l;
    l.fichier = QStringLiteral("listes\\7L.txt");
    l.titre = QStringLiteral("7 lettres");
    l.tempsparmot = 8;
    l.son = false;
    return l;
}

// A training window on the maximal 15001-line base, side lists and notes file, ready for a series.
Form1& fenetre()
{
    static const banc::Installation inst;
    static Form1* f = [] {
        QDir::setCurrent(inst.dossier().path());
        app::observerMessages([](const QString&, app::Icone) {});
        Form1* w = &app::form1();
        QElapsedTimer chrono;
        chrono.start();
        w->commencer(lancement7L());
        std::fprintf(stderr, "commencer (base 15001, listes et notes au maximum) : %lld ms\n",
                     static_cast<long long>(chrono.elapsed()));
        // No rack leaves the base, so every iteration works on the full 15001 lines.
        w->seuiltxt->setText(QStringLiteral("30000"));
        return w;
    }();
    return *f;
}

void BM_ToucheEtTirage(benchmark::State& state)
{
    Form1& f = fenetre();
    if (!f.corriger->isEnabled())
        f.tirerserie();
    f.solution_GotFocus(0);
    const QString mot = *f.partie.solutionsDeLigne(0);
    for (auto _ : state) {
        f.solution[0]->clear();
        for (QChar c : mot) {
            // Through the event filter, as a key of the keyboard: code mapping, filter, insertion,
            // rack box update.
            QKeyEvent appui(QEvent::KeyPress, Qt::Key_A + (c.unicode() - 'A'), Qt::NoModifier, QString(c.toLower()));
            QApplication::sendEvent(f.solution[0], &appui);
        }
        benchmark::DoNotOptimize(f.tirage[0]->text().size());
    }
    state.SetItemsProcessed(state.iterations() * mot.size());
}
BENCHMARK(BM_ToucheEtTirage)->Unit(benchmark::kMicrosecond);

void BM_ToucheSeule(benchmark::State& state)
{
    Form1& f = fenetre();
    if (!f.corriger->isEnabled())
        f.tirerserie();
    f.solution_GotFocus(0);
    const QString rack = *f.partie.tirageDeLigne(0);
    for (auto _ : state) {
        f.extrairelettres(rack);
        for (QChar c : rack) {
            int code = c.toLower().unicode();
            f.solution_KeyPress(0, code);
            benchmark::DoNotOptimize(code);
        }
    }
    state.SetItemsProcessed(state.iterations() * rack.size());
}
BENCHMARK(BM_ToucheSeule)->Unit(benchmark::kMicrosecond);

void BM_TirerSerie15001(benchmark::State& state)
{
    Form1& f = fenetre();
    for (auto _ : state) {
        f.tirerserie();
        benchmark::DoNotOptimize(f.partie.indexserie[29]);
    }
    state.counters["restants"] = f.partie.nbrestants;
}
BENCHMARK(BM_TirerSerie15001)->Unit(benchmark::kMicrosecond);

void BM_TirerSerieRegles15001(benchmark::State& state)
{
    Form1& f = fenetre();
    entrainement::AleatoireHorloge a;
    for (auto _ : state) {
        f.partie.tirerserie(a);
        benchmark::DoNotOptimize(f.partie.indexserie[29]);
    }
}
BENCHMARK(BM_TirerSerieRegles15001)->Unit(benchmark::kMicrosecond);

// A correction of 30 rows, half of them right, with side lists at their maximum size and the
// 500000-line notes file (kept between corrections while the file does not change).
void BM_Correction30(benchmark::State& state)
{
    Form1& f = fenetre();
    f.tirerserie();
    f.corrigerserie();
    for (auto _ : state) {
        state.PauseTiming();
        f.tirerserie();
        for (int j = 0; j < 30; ++j)
            f.solution[j]->setText(j % 2 ? *f.partie.solutionsDeLigne(j) : QStringLiteral("FAUX"));
        state.ResumeTiming();
        f.corrigerserie();
    }
    state.counters["restants"] = f.partie.nbrestants;
}
BENCHMARK(BM_Correction30)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The start of a random test on the 15001-line base: side lists at their maximum size, a sample of
// 900 racks drawn, the first series on screen. The notes file is already known to the window (it
// is read once per run of the program), as it is from the second run on.
void BM_Commencer900(benchmark::State& state)
{
    Form1& f = fenetre();
    entrainement::Lancement test = lancement7L();
    test.test = true;
    test.echantillon = 900;
    for (auto _ : state) {
        f.commencer(test);
        benchmark::DoNotOptimize(f.partie.nbrestants);
    }
    state.counters["tirages"] = f.partie.nbrestants;
}
BENCHMARK(BM_Commencer900)->Unit(benchmark::kMillisecond);

}  // namespace
