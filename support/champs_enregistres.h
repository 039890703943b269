// The window as the tests and the fuzz targets see it: it holds the field texts and records
// every write and prompt in the order they happen.
#pragma once

#include "vantrel/champs.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel::essais {

struct Evenement {
    enum Genre { Ecriture, Message } genre;
    Champ champ; // for a write
    std::string texte;

    bool operator==(const Evenement&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Evenement& e) {
        if (e.genre == Ecriture) {
            return os << "field " << static_cast<int>(e.champ) << " <- \"" << e.texte << '"';
        }
        return os << "prompt \"" << e.texte << '"';
    }
};

inline Evenement Ecrit(Champ champ, std::string texte) {
    return {Evenement::Ecriture, champ, std::move(texte)};
}
inline Evenement Invite(std::string texte) {
    return {Evenement::Message, Champ::MonLocator, std::move(texte)};
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
    void AfficheMessage(std::string_view invite) override {
        journal.push_back(Invite(std::string(invite)));
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> m;
        for (const auto& e : journal) {
            if (e.genre == Evenement::Message) {
                m.push_back(e.texte);
            }
        }
        return m;
    }
};

} // namespace vantrel::essais
