// Any bytes as a horizon file, and the same bytes (up to their first NUL) as
// a stored horizon setting.
//
// A refused file names a line within the file; an accepted one gives a
// horizon within 0..90 everywhere, at least as high as each of its sectors
// and points; a setting that reads writes a text that reads back to the same
// sectors.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fieldkit/compass_bearings.h"
#include "fieldkit/horizon_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Lines as the reader counts them: each ends at a "\n" or at the end.
std::size_t lineCount(const std::string& file) {
    const std::size_t ends = static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n'));
    return ends + (!file.empty() && file.back() != '\n' ? 1 : 0);
}

void checkElevation(const Horizon& horizon, long double azimuth, long double atLeast) {
    const long double elevation = horizon.elevationAt(azimuth);
    require(elevation >= 0 && elevation <= 90, "the horizon lies within 0..90");
    require(elevation >= atLeast, "the horizon is as high as what stands at the azimuth");
}

void checkRefusal(const std::string& file, const Horizon& horizon, const HorizonFileError& error) {
    require(error.problem != HorizonFileProblem::None, "a refusal says what is wrong");
    if (error.problem == HorizonFileProblem::TooLarge) {
        require(error.line == 0 && file.size() > HorizonFileLimit,
                "only a large file is too large");
    } else {
        require(error.line >= 1 && error.line <= lineCount(file),
                "a refusal names a line of the file");
    }
    require(error.text.size() <= HorizonQuotedTextLimit, "the quoted text is cut");
    const std::string message = horizonFileMessage(error);
    require(!message.empty(), "a refusal has a message");
    for (char c : message) require(c >= 0x20 && c < 0x7F, "the message is printable ASCII");
    require(error.line == 0 || message.rfind("line " + std::to_string(error.line) + ": ", 0) == 0,
            "the message starts with its line");
    require(horizon.sectors().size() == 1 && horizon.profile().empty(),
            "a refused file leaves the horizon as it was");
}

void checkHorizon(const Horizon& horizon) {
    require(horizon.sectors().size() <= HorizonSectorCapacity &&
                horizon.profile().size() <= HorizonPointCapacity,
            "a horizon holds no more than its capacity");
    for (int degree = 0; degree < 360; ++degree) checkElevation(horizon, degree, 0);
    for (const HorizonSector& sector : horizon.sectors()) {
        require(isValidSector(sector), "every sector is valid");
        checkElevation(horizon, sector.from, sector.elevation);
        checkElevation(horizon, sector.to, sector.elevation);
        checkElevation(horizon, sector.from + 1e-9L, 0);
        checkElevation(horizon, sector.to - 1e-9L, 0);
    }
    const std::vector<HorizonPoint>& profile = horizon.profile();
    for (std::size_t k = 0; k < profile.size(); ++k) {
        require(isValidPoint(profile[k]), "every point is valid");
        require(k == 0 || profile[k - 1].azimuth <= profile[k].azimuth, "the profile is sorted");
        checkElevation(horizon, profile[k].azimuth, profile[k].elevation);
        checkElevation(horizon, profile[k].azimuth + 1e-9L, 0);
    }
}

bool sameSectors(const HorizonSetting& a, const HorizonSetting& b) {
    if (a.compassBearings != b.compassBearings || a.sectors.size() != b.sectors.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.sectors.size(); ++k) {
        const HorizonSector& x = a.sectors[k];
        const HorizonSector& y = b.sectors[k];
        if (x.from != y.from || x.to != y.to || x.elevation != y.elevation) return false;
    }
    return true;
}

// A setting that reads writes a text that reads to the same setting and
// writes the same text again.
void checkSettingRoundTrip(const HorizonSetting& setting) {
    char text[HorizonSettingCapacity];
    require(formatHorizonSetting(setting, text), "a setting read is written");
    require(std::strlen(text) < HorizonSettingCapacity, "the text fits its capacity");
    HorizonSetting again;
    require(parseHorizonSetting(text, again), "a written setting reads");
    require(sameSectors(setting, again), "a written setting reads the same sectors");
    char second[HorizonSettingCapacity];
    require(formatHorizonSetting(again, second) && std::strcmp(text, second) == 0,
            "a setting read again writes the same text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    Horizon horizon;
    horizon.setSectors({{1, 2, 3}});
    HorizonFileError error;
    if (readHorizonFile(file, horizon, error)) {
        require(error.problem == HorizonFileProblem::None, "an accepted file has no problem");
        checkHorizon(horizon);
        // Sectors from a file make a setting, kept to two decimals.
        HorizonSetting fromFile{false, horizon.sectors()};
        char text[HorizonSettingCapacity];
        require(formatHorizonSetting(fromFile, text), "a file's sectors make a setting");
        HorizonSetting read;
        require(parseHorizonSetting(text, read), "a file's setting reads");
        checkSettingRoundTrip(read);
    } else {
        checkRefusal(file, horizon, error);
    }

    const std::unique_ptr<char[]> stored = exactText(reinterpret_cast<const char*>(data), size);
    HorizonSetting setting;
    if (parseHorizonSetting(stored.get(), setting)) {
        require(setting.sectors.size() <= HorizonSectorCapacity, "a setting holds its capacity");
        checkSettingRoundTrip(setting);
        Horizon fromSetting;
        require(fromSetting.setSectors(trueSectors(setting, -7.5L)), "a setting makes a horizon");
        checkHorizon(fromSetting);
    }
    return 0;
}
