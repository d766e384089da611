#pragma once
// A whole file's bytes, read or written, for tests that check files byte for byte.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}
