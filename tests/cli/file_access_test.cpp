#include "cli/file_access.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc/satellite_list_file.h"
#include "encoding/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Files named by UTF-8 paths on every system, as readFileStart takes them.
#ifdef _WIN32
std::wstring widePathOf(const std::string& path) {
    std::u16string units;
    EXPECT_TRUE(utf8ToUtf16(path, units));
    return std::wstring(units.begin(), units.end());
}
std::FILE* openForWriting(const std::string& path) {
    return _wfopen(widePathOf(path).c_str(), L"wb");
}
void removeFile(const std::string& path) { _wremove(widePathOf(path).c_str()); }
#else
std::FILE* openForWriting(const std::string& path) { return std::fopen(path.c_str(), "wb"); }
void removeFile(const std::string& path) { std::remove(path.c_str()); }
#endif

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = openForWriting(path);
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

TEST(ReadFileStart, ReadsAtMostOneByteMoreThanTheLimit) {
    const std::string path = testing::TempDir() + u8"卫星列表.txt";
    const std::string contents = "57.0,a\r\n" + std::string(40000, '#');
    ASSERT_TRUE(writeFile(path, contents));
    struct Case {
        std::size_t limit;
        std::size_t expected;
    };
    const Case cases[] = {
        {0, 1},
        {1, 2},
        {100, 101},
        {contents.size() - 1, contents.size()},
        {contents.size(), contents.size()},
        {SatelliteListFileLimit, contents.size()},
    };
    for (const Case& c : cases) {
        std::string bytes = "old";
        ASSERT_TRUE(readFileStart(path, c.limit, bytes)) << c.limit;
        EXPECT_EQ(bytes, contents.substr(0, c.expected)) << c.limit;
    }
    removeFile(path);
}

TEST(ReadFileStart, FailsForAFileThatCannotBeOpened) {
    std::string bytes = "old";
    EXPECT_FALSE(readFileStart(testing::TempDir() + "no-such-list.txt", 100, bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(readFileStart("", 100, bytes));
    EXPECT_FALSE(readFileStart(std::string("a\0b", 3), 100, bytes));
}

#ifdef _WIN32
// Excel and WPS keep a list they show open for writing; a program may hold
// one open with the right to delete it.
TEST(ReadFileStart, ReadsAFileHeldOpenElsewhere) {
    const std::string path = testing::TempDir() + u8"打开的列表.txt";
    ASSERT_TRUE(writeFile(path, "57.0,a\r\n"));
    struct Holder {
        DWORD access;
        DWORD sharing;
    };
    const Holder holders[] = {
        {GENERIC_WRITE, FILE_SHARE_READ},
        {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE},
        {GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE},
    };
    for (const Holder& holder : holders) {
        HANDLE held = CreateFileW(widePathOf(path).c_str(), holder.access, holder.sharing, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << holder.access;
        std::string bytes;
        EXPECT_TRUE(readFileStart(path, 100, bytes)) << holder.access;
        EXPECT_EQ(bytes, "57.0,a\r\n") << holder.access;
        CloseHandle(held);
    }
    removeFile(path);
}
#else
TEST(ReadFileStart, StopsOnADeviceThatNeverEnds) {
    std::string bytes;
    ASSERT_TRUE(readFileStart("/dev/zero", SatelliteListFileLimit, bytes));
    EXPECT_EQ(bytes.size(), SatelliteListFileLimit + 1);
    EXPECT_EQ(parseSatelliteListFile(bytes).fault, SatelliteListFault::FileTooLarge);
}
#endif

TEST(WriteWholeFile, ReplacesTheFileAndFailsWhereNoneCanBeMade) {
    const std::string path = testing::TempDir() + u8"天空.svg";
    ASSERT_TRUE(writeWholeFile(path, "old and longer"));
    ASSERT_TRUE(writeWholeFile(path, "new"));
    std::string bytes;
    ASSERT_TRUE(readFileStart(path, 100, bytes));
    EXPECT_EQ(bytes, "new");
    removeFile(path);
    EXPECT_FALSE(writeWholeFile(testing::TempDir() + "no-such-folder/x.svg", "x"));
}

}  // namespace
