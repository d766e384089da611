#pragma once
// The one number grammar of horizon files and the stored obstacles.

#include <string>

// Reads `text` when it is one whole number: [sign] digits ['.' digits]
// ['e' [sign] digits], with at least one digit before the exponent, read by
// TextToNumber; -0 reads as +0. False (and `value` unchanged) otherwise.
//   accepted: "12" "12.5" ".5" "5." "+7" "1.2e1" "-0"
//   refused:  "" "." "abc" "12abc" "1e" "e5" "1e1-3" "1E1" "1e0.5"
bool readHorizonNumber(const std::string& text, long double& value);
