"""Fills in the two locators of the running Vantrel, presses Calcul and reads the result."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def attend(essai, quoi, secondes=30):
    fin = time.monotonic() + secondes
    while not (resultat := essai()):
        if time.monotonic() > fin:
            sys.exit(f"FAIL: {quoi}: not after {secondes} s")
        time.sleep(0.3)
    return resultat


def descendants(acc):
    yield acc
    for i in range(acc.get_child_count()):
        if (enfant := acc.get_child_at_index(i)) is not None:
            yield from descendants(enfant)


def application():
    bureau = Atspi.get_desktop(0)
    for i in range(bureau.get_child_count()):
        app = bureau.get_child_at_index(i)
        if app is not None and app.get_name() == "Vantrel" and app.get_child_count():
            return app
    return None


def element(racine, role, nom):
    for acc in descendants(racine):
        if acc.get_role() == role and acc.get_name() == nom:
            return acc
    sys.exit(f"FAIL: no {nom} in the window")


def texte(acc):
    return Atspi.Text.get_text(acc, 0, Atspi.Text.get_character_count(acc))


fenetre = attend(application, "Vantrel on the accessibility bus")
Texte = Atspi.Role.TEXT
Atspi.EditableText.set_text_contents(element(fenetre, Texte, "Locator de départ"), "JN38DM")
Atspi.EditableText.set_text_contents(element(fenetre, Texte, "Locator d'arrivée"), "FN20XR")
Atspi.Action.do_action(element(fenetre, Atspi.Role.PUSH_BUTTON, "Calcul"), 0)
distance = element(fenetre, Texte, "Distance kilomètres")
azimut = element(fenetre, Texte, "Azimut degrés")
attend(lambda: texte(distance) == "6126" and texte(azimut) == "295", "6126 km and 295°")
print("JN38DM to FN20XR: 6126 km, 295°")
