// What the window's handlers do, through its field interface.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

#include <locale>

namespace vantrel {

/// MonLocator loses the focus: the field is upper-cased, then checked; an accepted locator
/// becomes the user's position.
void QuitteMonLocator(EtatCalcul& etat, InterfaceChamps& champs);

/// The distance button: upper-cases SonLocator, refuses an empty field, checks the user's
/// locator when the field does not hold the accepted one, then runs tally.
void DemandeDistance(EtatCalcul& etat, InterfaceChamps& champs);

/// The locator button: refuses an empty field or a position without a locator, otherwise
/// shows the locator in TxtLocator.
void DemandeLocator(InterfaceChamps& champs, const std::locale& langue);

/// The clear button: empties the locator side of the window, Azimut last.
void EffaceLocators(InterfaceChamps& champs);

} // namespace vantrel
