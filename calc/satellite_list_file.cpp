#include "calc/satellite_list_file.h"

#include <algorithm>
#include <cstdio>

#include "calc/satellite_entry.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"

namespace {

const std::string Utf8Bom = "\xEF\xBB\xBF";

// The message's code page 936 pieces. Each stands alone, so that no escape
// runs into the digits or letters that follow it.
const char LineStart[] = "\xB5\xDA ";                                         // "第 "
const char LineEnd[] = " \xD0\xD0\xA3\xBA";                                   // " 行："
const char LongitudeOpen[] = "\xBE\xAD\xB6\xC8\xA1\xB0";                      // 经度“
const char InvalidClose[] = "\xA1\xB1\xCE\xDE\xD0\xA7";                       // ”无效
const char OverClose[] = "\xA1\xB1\xB3\xAC\xB9\xFD ";                         // "”超过 "
const char Bytes[] = " \xD7\xD6\xBD\xDA";                                     // " 字节"
const char NoComma[] = "\xC8\xB1\xC9\xD9\xB6\xBA\xBA\xC5";                    // 缺少逗号
const char DescriptionEmpty[] = "\xCB\xB5\xC3\xF7\xCE\xAA\xBF\xD5";           // 说明为空
const char DescriptionOver[] = "\xCB\xB5\xC3\xF7\xB3\xAC\xB9\xFD ";           // "说明超过 "
const char ListOver[] = "\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED\xB3\xAC\xB9\xFD ";  // "卫星列表超过 "
const char FileOver[] = "\xCE\xC4\xBC\xFE\xB3\xAC\xB9\xFD ";                  // "文件超过 "
const char NulByte[] = "\xBA\xAC\xD3\xD0 NUL \xD7\xD6\xBD\xDA";               // 含有 NUL 字节
// 含有无法用 GBK 表示的字符 (followed by " U+XXXX")
const char NoCp936Form[] =
    "\xBA\xAC\xD3\xD0\xCE\xDE\xB7\xA8\xD3\xC3 GBK \xB1\xED\xCA\xBE\xB5\xC4\xD7\xD6\xB7\xFB";
// 不是有效的 UTF-8 文本
const char NotUtf8[] = "\xB2\xBB\xCA\xC7\xD3\xD0\xD0\xA7\xB5\xC4 UTF-8 \xCE\xC4\xB1\xBE";
// 既不是 UTF-8 也不是 GBK 文本
const char NotText[] =
    "\xBC\xC8\xB2\xBB\xCA\xC7 UTF-8 \xD2\xB2\xB2\xBB\xCA\xC7 GBK \xCE\xC4\xB1\xBE";

enum class FileEncoding { Utf8, Cp936 };

bool skipped(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
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

    const bool marked = fileBytes.compare(0, Utf8Bom.size(), Utf8Bom) == 0;
    const std::string text = marked ? fileBytes.substr(Utf8Bom.size()) : fileBytes;
    std::u16string units;
    const FileEncoding encoding =
        marked || utf8ToUtf16(text, units) ? FileEncoding::Utf8 : FileEncoding::Cp936;

    SatelliteListFileResult result;
    std::size_t storedSize = 2;  // the two NULs that end the stored list
    std::size_t start = 0;
    for (std::size_t number = 1; start <= text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
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
