#pragma once
// Satellite list files: the one format in which the program and kestrave-cli
// read and write a satellite list.
//
// A text file with one LONGITUDE,DESCRIPTION per line, split at the line's
// first comma (a description may hold commas). Lines holding only blanks and
// tabs, and lines whose first character other than those is '#', are
// skipped. Lines end in LF or CRLF.
//
// Encoding: a file that starts with a UTF-8 byte order mark is UTF-8, one
// with a UTF-16 byte order mark (little- or big-endian) UTF-16. One without
// is UTF-8 when every line other than blanks and comments is valid UTF-8,
// except when the UTF-8 reading of those lines holds no Chinese character
// and the code page 936 reading does; otherwise it is code page 936 (GBK,
// what Notepad saves as "ANSI" on a Chinese Windows). Comments are not
// looked at for this, so a stray byte in one changes nothing.
//
//   UTF-8:  "57.0,a" "60.0,\xE5\x9B\xBD\xE9\x99\x85" (国际) "# \xB5" (a GBK byte in a comment)
//   GBK:    "110.5,\xD0\xA1" (小, which is also UTF-8 for "С")    "60.0,\xB9\xFA\xBC\xCA" (国际)
//   refused: "60.0,a\xA1" (neither)
//
// Each record must pass the satellite dialog's rule, satelliteTextsAcceptable
// (calc/satellite_entry.h), on its texts as the file spells them, blanks
// included; every character must have a code page 936 form; and the whole
// list must fit the stored list's StoredListCapacity bytes.
//
//   accepted:  "115.5,中星6E  (ChinaSat 6E)"    "57.0,a,b" (description "a,b")
//              " 57.0,x" (longitude " 57.0")    "# a comment"    "   "
//   refused:   "abc,x" (longitude)    "57.0" (no comma)    "57.0," (empty description)
//              "105.500,x" (longitude over 6 bytes)    "57.0,한국" (no code page 936 form)

#include <cstddef>
#include <string>

#include "data/satellite_table.h"

// The largest file read. The largest list that fits (36,000 bytes of code
// page 936) takes at most 54,000 bytes as UTF-8 with CRLF line ends; the rest
// leaves room for comments many times that long, and a file this size still
// reads at once. Anything larger is not a list: it is refused unread.
constexpr std::size_t SatelliteListFileLimit = 1024 * 1024;

enum class SatelliteListFault {
    None,
    FileTooLarge,  // over SatelliteListFileLimit bytes (line 0: the whole file)
    NotUtf8,   // after a UTF-8 byte order mark, or where UTF-8 and GBK lines mix, a line not UTF-8
    NotText,   // in a file without a byte order mark, a line neither UTF-8 nor code page 936
    NotUtf16,  // after a UTF-16 byte order mark, a line that is not UTF-16
    NulByte,   // a NUL byte in a record's line
    NoCp936Form,       // a character with no code page 936 form; text is "U+XXXX"
    NoComma,           // text is the line
    LongitudeTooLong,  // text is the longitude
    LongitudeInvalid,  // text is the longitude
    DescriptionEmpty,
    DescriptionTooLong,  // text is the description
    ListTooLarge,        // the line whose record takes the list over StoredListCapacity
};

struct SatelliteListFileResult {
    SatelliteListFault fault = SatelliteListFault::None;
    // The refused line, counted from 1; 0 when the file as a whole is refused.
    std::size_t line = 0;
    // The offending text in code page 936, where it has one (see above).
    std::string text;
    // When accepted: the SatelliteListText (code page 936 records, each with
    // its NUL, then the ending NUL) and its number of records.
    std::string list;
    int rowCount = 0;
};

// Reads a list file from its bytes; one over SatelliteListFileLimit bytes is refused unread.
SatelliteListFileResult parseSatelliteListFile(const std::string& fileBytes);

// The refusal as the program says it, in code page 936:
// "第 7 行：经度“abc”无效". Empty when the file was accepted.
std::string satelliteListFileMessage(const SatelliteListFileResult& result);

// The table's rows (column 1, a comma, column 0) as a list file: UTF-8 with a
// byte order mark, one row per line in the table's order, each ended by CRLF;
// an empty table gives the byte order mark alone. False, leaving `fileText`
// unspecified, when a cell cannot be converted to UTF-8 or cannot be written
// as one line that reads back as it is (a line feed, or a comma in the longitude).
bool writeSatelliteListFile(const SatelliteTable& table, std::string& fileText);
