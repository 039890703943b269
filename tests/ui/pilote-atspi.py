"""Drives the running Vantrel from outside, through the accessibility bus (AT-SPI) as a screen
reader would, and checks in the compositor's screenshots what its windows show.

    pilote-atspi.py IMAGEMAGICK UI_SOURCES SHOTS_DIR

In order: the window is drawn with its five frames and its dial; after JN38DM to FN20XR it shows
6126 km and 295° and the white needle lies over the dial along 295°; ZZ99ZZ brings the
program's refusal in a message box, which is drawn and then closed by its button; the menu's
Quitter ends the program. The screenshots (weston-screenshooter, Weston started with --debug)
are kept in SHOTS_DIR. The compositor places the windows: each is found in a screenshot by what
it draws where the accessibility bus puts its controls (the frames' one-pixel borders, the
message box's button), and the needle's ends are the program's own (UI_SOURCES, the ui/ folder).
"""

import math
import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

imagemagick, sources, dossier = sys.argv[1:4]
Texte, Bouton = Atspi.Role.TEXT, Atspi.Role.PUSH_BUTTON


def echec(message):
    sys.exit(f"pilote-atspi: {message}")


def attend(essai, quoi, secondes=30):
    """What essai() gives once it is true, asked again until then."""
    fin = time.monotonic() + secondes
    while True:
        resultat = essai()
        if resultat:
            return resultat
        if time.monotonic() > fin:
            echec(f"{quoi}: not after {secondes} s")
        time.sleep(0.3)


def constantes(fichier):
    """The integer constants of a header of ui/ ("inline constexpr int Name = 12;")."""
    with open(os.path.join(sources, fichier), encoding="utf-8") as f:
        return {nom: int(v) for nom, v in re.findall(r"constexpr int (\w+) = (-?\d+);", f.read())}


# The accessibility bus.


def application():
    bureau = Atspi.get_desktop(0)
    for i in range(bureau.get_child_count()):
        app = bureau.get_child_at_index(i)
        if app is not None and app.get_name() == "Vantrel" and app.get_child_count():
            return app
    return None


def descendants(acc):
    yield acc
    for i in range(acc.get_child_count()):
        enfant = acc.get_child_at_index(i)
        if enfant is not None:
            yield from descendants(enfant)


def element(racine, role, nom=None):
    for acc in descendants(racine):
        if acc.get_role() == role and nom in (None, acc.get_name()):
            return acc
    echec(f"no {Atspi.role_get_name(role)} {nom or ''} in {racine.get_name()}")


def role_de(acc):
    """An object's role, or None once it has gone (a window closing while it is listed)."""
    try:
        return acc.get_role()
    except GLib.Error:
        return None


def fenetres(app, quel):
    tous = (app.get_child_at_index(i) for i in range(app.get_child_count()))
    return [f for f in tous if f is not None and role_de(f) == quel]


def place(acc, fenetre):
    """X, Y, width, height of a control in its window. Screen extents less the window's: under
    Wayland the window's are 0, 0 (no client knows where it stands); Qt 6.4 reports the
    window-relative ones wrong."""
    e = Atspi.Component.get_extents(acc, Atspi.CoordType.SCREEN)
    f = Atspi.Component.get_extents(fenetre, Atspi.CoordType.SCREEN)
    return e.x - f.x, e.y - f.y, e.width, e.height


def texte(acc):
    return Atspi.Text.get_text(acc, 0, Atspi.Text.get_character_count(acc))


# Its successor, get_name, is not in Debian 12's AT-SPI.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name is deprecated")


def appuie(acc):
    for i in range(Atspi.Action.get_n_actions(acc)):
        if Atspi.Action.get_action_name(acc, i) == "Press":
            Atspi.Action.do_action(acc, i)
            return
    echec(f"{acc.get_name()} cannot be pressed")


# Screenshots.


class Capture:
    """The whole output as the compositor shows it now, kept as SHOTS_DIR/NAME.png."""

    def __init__(self, nom):
        avant = set(os.listdir(dossier))
        subprocess.run(["weston-screenshooter"], cwd=dossier, check=True)
        nouveaux = [f for f in set(os.listdir(dossier)) - avant
                    if f.startswith("wayland-screenshot")]
        if len(nouveaux) != 1:
            echec(f"weston-screenshooter wrote {nouveaux} in {dossier}")
        self.chemin = os.path.join(dossier, nom + ".png")
        os.replace(os.path.join(dossier, nouveaux[0]), self.chemin)
        ppm = subprocess.run([imagemagick, self.chemin, "-depth", "8", "ppm:-"],
                             check=True, stdout=subprocess.PIPE).stdout
        entete = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.largeur, self.hauteur = int(entete[1]), int(entete[2])
        self.octets = ppm[entete.end():]

    def pixel(self, x, y):
        i = (y * self.largeur + x) * 3
        return self.octets[i:i + 3]

    def cherche(self, pareils, differents):
        """Every origin (X, Y) where the pixels at the offsets `pareils` have one colour, and
        those at `differents` another."""
        tous = pareils + differents
        x0, x1 = -min(p[0] for p in tous), self.largeur - max(p[0] for p in tous)
        y0, y1 = -min(p[1] for p in tous), self.hauteur - max(p[1] for p in tous)
        # Byte offsets from the origin's pixel; the first two, one of each, rule out most places.
        decale = [(dy * self.largeur + dx) * 3 for dx, dy in tous]
        a, autres_pareils = decale[0], decale[1:len(pareils)]
        b, autres_differents = decale[len(pareils)], decale[len(pareils) + 1:]
        o = self.octets
        trouves = []
        for y in range(y0, y1):
            for i in range((y * self.largeur + x0) * 3, (y * self.largeur + x1) * 3, 3):
                c = o[i + a:i + a + 3]
                if o[i + b:i + b + 3] == c:
                    continue
                if all(o[i + d:i + d + 3] == c for d in autres_pareils) and \
                        all(o[i + d:i + d + 3] != c for d in autres_differents):
                    trouves.append((i // 3 % self.largeur, y))
        return trouves

    def trouve(self, quoi, pareils, differents):
        places = self.cherche(pareils, differents)
        if len(places) != 1:
            return f"{quoi} found at {places or 'no place'} in {self.chemin}"
        return places[0]

    def sombres(self, x, y, largeur, hauteur):
        """How many pixels of the rectangle are dark: text, the dial's face."""
        return sum(1 for j in range(y, y + hauteur) for i in range(x, x + largeur)
                   if sum(self.pixel(i, j)) < 200)


def photographie(nom, verifie, secondes=15):
    """A screenshot that verifie(capture) accepts (it returns a failure's text, else None),
    taken again for a while: the compositor may not show the last frame yet."""
    fin = time.monotonic() + secondes
    while (erreur := verifie(Capture(nom))) is not None:
        if time.monotonic() > fin:
            echec(erreur)
        time.sleep(0.5)


# The run.

app = attend(application, "Vantrel on the accessibility bus")
fenetre = fenetres(app, Atspi.Role.FRAME)[0]
cadres = [acc for acc in descendants(fenetre) if acc.get_role() == Atspi.Role.PANEL]
cadran = element(fenetre, Atspi.Role.IMAGE, "Cadran de l'azimut")
# The needle is drawn by an overlay that covers the Azimut frame: its ends are in that frame's
# twips.
rose = element(element(fenetre, Atspi.Role.PANEL, "Azimut"), Atspi.Role.FILLER)
mon = element(fenetre, Texte, "Locator de départ")
son = element(fenetre, Texte, "Locator d'arrivée")
calcul = element(fenetre, Bouton, "Calcul")
if len(cadres) != 5:
    echec(f"{len(cadres)} frames on the accessibility bus, not 5")

# Each frame's border: its bottom corners and middle and the middle of its sides, of one colour
# (the caption sits on the top edge); just inside its bottom corners and just below it, the
# window's colour.
bordures, dedans = [], []
for x, y, largeur, hauteur in (place(c, fenetre) for c in cadres):
    bas, milieu = y + hauteur - 1, y + hauteur // 2
    bordures += [(x, bas), (x + largeur // 2, bas), (x + largeur - 1, bas), (x, milieu),
                 (x + largeur - 1, milieu)]
    dedans += [(x + 1, bas - 1), (x + largeur - 2, bas - 1), (x + largeur // 2, bas + 1)]

geometrie = constantes("geometrie_cadran.h")
twips = constantes("twips.h")["TwipsParPixel"]


def aiguille(azimut):
    """Points along the needle pointing at azimuth (degrees), in the window, its round ends
    left out."""
    rx, ry, _, _ = place(rose, fenetre)
    px, py = geometrie["PivotX"], geometrie["PivotY"]
    longueur = geometrie["LongueurAiguille"]
    tx = px + longueur * math.sin(math.radians(azimut))
    ty = py - longueur * math.cos(math.radians(azimut))
    return [(rx + math.floor((px + t / 10 * (tx - px)) / twips),
             ry + math.floor((py + t / 10 * (ty - py)) / twips)) for t in range(1, 10)]


def blancs(capture, origine, points):
    return sum(1 for x, y in points if min(capture.pixel(origine[0] + x, origine[1] + y)) >= 240)


def fenetre_dessinee(capture):
    """The window's place in the screenshot, or what is wrong."""
    origine = capture.trouve("the window's five frames", bordures, dedans)
    if isinstance(origine, str):
        return origine
    x, y, largeur, hauteur = place(cadran, fenetre)
    sombres = capture.sombres(origine[0] + x, origine[1] + y, largeur, hauteur)
    if sombres < largeur * hauteur // 4:
        return f"the dial is not drawn: {sombres} dark pixels in {capture.chemin}"
    return origine


# 1. The window as it opens: its frames, its dial, no needle yet along 295°.
def ouverte(capture):
    origine = fenetre_dessinee(capture)
    if isinstance(origine, str):
        return origine
    if blancs(capture, origine, aiguille(295)) > 3:
        return f"white along 295° before any distance in {capture.chemin}"
    print(f"pilote-atspi: the window is drawn with its frames, at {origine} in {capture.chemin}")
    return None


photographie("ouverture", ouverte)

# 2. A distance.
Atspi.EditableText.set_text_contents(mon, "JN38DM")
Atspi.EditableText.set_text_contents(son, "FN20XR")
appuie(calcul)
distance = element(fenetre, Texte, "Distance kilomètres")
azimut = element(fenetre, Texte, "Azimut degrés")
attend(lambda: texte(distance) == "6126" and texte(azimut) == "295", "6126 km and 295°")


def aiguille_tournee(capture):
    origine = fenetre_dessinee(capture)
    if isinstance(origine, str):
        return origine
    points = aiguille(295)
    if blancs(capture, origine, points) != len(points):
        return f"no white needle along 295° over the dial in {capture.chemin}"
    print(f"pilote-atspi: 6126 km, 295°, the white needle over the dial in {capture.chemin}")
    return None


photographie("distance", aiguille_tournee)

# 3. A locator refused: the program's prompt, in a message box of the window.
Atspi.EditableText.set_text_contents(mon, "ZZ99ZZ")
appuie(calcul)
boite = attend(lambda: (fenetres(app, Atspi.Role.ALERT) or [None])[0], "a message box")
invite = "90 : Le premier caractère n'est pas une lettre valide."
etiquette = element(boite, Atspi.Role.LABEL, invite)
ok = element(boite, Bouton)
# Its client area's corners and what surrounds its button, of the box's colour; the button's
# edges, another.
_, _, largeur, hauteur = place(boite, boite)
bx, by, bl, bh = place(ok, boite)
autour = [(0, 0), (largeur - 1, 0), (0, hauteur - 1), (largeur - 1, hauteur - 1),
          (bx - 1, by + bh // 2), (bx + bl, by + bh // 2), (bx + bl // 2, by - 1),
          (bx + bl // 2, by + bh)]
bords = [(bx, by + bh // 2), (bx + bl - 1, by + bh // 2), (bx + bl // 2, by),
         (bx + bl // 2, by + bh - 1)]


def message(capture):
    origine = capture.trouve("the message box", autour, bords)
    if isinstance(origine, str):
        return origine
    ex, ey, el, eh = place(etiquette, boite)
    if capture.sombres(origine[0] + ex, origine[1] + ey, el, eh) < 2 * len(invite):
        return f"the message box's text is not drawn in {capture.chemin}"
    if capture.sombres(origine[0] + bx, origine[1] + by, bl, bh) < 10:
        return f"the message box's button is not drawn in {capture.chemin}"
    print(f"pilote-atspi: the message box \"{invite}\" is drawn in {capture.chemin}")
    return None


photographie("message", message)
appuie(ok)
attend(lambda: not fenetres(app, Atspi.Role.ALERT), "the message box closed")

# 4. The menu's Quitter; the program may be gone before it answers.
try:
    appuie(element(fenetre, Atspi.Role.MENU_ITEM, "Quitter"))
except GLib.Error:
    pass
