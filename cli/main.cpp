// kestrave-cli: the pointing table for one site, on standard output.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The bytes go out as they are: no "\n" becomes "\r\n" on the way.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string out;
    std::string err;
    int status = runKestraveCli(arguments, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    if (std::fflush(stdout) != 0 && status == 0) status = 1;
    return status;
}
