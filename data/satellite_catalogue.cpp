#include "data/satellite_catalogue.h"

#include <cstring>
#include <string>

#include "encoding/bounded_text.h"

// The 39 built-in satellites in ascending order of longitude. Each record is
// followed by its NUL; the literal's own terminating zero is the NUL that
// ends the list. A literal one byte too long does not compile.
// clang-format off
const char DefaultCatalogue[DefaultCatalogueSize] =
    // 57.0,国际703  (InterSat-707)
    "57.0,\xB9\xFA\xBC\xCA" "703  (InterSat-707)" "\0"
    // 60.0,国际604  (InterSat-604)
    "60.0,\xB9\xFA\xBC\xCA" "604  (InterSat-604)" "\0"
    // 62.0,国际602  (InterSat-602)
    "62.0,\xB9\xFA\xBC\xCA" "602  (InterSat-602)" "\0"
    // 64.0,国际804  (InterSat-804)
    "64.0,\xB9\xFA\xBC\xCA" "804  (InterSat-804)" "\0"
    // 66.0,国际704  (InterSat-704)
    "66.0,\xB9\xFA\xBC\xCA" "704  (InterSat-704)" "\0"
    // 68.5,泛美4/7  (PanamSat-4/7)
    "68.5,\xB7\xBA\xC3\xC0" "4/7  (PanamSat-4/7)" "\0"
    // 75.0,俄星LMI1 (LMI1)
    "75.0,\xB6\xED\xD0\xC7LMI1 (LMI1)" "\0"
    // 76.5,亚太2R   (ApStar-2R)
    "76.5,\xD1\xC7\xCC\xAB" "2R   (ApStar-2R)" "\0"
    // 77.0,航向1号  (Luch-1)
    "77.0,\xBA\xBD\xCF\xF2" "1\xBA\xC5  (Luch-1)" "\0"
    // 78.5,泰星2/3  (ThaiCom-2/3)
    "78.5,\xCC\xA9\xD0\xC7" "2/3  (ThaiCom-2/3)" "\0"
    // 80.0,快车6号  (Express-6)
    "80.0,\xBF\xEC\xB3\xB5" "6\xBA\xC5  (Express-6)" "\0"
    // 83.0,印度2E   (InSat-2E)
    "83.0,\xD3\xA1\xB6\xC8" "2E   (InSat-2E)" "\0"
    // 87.5,中卫1号  (ChinaStar-1)
    "87.5,\xD6\xD0\xCE\xC0" "1\xBA\xC5  (ChinaStar-1)" "\0"
    // 88.0,中新1号  (ST-1)
    "88.0,\xD6\xD0\xD0\xC2" "1\xBA\xC5  (ST-1)" "\0"
    // 91.5,马星1号  (MeaSat-1)
    "91.5,\xC2\xED\xD0\xC7" "1\xBA\xC5  (MeaSat-1)" "\0"
    // 93.5,印度2B/2 (CInSat 2B/2C)
    "93.5,\xD3\xA1\xB6\xC8" "2B/2 (CInSat 2B/2C)" "\0"
    // 95.0,国际K-TV (NSS K-TV)
    "95.0,\xB9\xFA\xBC\xCAK-TV (NSS K-TV)" "\0"
    // 100.5,亚洲2号  (AsiaSat-2)
    "100.5,\xD1\xC7\xD6\xDE" "2\xBA\xC5  (AsiaSat-2)" "\0"
    // 105.5,亚洲3号  (AsiaSat-3S)
    "105.5,\xD1\xC7\xD6\xDE" "3\xBA\xC5  (AsiaSat-3S)" "\0"
    // 110.0,百合花   (Bsat-1A/1B)
    "110.0,\xB0\xD9\xBA\xCF\xBB\xA8   (Bsat-1A/1B)" "\0"
    // 110.5,鑫诺1号  (SinoSat-1)
    "110.5,\xF6\xCE\xC5\xB5" "1\xBA\xC5  (SinoSat-1)" "\0"
    // 113.0,帕拉帕C2 (Palapa-C2)
    "113.0,\xC5\xC1\xC0\xAD\xC5\xC1" "C2 (Palapa-C2)" "\0"
    // 115.5,中星8号  (待发射)
    "115.5,\xD6\xD0\xD0\xC7" "8\xBA\xC5  (\xB4\xFD\xB7\xA2\xC9\xE4)" "\0"
    // 116.0,韩星1/2  (KoreaSat-1/2)
    "116.0,\xBA\xAB\xD0\xC7" "1/2  (KoreaSat-1/2)" "\0"
    // 120.0,泰星1A   (ThaiCom-1A)
    "120.0,\xCC\xA9\xD0\xC7" "1A   (ThaiCom-1A)" "\0"
    // 122.0,亚洲1号  (AsiaSat-1)
    "122.0,\xD1\xC7\xD6\xDE" "1\xBA\xC5  (AsiaSat-1)" "\0"
    // 124.0,日本通信4号 (JcSat-4)
    "124.0,\xC8\xD5\xB1\xBE\xCD\xA8\xD0\xC5" "4\xBA\xC5 (JcSat-4)" "\0"
    // 125.0,中星6号  (ChinaSat-6)
    "125.0,\xD6\xD0\xD0\xC7" "6\xBA\xC5  (ChinaSat-6)" "\0"
    // 128.0,日本通信3号 (JcSat-3)
    "128.0,\xC8\xD5\xB1\xBE\xCD\xA8\xD0\xC5" "3\xBA\xC5 (JcSat-3)" "\0"
    // 134.0,亚太1A号 (ApStar-1A)
    "134.0,\xD1\xC7\xCC\xAB" "1A\xBA\xC5 (ApStar-1A)" "\0"
    // 138.0,亚太1号  (ApStar-1)
    "138.0,\xD1\xC7\xCC\xAB" "1\xBA\xC5  (ApStar-1)" "\0"
    // 144.0,超鸟C    (SuperBird-C)
    "144.0,\xB3\xAC\xC4\xF1" "C    (SuperBird-C)" "\0"
    // 146.0,马步海   (Agila-2)
    "146.0,\xC2\xED\xB2\xBD\xBA\xA3   (Agila-2)" "\0"
    // 162.0,超鸟B1   (SuperBird-B1)
    "162.0,\xB3\xAC\xC4\xF1" "B1   (SuperBird-B1)" "\0"
    // 166.0,泛美8号  (PanamSat-8)
    "166.0,\xB7\xBA\xC3\xC0" "8\xBA\xC5  (PanamSat-8)" "\0"
    // 169.0,泛美2号  (PanamSat-2)
    "169.0,\xB7\xBA\xC3\xC0" "2\xBA\xC5  (PanamSat-2)" "\0"
    // 174.0,国际802  (InterSat-802)
    "174.0,\xB9\xFA\xBC\xCA" "802  (InterSat-802)" "\0"
    // 177.0,国际702  (InterSat-702)
    "177.0,\xB9\xFA\xBC\xCA" "702  (InterSat-702)" "\0"
    // 180.0,国际701  (InterSat-701)
    "180.0,\xB9\xFA\xBC\xCA" "701  (InterSat-701)" "\0";
// clang-format on

SatelliteRecordParts splitSatelliteRecord(const char* record, std::size_t available) {
    SatelliteRecordParts parts;
    const void* end = std::memchr(record, '\0', available);
    parts.recordLength =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - record) : available;

    // The longitude text: the bytes before the first comma, at most 20 of them
    // (counted in bytes, even when the 20th begins a double-byte character).
    std::size_t scanned = 0;
    while (scanned < parts.recordLength && scanned < RecordLongitudeLimit && record[scanned] != ',')
        ++scanned;
    std::memcpy(parts.longitudeText, record, scanned);
    parts.longitudeText[scanned] = '\0';

    // The description follows the record's first comma, wherever that lies:
    // a record with 20 or more bytes before it still shows its description,
    // and a record without a comma has none. No trail byte of code page 936
    // is 0x2C, so the first comma byte is a real comma.
    const void* comma = std::memchr(record, ',', parts.recordLength);
    if (comma) {
        parts.description = static_cast<const char*>(comma) + 1;
        parts.descriptionLength = parts.recordLength - (parts.description - record);
    } else {
        parts.description = record + parts.recordLength;
    }
    return parts;
}

void fillSatelliteTable(SatelliteTable& table, const char* list, std::size_t size) {
    int row = table.rowCount();
    std::size_t position = 0;
    while (position < size && list[position] != '\0') {
        SatelliteRecordParts parts = splitSatelliteRecord(list + position, size - position);
        std::string description(parts.description, parts.descriptionLength);
        table.insertRow(row, description.c_str());
        table.setCell(row, ColumnLongitude, parts.longitudeText);
        // Past the whole record and its NUL, wherever the split stopped.
        position += parts.recordLength + 1;
        ++row;
    }
}

std::size_t formSatelliteRecord(const SatelliteTable& table, int row, char* record,
                                std::size_t capacity) {
    if (record == nullptr || capacity == 0) return 0;
    char longitude[CellTextCapacity];
    char description[CellTextCapacity];
    table.getCell(row, ColumnLongitude, longitude, sizeof longitude);
    table.getCell(row, ColumnName, description, sizeof description);

    BoundedText text(record, capacity);
    text.append(longitude);
    text.append(",");
    text.append(description);
    return text.length();
}
