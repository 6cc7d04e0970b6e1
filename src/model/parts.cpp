// The rules of a parts row.
#include "model/parts.h"

#include <cmath>

#include "model/decimal_text.h"

namespace kalvesta {

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> ReadPartNumber(std::string_view text, bool decimal_comma) {
    std::string number(TrimBlanks(text));
    // ReadDecimal takes no "+", so it is dropped; the digits follow the one sign.
    size_t digits_at = 0;
    if (!number.empty() && number.front() == '+') {
        number.erase(0, 1);
    } else if (!number.empty() && number.front() == '-') {
        digits_at = 1;
    }
    if (decimal_comma && number.find('.') == std::string::npos) {
        if (const size_t comma = number.find(','); comma != std::string::npos) {
            number[comma] = '.';
        }
    }
    // A second sign, "inf", "nan" and hexadecimal forms are refused: only digits
    // (or the decimal point) may start the number.
    if (digits_at >= number.size() ||
        (number[digits_at] != '.' && (number[digits_at] < '0' || number[digits_at] > '9'))) {
        return std::nullopt;
    }
    const DecimalRead read = ReadDecimal(number);
    if (read.error != std::errc{} || read.length != number.size()) {
        return std::nullopt;
    }
    return read.value;
}

PartRow ReadPartRow(std::string_view name, std::string_view mass_g, std::string_view x_mm,
                    bool decimal_comma) {
    PartRow row;
    row.part.name = std::string(TrimBlanks(name));
    const std::optional<double> mass = ReadPartNumber(mass_g, decimal_comma);
    const std::optional<double> x = ReadPartNumber(x_mm, decimal_comma);
    if (row.part.name.empty()) {
        row.problem = PartRowProblem::kEmptyName;
    } else if (!mass) {
        row.problem = PartRowProblem::kMassNotANumber;
    } else if (!(*mass > 0.0)) {
        row.problem = PartRowProblem::kMassNotPositive;
    } else if (!x) {
        row.problem = PartRowProblem::kXNotANumber;
    } else {
        row.part.mass_g = *mass;
        row.part.x_mm = *x;
    }
    return row;
}

Message DescribePartRowProblem(PartRowProblem problem, std::string_view mass_g,
                               std::string_view x_mm, PartFieldNames names) {
    switch (problem) {
        case PartRowProblem::kNone:
        case PartRowProblem::kEmptyName:
            break;
        case PartRowProblem::kMassNotANumber:
            return {TextId::kPartsNotANumber,
                    {{"field", names.mass}, {"text", TrimBlanks(mass_g)}}};
        case PartRowProblem::kMassNotPositive:
            return {TextId::kPartsNotPositive,
                    {{"field", names.mass}, {"text", TrimBlanks(mass_g)}}};
        case PartRowProblem::kXNotANumber:
            return {TextId::kPartsNotANumber, {{"field", names.x}, {"text", TrimBlanks(x_mm)}}};
    }
    return TextId::kPartsNoName;
}

}  // namespace kalvesta
