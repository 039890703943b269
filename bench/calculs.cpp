// Nanoseconds per call of the locator arithmetic, through the same field interface the window
// uses. The fields are a fixed table of strings: no journal, no map, so what is measured is the
// arithmetic and its text formatting, not a test double growing.
#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/distance.h"
#include "vantrel/etat_calcul.h"
#include "vantrel/evenements.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

using namespace vantrel;

class ChampsFixes : public InterfaceChamps {
public:
    std::string LitChamp(Champ champ) const override { return textes_[index(champ)]; }
    void EcritChamp(Champ champ, std::string_view texte) override {
        textes_[index(champ)].assign(texte);
    }
    void AfficheMessage(std::string_view invite) override {
        benchmark::DoNotOptimize(invite.data());
        ++messages;
    }

    void pose(Champ champ, std::string_view texte) { textes_[index(champ)].assign(texte); }

    long messages = 0;

private:
    static std::size_t index(Champ champ) { return static_cast<std::size_t>(champ); }
    std::array<std::string, static_cast<std::size_t>(Champ::TxtLocator) + 1> textes_;
};

// ---------------------------------------------------------------- ControleLocator

void BM_VerifieLocator(benchmark::State& state) {
    for (auto _ : state) {
        Verdict c = VerifieLocator("jn38dm");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_VerifieLocator);

void BM_ControleLocator_accepte(benchmark::State& state) {
    EtatCalcul etat;
    ChampsFixes champs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ControleLocator("JN38DM", etat, champs));
    }
}
BENCHMARK(BM_ControleLocator_accepte);

void BM_ControleLocator_refuse(benchmark::State& state) {
    EtatCalcul etat;
    ChampsFixes champs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ControleLocator("JN3XDM", etat, champs));
    }
    if (champs.messages != static_cast<long>(state.iterations())) {
        state.SkipWithError("the rejected locator was not prompted");
    }
}
BENCHMARK(BM_ControleLocator_refuse);

// ---------------------------------------------------------------- locator

// A typed position: 6° 17' 30" Est, 48° 31' 15,5" Nord (the seconds carry a decimal part so
// the decimal separator is read).
PositionDMS Position(const FormatNombres& format) {
    return {"6", "17", "30", "Est", "48", "31", "15" + format.separateurDecimal + "5", "Nord"};
}

void BM_locator(benchmark::State& state, const FormatNombres& format) {
    const PositionDMS position = Position(format);
    if (locator(position, format) != "JN38DM") {
        state.SkipWithError("the position does not read as JN38DM");
        return;
    }
    for (auto _ : state) {
        auto resultat = locator(position, format);
        benchmark::DoNotOptimize(resultat);
    }
}

void BM_locator_point(benchmark::State& state) {
    BM_locator(state, {"."});
}
BENCHMARK(BM_locator_point);

void BM_locator_virgule(benchmark::State& state) {
    BM_locator(state, {","});
}
BENCHMARK(BM_locator_virgule);

// One number, to tell the reading of a number from the rest of locator().
void BM_LitNombre(benchmark::State& state) {
    const std::string texte = "15,5";
    for (auto _ : state) {
        auto v = LitNombre(texte, {","});
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_LitNombre);

// The locator button as the window runs it: eight fields read, one locator written.
void BM_DemandeLocator(benchmark::State& state) {
    ChampsFixes champs;
    const FormatNombres virgule{","};
    const PositionDMS p = Position(virgule);
    champs.pose(Champ::Dlo, p.Dlo);
    champs.pose(Champ::Mlo, p.Mlo);
    champs.pose(Champ::Slo, p.Slo);
    champs.pose(Champ::Elo, p.Elo);
    champs.pose(Champ::Dla, p.Dla);
    champs.pose(Champ::Mla, p.Mla);
    champs.pose(Champ::Sla, p.Sla);
    champs.pose(Champ::Ela, p.Ela);
    for (auto _ : state) {
        DemandeLocator(champs, virgule);
    }
    if (champs.LitChamp(Champ::TxtLocator) != "JN38DM" || champs.messages != 0) {
        state.SkipWithError("the locator button did not give JN38DM");
    }
}
BENCHMARK(BM_DemandeLocator);

// ---------------------------------------------------------------- tally

void BM_tally(benchmark::State& state) {
    EtatCalcul etat;
    ChampsFixes champs;
    ControleLocator("JN38DM", etat, champs);
    champs.pose(Champ::SonLocator, "FN20XR");
    for (auto _ : state) {
        tally(etat, champs);
    }
    if (champs.LitChamp(Champ::Distance) != "6126" || champs.LitChamp(Champ::Azimut) != "295") {
        state.SkipWithError("JN38DM to FN20XR did not give 6126 km at 295°");
    }
}
BENCHMARK(BM_tally);

void BM_tally_refuse(benchmark::State& state) {
    EtatCalcul etat;
    ChampsFixes champs;
    ControleLocator("JN38DM", etat, champs);
    champs.pose(Champ::SonLocator, "FN20");
    for (auto _ : state) {
        tally(etat, champs);
    }
}
BENCHMARK(BM_tally_refuse);

// The distance button from end to end, the user's locator already accepted.
void BM_DemandeDistance(benchmark::State& state) {
    EtatCalcul etat;
    ChampsFixes champs;
    champs.pose(Champ::MonLocator, "JN38DM");
    champs.pose(Champ::SonLocator, "fn20xr");
    for (auto _ : state) {
        DemandeDistance(etat, champs);
    }
    if (champs.LitChamp(Champ::Distance) != "6126" || champs.messages != 0) {
        state.SkipWithError("the distance button did not give 6126 km");
    }
}
BENCHMARK(BM_DemandeDistance);

} // namespace

BENCHMARK_MAIN();
