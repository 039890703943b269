// A box that holds a locator: what is typed there comes out in capitals.
#pragma once

#include "boite_saisie.h"

namespace vantrel::ui {

/// A text box whose typed letters a to z become A to Z as they are typed; every other key,
/// and what is pasted or dropped, is as in any text box the user types into.
class BoiteLocator : public BoiteSaisie {
    Q_OBJECT

public:
    using BoiteSaisie::BoiteSaisie;

protected:
    void keyPressEvent(QKeyEvent* touche) override;
};

} // namespace vantrel::ui
