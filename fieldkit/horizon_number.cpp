#include "fieldkit/horizon_number.h"

#include <vector>

#include "numtext/numtext.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` is one whole number: [sign] digits ['.' digits] ['e' [sign]
// digits], with a digit before the exponent. TextToNumber alone would take
// "", "." or "e5" as zero and not look past a complete exponent ("1e1-3").
bool isWholeNumber(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < n && isDigit(text[i]); ++i) ++digits;
    if (i < n && text[i] == '.') {
        for (++i; i < n && isDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return false;
    if (i < n && text[i] == 'e') {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == n;
}

}  // namespace

bool readHorizonNumber(const std::string& text, long double& value) {
    if (!isWholeNumber(text)) return false;
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    long double read = 0;
    if (TextToNumber(copy.data(), &read) != 1) return false;
    value = read + 0.0L;
    return true;
}
