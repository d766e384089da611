#pragma once
// Horizon files: the obstacles or the horizon profile an installer wrote
// down, read into a Horizon, and the reader's refusals in words.

#include <cstddef>
#include <string>

#include "fieldkit/horizon.h"

// A UTF-8 or ASCII text with LF or CRLF line ends and an optional UTF-8 byte
// order mark: one obstacle `FROM,TO,ELEVATION` or one profile point
// `AZIMUTH,ELEVATION` per line, in true azimuths. The numbers are separated
// by a comma or blanks (spaces, tabs) or both: "120,150,12.5", "120 150 12.5",
// "120, 150, 12.5". `#` starts a comment to the end of its line; blank lines
// are skipped. The first line with numbers fixes the file's kind: every line
// after it has as many numbers. A file without numbers is a clear horizon.
//
// A number is what readStrictNumber (numtext/strict_number.h) reads:
//   accepted: "12" "12.5" ".5" "5." "+7" "1.2e1" "-0" (as 0)
//   refused:  "" "." "abc" "12abc" "1,5" (two numbers) "1e" "e5" "1e1-3" "1E1"
//             "1e0.5" "12°" "１２" (full-width), and numbers out of range.
//
// Refused: a file over HorizonFileLimit bytes, and the first bad line.

constexpr std::size_t HorizonFileLimit = 64 * 1024;
// The most bytes of a refused number HorizonFileError keeps.
constexpr std::size_t HorizonQuotedTextLimit = 24;

enum class HorizonFileProblem {
    None,
    TooLarge,           // more than HorizonFileLimit bytes; line 0
    WrongCount,         // a line with other than 2 or 3 numbers
    PointAmongSectors,  // 2 numbers in a file of obstacles (3 each)
    SectorAmongPoints,  // 3 numbers in a file of profile points (2 each)
    NotANumber,
    OutOfRange,      // an azimuth beyond 0..360 or an elevation beyond 0..90
    TooManySectors,  // the line of obstacle HorizonSectorCapacity + 1
    TooManyPoints,   // the line of point HorizonPointCapacity + 1
};

// Which number of its line a refusal names.
enum class HorizonField { None, From, To, Azimuth, Elevation };

struct HorizonFileError {
    HorizonFileProblem problem = HorizonFileProblem::None;
    std::size_t line = 0;  // 1-based; 0 for the file as a whole
    HorizonField field = HorizonField::None;
    // NotANumber, OutOfRange: the number's text as the file has it (any
    // bytes), cut to HorizonQuotedTextLimit bytes when textCut.
    std::string text;
    bool textCut = false;
    std::size_t count = 0;  // WrongCount: how many numbers the line has
};

// Reads a horizon file. Returns false with the first problem, leaving
// `horizon` as it was.
bool readHorizonFile(const std::string& fileText, Horizon& horizon, HorizonFileError& error);

// The refusal in English for the command line, one line, printable ASCII
// (other bytes of a quoted text as \xNN):
//   line 7: azimuth "abc" is not a number
//   line 4: elevation "95" is not within 0 to 90
//   line 3: 4 numbers, where an obstacle has 3 and a profile point 2
//   line 9: a profile point (2 numbers) in a file of obstacles (3 numbers each)
//   line 70: more than 64 obstacles
//   the file is larger than 65536 bytes
std::string horizonFileMessage(const HorizonFileError& error);
