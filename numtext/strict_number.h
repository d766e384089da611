#pragma once
// The program's one reader of a number that a person typed: a box, an
// option, a field of a file. It asks more of the text than TextToNumber,
// which takes an empty text as zero and does not look past an exponent.

#include <cfloat>
#include <string_view>

// The numbers a text may give, both ends included.
struct NumberRange {
    long double low = -LDBL_MAX;
    long double high = LDBL_MAX;

    constexpr bool contains(long double value) const { return value >= low && value <= high; }
};

// Why a text gives no number.
enum class NumberRefusal {
    None,        // read
    Blank,       // nothing but spaces (or nothing at all)
    NotANumber,  // anything else that is not one whole number, or one TextToNumber refuses
    OutOfRange,  // a number outside the range
};

// Reads `text` as one number within `range`, read by TextToNumber. Writes
// the number to `*value`, or 0 when the text is refused; -0 reads as +0.
//
// Grammar: spaces* [sign] digits ['.' digits*] ['e' [sign] digits] spaces*
//          or with the digits after the point: [sign] '.' digits
// (at least one digit before the exponent, one after the 'e', no fraction
// in the exponent, no space inside the number).
//   accepted: "12" " 12.5 " ".5" "5." "+7" "-3" "1.2e1" "1e+2" "1e-2" "-0" (as 0)
//   Blank:    "" "   "
//   refused:  "." "-" "+" "e5" "1e" "1e0x" "1e1-3" "1e0.5" "1E1" "1 2" "1,5" "12abc"
//             "\t5" "1e5000" (TextToNumber refuses it), and with a range, a
//             number outside it (OutOfRange).
NumberRefusal readStrictNumber(std::string_view text, NumberRange range, long double* value);
