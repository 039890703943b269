// The window as the tests and the fuzz targets see it: it holds the field texts and records
// every write and prompt in the order they happen.
#pragma once

#include "vantrel/champs.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::essais {

/// A write of a field's text, or a prompt (no field).
using Evenement = std::pair<std::optional<Champ>, std::string>;

inline Evenement Ecrit(Champ champ, std::string texte) {
    return {champ, std::move(texte)};
}
inline Evenement Invite(std::string_view texte) {
    return {std::nullopt, std::string(texte)};
}

class ChampsEnregistres : public InterfaceChamps {
public:
    std::array<std::string, NombreChampsFenetre> textes;
    std::vector<Evenement> journal;

    std::string& operator[](Champ champ) { return textes[static_cast<std::size_t>(champ)]; }
    std::string LitChamp(Champ champ) const override {
        return textes[static_cast<std::size_t>(champ)];
    }
    void EcritChamp(Champ champ, std::string_view texte) override {
        (*this)[champ] = texte;
        journal.push_back(Ecrit(champ, std::string(texte)));
    }
    void AfficheMessage(std::string_view invite) override { journal.push_back(Invite(invite)); }

    // The prompts alone, in their order.
    std::vector<std::string> messages() const {
        std::vector<std::string> m;
        for (const auto& [champ, texte] : journal) {
            if (!champ) {
                m.push_back(texte);
            }
        }
        return m;
    }
};

} // namespace vantrel::essais
