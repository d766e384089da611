#include "cli/horizon_option.h"

#include "cli/file_access.h"

bool loadHorizonOption(const std::string& path, Horizon& horizon, std::string& error) {
    std::string fileText;
    if (!readFileStart(path, HorizonFileLimit, fileText)) {
        error = "--horizon \"" + path + "\": cannot be read";
        return false;
    }
    HorizonFileError refusal;
    if (!readHorizonFile(fileText, horizon, refusal)) {
        error = path + ": " + horizonFileMessage(refusal);
        return false;
    }
    return true;
}
