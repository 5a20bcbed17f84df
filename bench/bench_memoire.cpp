// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"
#include "app/messages.h"
#include "donnees.h"
#include "menu/catalogue.h"
#include "menu/menuods8.h"
#include "options/reglages.h"
#include "training/form1.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <sys/resource.h>

namespace {

// Peak resident memory of the whole program on maximal data: the menu counts 28 bases of 15001
// lines, then a random test of 900 racks is started on one of them, with the side lists and the
// 500000-line notes file at their maximum, and a series is corrected. Run it alone
// (--benchmark_filter=PicMemoire) so nothing else measured in the process adds to the peak.
void BM_PicMemoire(benchmark::State& state)
{
    static const banc::Installation inst;
    const QByteArray base = banc::base();
    for (const auto& e : menu::catalogue()) {
        QFile f(inst.chemin(QStringLiteral("listes/") + e.fichier.section(QLatin1Char('\\'), -1)));
        if (f.open(QIODevice::WriteOnly))
            f.write(base);
    }
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(inst.dossier().path());
    app::observerMessages([](const QString&, app::Icone) {});
    for (auto _ : state) {
        MenuODS8& m = app::menu();
        m.show();
        QCoreApplication::processEvents();
        app::reglages().choisirSon(false);
        app::reglages().affecterechantillons(30);
        m.lancer(*menu::entree(QStringLiteral("Command8")));
        Form1& f = app::form1();
        for (int j = 0; j < 30; ++j)
            f.solution[j]->setText(QStringLiteral("FAUX"));
        f.corrigerserie();
        QCoreApplication::processEvents();
        app::reinitialiser();
    }
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    state.counters["pic_Mo"] = double(u.ru_maxrss) / 1024.0;
    app::observerMessages({});
    QDir::setCurrent(ancien);
}
BENCHMARK(BM_PicMemoire)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
