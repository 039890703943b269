#include "application.h"
#include "releve.h"

int main(int argc, char* argv[]) {
    return vantrel::ui::LanceVantrel(argc, argv, vantrel::ui::EcritReleveEnQuittant);
}
