// Démarrage : du lancement à l'affichage de la fenêtre sur l'écran X, le temps écoulé, le temps
// CPU consommé jusque-là (tous les fils) et la mémoire résidente à cet instant. Kalvoro est
// comparé à un plancher : ce même exécutable, lancé avec --plancher, montre une fenêtre Qt de même
// taille avec les 48 boutons du plateau à leurs places et une barre d'état, ce que Qt Widgets
// coûte pour cette fenêtre-là. Les lancements alternent par paires (l'ordre change à chaque
// paire), sur un serveur Xvfb privé, chacun avec un HOME neuf ; le banc donne les médianes et
// le rapport de chaque paire, puis refait la série avec tout (serveur, banc, programmes) sur un
// seul cœur. KALVORO_AVANT=<dossier d'une autre construction> ajoute son kalvoro à chaque tour.
#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Xlib en dernier : ses macros ne doivent toucher ni Qt ni le banc.
#include <X11/Xlib.h>

extern char **environ;

namespace {

constexpr const char *TitrePlancher = "Plancher Qt";
constexpr int Paires = 15;

// 9345 × 6195 twips ; cellules de 855 twips tous les 960 depuis 120 ; barre de 345 en bas.
int Plancher(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QString::fromUtf8(TitrePlancher));
    fenetre.setFixedSize(623, 413);
    for (int i = 0; i < 48; ++i)
        (new QPushButton(&fenetre))->setGeometry(8 + 64 * (i % 8), 8 + 64 * (i / 8), 57, 57);
    (new QStatusBar(&fenetre))->setGeometry(0, 390, 623, 23);
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

struct Programme {
    std::string nom;
    std::vector<std::string> commande;
    std::string titre;
};

struct Mesure {
    double ms = 0, cpuMs = 0, rssMo = 0;
};

double MemoireResidenteMo(pid_t pid)
{
    std::ifstream etat("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(etat, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::stod(ligne.substr(6)) / 1024;
    return 0;
}

// Un HOME neuf, et rien des dossiers XDG du banc : aucun cache de l'utilisateur ne sert.
std::vector<std::string> Environnement(const ServeurX &serveur, const std::string &home)
{
    std::vector<std::string> variables;
    for (char **v = environ; *v; ++v) {
        const std::string variable = *v;
        const bool remplacee =
            variable.rfind("DISPLAY=", 0) == 0 || variable.rfind("QT_QPA_PLATFORM=", 0) == 0 ||
            variable.rfind("HOME=", 0) == 0 ||
            (variable.rfind("XDG_", 0) == 0 && variable.rfind("XDG_RUNTIME_DIR=", 0) != 0);
        if (!remplacee)
            variables.push_back(variable);
    }
    variables.push_back("DISPLAY=" + serveur.affichage);
    variables.push_back("QT_QPA_PLATFORM=xcb");
    variables.push_back("HOME=" + home);
    variables.push_back("XDG_RUNTIME_DIR=" + home); // mkdtemp le crée en 0700, comme il se doit
    return variables;
}

pid_t Lancer(const std::vector<std::string> &commande, std::vector<std::string> variables)
{
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

// Le programme est tué dès sa fenêtre affichée : son temps CPU (rusage, tous fils compris) est
// celui du démarrage seul.
bool Mesurer(ServeurX &serveur, const Programme &programme, Mesure &mesure)
{
    char modele[] = "/tmp/kalvoro-banc-XXXXXX";
    if (!mkdtemp(modele))
        return false;
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = Lancer(programme.commande, Environnement(serveur, modele));
    const bool vue = pid > 0 && serveur.AttendreFenetre(programme.titre, std::chrono::seconds(30));
    mesure.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    if (vue)
        mesure.rssMo = MemoireResidenteMo(pid);
    rusage usage{};
    if (pid > 0) {
        kill(pid, SIGKILL);
        wait4(pid, nullptr, 0, &usage);
    }
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    mesure.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    std::filesystem::remove_all(modele);
    if (!vue)
        std::fprintf(stderr, "la fenêtre « %s » n'est pas apparue\n", programme.titre.c_str());
    return vue;
}

double Mediane(std::vector<double> valeurs)
{
    std::sort(valeurs.begin(), valeurs.end());
    const size_t n = valeurs.size();
    return n == 0 ? 0 : n % 2 ? valeurs[n / 2] : (valeurs[n / 2 - 1] + valeurs[n / 2]) / 2;
}

using Tours = std::vector<std::vector<Mesure>>; // un tour : une mesure par programme

std::vector<double> Colonne(const Tours &tours, size_t p, double Mesure::*champ)
{
    std::vector<double> valeurs;
    for (const auto &tour : tours)
        valeurs.push_back(tour[p].*champ);
    return valeurs;
}

// Rapport du programme a au programme b, tour par tour.
std::vector<double> Rapports(const Tours &tours, size_t a, size_t b, double Mesure::*champ)
{
    std::vector<double> rapports;
    for (const auto &tour : tours)
        rapports.push_back(tour[a].*champ / tour[b].*champ);
    return rapports;
}

void AfficherRapports(const char *titre, const Tours &tours, size_t a, size_t b)
{
    std::printf("  %-24s", titre);
    for (auto champ : {&Mesure::ms, &Mesure::cpuMs, &Mesure::rssMo})
        std::printf("  %7.2f ×  ", Mediane(Rapports(tours, a, b, champ)));
    std::printf("\n");
}

void AfficherBilan(const char *serie, const std::vector<Programme> &programmes, const Tours &tours)
{
    const size_t plancher = programmes.size() - 1;
    std::printf("\n%s, %zu tours alternés : fenêtre, CPU, RSS ; médianes\n", serie, tours.size());
    std::printf("  paire (kalvoro / plancher)  fenêtre     CPU        RSS\n");
    for (size_t t = 0; t < tours.size(); ++t) {
        const Mesure &k = tours[t][0], &p = tours[t][plancher];
        std::printf(
            "  %2zu  %6.1f / %5.1f ms = %4.2f   %5.1f / %5.1f ms = %4.2f   %4.1f / %4.1f Mo = "
            "%4.2f\n",
            t + 1, k.ms, p.ms, k.ms / p.ms, k.cpuMs, p.cpuMs, k.cpuMs / p.cpuMs, k.rssMo, p.rssMo,
            k.rssMo / p.rssMo);
    }
    for (size_t p = 0; p < programmes.size(); ++p)
        std::printf("  %-24s  %7.1f ms   %7.1f ms   %6.1f Mo\n", programmes[p].nom.c_str(),
                    Mediane(Colonne(tours, p, &Mesure::ms)),
                    Mediane(Colonne(tours, p, &Mesure::cpuMs)),
                    Mediane(Colonne(tours, p, &Mesure::rssMo)));
    AfficherRapports("kalvoro / plancher", tours, 0, plancher);
    if (programmes.size() == 3)
        AfficherRapports("kalvoro / avant", tours, 0, 1);
}

// Une série : un lancement de rodage de chacun, puis les tours, l'ordre tournant d'un tour à
// l'autre pour qu'aucun programme ne profite toujours de la place de l'autre.
bool Serie(const char *nom, ServeurX &serveur, const std::vector<Programme> &programmes)
{
    Mesure rodage;
    for (const Programme &programme : programmes)
        if (!Mesurer(serveur, programme, rodage))
            return false;
    Tours tours(Paires, std::vector<Mesure>(programmes.size()));
    for (size_t t = 0; t < tours.size(); ++t)
        for (size_t k = 0; k < programmes.size(); ++k) {
            const size_t p = (k + t) % programmes.size();
            if (!Mesurer(serveur, programmes[p], tours[t][p]))
                return false;
        }
    AfficherBilan(nom, programmes, tours);
    return true;
}

void EpinglerSurUnCoeur(pid_t serveur)
{
    cpu_set_t un;
    CPU_ZERO(&un);
    CPU_SET(0, &un);
    sched_setaffinity(0, sizeof un, &un); // les programmes lancés en héritent
    sched_setaffinity(serveur, sizeof un, &un);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::string(argv[1]) == "--plancher")
        return Plancher(argc, argv);

    const char *dossier = std::getenv("KALVORO_DOSSIER");
    if (!dossier) {
        std::fprintf(stderr, "KALVORO_DOSSIER (le dossier du programme) manque\n");
        return 1;
    }
    char moiMeme[4096] = {};
    if (readlink("/proc/self/exe", moiMeme, sizeof moiMeme - 1) <= 0)
        return 1;
    std::vector<Programme> programmes{
        {"kalvoro", {std::string(dossier) + "/kalvoro"}, "Kalvoro 1.7"}};
    if (const char *avant = std::getenv("KALVORO_AVANT"))
        programmes.push_back({"kalvoro avant", {std::string(avant) + "/kalvoro"}, "Kalvoro 1.7"});
    programmes.push_back({"plancher", {moiMeme, "--plancher"}, TitrePlancher});

    ServeurX serveur;
    if (!serveur.Demarrer()) {
        std::fprintf(stderr, "Xvfb n'a pas pu démarrer\n");
        return 1;
    }
    if (!Serie("Démarrage", serveur, programmes))
        return 1;
    EpinglerSurUnCoeur(serveur.pid);
    return Serie("Démarrage sur un seul cœur", serveur, programmes) ? 0 : 1;
}
