// The rules of a locator text: the keystroke rule that keeps the locator fields in capitals,
// and the check of a typed locator with the prompt that refuses it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct Verdict;

/// What one position of a locator accepts, and the text that follows the code of a character it
/// refuses. Field letters run from A to R (18 fields), subsquare letters from A to X.
struct RegleCaractere {
    unsigned char minimum;
    unsigned char maximum;
    std::string_view refus;
};

/// The rules of positions 1 to 6, in order; the prompts are the program's own, to the letter.
inline constexpr std::array<RegleCaractere, 6> ReglesLocator = {{
    {'A', 'R', " : Le premier caractère n'est pas une lettre valide."},
    {'A', 'R', " : Le second caractère n'est pas une lettre valide."},
    {'0', '9', " : Le troisième caractère n'est pas un chiffre."},
    {'0', '9', " : Le quatrième caractère n'est pas un chiffre."},
    {'A', 'X', " : Le cinquième caractère n'est pas une lettre valide."},
    {'A', 'X', " : Le sixième caractère n'est pas une lettre valide."},
}};

/// An accepted locator: six characters, "A"-"R" twice, two digits, "A"-"X" twice.
/// Only VerifieLocator makes one.
class Locator {
public:
    const std::string& texte() const { return texte_; }
    /// Character code at position 1 to 6.
    int code(int position) const { return static_cast<unsigned char>(texte_[position - 1]); }

private:
    friend Verdict VerifieLocator(std::string_view texte);
    explicit Locator(std::string texte) : texte_(std::move(texte)) {}
    std::string texte_;
};

/// Outcome of checking a locator text: the locator, or the prompt that refuses it.
struct Verdict {
    std::optional<Locator> locator;
    std::string message;

    explicit operator bool() const { return locator.has_value(); }
};

/// Keystroke rule of the locator fields: a to z become A to Z, any other code is kept.
std::int16_t MetMajuscule(std::int16_t KeyAscii);

/// The text as it is checked: upper-cased, then without its leading and trailing spaces.
std::string NormaliseLocator(std::string_view texte);

/// Checks a locator text; stops at the first rule broken and gives its prompt.
Verdict VerifieLocator(std::string_view texte);

} // namespace vantrel
