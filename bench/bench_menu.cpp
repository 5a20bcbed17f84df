// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"
#include "app/messages.h"
#include "data/parametres.h"
#include "donnees.h"
#include "menu/catalogue.h"
#include "menu/demarrage.h"
#include "menu/menuods8.h"
#include "options/reglages.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QLabel>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Every base of the catalogue at its largest size, and a settings file.
const banc::Installation& installation()
{
    static const banc::Installation inst = [] {
        banc::Installation i;
        const QByteArray base = banc::base();
        for (const auto& e : menu::catalogue()) {
            QFile f(i.chemin(QStringLiteral("listes/") + e.fichier.section(QLatin1Char('\\'), -1)));
            if (f.open(QIODevice::WriteOnly))
                f.write(base);
        }
        // The menu shows the last scores of a player who has trained for years.
        banc::ecrireHistorique(i.chemin(QStringLiteral("progression/historique.txt")), 10000, 20);
        QFile s(i.chemin(QStringLiteral("settings.dat")));
        if (s.open(QIODevice::WriteOnly))
            s.write("95\r\n80\r\n5\r\n5\r\n1\r\nVert\r\n");
        return i;
    }();
    return inst;
}

class DossierDeTravail {
public:
    explicit DossierDeTravail(const QString& chemin) : ancien(QDir::currentPath()) { QDir::setCurrent(chemin); }
    ~DossierDeTravail() { QDir::setCurrent(ancien); }

private:
    QString ancien;
};

// What the menu reads when it loads: the counts of every base and the settings.
void BM_DemarrageComptesEtReglages(benchmark::State& state)
{
    DossierDeTravail d(installation().chemin(QString()));
    if (!menu::compterBases().message().isEmpty()) {
        state.SkipWithError("bases missing");
        return;
    }
    for (auto _ : state) {
        const menu::Comptes c = menu::compterBases();
        const data::LectureParametres r = options::lireReglages();
        benchmark::DoNotOptimize(c.textes.size() + r.valeurs.nbechantillon);
    }
}
BENCHMARK(BM_DemarrageComptesEtReglages)->Unit(benchmark::kMillisecond);

// The floor for the start-up: the same bytes (every counted base and the settings) read with a plain
// read() loop and nothing else done with them.
void BM_DemarrageLectureBrute(benchmark::State& state)
{
    QStringList fichiers;
    for (const auto& l : menu::labelsComptes())
        fichiers << installation().chemin(QStringLiteral("listes/") + l.fichier);
    fichiers << installation().chemin(QStringLiteral("listes/") + menu::fichierRallongesAvantOds8)
             << installation().chemin(QStringLiteral("listes/") + menu::fichierRallongesArriereOds8)
             << installation().chemin(QStringLiteral("settings.dat"));
    std::vector<QByteArray> chemins;
    for (const QString& f : fichiers)
        chemins.push_back(QFile::encodeName(f));
    static char tampon[1 << 16];
    for (auto _ : state) {
        long long total = 0;
        for (const QByteArray& c : chemins) {
            const int fd = ::open(c.constData(), O_RDONLY);
            if (fd < 0)
                continue;
            ssize_t n;
            while ((n = ::read(fd, tampon, sizeof tampon)) > 0)
                total += n;
            ::close(fd);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_DemarrageLectureBrute)->Unit(benchmark::kMillisecond);

// The whole menu window: its controls, the counts, the settings and the colour applied, the last
// scores read from a history of 10,000 runs.
void BM_DemarrageMenu(benchmark::State& state)
{
    DossierDeTravail d(installation().chemin(QString()));
    app::observerMessages([](const QString&, app::Icone) {});
    if (app::menu().scoreTest->text().isEmpty())
        state.SkipWithError("last scores not shown");
    app::reinitialiser();
    for (auto _ : state) {
        benchmark::DoNotOptimize(&app::menu());
        state.PauseTiming();
        app::reinitialiser();
        state.ResumeTiming();
    }
    app::observerMessages({});
}
BENCHMARK(BM_DemarrageMenu)->Unit(benchmark::kMillisecond);

}  // namespace
