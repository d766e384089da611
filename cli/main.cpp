// kestrave-cli: the pointing table for one site, on standard output.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "encoding/console_text.h"

int main(int argc, char** argv) {
    keepOutputBytes();
    std::vector<std::string> arguments = utf8Arguments(argc, argv);
    std::string out;
    std::string err;
    int status = runKestraveCli(arguments, out, err);
    writeOutput(stdout, out);
    writeOutput(stderr, err);
    if (std::fflush(stdout) != 0 && status == 0) status = 1;
    return status;
}
