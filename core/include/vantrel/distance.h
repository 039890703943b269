// Great-circle distance and initial azimuth from the user to the correspondent.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

namespace vantrel {

/// Checks the correspondent's locator (SonLocator) and, when accepted, shows his position in
/// SaLati and SaLongi, then the distance in kilometres and the azimuth in degrees from the
/// user's position kept in the state. A rejected locator is prompted and changes nothing.
void tally(EtatCalcul& etat, InterfaceChamps& champs);

} // namespace vantrel
