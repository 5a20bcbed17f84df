// SPDX-License-Identifier: GPL-3.0-or-later
// Times programs from their start to their first painted window, alternately and in a random order
// each round, and prints medians, quartiles and peak memory with each median's ratio to the first
// program's (the floor). The load average before and after is printed too: on a shared machine a
// ratio only holds for programs measured side by side.
//
//   premiere_image SONDE DOSSIER TOURS NOM[@DOSSIER]=PROGRAMME[,ARG...] ...
//
// SONDE is the preloaded probe (lexidor_sonde_image.so), DOSSIER the working folder every program
// starts in, unless the program names its own. The platform is offscreen unless QT_QPA_PLATFORM
// says otherwise. The steps the probe plays after the first paint are read from
// LEXIDOR_SONDE_ETAPES_<NOM>, else LEXIDOR_SONDE_ETAPES; each step gets a table of its own, its
// ratios taken to the first program's step of the same rank.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Programme {
    std::string nom;
    std::string dossier;
    std::string etapes;
    std::vector<std::string> arguments;
    std::vector<double> ms;
    std::vector<double> mo;
    std::vector<std::string> nomsEtapes;
    std::vector<std::vector<double>> msEtapes;
};

long long maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

std::string charge()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return a + " " + b + " " + c;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const size_t i = size_t(pos);
    const double f = pos - double(i);
    return i + 1 < v.size() ? v[i] * (1 - f) + v[i + 1] * f : v[i];
}

// One start; false when the program ended or hung before painting.
bool mesurer(Programme& p, const std::string& sonde, const std::string& sortie)
{
    std::remove(sortie.c_str());
    const long long debut = maintenant();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(p.dossier.c_str()) != 0)
            _exit(127);
        // The programs' own warnings would bury the table.
        const int nul = open("/dev/null", O_WRONLY);
        dup2(nul, 1);
        dup2(nul, 2);
        setenv("LD_PRELOAD", sonde.c_str(), 1);
        setenv("LEXIDOR_SONDE", sortie.c_str(), 1);
        setenv("LEXIDOR_SONDE_ETAPES", p.etapes.c_str(), 1);
        setenv("QT_QPA_PLATFORM", getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "offscreen", 1);
        std::vector<char*> argv;
        for (auto& a : p.arguments)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int statut = 0;
    rusage r{};
    for (int attente = 0; wait4(pid, &statut, WNOHANG, &r) == 0; ++attente) {
        if (attente > 60000) {
            kill(pid, SIGKILL);
            wait4(pid, &statut, 0, &r);
            return false;
        }
        usleep(1000);
    }
    std::ifstream f(sortie);
    long long fin = 0;
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0 || !(f >> fin) || fin < debut)
        return false;
    std::vector<std::pair<std::string, double>> etapes;
    for (std::string nom; f >> nom;) {
        long long us = -1;
        if (!(f >> us) || us < 0)
            return false;
        etapes.emplace_back(nom, double(us) / 1000.0);
    }
    if (p.nomsEtapes.empty())
        for (const auto& e : etapes)
            p.nomsEtapes.push_back(e.first);
    if (etapes.size() != p.nomsEtapes.size())
        return false;
    p.msEtapes.resize(etapes.size());
    for (size_t i = 0; i < etapes.size(); ++i)
        p.msEtapes[i].push_back(etapes[i].second);
    p.ms.push_back(double(fin - debut) / 1000.0);
    p.mo.push_back(double(r.ru_maxrss) / 1024.0);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage : %s SONDE DOSSIER TOURS NOM[@DOSSIER]=PROGRAMME[,ARG...] ...\n", argv[0]);
        return 2;
    }
    const std::string sonde = argv[1], dossier = argv[2];
    const int tours = std::max(1, std::atoi(argv[3]));
    std::vector<Programme> programmes;
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        const auto egal = a.find('=');
        Programme p;
        p.nom = a.substr(0, egal);
        const auto a_ = p.nom.find('@');
        p.dossier = a_ == std::string::npos ? dossier : p.nom.substr(a_ + 1);
        p.nom = p.nom.substr(0, a_);
        const char* propres = getenv(("LEXIDOR_SONDE_ETAPES_" + p.nom).c_str());
        const char* communes = getenv("LEXIDOR_SONDE_ETAPES");
        p.etapes = propres ? propres : communes ? communes : "";
        std::stringstream reste(a.substr(egal + 1));
        for (std::string s; std::getline(reste, s, ',');)
            p.arguments.push_back(s);
        programmes.push_back(std::move(p));
    }
    const std::string sortie = "/tmp/premiere_image." + std::to_string(getpid());
    const std::string chargeAvant = charge();
    std::mt19937 alea(12345);
    std::vector<size_t> ordre(programmes.size());
    for (size_t i = 0; i < ordre.size(); ++i)
        ordre[i] = i;
    int echecs = 0;
    for (int t = 0; t < tours; ++t) {
        std::shuffle(ordre.begin(), ordre.end(), alea);
        for (size_t i : ordre)
            echecs += !mesurer(programmes[i], sonde, sortie);
    }
    std::remove(sortie.c_str());
    std::printf("%d tours, charge avant %s, après %s, %d échec(s)\n", tours, chargeAvant.c_str(), charge().c_str(),
                echecs);
    std::printf("%-16s %10s %10s %10s %8s %10s %8s\n", "programme", "médiane ms", "q1 ms", "q3 ms", "rapport",
                "pic Mo", "rapport");
    const double ref = programmes[0].ms.empty() ? 0 : quantile(programmes[0].ms, 0.5);
    const double refMo = programmes[0].mo.empty() ? 0 : quantile(programmes[0].mo, 0.5);
    for (const auto& p : programmes) {
        if (p.ms.empty()) {
            std::printf("%-16s aucune mesure\n", p.nom.c_str());
            continue;
        }
        const double m = quantile(p.ms, 0.5), mo = quantile(p.mo, 0.5);
        std::printf("%-16s %10.1f %10.1f %10.1f %8.2f %10.1f %8.2f\n", p.nom.c_str(), m, quantile(p.ms, 0.25),
                    quantile(p.ms, 0.75), ref > 0 ? m / ref : 0, mo, refMo > 0 ? mo / refMo : 0);
    }
    size_t rangs = 0;
    for (const auto& p : programmes)
        rangs = std::max(rangs, p.msEtapes.size());
    for (size_t k = 0; k < rangs; ++k) {
        std::printf("\nétape %zu : de l'envoi à l'image suivante\n", k + 1);
        std::printf("%-16s %-22s %10s %10s %10s %8s\n", "programme", "étape", "médiane ms", "q1 ms", "q3 ms", "rapport");
        const auto& r0 = programmes[0].msEtapes;
        const double refE = k < r0.size() && !r0[k].empty() ? quantile(r0[k], 0.5) : 0;
        for (const auto& p : programmes) {
            if (k >= p.msEtapes.size() || p.msEtapes[k].empty())
                continue;
            const double m = quantile(p.msEtapes[k], 0.5);
            std::printf("%-16s %-22s %10.1f %10.1f %10.1f %8.2f\n", p.nom.c_str(), p.nomsEtapes[k].c_str(), m,
                        quantile(p.msEtapes[k], 0.25), quantile(p.msEtapes[k], 0.75), refE > 0 ? m / refE : 0);
        }
    }
    return echecs > 0;
}
