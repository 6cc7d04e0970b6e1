// The texts catalogue: every text the program shows, by identifier, in English,
// German and Russian (src/texts/*.json, which the browser page reads as well), and
// the filling of its placeholders ("{wing}") with values. The core reports
// identifiers with values (Message); a front-end turns them into words through
// the catalogue of its language.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/text_id.h"

namespace kalvesta {

// The languages a front-end speaks. The second language is Russian for the
// window's captions and what follows them, and German for the analysis messages,
// the printed summary and the info text: the Russian catalogue takes a text from
// ru.json, else from de.json, else from en.json.
enum class Language { kEnglish, kRussian };

// A placeholder's value: {"wing", "2"} fills "{wing}".
struct TextValue {
    std::string_view name;
    std::string_view text;
};

// A text by its identifier, with the values of its placeholders.
class Message {
public:
    Message(TextId id, std::span<const TextValue> values);
    // A text without values converts: Message m = TextId::kMemoHeading.
    Message(TextId id, std::initializer_list<TextValue> values = {})
        : Message(id, std::span<const TextValue>(values.begin(), values.size())) {}

    TextId id() const { return id_; }
    std::vector<TextValue> values() const;

    friend bool operator==(const Message&, const Message&) = default;

private:
    TextId id_{};
    std::vector<std::pair<std::string, std::string>> values_;
};

class Catalogue {
public:
    constexpr explicit Catalogue(Language language = Language::kEnglish) : language_(language) {}

    constexpr Language language() const { return language_; }

    // The text as the files hold it, its placeholders unfilled.
    std::string_view Pattern(TextId id) const;
    // The text with every "{name}" of `values` replaced by its value; a placeholder
    // without a value stays as it stands.
    std::string Text(TextId id, std::span<const TextValue> values) const;
    std::string Text(TextId id, std::initializer_list<TextValue> values = {}) const {
        return Text(id, std::span<const TextValue>(values.begin(), values.size()));
    }
    std::string Text(const Message& message) const;
    // The messages' texts, one a line, joined by "\n".
    std::string Lines(std::span<const Message> messages) const;

private:
    Language language_;
};

// The text's name in the files ("analysis.no_area").
std::string_view TextName(TextId id);

}  // namespace kalvesta
