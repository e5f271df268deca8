// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/child_process.h"
#include "../support/cli_run.h"
#include "cli/batch/batch_command.h"
#include "cli/batch/batch_progress.h"
#include "cli/batch/ordered_output.h"

namespace tamsel {
namespace {

const std::string kCli = TAMSEL_CLI_PROGRAM;

std::string TempFile(const std::string& name, const std::string& text) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(BatchFiles, NamedFilesAndStandardInput) {
    const std::string a = TempFile("a.txt", "1 2 0 1\n# nichts\n1 3 0 1\n");
    const std::string b = TempFile("b.txt", "1 2 0\n");
    const std::string fields = R"("periodLength":)";
    const struct {
        std::vector<std::string> files;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{a}, 0, "{" + fields + "1}\n{" + fields + "2}\n", ""},
        {{"-"}, 0, "{" + fields + "4}\n", ""},
        {{a, "-", b},
         1,
         R"({"file":")" + a + R"(","line":1,)" + fields + "1}\n" + R"({"file":")" + a + R"(","line":3,)" + fields +
             "2}\n" + R"({"file":"-","line":1,)" + fields + "4}\n" + R"({"file":")" + b +
             R"(","line":1,"error":"erwartet werden vier ganze Zahlen (KOEFF WURZEL ABS NENNER), die Zeile hat 3",)"
             R"("code":"field-count"})"
             "\n",
         ""},
        // Nothing is answered when one file cannot be read.
        {{a, a + ".fehlt"}, 2, "", "tamsel-cli: „" + a + ".fehlt“ kann nicht gelesen werden: gibt es nicht\n"},
        {{testing::TempDir(), a},
         2,
         "",
         "tamsel-cli: „" + testing::TempDir() + "“ kann nicht gelesen werden: ein Verzeichnis\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--batch", "--fields", "periodLength"};
        args.insert(args.end(), c.files.begin(), c.files.end());
        const test::CliOutput r = test::Cli(args, "1 7 0 1\n");
        EXPECT_EQ(r.status, c.status) << c.files.size();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

// Two lines, then the medium fails.
class FailingSource : public std::streambuf {
protected:
    int_type underflow() override {
        if (given_) throw std::ios_base::failure("Lesefehler");
        given_ = true;
        setg(text_, text_, text_ + sizeof text_ - 1);
        return traits_type::to_int_type(text_[0]);
    }

private:
    char text_[17] = "1 2 0 1\n1 3 0 1\n";
    bool given_ = false;
};

TEST(BatchFiles, ReadErrorAfterTheAnswersSoFar) {
    FailingSource medium;
    std::istream in(&medium);
    std::ostringstream out, err;
    ExactOptions options;
    std::string error;
    options.fields = ReadFieldList("periodLength", error);
    const BatchLineAnswer expand = [&](std::string_view line, const BatchPlace& place, std::ostream& text) {
        return ExpandBatchLine(line, place, options, text);
    };
    EXPECT_EQ(RunBatch(expand, {{"daten.txt", &in}}, {}, out, err), ExitStatus::WrongCall);
    EXPECT_EQ(out.str(), "{\"periodLength\":1}\n{\"periodLength\":2}\n");
    EXPECT_EQ(err.str(), "tamsel-cli: „daten.txt“ kann nicht zu Ende gelesen werden\n");
}

// The batch's words are the window mode's failures where the cause is the same.
TEST(BatchCodes, OneWordPerCause) {
    const struct {
        std::string line;
        std::string code;
        bool windowKnowsIt;
    } cases[] = {
        {"1 2 0", "field-count", false},        {"1 2 0 1 5", "field-count", false},
        {"1 2 x 1", "not-a-number", false},     {"1 2 1.0 1", "not-a-number", false},
        {"1 2 0.5 1", "non-whole-input", true}, {"1 -2 0 1", "negative-radicand", true},
        {"1 2 0 0", "zero-denominator", true},
    };
    for (const auto& c : cases) {
        const test::CliOutput r = test::Cli({"--batch"}, c.line + "\n");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.out.find(",\"code\":\"" + c.code + "\"}\n"), std::string::npos) << r.out;
        if (!c.windowKnowsIt) continue;
        std::istringstream words(c.line);
        std::vector<std::string> args{"--json"};
        for (std::string word; words >> word;) args.push_back(word);
        EXPECT_NE(test::Cli(args).out.find("\"failure\":\"" + c.code + "\""), std::string::npos) << c.line;
    }
}

TEST(BatchProgress, LineText) {
    using std::chrono::milliseconds;
    const struct {
        std::uint64_t lines;
        milliseconds elapsed;
        std::string text;
    } cases[] = {
        {0, milliseconds(0), "\r\x1b[K0 Zeilen, 0 Zeilen/s, 0:00"},
        {12345, milliseconds(2000), "\r\x1b[K12345 Zeilen, 6172 Zeilen/s, 0:02"},
        {1000000, milliseconds(754'900), "\r\x1b[K1000000 Zeilen, 1324 Zeilen/s, 12:34"},
        {7, milliseconds(3'723'000), "\r\x1b[K7 Zeilen, 0 Zeilen/s, 1:02:03"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgressLine(c.lines, c.elapsed), c.text);
}

// Later answers wait while the oldest is open, up to the bound; one bigger
// than the bound goes out as it is made once its turn has come.
TEST(OrderedOutput, WaitsAtTheByteBoundAndKeepsTheOrder) {
    constexpr std::size_t kBound = 1 << 20;
    std::ostringstream out;
    OrderedOutput output(out, kBound, false);
    const std::uint64_t first = output.Open();
    std::vector<std::uint64_t> later;
    for (int i = 0; i < 4; ++i) later.push_back(output.Open());
    const std::string block(1 << 16, 'x');
    std::vector<std::thread> makers;
    for (std::size_t i = 0; i < later.size(); ++i) {
        makers.emplace_back([&, i] {
            // Answer 1 is three bounds long; the others a tenth of one.
            const int blocks = i == 0 ? 48 : 2;
            for (int b = 0; b < blocks; ++b)
                output.Add(later[i], std::string(block.size(), static_cast<char>('a' + i)));
            output.Close(later[i]);
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    output.Add(first, "erste\n");
    output.Close(first);
    for (std::thread& maker : makers) maker.join();
    EXPECT_LE(output.PeakWaiting(), kBound);
    std::string expected = "erste\n";
    for (const auto& [c, blocks] : {std::pair{'a', 48}, {'b', 2}, {'c', 2}, {'d', 2}}) {
        expected.append(blocks * block.size(), c);
    }
    EXPECT_TRUE(out.str() == expected);
}

TEST(BatchStream, FirstAnswerBeforeTheEndOfInput) {
    for (const char* option : {"--line-buffered", "--quiet --line-buffered"}) {
        test::Child child(kCli + " --batch --fields periodLength " + option);
        ASSERT_TRUE(child.Write("1 2 0 1\n"));
        EXPECT_EQ(child.ReadLine(30), "{\"periodLength\":1}\n") << option;
        ASSERT_TRUE(child.Write("1 3 0 1\n"));
        EXPECT_EQ(child.ReadLine(30), "{\"periodLength\":2}\n") << option;
        child.CloseInput();
        EXPECT_EQ(child.Wait(), 0);
    }
}

std::string ErrorsIn(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A closed pipe ends the program by SIGPIPE, without a word.
TEST(BatchStream, ClosedPipeEndsQuietly) {
    std::string lines;
    for (int d = 2; d < 20000; ++d) lines += "1 " + std::to_string(d) + " 0 1\n";
    const std::string input = TempFile("viele.txt", lines);
    test::Child child("exec " + kCli + " --batch " + input + " 2>" + input + ".err");
    EXPECT_EQ(child.ReadLine(30).substr(0, 10), "{\"exact\":t");
    child.CloseOutput();
    EXPECT_EQ(child.Wait(), 128 + SIGPIPE);
    EXPECT_EQ(ErrorsIn(input + ".err"), "");
}

// AddressSanitizer reserves more address space than any limit allows, and
// its own memory would swamp the figures.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMSEL_UNDER_ASAN 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(TAMSEL_UNDER_ASAN)
// 256 answers of 300,000 quotients each (165 MB) on two threads.
TEST(BatchMemory, PeakStaysNearTheByteBound) {
    std::string lines;
    for (int i = 0; i < 256; ++i) lines += "1 10000000000000000000000000000000000000039 0 1\n";
    const std::string input = TempFile("lang.txt", lines);
    test::Child child("exec " + kCli + " --batch --threads 2 --max-steps 300000 --fields quotients " + input +
                      " >/dev/null");
    long peakKilobytes = 0;
    EXPECT_EQ(child.Wait(&peakKilobytes), 0);
    EXPECT_LT(peakKilobytes, 150 * 1024);
}

// The first answer is out when a line of 30 million digits takes more
// memory than there is.
TEST(BatchMemory, RunningOutEndsInGermanAfterTheAnswersSoFar) {
    const std::string input = TempFile("riesig.txt", "1 2 0 1\n1 " + std::string(30'000'000, '7') + " 0 1\n");
    test::Child child("ulimit -v 150000; exec " + kCli + " --batch --threads 1 --fields periodLength " + input + " 2>" +
                      input + ".err");
    EXPECT_EQ(child.ReadLine(60), "{\"periodLength\":1}\n");
    EXPECT_EQ(child.Wait(), 1);
    EXPECT_EQ(ErrorsIn(input + ".err"), "tamsel-cli: der Speicher reicht nicht; was fertig war, ist geschrieben\n");
}
#endif

}  // namespace
}  // namespace tamsel
