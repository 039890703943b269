#include "application.h"

int main(int argc, char* argv[]) {
    return vantrel::ui::LanceVantrel(argc, argv);
}
