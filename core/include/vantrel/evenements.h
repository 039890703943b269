// What the window's handlers do. The only code that reads and writes the window's fields,
// shows its prompts and keeps the computation state.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/etat_calcul.h"

#include <string_view>

namespace vantrel {

/// Checks the user's locator: a refused one is prompted and leaves the state as it was, an
/// accepted one becomes the user's position (PositionMonLocator). Returns whether accepted.
bool ControleLocator(std::string_view texte, EtatCalcul& etat, InterfaceChamps& champs);

/// Makes an accepted locator the user's position and shows it in MaLati and MaLongi.
void PositionMonLocator(const Locator& locator, EtatCalcul& etat, InterfaceChamps& champs);

/// Checks the correspondent's locator (SonLocator) and, when accepted, shows his position in
/// SaLati and SaLongi, then the distance in kilometres and the azimuth in degrees from the
/// user's position kept in the state. A refused locator is prompted and changes nothing.
void tally(EtatCalcul& etat, InterfaceChamps& champs);

/// MonLocator loses the focus: the field is upper-cased, then checked; an accepted locator
/// becomes the user's position. Returns whether it was accepted.
bool QuitteMonLocator(EtatCalcul& etat, InterfaceChamps& champs);

/// The distance button: upper-cases SonLocator, refuses an empty field, checks the user's
/// locator when the field does not hold the accepted one, then runs tally.
void DemandeDistance(EtatCalcul& etat, InterfaceChamps& champs);

/// The locator button: refuses an empty field or a position without a locator, otherwise
/// shows the locator in TxtLocator.
void DemandeLocator(InterfaceChamps& champs, const FormatNombres& format);

/// The clear button: empties the locator side of the window, Azimut last, and forgets the
/// computation those fields showed.
void EffaceLocators(EtatCalcul& etat, InterfaceChamps& champs);

} // namespace vantrel
