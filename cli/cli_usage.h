#pragma once
// kestrave-cli's --help text: every option of cli/cli_options.cpp's table.

extern const char CliUsage[];
