// Vantrel as installed, with the first-paint hook of the start-up benchmark.
#include "application.h"
#include "premiere_peinture.h"

#include <QWidget>

int main(int argc, char* argv[]) {
    vantrel::banc::PremierePeinture premierePeinture;
    return vantrel::ui::LanceVantrel(
        argc, argv, [&](QWidget& fenetre) { premierePeinture.surveille(&fenetre); });
}
