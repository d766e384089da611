// The conversions elsewhere: iconv, with code page 936 as its CP936.

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "encoding/platform_conversion.h"

namespace {

const char* nameOf(ByteEncoding encoding) {
    return encoding == ByteEncoding::Utf8 ? "UTF-8" : "CP936";
}
constexpr const char* Utf16 = "UTF-16LE";
constexpr char16_t Replacement = u'\uFFFD';

// Converts all of `in`. A stretch iconv cannot convert ends the conversion
// (false), unless `onFailure` is given: it then appends its stand-in to
// `out` and answers how many input bytes to skip.
template <typename OnFailure>
bool convert(const char* from, const char* to, const char* in, std::size_t inSize, std::string& out,
             OnFailure onFailure) {
    out.clear();
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    char* inPointer = const_cast<char*>(in);
    std::size_t inLeft = inSize;
    bool ok = true;
    char chunk[256];
    while (inLeft > 0 && ok) {
        char* outPointer = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
        out.append(chunk, sizeof chunk - outLeft);
        bool failed = (result == static_cast<std::size_t>(-1) && errno != E2BIG) ||
                      // iconv counts characters it replaced; none may be.
                      (result != static_cast<std::size_t>(-1) && result > 0);
        if (failed) {
            std::size_t skip = onFailure(out, inLeft);
            if (skip == 0) {
                ok = false;
            } else {
                inPointer += skip;
                inLeft -= skip;
                iconv(converter, nullptr, nullptr, nullptr, nullptr);
            }
        }
    }
    iconv_close(converter);
    return ok;
}

std::size_t refuse(std::string&, std::size_t) { return 0; }

std::u16string unitsOf(const std::string& bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * 2);
    return units;
}

}  // namespace

bool decodeBytes(ByteEncoding encoding, const std::string& bytes, std::u16string& out) {
    std::string utf16;
    if (!convert(nameOf(encoding), Utf16, bytes.data(), bytes.size(), utf16, refuse)) return false;
    out = unitsOf(utf16);
    return true;
}

bool encodeBytes(ByteEncoding encoding, const std::u16string& text, std::string& out) {
    return convert(Utf16, nameOf(encoding), reinterpret_cast<const char*>(text.data()),
                   text.size() * 2, out, refuse);
}

std::u16string decodeCp936Leniently(const char* bytes, std::size_t length) {
    std::string utf16;
    convert("CP936", Utf16, bytes, length, utf16, [](std::string& out, std::size_t left) {
        out.append(reinterpret_cast<const char*>(&Replacement), 2);
        return left > 0 ? std::size_t{1} : std::size_t{0};
    });
    return unitsOf(utf16);
}

std::string encodeCp936Leniently(const char16_t* text, std::size_t length) {
    std::string out;
    convert(Utf16, "CP936", reinterpret_cast<const char*>(text), length * 2, out,
            [](std::string& converted, std::size_t left) {
                converted += '?';
                return left >= 2 ? std::size_t{2} : left;
            });
    return out;
}
