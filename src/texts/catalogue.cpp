// Looking a text up through the language's files and filling its placeholders.
#include "texts/catalogue.h"

#include <algorithm>

#include "texts/text_tables.h"

namespace kalvesta {
namespace {

constexpr auto Index(TextId id) {
    return static_cast<size_t>(id);
}

}  // namespace

Message::Message(TextId id, std::span<const TextValue> values) : id_(id) {
    for (const TextValue& value : values) {
        values_.emplace_back(value.name, value.text);
    }
}

std::vector<TextValue> Message::values() const {
    std::vector<TextValue> views;
    for (const auto& [name, text] : values_) {
        views.push_back({name, text});
    }
    return views;
}

std::string_view Catalogue::Pattern(TextId id) const {
    const size_t i = Index(id);
    if (language_ == Language::kRussian) {
        for (const char* const* table : {texts::kRussian, texts::kGerman}) {
            if (table[i] != nullptr) {
                return table[i];
            }
        }
    }
    // en.json holds every text.
    return texts::kEnglish[i];
}

std::string Catalogue::Text(TextId id, std::span<const TextValue> values) const {
    const std::string_view pattern = Pattern(id);
    std::string text;
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        const size_t close = pattern.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            break;
        }
        text += pattern.substr(at, open - at);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value =
            std::find_if(values.begin(), values.end(),
                         [name](const TextValue& each) { return each.name == name; });
        text += value != values.end() ? value->text : pattern.substr(open, close - open + 1);
        at = close + 1;
    }
    text += pattern.substr(std::min(at, pattern.size()));
    return text;
}

std::string Catalogue::Text(const Message& message) const {
    return Text(message.id(), message.values());
}

std::string Catalogue::Lines(std::span<const Message> messages) const {
    std::string lines;
    for (size_t i = 0; i < messages.size(); ++i) {
        lines += i > 0 ? "\n" : "";
        lines += Text(messages[i]);
    }
    return lines;
}

std::string_view TextName(TextId id) {
    return texts::kNames[Index(id)];
}

}  // namespace kalvesta
