// Times one start-up from outside the program: starts PROGRAM, watches the X display for its
// top-level window to be mapped and then painted, stops the program and takes its peak resident
// memory from wait4. Prints one line: "<milliseconds to the window painted> <peak RSS in KiB>".
//
// Usage: lanceur [-t TITLE] [-p] PROGRAM [ARGUMENT...]
// The window watched is the first top-level window mapped, or with -t the first titled TITLE
// (Wine maps windows of its own). With -p the program is stopped by SIGTERM instead of SIGKILL,
// so that a profiler it runs under (valgrind) writes out what it counted up to that frame.
// Meant for a display with no window manager, where top-level windows are the root's children,
// and a black root (Xvfb -br): painted means at least two colours in the window, as a freshly
// mapped window is of one colour (its background, or the black root behind it) until its
// contents are drawn.
//
// The clock starts just before fork, so the figure covers exec, dynamic loading, the program's
// set-up and its first frame as it reaches the screen. The program's memory is the kernel's high
// mark up to the moment it is stopped, just after that frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Horloge = std::chrono::steady_clock;

constexpr auto DelaiMaximal = std::chrono::seconds(60);
// How often a mapped window is looked at until it shows painted.
constexpr int PasDeScrutationMs = 2;

bool erreurX = false;
int NoteErreurX(Display*, XErrorEvent*) {
    erreurX = true; // a window gone between two requests: not an error of ours
    return 0;
}

std::string Titre(Display* affichage, Window fenetre) {
    const Atom nomUtf8 = XInternAtom(affichage, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(affichage, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long n = 0, reste = 0;
    unsigned char* donnees = nullptr;
    std::string titre;
    if (XGetWindowProperty(affichage, fenetre, nomUtf8, 0, 1024, False, utf8, &type, &format, &n,
                           &reste, &donnees) == Success &&
        donnees != nullptr && type == utf8) {
        titre.assign(reinterpret_cast<const char*>(donnees), n);
    }
    if (donnees != nullptr) {
        XFree(donnees);
    }
    if (titre.empty()) {
        char* nom = nullptr;
        if (XFetchName(affichage, fenetre, &nom) && nom != nullptr) {
            titre = nom;
            XFree(nom);
        }
    }
    return titre;
}

// At least two colours in the window as it stands on the screen.
bool Peinte(Display* affichage, Window fenetre) {
    XWindowAttributes attributs{};
    if (!XGetWindowAttributes(affichage, fenetre, &attributs) ||
        attributs.map_state != IsViewable) {
        return false;
    }
    const auto detruit = [](XImage* i) { XDestroyImage(i); }; // a macro in Xlib
    std::unique_ptr<XImage, decltype(detruit)> image(
        XGetImage(affichage, fenetre, 0, 0, static_cast<unsigned>(attributs.width),
                  static_cast<unsigned>(attributs.height), AllPlanes, ZPixmap),
        detruit);
    if (!image) {
        return false;
    }
    const unsigned long premier = XGetPixel(image.get(), 0, 0);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            if (XGetPixel(image.get(), x, y) != premier) {
                return true;
            }
        }
    }
    return false;
}

// Waits for the window of PROGRAMME, started as ENFANT, to show painted. Returns the moment it
// was seen so, or nothing with the reason on standard error.
std::optional<Horloge::time_point> AttendPeinte(Display* affichage, const std::string& titre,
                                                const char* programme, pid_t enfant,
                                                Horloge::time_point limite) {
    Window vue = None; // the window watched, once mapped
    while (Horloge::now() < limite) {
        while (XPending(affichage) > 0) {
            XEvent evenement;
            XNextEvent(affichage, &evenement);
            if (evenement.type == MapNotify && vue == None &&
                (titre.empty() || Titre(affichage, evenement.xmap.window) == titre)) {
                vue = evenement.xmap.window;
            } else if (evenement.type == DestroyNotify && evenement.xdestroywindow.window == vue) {
                vue = None; // shown and dropped on the way: wait for the one that stays
            }
        }
        erreurX = false;
        if (vue != None && Peinte(affichage, vue) && !erreurX) {
            return Horloge::now();
        }
        if (XPending(affichage) == 0) {
            pollfd attente{ConnectionNumber(affichage), POLLIN, 0};
            poll(&attente, 1, vue == None ? 10 : PasDeScrutationMs);
        }
        int statut = 0;
        if (waitpid(enfant, &statut, WNOHANG) == enfant) {
            std::fprintf(stderr, "%s: ended before its window was painted (status %d)\n", programme,
                         statut);
            return std::nullopt;
        }
    }
    std::fprintf(stderr, "%s: no window painted within %lld s\n", programme,
                 static_cast<long long>(DelaiMaximal.count()));
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string titre;
    int arret = SIGKILL;
    int option = 0;
    while ((option = getopt(argc, argv, "+t:p")) != -1) {
        if (option == 't') {
            titre = optarg;
        } else if (option == 'p') {
            arret = SIGTERM;
        } else {
            break;
        }
    }
    if (option == '?' || optind >= argc) {
        std::fprintf(stderr, "usage: %s [-t TITLE] [-p] PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    char** commande = argv + optind;

    Display* affichage = XOpenDisplay(nullptr);
    if (affichage == nullptr) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    XSetErrorHandler(NoteErreurX);
    XSelectInput(affichage, DefaultRootWindow(affichage), SubstructureNotifyMask);
    XSync(affichage, False);

    const auto debut = Horloge::now();
    const pid_t enfant = fork();
    if (enfant < 0) {
        std::perror("fork");
        return 1;
    }
    if (enfant == 0) {
        // Whatever the program prints goes to standard error: standard output holds the figures.
        close(ConnectionNumber(affichage));
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(commande[0], commande);
        std::fprintf(stderr, "%s: %s\n", commande[0], std::strerror(errno));
        _exit(127);
    }

    const auto peinte = AttendPeinte(affichage, titre, commande[0], enfant, debut + DelaiMaximal);
    // The program alone: what Wine started on the way (its services) stays for the next run.
    kill(enfant, arret);
    rusage usage{};
    wait4(enfant, nullptr, 0, &usage);
    XCloseDisplay(affichage);
    if (!peinte) {
        return 1;
    }
    std::printf("%.3f %ld\n", std::chrono::duration<double, std::milli>(*peinte - debut).count(),
                usage.ru_maxrss);
    return 0;
}
