#include "calc/satellite_list_file.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "calc/calc_texts.h"
#include "calc/satellite_entry.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"

namespace {

const std::string Utf8Bom = Utf8ByteOrderMark;
const std::string Utf16LeBom = "\xFF\xFE";
const std::string Utf16BeBom = "\xFE\xFF";

// The message's pieces: 第 12 行：经度“abc”无效
using namespace calc_text;

enum class FileEncoding { Utf8, Cp936 };

template <typename Text>
bool skipped(const Text& line) {
    const std::size_t first = line.find_first_not_of(Text{' ', '\t'});
    return first == Text::npos || line[first] == '#';
}

// One line of the file without its line end, and where the next one starts.
template <typename Text>
Text lineAt(const Text& text, std::size_t& start) {
    std::size_t end = text.find('\n', start);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// "U+D55C": the character of `units` at `index`, a surrogate pair taken whole.
std::string codePointText(const std::u16string& units, std::size_t index) {
    char32_t code = units[index];
    if (code >= 0xD800 && code <= 0xDBFF && index + 1 < units.size() &&
        units[index + 1] >= 0xDC00 && units[index + 1] <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (units[index + 1] - 0xDC00);
    }
    std::string digits;
    for (; code > 0 || digits.size() < 4; code >>= 4) digits += "0123456789ABCDEF"[code & 0xF];
    std::reverse(digits.begin(), digits.end());
    return "U+" + digits;
}

// The first character of the UTF-16 text that code page 936 cannot hold.
std::string firstWithoutCp936Form(const std::u16string& units) {
    for (std::size_t index = 0; index < units.size(); ++index) {
        if (cp936Size(units[index]) == 0) return codePointText(units, index);
    }
    return std::string();
}

SatelliteListFileResult refusal(SatelliteListFault fault, std::size_t line, std::string text = "") {
    SatelliteListFileResult result;
    result.fault = fault;
    result.line = line;
    result.text = std::move(text);
    return result;
}

// One line's text in code page 936, or the refusal of the line.
bool recordOf(const std::string& line, FileEncoding encoding, std::size_t number,
              std::string& record, SatelliteListFileResult& refused) {
    if (line.find('\0') != std::string::npos) {
        refused = refusal(SatelliteListFault::NulByte, number);
        return false;
    }
    std::u16string units;
    if (encoding == FileEncoding::Cp936) {
        if (!cp936ToUtf16(line, units)) {
            refused = refusal(SatelliteListFault::NotText, number);
            return false;
        }
        record = line;
        return true;
    }
    if (!utf8ToUtf16(line, units)) {
        refused = refusal(SatelliteListFault::NotUtf8, number);
        return false;
    }
    if (!utf16ToCp936(units, record)) {
        refused = refusal(SatelliteListFault::NoCp936Form, number, firstWithoutCp936Form(units));
        return false;
    }
    return true;
}

// Chinese, Japanese and Korean: their scripts, punctuation and full-width
// forms, and (by their lead surrogates) the ideographs beyond 16 bits.
bool hasCjkCharacter(const std::u16string& units) {
    static const char16_t ranges[][2] = {
        {0x1100, 0x11FF}, {0x2E80, 0x2FDF}, {0x3000, 0x9FFF}, {0xA960, 0xA97F}, {0xAC00, 0xD7FF},
        {0xD840, 0xD8BF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFFEF},
    };
    return std::any_of(units.begin(), units.end(), [](char16_t unit) {
        return std::any_of(std::begin(ranges), std::end(ranges), [unit](const char16_t* range) {
            return unit >= range[0] && unit <= range[1];
        });
    });
}

// A file without a byte order mark: UTF-8 when every record's line is UTF-8,
// unless no record then holds a Chinese character and the GBK reading of
// them all does (a short GBK file can happen to be valid UTF-8: "小" is
// D0 A1, which UTF-8 reads as "С"). Otherwise GBK when every record's line
// is GBK. Comments are never looked at, so a stray byte in one changes
// nothing. A line that is neither is refused; so, in a file that mixes the
// two, is the first line that is not UTF-8.
bool chooseEncoding(const std::string& text, FileEncoding& encoding,
                    SatelliteListFileResult& refused) {
    bool allUtf8 = true, allCp936 = true, utf8Cjk = false, cp936Cjk = false;
    std::size_t firstNotUtf8 = 0;
    std::size_t start = 0;
    for (std::size_t number = 1; start <= text.size(); ++number) {
        const std::string line = lineAt(text, start);
        if (skipped(line)) continue;
        // The reading stops at a NUL byte, which refuses the line whatever its encoding.
        if (line.find('\0') != std::string::npos) break;
        std::u16string units;
        const bool utf8 = utf8ToUtf16(line, units);
        utf8Cjk = utf8Cjk || (utf8 && hasCjkCharacter(units));
        const bool cp936 = cp936ToUtf16(line, units);
        cp936Cjk = cp936Cjk || (cp936 && hasCjkCharacter(units));
        if (!utf8 && !cp936) {
            refused = refusal(SatelliteListFault::NotText, number);
            return false;
        }
        if (!utf8 && firstNotUtf8 == 0) firstNotUtf8 = number;
        allUtf8 = allUtf8 && utf8;
        allCp936 = allCp936 && cp936;
    }
    if (allUtf8) {
        encoding = !utf8Cjk && allCp936 && cp936Cjk ? FileEncoding::Cp936 : FileEncoding::Utf8;
        return true;
    }
    if (allCp936) {
        encoding = FileEncoding::Cp936;
        return true;
    }
    refused = refusal(SatelliteListFault::NotUtf8, firstNotUtf8);
    return false;
}

// A file with a UTF-16 byte order mark (Notepad's "Unicode", Excel's
// "Unicode text"), little- or big-endian, as UTF-8 text with the same lines.
// A line that is not UTF-16 (half a character, a lone surrogate) is
// refused, unless it is a comment.
bool utf8OfUtf16File(const std::string& fileBytes, std::string& text,
                     SatelliteListFileResult& refused) {
    const bool bigEndian = fileBytes.compare(0, Utf16BeBom.size(), Utf16BeBom) == 0;
    std::u16string units;
    for (std::size_t at = 2; at + 1 < fileBytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(fileBytes[at]);
        const auto second = static_cast<unsigned char>(fileBytes[at + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    const bool halfUnit = fileBytes.size() % 2 != 0;
    text.clear();
    std::size_t start = 0;
    for (std::size_t number = 1; start <= units.size(); ++number) {
        const std::u16string line = lineAt(units, start);
        const bool last = start > units.size();
        std::string utf8;
        if ((halfUnit && last) || !utf16ToUtf8(line, utf8)) {
            if (!skipped(line)) {
                refused = refusal(SatelliteListFault::NotUtf16, number);
                return false;
            }
            utf8 = "#";
        }
        text += utf8;
        if (!last) text += '\n';
    }
    return true;
}

SatelliteListFault listFault(SatelliteTextsFault fault) {
    switch (fault) {
        case SatelliteTextsFault::LongitudeTooLong:
            return SatelliteListFault::LongitudeTooLong;
        case SatelliteTextsFault::LongitudeInvalid:
            return SatelliteListFault::LongitudeInvalid;
        case SatelliteTextsFault::DescriptionEmpty:
            return SatelliteListFault::DescriptionEmpty;
        case SatelliteTextsFault::DescriptionTooLong:
            return SatelliteListFault::DescriptionTooLong;
        case SatelliteTextsFault::None:
            break;
    }
    return SatelliteListFault::None;
}

}  // namespace

SatelliteListFileResult parseSatelliteListFile(const std::string& fileBytes) {
    if (fileBytes.size() > SatelliteListFileLimit)
        return refusal(SatelliteListFault::FileTooLarge, 0);

    std::string text;
    FileEncoding encoding = FileEncoding::Utf8;
    if (fileBytes.compare(0, Utf16LeBom.size(), Utf16LeBom) == 0 ||
        fileBytes.compare(0, Utf16BeBom.size(), Utf16BeBom) == 0) {
        SatelliteListFileResult refused;
        if (!utf8OfUtf16File(fileBytes, text, refused)) return refused;
    } else if (fileBytes.compare(0, Utf8Bom.size(), Utf8Bom) == 0) {
        text = fileBytes.substr(Utf8Bom.size());
    } else {
        text = fileBytes;
        SatelliteListFileResult refused;
        if (!chooseEncoding(text, encoding, refused)) return refused;
    }

    SatelliteListFileResult result;
    std::size_t storedSize = 2;  // the two NULs that end the stored list
    std::size_t start = 0;
    for (std::size_t number = 1; start <= text.size(); ++number) {
        const std::string line = lineAt(text, start);
        if (skipped(line)) continue;

        std::string record;
        SatelliteListFileResult refused;
        if (!recordOf(line, encoding, number, record, refused)) return refused;

        // No trail byte of code page 936 is a comma, so the first comma byte is one.
        const std::size_t comma = record.find(',');
        if (comma == std::string::npos) {
            return refusal(SatelliteListFault::NoComma, number, record);
        }
        const std::string longitude = record.substr(0, comma);
        const std::string description = record.substr(comma + 1);
        const SatelliteTextsFault fault =
            satelliteTextsFault(longitude.c_str(), description.c_str());
        if (fault != SatelliteTextsFault::None) {
            const bool aboutDescription = fault == SatelliteTextsFault::DescriptionEmpty ||
                                          fault == SatelliteTextsFault::DescriptionTooLong;
            return refusal(listFault(fault), number, aboutDescription ? description : longitude);
        }

        storedSize += record.size() + 1;
        if (storedSize > StoredListCapacity) {
            return refusal(SatelliteListFault::ListTooLarge, number);
        }
        result.list += record;
        result.list += '\0';
        ++result.rowCount;
    }
    result.list += '\0';
    return result;
}

std::string satelliteListFileMessage(const SatelliteListFileResult& result) {
    if (result.fault == SatelliteListFault::None) return std::string();
    if (result.fault == SatelliteListFault::FileTooLarge) {
        return FileOver + std::to_string(SatelliteListFileLimit) + Bytes;
    }
    std::string message = LineStart + std::to_string(result.line) + LineEnd;
    switch (result.fault) {
        case SatelliteListFault::NotUtf8:
            return message + NotUtf8;
        case SatelliteListFault::NotText:
            return message + NotText;
        case SatelliteListFault::NotUtf16:
            return message + NotUtf16;
        case SatelliteListFault::NulByte:
            return message + NulByte;
        case SatelliteListFault::NoCp936Form:
            return message + NoCp936Form + " " + result.text;
        case SatelliteListFault::NoComma:
            return message + NoComma;
        case SatelliteListFault::LongitudeTooLong:
            return message + LongitudeOpen + result.text + OverClose +
                   std::to_string(SatelliteLongitudeLimit) + Bytes;
        case SatelliteListFault::LongitudeInvalid:
            return message + LongitudeOpen + result.text + InvalidClose;
        case SatelliteListFault::DescriptionEmpty:
            return message + DescriptionEmpty;
        case SatelliteListFault::DescriptionTooLong:
            return message + DescriptionOver + std::to_string(SatelliteDescriptionLimit) + Bytes;
        case SatelliteListFault::ListTooLarge:
            return message + ListOver + std::to_string(StoredListCapacity) + Bytes;
        case SatelliteListFault::None:
        case SatelliteListFault::FileTooLarge:
            break;
    }
    return message;
}

bool writeSatelliteListFile(const SatelliteTable& table, std::string& fileText) {
    fileText = Utf8Bom;
    for (int row = 0; row < table.rowCount(); ++row) {
        char longitude[CellTextCapacity];
        char description[CellTextCapacity];
        table.getCell(row, ColumnLongitude, longitude, sizeof longitude);
        table.getCell(row, ColumnName, description, sizeof description);
        const std::string longitudeText = longitude;
        const std::string descriptionText = description;
        // A line feed would end the line early, a comma in the longitude split it elsewhere.
        if (longitudeText.find_first_of(",\n") != std::string::npos ||
            descriptionText.find('\n') != std::string::npos) {
            return false;
        }
        std::string longitudeUtf8;
        std::string descriptionUtf8;
        if (!cp936ToUtf8(longitudeText, longitudeUtf8) ||
            !cp936ToUtf8(descriptionText, descriptionUtf8)) {
            return false;
        }
        fileText += longitudeUtf8 + "," + descriptionUtf8 + "\r\n";
    }
    return true;
}
