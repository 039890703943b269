// Times one start-up from outside the program, for programs that cannot print a timestamp on our
// clock (a Windows program under Wine): starts PROGRAM, watches the X display for a top-level
// window titled TITLE to be mapped and then painted, kills the program, and prints the
// milliseconds from just before fork to the first look at the window that shows it painted.
//
// Usage: lanceur_fenetre TITLE PROGRAM [ARGUMENT...]
// Meant for a display with no window manager, where top-level windows are the root's children.
// Painted means at least two colours in the window: a freshly mapped window is one colour (its
// background, or a black -br root behind it) until its contents are drawn.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int DelaiMaximalMs = 60000;
constexpr auto PasDeScrutation = std::chrono::milliseconds(2);

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

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string titreAttendu = argv[1];
    Display* affichage = XOpenDisplay(nullptr);
    if (affichage == nullptr) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    XSetErrorHandler(NoteErreurX);
    XSelectInput(affichage, DefaultRootWindow(affichage), SubstructureNotifyMask);
    XSync(affichage, False);

    const auto debut = std::chrono::steady_clock::now();
    const pid_t enfant = fork();
    if (enfant < 0) {
        std::perror("fork");
        return 1;
    }
    if (enfant == 0) {
        close(ConnectionNumber(affichage));
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "%s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }

    const auto limite = debut + std::chrono::milliseconds(DelaiMaximalMs);
    Window vue = None; // the window with the title, once mapped
    double ms = -1;
    while (std::chrono::steady_clock::now() < limite) {
        while (XPending(affichage) > 0) {
            XEvent evenement;
            XNextEvent(affichage, &evenement);
            if (evenement.type == MapNotify && vue == None &&
                Titre(affichage, evenement.xmap.window) == titreAttendu) {
                vue = evenement.xmap.window;
            } else if (evenement.type == DestroyNotify && evenement.xdestroywindow.window == vue) {
                vue = None; // shown and dropped on the way: wait for the one that stays
            }
        }
        erreurX = false;
        if (vue != None && Peinte(affichage, vue) && !erreurX) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                     .count();
            break;
        }
        if (vue == None) {
            pollfd attente{ConnectionNumber(affichage), POLLIN, 0};
            poll(&attente, 1, 10);
        } else {
            std::this_thread::sleep_for(PasDeScrutation);
        }
        int statut = 0;
        if (waitpid(enfant, &statut, WNOHANG) == enfant) {
            std::fprintf(stderr, "%s: ended before showing \"%s\" (status %d)\n", argv[2],
                         titreAttendu.c_str(), statut);
            return 1;
        }
    }
    // The program alone: what Wine started on the way (its services) stays for the next run.
    kill(enfant, SIGKILL);
    waitpid(enfant, nullptr, 0);
    XCloseDisplay(affichage);
    if (ms < 0) {
        std::fprintf(stderr, "%s: no window \"%s\" painted within %d ms\n", argv[2],
                     titreAttendu.c_str(), DelaiMaximalMs);
        return 1;
    }
    std::printf("%.3f\n", ms);
    return 0;
}
