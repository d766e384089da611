// kestrave-cli: the pointing table for one site, on standard output.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "cli/console_output.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>
#endif

namespace {

// The arguments as UTF-8, whatever the system's code page: on Windows from
// the wide command line, elsewhere as the terminal gives them.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) {
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    return arguments;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The bytes go out as they are: no "\n" becomes "\r\n" on the way.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> arguments = utf8Arguments(argc, argv);
    std::string out;
    std::string err;
    int status = runKestraveCli(arguments, out, err);
    writeOutput(stdout, out);
    writeOutput(stderr, err);
    if (std::fflush(stdout) != 0 && status == 0) status = 1;
    return status;
}
