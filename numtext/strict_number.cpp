#include "numtext/strict_number.h"

#include <string>

#include "numtext/numtext.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// How many digits start `text` at `at`, moving `at` past them.
std::size_t skipDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    return at - start;
}

void skipSign(std::string_view text, std::size_t& at) {
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
}

// [sign] digits ['.' digits] ['e' [sign] digits], a digit in the mantissa.
bool isOneNumber(std::string_view text) {
    std::size_t at = 0;
    skipSign(text, at);
    std::size_t digits = skipDigits(text, at);
    if (at < text.size() && text[at] == '.') {
        ++at;
        digits += skipDigits(text, at);
    }
    if (digits == 0) return false;
    if (at < text.size() && text[at] == 'e') {
        ++at;
        skipSign(text, at);
        if (skipDigits(text, at) == 0) return false;
    }
    return at == text.size();
}

std::string_view withoutSurroundingSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

NumberRefusal readStrictNumber(std::string_view text, NumberRange range, long double* value) {
    *value = 0;
    const std::string_view number = withoutSurroundingSpaces(text);
    if (number.empty()) return NumberRefusal::Blank;
    if (!isOneNumber(number)) return NumberRefusal::NotANumber;
    std::string copy(number);  // TextToNumber works in place
    long double read = 0;
    if (TextToNumber(copy.data(), &read) != 1) return NumberRefusal::NotANumber;
    if (!range.contains(read)) return NumberRefusal::OutOfRange;
    *value = read + 0.0L;  // -0 reads as +0
    return NumberRefusal::None;
}
