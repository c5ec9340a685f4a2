// Démarrage : temps du lancement à la première apparition de la fenêtre (son affichage sur
// l'écran X), et mémoire résidente à cet instant, pour kalvoro et, dans la même exécution,
// pour une fenêtre Qt nue de même taille, le plancher de ce que coûte Qt Widgets.
// Le banc démarre son propre serveur Xvfb ; ce même exécutable, lancé avec --fenetre-nue,
// sert de fenêtre témoin.
#include <QApplication>
#include <QString>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Xlib en dernier : ses macros ne doivent toucher ni Qt ni le banc.
#include <X11/Xlib.h>

extern char **environ;

namespace {

constexpr const char *TitreTemoin = "Temoin Qt";
constexpr int LargeurFenetre = 623, HauteurFenetre = 413; // 9345 × 6195 twips

int FenetreNue(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QString::fromUtf8(TitreTemoin));
    fenetre.setFixedSize(LargeurFenetre, HauteurFenetre);
    fenetre.show();
    return application.exec();
}

// Le serveur X du banc, sur un numéro d'affichage libre que Xvfb choisit lui-même.
struct ServeurX {
    pid_t pid = -1;
    std::string affichage;
    Display *connexion = nullptr;

    bool Demarrer()
    {
        int tube[2];
        if (pipe(tube) != 0)
            return false;
        pid = fork();
        if (pid == 0) {
            close(tube[0]);
            std::freopen("/dev/null", "w", stderr);
            const std::string fd = std::to_string(tube[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp",
                   "-screen", "0", "1024x768x24", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(tube[1]);
        char c;
        std::string numero;
        while (read(tube[0], &c, 1) == 1 && c != '\n')
            numero += c;
        close(tube[0]);
        if (numero.empty())
            return false;
        affichage = ":" + numero;
        connexion = XOpenDisplay(affichage.c_str());
        if (connexion)
            XSelectInput(connexion, DefaultRootWindow(connexion), SubstructureNotifyMask);
        return connexion != nullptr;
    }

    ~ServeurX()
    {
        if (connexion)
            XCloseDisplay(connexion);
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }

    // Attend l'affichage d'une fenêtre de ce titre ; faux après le délai.
    bool AttendreFenetre(const std::string &titre, std::chrono::seconds delai)
    {
        const auto limite = std::chrono::steady_clock::now() + delai;
        while (std::chrono::steady_clock::now() < limite) {
            if (!XPending(connexion)) {
                fd_set lecture;
                FD_ZERO(&lecture);
                FD_SET(ConnectionNumber(connexion), &lecture);
                timeval attente{0, 20000};
                select(ConnectionNumber(connexion) + 1, &lecture, nullptr, nullptr, &attente);
                continue;
            }
            XEvent evenement;
            XNextEvent(connexion, &evenement);
            if (evenement.type == MapNotify && TitreDe(evenement.xmap.window) == titre)
                return true;
        }
        return false;
    }

    std::string TitreDe(Window fenetre)
    {
        char *nom = nullptr;
        std::string titre;
        if (XFetchName(connexion, fenetre, &nom) && nom)
            titre = nom;
        if (nom)
            XFree(nom);
        return titre;
    }
};

ServeurX *serveur = nullptr;

long MemoireResidenteKo(pid_t pid)
{
    std::ifstream etat("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(etat, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::stol(ligne.substr(6));
    return 0;
}

std::vector<std::string> EnvironnementEnfant()
{
    std::vector<std::string> variables;
    for (char **v = environ; *v; ++v) {
        const std::string variable = *v;
        if (variable.rfind("DISPLAY=", 0) != 0 && variable.rfind("QT_QPA_PLATFORM=", 0) != 0)
            variables.push_back(variable);
    }
    variables.push_back("DISPLAY=" + serveur->affichage);
    variables.push_back("QT_QPA_PLATFORM=xcb");
    return variables;
}

pid_t Lancer(const std::vector<std::string> &commande)
{
    std::vector<std::string> variables = EnvironnementEnfant();
    std::vector<char *> env, args;
    for (auto &v : variables)
        env.push_back(v.data());
    env.push_back(nullptr);
    std::vector<std::string> copie = commande;
    for (auto &a : copie)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), env.data()) != 0)
        return -1;
    return pid;
}

struct Mesure {
    double totalMs = 0;
    double totalKo = 0;
    int fois = 0;
};
Mesure mesureKalvoro, mesureTemoin;

void Demarrage(benchmark::State &etat, std::vector<std::string> commande, std::string titre,
               Mesure *mesure)
{
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        const pid_t pid = Lancer(commande);
        const bool vue = pid > 0 && serveur->AttendreFenetre(titre, std::chrono::seconds(30));
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        const long ko = vue ? MemoireResidenteKo(pid) : 0;
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        if (!vue) {
            etat.SkipWithError(("la fenêtre « " + titre + " » n'est pas apparue").c_str());
            break;
        }
        etat.SetIterationTime(duree.count());
        mesure->totalMs += duree.count() * 1000;
        mesure->totalKo += ko;
        ++mesure->fois;
    }
    if (mesure->fois)
        etat.counters["RSS_Mo"] = mesure->totalKo / mesure->fois / 1024;
}

void AfficherBilan()
{
    if (!mesureKalvoro.fois || !mesureTemoin.fois)
        return;
    const auto ms = [](const Mesure &m) { return m.totalMs / m.fois; };
    const auto mo = [](const Mesure &m) { return m.totalKo / m.fois / 1024; };
    std::printf("\nDémarrage jusqu'à la fenêtre affichée (moyennes) :\n");
    std::printf("  kalvoro        %7.1f ms  %6.1f Mo résidents\n", ms(mesureKalvoro),
                mo(mesureKalvoro));
    std::printf("  fenêtre Qt nue %7.1f ms  %6.1f Mo résidents\n", ms(mesureTemoin),
                mo(mesureTemoin));
    std::printf("  rapport        %7.2f ×   %6.2f ×\n", ms(mesureKalvoro) / ms(mesureTemoin),
                mo(mesureKalvoro) / mo(mesureTemoin));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::string(argv[1]) == "--fenetre-nue")
        return FenetreNue(argc, argv);

    const char *dossier = std::getenv("KALVORO_DOSSIER");
    if (!dossier) {
        std::fprintf(stderr, "KALVORO_DOSSIER (le dossier du programme) manque\n");
        return 1;
    }
    ServeurX serveurX;
    if (!serveurX.Demarrer()) {
        std::fprintf(stderr, "Xvfb n'a pas pu démarrer\n");
        return 1;
    }
    serveur = &serveurX;
    char moiMeme[4096] = {};
    if (readlink("/proc/self/exe", moiMeme, sizeof moiMeme - 1) <= 0)
        return 1;

    benchmark::RegisterBenchmark("Demarrage/kalvoro", Demarrage,
                                 std::vector<std::string>{std::string(dossier) + "/kalvoro"},
                                 std::string("Kalvoro 1.7"), &mesureKalvoro)
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Demarrage/fenetre_qt_nue", Demarrage,
                                 std::vector<std::string>{moiMeme, "--fenetre-nue"},
                                 std::string(TitreTemoin), &mesureTemoin)
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AfficherBilan();
    return 0;
}
