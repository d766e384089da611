#pragma once
// Satellite lists written by hand: a UTF-8 text file with one record
// (LONGITUDE,DESCRIPTION) per line.

#include <string>

// Turns the file's text into a SatelliteListText of code page 936 records,
// including its ending NUL. Blank lines are skipped; a leading UTF-8 byte
// order mark and "\r" line ends are allowed. Returns false with a message
// beginning "line N: " when a line cannot be converted to code page 936,
// holds a NUL, has a longitude text over 20 bytes or a description over 127
// bytes (the longest texts a record keeps intact).
bool satelliteListFromUtf8(const std::string& fileText, std::string& list, std::string& error);
