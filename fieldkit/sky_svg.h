#pragma once
// The sky picture as an SVG document.

#include <string>

#include "fieldkit/sky_layout.h"

// Turns a code page 936 text into UTF-8; returns false when it cannot.
using TextToUtf8 = bool (*)(const std::string& cp936, std::string& utf8);

// The layout as a UTF-8 SVG document; numbers are written without the C
// locale's help, texts are escaped. A text `toUtf8` cannot convert is left out.
std::string skyPictureSvg(const SkyLayout& layout, TextToUtf8 toUtf8);

// `text` (UTF-8) as XML and HTML text or attribute value: & < > " ' escaped,
// control characters but tab and line feed left out.
std::string xmlEscaped(const std::string& text);

// `value` rounded to one decimal, "-12.3", "4" (no decimal for a whole number).
std::string svgNumber(double value);
