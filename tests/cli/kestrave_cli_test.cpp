// Runs the built kestrave-cli as a child process, as a script would.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calc/current_satellite_list.h"
#include "calc/recalculation.h"
#include "calc/result_text.h"
#include "calc/satellite_list_file.h"
#include "cli/cli_options.h"
#include "cli/cli_usage.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "encoding/text_encoding.h"
#include "fieldkit/horizon.h"
#include "fieldkit/horizon_file.h"
#include "fieldkit/multifeed.h"
#include "fieldkit/results_export.h"
#include "fieldkit/sun_aim.h"
#include "fieldkit/sun_outage_search.h"
#include "numtext/numtext.h"
#include "tests/support/file_bytes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string programPath() {
#ifdef _WIN32
    // Built beside this test program.
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of("\\/") + 1) + KESTRAVE_CLI_NAME;
#else
    return KESTRAVE_CLI_PATH;
#endif
}

// The arguments used here hold no double quote.
std::string quoted(const std::string& argument) {
#ifdef _WIN32
    return "\"" + argument + "\"";
#else
    std::string result = "'";
    for (char byte : argument) result += byte == '\'' ? std::string("'\\''") : std::string(1, byte);
    return result + "'";
#endif
}

// A file in the temporary folder named after the running test and process,
// so that test runs side by side never share one.
// The site the program's commands take for --city 北京.
ReceivingSite beijingSite() {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    return site;
}

fs::path scratchFile(const std::string& suffix) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
#ifdef _WIN32
    unsigned long process = GetCurrentProcessId();
#else
    unsigned long process = static_cast<unsigned long>(getpid());
#endif
    return fs::temp_directory_path() / ("kestrave-cli-" + std::to_string(process) + "-" +
                                        test->test_suite_name() + "-" + test->name() + suffix);
}

std::string crLfToLf(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

ProgramRun runProgram(const Arguments& arguments) {
    const fs::path out = scratchFile(".out");
    const fs::path err = scratchFile(".err");
    std::string command = quoted(programPath());
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
#ifdef _WIN32
    // cmd /c drops the first and the last quote of the line.
    command = "\"" + command + "\"";
#endif
    ProgramRun run;
#ifdef _WIN32
    // As a Windows shell passes them: wide text, whatever the code page.
    std::wstring wide(command.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, command.c_str(), -1, wide.data(),
                                     static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
    int result = _wsystem(wide.c_str());
#else
    int result = std::system(command.c_str());
#endif
#ifdef _WIN32
    run.status = result;
#else
    run.status = result != -1 && WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
    run.out = readBytes(out);
    // Standard error is a text stream: on Windows its line ends are "\r\n".
    run.err = crLfToLf(readBytes(err));
    fs::remove(out);
    fs::remove(err);
    return run;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// What the copy command would put on the clipboard for the table and site.
std::string clipboardText(MemorySatelliteTable& table, long double longitude,
                          long double latitude) {
    ReceivingSite site;
    site.longitude = longitude;
    site.latitude = latitude;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll("", site, table, flags, description);
    std::string text(resultTextCapacity(table.rowCount(), std::string(description).size()), '\0');
    text.resize(formatResultText(description, table, text.data(), text.size()));
    return text;
}

std::string builtInClipboardText(long double longitude, long double latitude) {
    MemorySatelliteTable table;
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    return clipboardText(table, longitude, latitude);
}

std::string cp936(const char* utf8) { return cp936FromUtf8(utf8); }

// Arguments the program refuses, and the one line it says about them.
struct RefusedRun {
    Arguments arguments;
    std::string message;
};

void expectRefused(const RefusedRun& refused) {
    SCOPED_TRACE(refused.message);
    ProgramRun run = runProgram(refused.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kestrave-cli: " + refused.message + "\n");
}

TEST(KestraveCli, BeijingWithTheBuiltInList) {
    ProgramRun run = runProgram({"--lon", "116.46", "--lat", "39.92"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);

    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3 + 1 + 2 + 39 + 1u);  // the text ends with a line end
    EXPECT_EQ(lines[0], u8"地名不详");
    EXPECT_EQ(lines[1], u8"经度：东经116.46度");
    EXPECT_EQ(lines[2], u8"纬度：北纬39.92度");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4],
              u8"卫星名称                            卫星经度  天线仰角  天线方位角    极化角  ");
    EXPECT_EQ(lines[5], std::string(80, '-'));
    EXPECT_EQ(lines[6 + 18], u8"亚洲3号  (AsiaSat-3S)" + std::string(15, ' ') +
                                 u8"105.5     42.45     南偏西16.79度 -12.80  ");
    EXPECT_EQ(lines.back(), "");

    // The same text, in code page 936 with "\r\n", is the clipboard's.
    ProgramRun gbk = runProgram({"--lon", "116.46", "--lat", "39.92", "--encoding", "gbk"});
    ASSERT_EQ(gbk.status, 0) << gbk.err;
    EXPECT_EQ(gbk.out, builtInClipboardText(116.46L, 39.92L));
    EXPECT_EQ(utf8FromCp936(crLfToLf(gbk.out)), run.out);
}

TEST(KestraveCli, SouthernSite) {
    ProgramRun run = runProgram({"--lat", "-33.45", "--lon", "-70.5", "--encoding", "gbk"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("\r\n\r\n")),
              cp936(u8"地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度"));
    EXPECT_EQ(run.out, builtInClipboardText(-70.5L, -33.45L));
}

TEST(KestraveCli, EquatorialSite) {
    ProgramRun run = runProgram({"--lon=100", "--lat=0"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[1], u8"经度：东经100.00度");
    EXPECT_EQ(lines[2], u8"纬度：0度");
    EXPECT_EQ(run.out, utf8FromCp936(crLfToLf(builtInClipboardText(100, 0))));
}

TEST(KestraveCli, ListFileWithAWestLongitudeAndALongName) {
    // "A" and 18 Chinese characters: the 18th would straddle the field's 36th byte.
    const std::string longName = u8"A西经七十五度卫星西经七十五度卫星甲乙 (West-1)";
    const fs::path list = scratchFile(".txt");
    writeBytes(list, "-75.0," + longName + "\r\n\r\n" + u8"100.5,亚洲2号  (AsiaSat-2)\n");
    ProgramRun run = runProgram(
        {"--lon", "116.46", "--lat", "39.92", "--list", list.string(), "--encoding", "gbk"});
    fs::remove(list);
    ASSERT_EQ(run.status, 0) << run.err;

    MemorySatelliteTable table;
    table.insertRow(0, cp936FromUtf8(longName).c_str());
    table.setCell(0, ColumnLongitude, "-75.0");
    table.insertRow(1, cp936(u8"亚洲2号  (AsiaSat-2)").c_str());
    table.setCell(1, ColumnLongitude, "100.5");
    EXPECT_EQ(run.out, clipboardText(table, 116.46L, 39.92L));

    std::size_t rowStart = run.out.size() - 2 * 80;
    EXPECT_EQ(run.out.substr(rowStart, 41), cp936(u8"A西经七十五度卫星西经七十五度卫星甲 -75.0"));
}

// A list file as the program reads it: the table its records fill.
MemorySatelliteTable tableOfList(const std::string& list) {
    MemorySatelliteTable table;
    fillSatelliteTable(table, list.data(), list.size());
    return table;
}

TEST(KestraveCli, ListFilesInEachEncodingGiveTheTableOfTheirRecords) {
    const std::string records = u8"134.0,亚太6C  (Apstar 6C)\r\n57.0,a,b\r\n";
    const std::string list =
        cp936(u8"134.0,亚太6C  (Apstar 6C)") + std::string(1, '\0') + "57.0,a,b" + '\0' + '\0';
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + records},
        {"UTF-8 with comments", u8"# 卫星 😀\n\n" + records + "  # end\n"},
        {"code page 936 with comments", cp936(u8"# 卫星列表\r\n") + cp936(records.c_str())},
    };
    const fs::path file = scratchFile(".txt");
    for (const auto& c : cases) {
        writeBytes(file, c.bytes);
        ProgramRun run = runProgram(
            {"--lon", "116.46", "--lat", "39.92", "--list", file.string(), "--encoding", "gbk"});
        EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
        MemorySatelliteTable table = tableOfList(list);
        EXPECT_EQ(run.out, clipboardText(table, 116.46L, 39.92L)) << c.what;
    }
    fs::remove(file);
}

TEST(KestraveCli, ListFileRefusalsNameTheLineAsTheProgramDoes) {
    const fs::path file = scratchFile(".txt");
    const struct {
        std::string bytes;
        std::string message;  // after the file's name
    } cases[] = {
        // Once computed as longitude 0.
        {"# c\n\n57.0,a\r\n# d\n\n60.0,b\nabc,x\n", u8"第 7 行：经度“abc”无效"},
        {"181,x\n", u8"第 1 行：经度“181”无效"},
        {"57.0\n", u8"第 1 行：缺少逗号"},
        {"57.0," + std::string(120, 'd') + "\n", u8"第 1 行：说明超过 100 字节"},
        {u8"57.0,한국\n", u8"第 1 行：含有无法用 GBK 表示的字符 U+D55C"},
        // Never read whole.
        {"#" + std::string(SatelliteListFileLimit, ' '), u8"文件超过 1048576 字节"},
    };
    for (const auto& c : cases) {
        writeBytes(file, c.bytes);
        expectRefused(
            {{"--list", file.string()}, "--list \"" + file.string() + "\": " + c.message});
    }
    fs::remove(file);
#ifndef _WIN32
    // A device that never ends.
    expectRefused({{"--list", "/dev/zero"}, u8"--list \"/dev/zero\": 文件超过 1048576 字节"});
#endif
}

TEST(KestraveCli, CurrentListGivesTheTableOfTheCompiledInList) {
    ProgramRun run =
        runProgram({"--lon", "116.46", "--lat", "39.92", "--current-list", "--encoding", "gbk"});
    ASSERT_EQ(run.status, 0) << run.err;
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    ASSERT_EQ(current.fault, SatelliteListFault::None);
    MemorySatelliteTable table = tableOfList(current.list);
    EXPECT_EQ(table.rowCount(), current.rowCount);
    EXPECT_EQ(run.out, clipboardText(table, 116.46L, 39.92L));
}

TEST(KestraveCli, CsvIsWhatTheProgramExportsWithoutItsByteOrderMarkAndCrLf) {
    const fs::path file = scratchFile(".txt");
    writeBytes(file, u8"134.0,亚太6C  (Apstar 6C)\n57.0,a,\"b\"\n");
    ProgramRun run = runProgram({"--lon", "116.46", "--lat", "39.92", "--list", file.string(),
                                 "--format", "csv", "--date", "2026-06-01"});
    fs::remove(file);
    ASSERT_EQ(run.status, 0) << run.err;

    MemorySatelliteTable table;
    table.insertRow(0, cp936(u8"亚太6C  (Apstar 6C)").c_str());
    table.setCell(0, ColumnLongitude, "134.0");
    table.insertRow(1, "a,\"b\"");
    table.setCell(1, ColumnLongitude, "57.0");
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll("", site, table, flags, description);
    const std::string exported = resultsCsvFile(table, site, description, {2026, 6, 1});
    ASSERT_EQ(exported.compare(0, 3, "\xEF\xBB\xBF"), 0);
    EXPECT_EQ(crLfToLf(exported.substr(3)), run.out);
}

TEST(KestraveCli, APlaceNameGivesTheSiteAndItsName) {
    ProgramRun run = runProgram({"--city", u8"上海"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3 + 1 + 2 + 39 + 1u);
    EXPECT_EQ(lines[0], u8"上海");
    EXPECT_EQ(lines[1], u8"经度：东经121.48度");
    EXPECT_EQ(lines[2], u8"纬度：北纬31.22度");

    // Without any site option the site is the first start's: 北京.
    ProgramRun beijing = runProgram({});
    ASSERT_EQ(beijing.status, 0) << beijing.err;
    lines = linesOf(beijing.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[0], u8"北京");
    EXPECT_EQ(lines[1], u8"经度：东经116.46度");
}

TEST(KestraveCli, CitiesListsTheGazetteerInTableOrder) {
    ProgramRun run = runProgram({"--cities"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2347 + 1u);
    EXPECT_EQ(lines[0], u8"阿巴嘎");
    EXPECT_EQ(lines[100], u8"北京");
    EXPECT_EQ(lines[467], u8"东乡(甘肃)");
    EXPECT_EQ(lines[2346], u8"黟县");
    EXPECT_EQ(lines.back(), "");

    ProgramRun gbk = runProgram({"--cities", "--encoding", "gbk"});
    ASSERT_EQ(gbk.status, 0) << gbk.err;
    EXPECT_EQ(utf8FromCp936(crLfToLf(gbk.out)), run.out);
}

TEST(KestraveCli, CitiesMatchListsThePlacesATextBegins) {
    struct MatchRun {
        const char* text;
        std::vector<std::string> first;  // the first lines printed, in order
    };
    const MatchRun runs[] = {
        {"xiamen", {u8"厦门", ""}},
        {"CQ", {u8"长清", u8"措勤", u8"重庆", ""}},
        {u8"北京", {u8"北京", ""}},
        {"zzzzzz", {""}},
        {u8"한", {""}},
    };
    for (const MatchRun& r : runs) {
        ProgramRun run = runProgram({"--cities", "--match", r.text});
        ASSERT_EQ(run.status, 0) << r.text << run.err;
        const std::vector<std::string> lines = linesOf(run.out);
        ASSERT_GE(lines.size(), r.first.size()) << r.text;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + r.first.size()), r.first)
            << r.text;
    }
}

TEST(KestraveCli, HelpPrintsTheUsage) {
    ProgramRun run = runProgram({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, CliUsage);
    EXPECT_EQ(run.err, "");
}

TEST(KestraveCli, AcceptsTheEndsOfTheRange) {
    ProgramRun run = runProgram({"--lon", "-180.5", "--lat", "90.5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(linesOf(run.out)[1], u8"经度：西经180.50度");
}

TEST(KestraveCli, BadInputEndsWithStatusTwoAndOneLine) {
    const fs::path badList = scratchFile(".txt");
    writeBytes(badList, u8"57.0,国际703\n123456789012345678901,too long\n");
    const std::string missing = scratchFile(".missing").string();
    const RefusedRun cases[] = {
        {{"--lon", "abc", "--lat", "39.92"}, "--lon \"abc\": not a number"},
        {{"--lon", "116.46", "--lat", "91"}, "--lat \"91\": out of range (-90.5 to 90.5)"},
        {{"--lon", "180.51", "--lat", "0"}, "--lon \"180.51\": out of range (-180.5 to 180.5)"},
        {{"--lon", "", "--lat", "0"}, "--lon \"\": no value given"},
        // A line end in a value is quoted as an escape: the message stays one line.
        {{"--lon", "1\n2", "--lat", "0"}, "--lon \"1\\n2\": not a number"},
        {{"--lat", "39.92"}, "give the site with --lon DEG and --lat DEG"},
        {{"--city", u8"火星"}, u8"--city \"火星\": no such place in the gazetteer (see --cities)"},
        {{"--city", u8"上海", "--lat", "1"},
         "give the site either with --city or with --lon and --lat"},
        {{"--lon", "1", "--lat", "1", "--frobnicate"},
         "unknown option \"--frobnicate\" (see --help)"},
        {{"--lon", "1", "--lat", "1", "--encoding", "latin1"},
         "--encoding \"latin1\": use utf-8 or gbk (see --help)"},
        {{"--lon", "1", "--lat"}, "--lat: no value given (see --help)"},
        {{"--lon", "1", "--lat", "1", "--list", missing},
         "--list \"" + missing + "\": cannot be read"},
        {{"--lon", "1", "--lat", "1", "--list", badList.string()},
         "--list \"" + badList.string() + u8"\": 第 2 行：经度“123456789012345678901”超过 6 字节"},
        {{"--list", badList.string(), "--current-list"},
         "give either --list FILE or --current-list"},
        {{"--match", "bj"}, "--match needs --cities"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);
    fs::remove(badList);
}

TEST(KestraveCli, FieldKitOptionsAreCheckedAndTheTableStaysAsItWas) {
    // The new options change nothing in the table.
    ProgramRun plain = runProgram({"--lon", "116.46", "--lat", "39.92", "--encoding", "gbk"});
    ProgramRun withOptions =
        runProgram({"--lon", "116.46", "--lat", "39.92", "--encoding", "gbk", "--date",
                    "2031-01-01", "--height", "500", "--offset", "22.6", "--format", "table"});
    ASSERT_EQ(withOptions.status, 0) << withOptions.err;
    EXPECT_EQ(withOptions.out, plain.out);
    EXPECT_EQ(withOptions.err, "");

    const RefusedRun cases[] = {
        {{"--date", "2026-02-30"},
         "--date \"2026-02-30\": use YYYY-MM-DD or a decimal year from 1900 to 2100"},
        {{"--date", "2026/01/01"},
         "--date \"2026/01/01\": use YYYY-MM-DD or a decimal year from 1900 to 2100"},
        {{"--date", "1800"}, "--date \"1800\": use YYYY-MM-DD or a decimal year from 1900 to 2100"},
        {{"--height", "100001"}, "--height \"100001\": out of range (-1000 to 100000)"},
        {{"--height", "-1000.5"}, "--height \"-1000.5\": out of range (-1000 to 100000)"},
        {{"--height", "tall"}, "--height \"tall\": not a number"},
        {{"--height", " "}, "--height \" \": not a number"},
        {{"--offset", "-"}, "--offset \"-\": not a number"},
        {{"--offset", "60.1"}, "--offset \"60.1\": out of range (0 to 60)"},
        {{"--offset", ""}, "--offset \"\": not a number"},
        {{"--format", "xml"}, "--format \"xml\": use table, csv or json (see --help)"},
        {{"--format", "json", "--encoding", "gbk"},
         "--format json is always UTF-8: leave out --encoding gbk"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);

    // A date outside the model's validity still computes, with one warning line.
    ProgramRun late = runProgram({"--format", "csv", "--date", "2031.5"});
    EXPECT_EQ(late.status, 0);
    EXPECT_EQ(linesOf(late.out).size(), 1 + 39 + 1u);
    EXPECT_EQ(late.err.find("kestrave-cli: warning: --date 2031.5 "), 0u);
    EXPECT_EQ(late.err.find('\n'), late.err.size() - 1);
}

TEST(KestraveCli, AHorizonFileIsReadOrRefusedWithItsLine) {
    const fs::path mixed = scratchFile("-mixed.txt");
    writeBytes(mixed, "120,150,12.5\r\n# a mast\r\n200,30\r\n");
    const fs::path high = scratchFile("-high.txt");
    writeBytes(high, "120 150 95\n");
    const fs::path large = scratchFile("-large.txt");
    writeBytes(large, std::string(HorizonFileLimit + 1, '\n'));
    const std::string missing = scratchFile(".missing").string();
    const RefusedRun cases[] = {
        {{"--horizon", mixed.string()},
         mixed.string() +
             ": line 3: a profile point (2 numbers) in a file of obstacles (3 numbers each)"},
        {{"--horizon", high.string(), "--format", "json"},
         high.string() + ": line 1: elevation \"95\" is not within 0 to 90"},
        {{"--horizon", large.string()}, large.string() + ": the file is larger than 65536 bytes"},
        {{"--horizon", missing}, "--horizon \"" + missing + "\": cannot be read"},
        {{"--horizon"}, "--horizon: no value given (see --help)"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);

    // The table says nothing of the obstacles.
    const fs::path good = scratchFile("-good.txt");
    writeBytes(good, "0 360 80\n");
    ProgramRun plain = runProgram({"--city", u8"上海"});
    ProgramRun withHorizon = runProgram({"--city", u8"上海", "--horizon", good.string()});
    ASSERT_EQ(withHorizon.status, 0) << withHorizon.err;
    EXPECT_EQ(withHorizon.out, plain.out);
    // Nothing stands above an 80-degree wall all round.
    ProgramRun csv =
        runProgram({"--city", u8"上海", "--horizon", good.string(), "--format", "csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> lines = linesOf(csv.out);
    EXPECT_NE(lines[0].find(",horizon_elevation,clearance,clear"), std::string::npos);
    // `clear` is the field before the motor angle.
    for (std::size_t line = 1; line + 1 < lines.size(); ++line) {
        const std::size_t motorAngle = lines[line].rfind(',');
        ASSERT_GE(motorAngle, 6u) << lines[line];
        EXPECT_EQ(lines[line].compare(motorAngle - 6, 6, ",false"), 0) << lines[line];
    }
    for (const fs::path& file : {mixed, high, large, good}) fs::remove(file);
}

TEST(KestraveCli, GbkCsvIsTheUtf8CsvInCodePage936) {
    ProgramRun utf8 = runProgram({"--city", u8"上海", "--format", "csv", "--date", "2026-06-01"});
    ProgramRun gbk = runProgram(
        {"--city", u8"上海", "--format", "csv", "--date", "2026-06-01", "--encoding", "gbk"});
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    ASSERT_EQ(gbk.status, 0) << gbk.err;
    EXPECT_EQ(utf8.out.find('\r'), std::string::npos);
    EXPECT_NE(gbk.out.find(cp936(u8"南偏西")), std::string::npos);
    EXPECT_EQ(utf8FromCp936(crLfToLf(gbk.out)), utf8.out);
}

// --- Sun outages -----------------------------------------------------------------

TEST(KestraveCli, SunOutageTablePrintsEveryDayOfThePrediction) {
    const fs::path list = scratchFile(".txt");
    writeBytes(list, u8"105.5,亚洲3号  (AsiaSat-3S)\n-60.0,西方\n");
    ProgramRun run = runProgram({"--list", list.string(), "--sun-outage", "2027"});
    ProgramRun utc = runProgram({"--list", list.string(), "--sun-outage", "2027", "--utc"});
    ProgramRun frequency =
        runProgram({"--list", list.string(), "--sun-outage", "2027", "--frequency", "12.25"});
    ProgramRun gbk =
        runProgram({"--list", list.string(), "--sun-outage", "2027", "--encoding", "gbk"});
    fs::remove(list);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const ReceivingSite beijing = beijingSite();
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    const SunOutageYear year = predictSunOutages(beijing, 2027, request);
    const std::vector<SunOutageSeason> seasons = groupSeasons(year.days);
    ASSERT_EQ(seasons.size(), 2u);

    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3 + 1 + 1 + 1 + 2 + year.days.size() + 2 + 1u);
    EXPECT_EQ(lines[0], u8"北京");
    EXPECT_EQ(lines[4].find(u8"日凌 2027年  天线口径0.6米  频率12.25GHz  波束宽度2.86度"), 0u);
    EXPECT_NE(lines[4].find(u8"北京时间（UTC+08:00）"), std::string::npos);
    EXPECT_EQ(lines[6], u8"亚洲3号  (AsiaSat-3S)  105.5度  日凌：" + dateText(seasons[0].firstDay) +
                            u8" 至 " + dateText(seasons[0].lastDay) + u8"，" +
                            dateText(seasons[1].firstDay) + u8" 至 " +
                            dateText(seasons[1].lastDay));
    EXPECT_EQ(lines[7].find(u8"  日期"), 0u);
    for (std::size_t i = 0; i < year.days.size(); ++i) {
        const SunOutageDay& day = year.days[i];
        SCOPED_TRACE(dateText(day.date));
        const std::string& line = lines[8 + i];
        EXPECT_EQ(line.substr(0, 48),
                  "  " + dateText(day.date) + "  " + timeOfDayText(day.startSecond) + "    " +
                      timeOfDayText(day.peakSecond) + "  " + timeOfDayText(day.endSecond) + "    ");
        // Minutes to a tenth, right-aligned under their heading.
        EXPECT_NEAR(std::stod(line.substr(48)), day.durationSeconds / 60.0, 0.05);
        EXPECT_EQ(line.size(), 54u);
    }
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], u8"西方  -60.0度  卫星在地平线以下，无日凌");

    // The same frequency given as a number gives the same table; GBK the
    // same text in code page 936 with "\r\n".
    EXPECT_EQ(frequency.out, run.out);
    EXPECT_EQ(utf8FromCp936(crLfToLf(gbk.out)), run.out);

    // In UTC every time is 8 hours earlier, on the same days.
    ASSERT_EQ(utc.status, 0) << utc.err;
    const std::vector<std::string> utcLines = linesOf(utc.out);
    ASSERT_EQ(utcLines.size(), lines.size());
    EXPECT_NE(utcLines[4].find(u8"时间：UTC+00:00"), std::string::npos);
    for (std::size_t i = 0; i < year.days.size(); ++i) {
        const SunOutageDay& day = year.days[i];
        EXPECT_EQ(utcLines[8 + i].substr(0, 22),
                  "  " + dateText(day.date) + "  " + timeOfDayText(day.startSecond - 8 * 3600));
    }
}

// 国际18号 seen from 哈尔滨 in UTC: the outage of 2026-02-20 ends after midnight.
TEST(KestraveCli, AnOutageOverMidnightKeepsItsDayAndNamesTheEndsDay) {
    const std::vector<std::string> harbin = {
        "--city", u8"哈尔滨", "--current-list", "--sun-outage", "2026", "--band", "c", "--utc"};
    std::vector<std::string> csvArguments = harbin;
    csvArguments.insert(csvArguments.end(), {"--format", "csv"});
    const ProgramRun table = runProgram(harbin);
    const ProgramRun csv = runProgram(csvArguments);
    ASSERT_EQ(table.status, 0) << table.err;
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(table.out.find("  2026-02-20  23:44:18    23:52:57  00:01:36+1    17.3\n"),
              std::string::npos);
    EXPECT_EQ(csv.out.find("name,longitude,date,start,peak,end,duration_s,min_separation_deg,"
                           "start_date,end_date\n"),
              0u);
    EXPECT_NE(csv.out.find(u8"国际18号  (Intelsat 18),180.0,2026-02-20,23:44:18,23:52:57,00:01:36,"
                           "1038,"),
              std::string::npos);
    EXPECT_NE(csv.out.find(",2026-02-20,2026-02-21\n"), std::string::npos);
}

TEST(KestraveCli, SunOutageRefusals) {
    const RefusedRun cases[] = {
        {{"--sun-outage", "2027", "--band", "ku", "--frequency", "12"},
         "give either --band or --frequency, not both"},
        {{"--sun-outage", "3000"}, "--sun-outage \"3000\": out of range (2000 to 2100)"},
        {{"--dish", "1"}, "--dish needs --sun-outage YEAR"},
        // The coordinate boxes take 90.5; the sun's geometry does not.
        {{"--lon", "0", "--lat", "90.5", "--sun-outage", "2027"},
         "--lat 90.50: the sun outages need a latitude from -90 to 90"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);
}

// --- Aiming by the sun ---------------------------------------------------------

TEST(KestraveCli, SunAimTablePrintsEveryMomentOfTheDay) {
    const fs::path list = scratchFile(".txt");
    writeBytes(list, u8"165.0,东经165度\n105.5,亚洲3号\n-60.0,西方\n");
    ProgramRun run = runProgram({"--list", list.string(), "--sun-aim", "--date", "2027-06-21"});
    ProgramRun utc =
        runProgram({"--list", list.string(), "--sun-aim", "--date", "2027-06-21", "--utc"});
    fs::remove(list);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const ReceivingSite beijing = beijingSite();
    const CalendarDate day{2027, 6, 21};
    const SunAimResult east = sunAimMoments(beijing, 165, day, BeijingZoneMinutes);
    const SunAimResult asiaSat = sunAimMoments(beijing, 105.5L, day, BeijingZoneMinutes);
    ASSERT_EQ(east.moments.size(), 2u);

    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3 + 1 + 1 + 3 * 2 + east.moments.size() + asiaSat.moments.size() + 1u);
    EXPECT_EQ(lines[0], u8"北京");
    EXPECT_EQ(lines[4], u8"对日寻星 2027-06-21  时间：北京时间（UTC+08:00）");
    char azimuth[NumberTextCapacity];
    NumberToText(east.satelliteAzimuth, azimuth, 0, 1);
    EXPECT_EQ(lines[6], u8"东经165度  165.0度  真方位角" + std::string(azimuth) + u8"度");
    EXPECT_EQ(lines[7],
              "  " + timeOfDayText(east.moments[0].second) + u8" 太阳在卫星方向（影子背向卫星）");
    EXPECT_EQ(lines[8],
              "  " + timeOfDayText(east.moments[1].second) + u8" 太阳在卫星反方向（影子指向卫星）");
    EXPECT_EQ(lines[lines.size() - 2], u8"西方  -60.0度  卫星在地平线以下，无对日寻星");

    // In UTC the moments are 8 hours earlier.
    ASSERT_EQ(utc.status, 0) << utc.err;
    const std::vector<std::string> utcLines = linesOf(utc.out);
    EXPECT_EQ(utcLines[4], u8"对日寻星 2027-06-21  时间：UTC+00:00");
    EXPECT_EQ(utcLines[7].substr(0, 10), "  " + timeOfDayText(east.moments[0].second - 8 * 3600));
}

TEST(KestraveCli, SunAimRefusals) {
    const RefusedRun cases[] = {
        {{"--sun-aim", "--date", "2027.5"},
         "--date \"2027.5\": --sun-aim needs a day YYYY-MM-DD from 2000-01-01 to 2100-12-31"},
        {{"--sun-aim", "--date", "1999-12-31"},
         "--date \"1999-12-31\": --sun-aim needs a day YYYY-MM-DD from 2000-01-01 to "
         "2100-12-31"},
        {{"--sun-aim", "--sun-outage", "2027"}, "give either --sun-outage or --sun-aim, not both"},
        {{"--sun-aim", "--dish", "1"}, "--dish needs --sun-outage YEAR"},
        {{"--lon", "0", "--lat", "-90.5", "--sun-aim", "--date", "2027-01-01"},
         "--lat -90.50: aiming by the sun needs a latitude from -90 to 90"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);
}

TEST(KestraveCli, MultifeedRefusalsNameTheOption) {
    const RefusedRun cases[] = {
        {{"--multifeed", "134", "--diameter", "600"},
         "--focal-length MM is needed with --multifeed"},
        {{"--multifeed", "134", "--focal-length", "360"},
         "--diameter MM is needed with --multifeed"},
        {{"--multifeed", "134", "--focal-length", "49.99", "--diameter", "600"},
         "--focal-length \"49.99\": out of range (50 to 3000)"},
        {{"--multifeed", "134", "--focal-length", "360", "--diameter", "5001"},
         "--diameter \"5001\": out of range (200 to 5000)"},
        {{"--multifeed", "134", "--focal-length", "360", "--diameter", "60cm"},
         "--diameter \"60cm\": not a number"},
        {{"--multifeed", "180.5", "--focal-length", "360", "--diameter", "600"},
         "--multifeed \"180.5\": out of range (-180 to 180)"},
        {{"--multifeed", "-60", "--focal-length", "360", "--diameter", "600"},
         "--multifeed \"-60\": below the horizon at the site"},
        {{"--focal-length", "360"}, "--focal-length needs --multifeed LONGITUDE"},
        {{"--multifeed", "134", "--focal-length", "360", "--diameter", "600", "--sun-outage",
          "2027"},
         "give either --sun-outage or --multifeed, not both"},
        {{"--multifeed"}, "--multifeed: no value given (see --help)"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);
}

// The ends of the dish's ranges are taken; the table names the main satellite
// and every other one in reach, each with where its LNB goes.
TEST(KestraveCli, MultifeedTableNamesEverySatelliteInReach) {
    for (const char* dish : {"50", "3000"}) {
        const ProgramRun run = runProgram(
            {"--current-list", "--multifeed", "134", "--focal-length", dish, "--diameter", "200"});
        EXPECT_EQ(run.status, 0) << run.err;
    }
    const ProgramRun run = runProgram(
        {"--current-list", "--multifeed", "134", "--focal-length", "360", "--diameter", "5000"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(lines[4], u8"一锅多星  主星 134.00度 亚太6C  (Apstar 6C)");
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    MemorySatelliteTable table;
    fillSatelliteTable(table, current.list.data(), current.list.size());
    const ReceivingSite beijing = beijingSite();
    const MultifeedPlan plan = planMultifeed(table, beijing, 134, {360, 5000});
    ASSERT_FALSE(plan.satellites.empty());
    std::size_t at = 0;
    for (const MultifeedSatellite& satellite : plan.satellites) {
        at = run.out.find(utf8FromCp936(satellite.name), at);
        ASSERT_NE(at, std::string::npos) << satellite.name;
        at = run.out.find(u8"高频头：" + utf8FromCp936(feedMoveText(satellite.placement)), at);
        EXPECT_NE(at, std::string::npos);
    }
}

}  // namespace

TEST(KestraveCli, SheetIsWrittenBesidesTheOutputOrRefusedWithOneLine) {
    const fs::path sheet = scratchFile("-sheet.html");
    ProgramRun plain = runProgram({"--city", u8"上海"});
    ProgramRun withSheet = runProgram({"--city", u8"上海", "--sheet", sheet.string(), "--dish",
                                       "1.2", "--band", "c", "--offset", "20"});
    ASSERT_EQ(withSheet.status, 0) << withSheet.err;
    EXPECT_EQ(withSheet.out, plain.out) << "the table as without it";
    const std::string page = readBytes(sheet);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    for (const char* text : {u8"<p class=\"site\">上海</p>", u8"1.20米天线，C波段 4GHz",
                             u8"<dt>偏馈角</dt><dd>20.00度</dd>", u8"亚洲3号  (AsiaSat-3S)"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    fs::remove(sheet);

    // A site typed as coordinates is named by the place nearest it.
    ProgramRun typed = runProgram({"--lon", "116.3", "--lat", "39.95", "--sheet", sheet.string()});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_NE(readBytes(sheet).find(u8"<dt>最近的地名</dt><dd>北京（14.0公里）</dd>"),
              std::string::npos);
    fs::remove(sheet);

    const std::string folder = scratchFile("-no-such-folder").string();
    const RefusedRun cases[] = {
        {{"--sheet", folder + "/x.html"}, "--sheet \"" + folder + "/x.html\": cannot be written"},
        {{"--sheet", sheet.string(), "--utc"}, "--utc needs --sun-outage YEAR"},
        {{"--sheet", sheet.string(), "--dish", "0.05"},
         "--dish \"0.05\": out of range (0.1 to 30)"},
    };
    for (const RefusedRun& c : cases) expectRefused(c);
    EXPECT_FALSE(fs::exists(sheet));
}
