#pragma once
// The program's only conversions between decimal text and numbers.
//
// Every number is an x87 80-bit extended value. Texts are single-byte
// (code page 936) and NUL-terminated.

#include <cfloat>
#include <cstddef>

static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "long double must be the x87 80-bit extended format (GCC or Clang on x86)");

// The buffer NumberToText needs for two decimals at the default width: the
// longest such text ("-1000000000000000.00") is 20 bytes and the NUL.
constexpr std::size_t NumberTextCapacity = 21;

// Writes `value` as text into `buffer`.
//
// width: the most characters after the sign; 0 selects 24, below 8 counts as 8.
// decimals: 0 or more shows that many decimals; -1 is the automatic mode
//   (as many significant digits as needed, at most 16).
//
// With width 0 and 2 decimals (what the program always asks for):
//   116.41 -> "116.41"   57 -> "57.00"    -0.5 -> "-0.50"   9.999 -> "10.00"
//   0.005  -> "0.005"    0.0004 -> "4.00e-4"  1e15 -> "1.00e15"
//   +0 and -0 -> "0"     NaN, subnormals, undefined encodings -> "Error"
//   +inf -> "+∞" and -inf -> "-∞" (the infinity sign in code page 936)
// The caller provides at least NumberTextCapacity bytes.
void NumberToText(long double value, char* buffer, unsigned width, int decimals);

// Reads a number from `text`, removing its blanks (spaces only) in place first.
// Returns 1 and the number, or 0 and +0 when the text is rejected; `*value`
// is written on every call.
//
// Grammar after blank removal: [sign] digits* ['.' digits*] ['e' [sign] digits* ['.' digits*]]
//   accepted: "116.41" "1 16 . 4 1" "-0.5" "+5" ".5" "5." "" "-" (gives -0) "." "1e3"
//             "1.5e-2" "1e" "e5" (0) "1e0.5" "1e4932" "1e-4931" "1e5abc" (text after a
//             complete exponent is not examined)
//   rejected: "1E3" "12abc" "1,5" "--5" "1.2.3" "\t5" "1e4933" "12e4931" "1e-4932"
//             "0e5000", and any text whose reading overflows, underflows below the
//             normal range or divides by zero.
int TextToNumber(char* text, long double* value);
