// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"
#include "progres/depot.h"
#include "donnees.h"
#include "training/form1.h"
#include "app/messages.h"
#include "recherche/donnees.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>
#include <QKeyEvent>
#include <QLabel>
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
    // 0: "Mémoriser ma progression" off, the program as designed; 1: on, the default.
    app::progression().activer(state.range(0) != 0);
    f.tirerserie();
    f.corrigerserie();
    for (auto _ : state) {
        state.PauseTiming();
        // A series lasts minutes: the previous correction's saves are on the disk by now.
        app::progression().attendre();
        f.tirerserie();
        for (int j = 0; j < 30; ++j)
            f.solution[j]->setText(j % 2 ? *f.partie.solutionsDeLigne(j) : QStringLiteral("FAUX"));
        state.ResumeTiming();
        f.corrigerserie();
    }
    state.counters["restants"] = f.partie.nbrestants;
}
BENCHMARK(BM_Correction30)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same corrections back to back, the saves still being written when the next one comes: the
// run's tables are then copied once more by the window's thread. No player corrects that fast.
void BM_Correction30SansAttente(benchmark::State& state)
{
    Form1& f = fenetre();
    app::progression().activer(true);
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
}
BENCHMARK(BM_Correction30SansAttente)->Unit(benchmark::kMillisecond);

// The same correction with the shipped complete lists in use, whose whole answer each row shows. The
// lists are new to the program at each iteration (their file looks replaced), as at the first
// correction of a run: 0: corrected at once (the window's thread must not read them); 1: corrected
// once they are read, as every later correction is; 2: the lists read on the window's thread, then
// the correction, as the first correction of a run did before they were read in the background. CPU
// time of the window's thread.
void BM_PremiereCorrection(benchmark::State& state)
{
    Form1& f = fenetre();
    app::progression().activer(false);
    const QString cible = QDir::current().filePath(QStringLiteral("listes/mots-complets.dat"));
    QFile::remove(cible);
    if (!QFile::copy(QStringLiteral(LEXIDOR_RUNTIME_DIR "/listes/mots-complets.dat"), cible)) {
        state.SkipWithError("listes complètes introuvables");
        return;
    }
    QDateTime quand = QDateTime::currentDateTime();
    for (auto _ : state) {
        state.PauseTiming();
        // The read of the previous iteration must not share the CPU with this one.
        recherche::indexEnUsage();
        quand = quand.addSecs(1);
        QFile fichier(cible);
        fichier.open(QIODevice::ReadWrite);
        fichier.setFileTime(quand, QFileDevice::FileModificationTime);
        fichier.close();
        if (state.range(0) != 0)
            recherche::indexEnUsage();
        f.tirerserie();
        for (int j = 0; j < 30; ++j)
            f.solution[j]->setText(j % 2 ? *f.partie.solutionsDeLigne(j) : QStringLiteral("FAUX"));
        state.ResumeTiming();
        if (state.range(0) == 2)
            benchmark::DoNotOptimize(recherche::Index::lire(cible));
        f.corrigerserie();
    }
    recherche::indexEnUsage();
    QFile::remove(cible);
}
BENCHMARK(BM_PremiereCorrection)->Arg(0)->Arg(1)->Arg(2)->Iterations(8)->Unit(benchmark::kMillisecond);

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

namespace {

double cpuDuFil()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

double mediane(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// What a correction cannot go below: a bare window of the training window's size holding plain
// copies of its 60 rack and answer boxes and of the 4 labels a correction writes (same places,
// fonts and colours), whose texts all change before it is drawn.
class FenetreNue {
public:
    explicit FenetreNue(const Form1& f)
    {
        fenetre.setGeometry(f.geometry());
        fenetre.setPalette(f.palette());
        fenetre.setAutoFillBackground(true);
        for (int j = 0; j < 30; ++j)
            for (QLineEdit* m : {f.tirage[j], f.solution[j]}) {
                auto* e = new QLineEdit(&fenetre);
                e->setAlignment(Qt::AlignCenter);
                copier(m, e);
                boites.push_back(e);
            }
        for (QLabel* m : {f.score, f.tps, f.nbseries, f.nbftot}) {
            auto* l = new QLabel(&fenetre);
            copier(m, l);
            etiquettes.push_back(l);
        }
        fenetre.show();
    }
    static QStringList textes(const Form1& f)
    {
        QStringList t;
        for (int j = 0; j < 30; ++j)
            t << f.tirage[j]->text() << f.solution[j]->text();
        for (QLabel* m : {f.score, f.tps, f.nbseries, f.nbftot})
            t << m->text();
        return t;
    }
    void ecrire(const QStringList& t)
    {
        for (size_t i = 0; i < boites.size(); ++i)
            boites[i]->setText(t[qsizetype(i)]);
        for (size_t i = 0; i < etiquettes.size(); ++i) {
            etiquettes[i]->setText(t[qsizetype(boites.size() + i)]);
            etiquettes[i]->adjustSize();
        }
    }
    QWidget fenetre;

private:
    static void copier(const QWidget* modele, QWidget* copie)
    {
        copie->setGeometry(modele->geometry());
        copie->setFont(modele->font());
        copie->setPalette(modele->palette());
        copie->setAutoFillBackground(true);
    }
    std::vector<QLineEdit*> boites;
    std::vector<QLabel*> etiquettes;
};

// Out of line, so that a profile can be taken of them alone (valgrind --toggle-collect='*corrigerEtDessiner*', or
// '*ecrireEtDessiner*').
[[gnu::noinline]] void dessinerCorrigee(QWidget& w)
{
    w.repaint();
}

// Gives the end of the correction, before the window is drawn.
[[gnu::noinline]] double corrigerEtDessiner(Form1& f)
{
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(f.solution[f.lignecourante], &f12);
    const double fin = cpuDuFil();
    dessinerCorrigee(f);
    return fin;
}

[[gnu::noinline]] void ecrireEtDessiner(FenetreNue& nue, const QStringList& textes)
{
    nue.ecrire(textes);
    nue.fenetre.repaint();
}

// F12 on a full series of the 15001-line base (half of the answers right, the shipped complete lists
// in use, notes from the 500000-line file) and the training window drawn, beside the bare window's
// texts changed and drawn: 0, the first correction of a run (the base just opened); 1, a later one.
// CPU time of the window's thread; "rapport" is the median correction over the median bare repaint,
// taken in the same iterations. "premiere" is the very first correction of the program when this
// benchmark runs alone (--benchmark_filter), with every cache of fonts and glyphs still cold.
void BM_CorrectionContreFenetreNue(benchmark::State& state)
{
    Form1& f = fenetre();
    app::progression().activer(false);
    const bool premiereDuRun = state.range(0) == 0;
    const QString cible = QDir::current().filePath(QStringLiteral("listes/mots-complets.dat"));
    if (!QFile::exists(cible) && !QFile::copy(QStringLiteral(LEXIDOR_RUNTIME_DIR "/listes/mots-complets.dat"), cible)) {
        state.SkipWithError("listes complètes introuvables");
        return;
    }
    f.show();
    FenetreNue nue(f);
    const auto tirerEtRepondre = [&] {
        if (premiereDuRun) {
            f.commencer(lancement7L());
            f.seuiltxt->setText(QStringLiteral("30000"));
        } else {
            f.tirerserie();
        }
        recherche::indexEnUsage();
        // Nobody corrects a series within its first second.
        f.decompterSerie();
        for (int j = 0; j < 30; ++j)
            f.solution[j]->setText(j % 2 ? *f.partie.solutionsDeLigne(j) : QStringLiteral("FAUX"));
        QCoreApplication::processEvents();
        f.repaint();
    };
    if (!premiereDuRun) {
        tirerEtRepondre();
        f.corrigerserie();
    }
    static bool premiereDuProgramme = true;
    double premiere = 0;
    std::vector<double> correction, repeinte, seule;
    for (auto _ : state) {
        tirerEtRepondre();
        const QStringList avant = FenetreNue::textes(f);
        double t = cpuDuFil();
        const double t1 = corrigerEtDessiner(f);
        correction.push_back(cpuDuFil() - t);
        seule.push_back(t1 - t);
        if (premiereDuProgramme)
            premiere = correction.back();
        premiereDuProgramme = false;
        QCoreApplication::processEvents();

        nue.ecrire(avant);
        nue.fenetre.repaint();
        const QStringList apres = FenetreNue::textes(f);
        t = cpuDuFil();
        ecrireEtDessiner(nue, apres);
        repeinte.push_back(cpuDuFil() - t);
        QCoreApplication::processEvents();
        state.SetIterationTime(correction.back() * 1e-3);
    }
    const double a = mediane(repeinte), b = mediane(correction);
    state.counters["nue_ms"] = a;
    state.counters["correction_ms"] = b;
    state.counters["rapport"] = a > 0 ? b / a : 0;
    state.counters["sans_dessin_ms"] = mediane(seule);
    if (premiere > 0) {
        state.counters["premiere_ms"] = premiere;
        state.counters["rapport_premiere"] = a > 0 ? premiere / a : 0;
    }
    nue.fenetre.hide();
    f.hide();
}
BENCHMARK(BM_CorrectionContreFenetreNue)->Arg(0)->Iterations(12)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorrectionContreFenetreNue)->Arg(1)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
