// Times one start-up: starts PROGRAM (built with the first-paint hook), reads the steady-clock
// time it prints at its first painted frame, and takes its peak resident memory from wait4.
// Prints one line: "<milliseconds to first paint> <peak RSS in KiB>".
//
// The start time is taken just before fork, on the same clock (std::chrono::steady_clock is
// CLOCK_MONOTONIC on Linux) as the child's timestamp, so the figure covers exec, dynamic
// loading, Qt's set-up, the window's construction and its first paint.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int DelaiMaximalMs = 30000;

long long Maintenant() {
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    int tube[2];
    if (pipe(tube) != 0) {
        std::perror("pipe");
        return 1;
    }

    const long long debut = Maintenant();
    const pid_t enfant = fork();
    if (enfant < 0) {
        std::perror("fork");
        return 1;
    }
    if (enfant == 0) {
        close(tube[0]);
        dup2(tube[1], STDOUT_FILENO);
        close(tube[1]);
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "%s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }
    close(tube[1]);

    // Everything the child prints on its standard output, until it closes it.
    std::string sortie;
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(DelaiMaximalMs);
    for (;;) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now());
        if (reste.count() <= 0) {
            std::fprintf(stderr, "%s: no first paint within %d ms\n", argv[1], DelaiMaximalMs);
            kill(enfant, SIGKILL);
            waitpid(enfant, nullptr, 0);
            return 1;
        }
        pollfd attente{tube[0], POLLIN, 0};
        if (poll(&attente, 1, static_cast<int>(reste.count())) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::perror("poll");
            return 1;
        }
        char tampon[256];
        const ssize_t lu = read(tube[0], tampon, sizeof tampon);
        if (lu < 0 && errno == EINTR) {
            continue;
        }
        if (lu <= 0) {
            break;
        }
        sortie.append(tampon, static_cast<std::size_t>(lu));
    }
    close(tube[0]);

    int statut = 0;
    rusage usage{};
    if (wait4(enfant, &statut, 0, &usage) < 0) {
        std::perror("wait4");
        return 1;
    }
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "%s: did not exit cleanly (status %d)\n", argv[1], statut);
        return 1;
    }

    // The timestamp is the last line that holds a whole number and nothing else.
    long long peinture = -1;
    std::size_t debutLigne = 0;
    while (debutLigne < sortie.size()) {
        std::size_t finLigne = sortie.find('\n', debutLigne);
        if (finLigne == std::string::npos) {
            finLigne = sortie.size();
        }
        const std::string ligne = sortie.substr(debutLigne, finLigne - debutLigne);
        char* finNombre = nullptr;
        const long long valeur = std::strtoll(ligne.c_str(), &finNombre, 10);
        if (!ligne.empty() && (*finNombre == '\0' || *finNombre == '\r')) {
            peinture = valeur;
        }
        debutLigne = finLigne + 1;
    }
    if (peinture < debut) {
        std::fprintf(stderr, "%s: printed no first-paint timestamp\n", argv[1]);
        return 1;
    }

    std::printf("%.3f %ld\n", static_cast<double>(peinture - debut) / 1e6, usage.ru_maxrss);
    return 0;
}
