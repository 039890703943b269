// A window stand-in for the tests: it holds the field texts and records every write and
// prompt in the order they happen.
#pragma once

#include "vantrel/champs.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel::test {

struct Evenement {
    enum Genre { Ecriture, Message } genre;
    Champ champ; // for a write
    std::string texte;

    bool operator==(const Evenement&) const = default;
};

inline Evenement Ecrit(Champ champ, std::string texte) {
    return {Evenement::Ecriture, champ, std::move(texte)};
}
inline Evenement Invite(std::string texte) {
    return {Evenement::Message, Champ::MonLocator, std::move(texte)};
}

inline void PrintTo(const Evenement& e, std::ostream* os) {
    if (e.genre == Evenement::Ecriture) {
        *os << NomChamp(e.champ) << " <- \"" << e.texte << '"';
    } else {
        *os << "message \"" << e.texte << '"';
    }
}

class ChampsEnregistres : public InterfaceChamps {
public:
    std::map<Champ, std::string> textes;
    std::vector<Evenement> journal;

    std::string LitChamp(Champ champ) const override {
        const auto it = textes.find(champ);
        return it == textes.end() ? std::string() : it->second;
    }
    void EcritChamp(Champ champ, std::string_view texte) override {
        textes[champ] = std::string(texte);
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
    std::string operator[](Champ champ) const { return LitChamp(champ); }
};

} // namespace vantrel::test
