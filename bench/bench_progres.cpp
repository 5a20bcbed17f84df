// SPDX-License-Identifier: GPL-3.0-or-later
#include "donnees.h"
#include "progres/courbe.h"
#include "progres/depot.h"
#include "progres/fichiers.h"
#include "progres/statistiques.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int seancesHistorique = 10000;

// A history of 10,000 runs spread over the 28 bases and three years, without any test.
const QString& historique10000()
{
    static QTemporaryDir dir;
    static const QString chemin = [] {
        const QString c = QDir(dir.path()).filePath(QStringLiteral("historique.txt"));
        banc::ecrireHistorique(c, seancesHistorique);
        return c;
    }();
    return chemin;
}

entrainement::Partie partie15001()
{
    entrainement::Partie p;
    const data::Base b = data::analyserBase(banc::base());
    entrainement::AleatoireHorloge a;
    p.charger(b.lignes, 0, a);
    return p;
}

void BM_LireHistorique10000(benchmark::State& state)
{
    const QString& c = historique10000();
    for (auto _ : state) {
        const progres::Historique h = progres::lireHistorique(c);
        if (h.seances.size() != seancesHistorique)
            state.SkipWithError("historique incomplet");
        benchmark::DoNotOptimize(h.seances.data());
    }
}
BENCHMARK(BM_LireHistorique10000)->Unit(benchmark::kMillisecond);

// What the menu reads at start-up: the newest run and the newest test. /0: no test in the whole
// history, which is then read to its first line; /20: a test every 20 runs, found near the end.
void BM_DerniersScores10000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString c = QDir(dir.path()).filePath(QStringLiteral("historique.txt"));
    banc::ecrireHistorique(c, seancesHistorique, int(state.range(0)));
    for (auto _ : state) {
        const progres::DerniersScores d = progres::derniersScores(c);
        if (!d.derniere || bool(d.test) != (state.range(0) > 0))
            state.SkipWithError("scores introuvables");
        benchmark::DoNotOptimize(d.derniere->score);
    }
}
BENCHMARK(BM_DerniersScores10000)->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond);

// Read, listed, drawn: what the player waits for after pressing "Statistiques".
void ouvrirStatistiques(benchmark::State& state, const QString& c)
{
    for (auto _ : state) {
        progres::Statistiques f;
        f.afficher(progres::lireHistorique(c));
        const QPixmap image = f.grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
}

void BM_OuvrirStatistiques10000(benchmark::State& state)
{
    ouvrirStatistiques(state, historique10000());
}
BENCHMARK(BM_OuvrirStatistiques10000)->Unit(benchmark::kMillisecond);

// The same window on a history with no run yet, the reference for the one above.
void BM_OuvrirStatistiquesVide(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString c = QDir(dir.path()).filePath(QStringLiteral("historique.txt"));
    banc::ecrireHistorique(c, 0);
    ouvrirStatistiques(state, c);
}
BENCHMARK(BM_OuvrirStatistiquesVide)->Unit(benchmark::kMillisecond);

// The chart alone, for a player who trained on one base only: 10,000 runs, more than the chart has
// pixel columns.
void BM_CourbeUneBase10000(benchmark::State& state)
{
    QList<progres::Seance> seances;
    const QDateTime debut(QDate(2024, 1, 1), QTime(18, 0), Qt::UTC);
    for (int i = 0; i < seancesHistorique; ++i)
        seances.append({debut.addSecs(qint64(i) * 9000), progres::Genre::Base, QStringLiteral("7 LETTRES"),
                        QStringLiteral("listes\\7L.txt"), double(50 + (i * 7) % 51), 338, 12, 2400});
    progres::Courbe c;
    c.resize(860, 330);
    c.definir(progres::seriesParBase(seances));
    for (auto _ : state) {
        const QPixmap image = c.grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
}
BENCHMARK(BM_CourbeUneBase10000)->Unit(benchmark::kMillisecond);

// The part of a save paid on the window's thread, on the largest base.
void BM_InstantaneProgression15001(benchmark::State& state)
{
    const entrainement::Partie p = partie15001();
    const QByteArray e = "0123456789abcdef0123456789abcdef01234567";
    for (auto _ : state) {
        progres::Progression s = progres::instantane(p, QStringLiteral("listes\\7L.txt"), false, e,
                                                     entrainement::Critere::Reussites, 3);
        benchmark::DoNotOptimize(s.nbrestants);
    }
}
BENCHMARK(BM_InstantaneProgression15001)->Unit(benchmark::kMicrosecond);

// The part left to the writer's thread: text and atomic write of the largest progress.
void BM_EcrireProgression15001(benchmark::State& state)
{
    const entrainement::Partie p = partie15001();
    QTemporaryDir dir;
    const QString c = QDir(dir.path()).filePath(QStringLiteral("p.txt"));
    const progres::Progression s = progres::instantane(p, QStringLiteral("listes\\7L.txt"), false, "ab",
                                                       entrainement::Critere::Reussites, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(progres::ecrireProgression(c, s).size());
}
BENCHMARK(BM_EcrireProgression15001)->Unit(benchmark::kMillisecond);

// The end of a base, on the writer's thread: one line appended and synced under the lock, whatever
// the length of the history (compare with BM_LireHistorique10000, what a rewrite would read first).
void BM_AjouterSeance10000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString c = QDir(dir.path()).filePath(QStringLiteral("historique.txt"));
    QFile::copy(historique10000(), c);
    const progres::Seance s{QDateTime::currentDateTimeUtc(), progres::Genre::Base, QStringLiteral("7 LETTRES"),
                            QStringLiteral("listes\\7L.txt"), 92.5, 120, 9, 1800};
    for (auto _ : state)
        if (!progres::ajouterSeance(c, s).isEmpty())
            state.SkipWithError("séance non inscrite");
}
BENCHMARK(BM_AjouterSeance10000)->Unit(benchmark::kMillisecond);

// A corrected series merged into a review box of 3,000 racks on the disk: read again, applied and
// written under the lock, so that another window's racks stay.
void BM_NoterRevisions3000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString c = QDir(dir.path()).filePath(QStringLiteral("revisions.txt"));
    progres::Revisions r;
    QList<progres::Resultat> ratees;
    for (int i = 0; i < 3000; ++i)
        ratees.append({QStringLiteral("TIRAGE%1").arg(i), QStringLiteral("SOLUTION%1").arg(i), false});
    progres::noterRevisions(c, ratees, false, QStringLiteral("7 LETTRES"), QDate(2026, 12, 1), r);
    const QList<progres::Resultat> serie = ratees.mid(0, 30);
    for (auto _ : state)
        if (!progres::noterRevisions(c, serie, false, QStringLiteral("7 LETTRES"), QDate(2026, 12, 1), r).isEmpty()
            || r.taille() != 3000)
            state.SkipWithError("boîte mal fusionnée");
}
BENCHMARK(BM_NoterRevisions3000)->Unit(benchmark::kMillisecond);

// Checking whether a saved progress belongs to the lines of the largest base, at each launch.
void BM_Empreinte15001(benchmark::State& state)
{
    const data::Base b = data::analyserBase(banc::base());
    for (auto _ : state)
        benchmark::DoNotOptimize(progres::empreinte(b.lignes).size());
}
BENCHMARK(BM_Empreinte15001)->Unit(benchmark::kMicrosecond);

}  // namespace
