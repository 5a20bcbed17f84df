// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/instantane.h"
#include "revision/journal.h"
#include "revision/memoire.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int joursJoues = 1100;
constexpr int reponsesParJour = 500;
constexpr int tiragesEnTout = 10000;
const QDate premierJour(2024, 1, 1);
const QDateTime maintenant(premierJour.addDays(joursJoues), QTime(20, 0));

// Three years of a player answering 500 racks a day (550,000 answers): new racks come in until
// 10,000 are met, the rest are racks already met, found nine times in ten.
QString ecrireHistoire(const QString& dossier)
{
    const QString chemin = QDir(dossier).filePath(revision::fichierJournal);
    static const char* const bases[] = {"Anagrammes de 7 lettres", "Anagrammes de 8 lettres", "Verbes nouveaux",
                                        "Rallonges avant", "Mots chers"};
    quint64 graine = 12345;
    const auto hasard = [&](quint64 n) {
        graine = graine * 6364136223846793005ULL + 1442695040888963407ULL;
        return (graine >> 33) % n;
    };
    QByteArray tout = revision::enteteJournal.toUtf8() + "\r\n";
    int connus = 0;
    for (int j = 0; j < joursJoues; ++j) {
        const QDate jour = premierJour.addDays(j);
        for (int k = 0; k < reponsesParJour; ++k) {
            int t;
            if (connus < tiragesEnTout && k < 10)
                t = connus++;
            else
                t = int(hasard(quint64(std::max(connus, 1))));
            revision::Reponse r;
            r.quand = QDateTime(jour, QTime(8, 0).addSecs(k * 20));
            r.trouve = hasard(10) != 0;
            r.rallonge = t % 5 == 3;
            r.titre = QString::fromLatin1(bases[t % 5]);
            r.tirage = QStringLiteral("AEINRS%1").arg(t, 5, 36, QLatin1Char('A')).toUpper();
            r.solutions = QStringLiteral("SOLUTION%1").arg(t);
            tout += revision::versLigne(r);
        }
    }
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(tout);
    return chemin;
}

const QString& dossierHistoire()
{
    static QTemporaryDir dir;
    static const QString chemin = [] {
        ecrireHistoire(dir.path());
        return dir.path();
    }();
    return chemin;
}

// What the menu needs for its count at start-up: the journal replayed, the racks due counted.
// /0: no journal yet; /1: the three years above, from the state saved at the previous start;
// /2: the same without it, all 550,000 answers replayed (the first start with the journal).
void BM_CompteDuMenu(benchmark::State& state)
{
    QTemporaryDir vide;
    const QString dossier = state.range(0) ? dossierHistoire() : vide.path();
    if (state.range(0) == 2)
        QFile::remove(QDir(dossier).filePath(revision::fichierInstantane));
    for (auto _ : state) {
        revision::Memoire m(dossier);
        // Off: the state is not saved, each turn replays everything.
        m.activer(state.range(0) != 2);
        m.utiliserHorloge([] { return maintenant; });
        const revision::Memoire::Resume r = m.resume();
        benchmark::DoNotOptimize(r.nombre);
        if (state.range(0) && m.carnet().taille() != tiragesEnTout)
            state.SkipWithError("histoire incomplète");
    }
}
BENCHMARK(BM_CompteDuMenu)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// "À revoir aujourd'hui" pressed: the queue drawn and handed over as a box to play.
void BM_FileDuJour(benchmark::State& state)
{
    revision::Memoire m(dossierHistoire());
    m.utiliserHorloge([] { return maintenant; });
    m.carnet();
    for (auto _ : state) {
        const revision::FileDuJour f = m.fileDuJour();
        const auto boite = m.commeBoite(f);
        benchmark::DoNotOptimize(boite->taille());
        if (f.tirages.size() != m.parJour())
            state.SkipWithError("file incomplète");
    }
}
BENCHMARK(BM_FileDuJour)->Unit(benchmark::kMillisecond);

// The part of a correction the journal adds: 30 answers noted and appended.
void BM_NoterCorrection30(benchmark::State& state)
{
    QTemporaryDir dir;
    revision::Memoire m(dir.path());
    m.utiliserHorloge([] { return maintenant; });
    QList<progres::Resultat> serie;
    for (int i = 0; i < 30; ++i)
        serie.append({QStringLiteral("TIRAGE%1").arg(i), QStringLiteral("SOL%1").arg(i), i % 4 != 0});
    for (auto _ : state)
        m.noter(serie, false, QStringLiteral("Anagrammes de 7 lettres"), false, maintenant);
}
BENCHMARK(BM_NoterCorrection30)->Unit(benchmark::kMicrosecond);

}  // namespace
