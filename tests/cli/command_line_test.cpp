// SPDX-License-Identifier: GPL-3.0-or-later
// The option table against what users read (the manual page), and the
// parse's answers to calls that are right or wrong.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../support/cli_run.h"
#include "cli/command_line/option_table.h"
#include "cli/command_line/parse_command.h"

namespace tamsel {
namespace {

using test::Cli;
using test::CliOutput;

// The OPTIONEN section of the manual page: each option named in a tag
// line, with the text of its paragraph.
std::map<std::string, std::string> ManualOptions() {
    std::ifstream page(TAMSEL_CLI_MANUAL);
    std::map<std::string, std::string> options;
    std::vector<std::string> names;  // of the entry being read
    bool inSection = false;
    bool tagNext = false;
    std::string line;
    while (std::getline(page, line)) {
        if (line.rfind(".SH", 0) == 0) inSection = line == ".SH OPTIONEN";
        if (!inSection) continue;
        if (line == ".TP" || line == ".PP") {
            names.clear();
            tagNext = line == ".TP";
            continue;
        }
        // The line as the reader sees it, roughly: without its macro, "\-" as "-".
        std::string text;
        const std::size_t from = line.rfind(".", 0) == 0 ? std::min(line.find(' '), line.size() - 1) + 1 : 0;
        for (std::size_t i = from; i < line.size(); ++i) {
            if (line.compare(i, 2, "\\-") == 0) continue;
            if (line[i] != '"') text += line[i];
        }
        if (tagNext) {
            std::istringstream words(text);
            for (std::string word; words >> word;) {
                if (word.rfind("-", 0) == 0) names.push_back(word.substr(0, word.find_first_of(",=")));
            }
            for (const std::string& name : names) options[name];
            tagNext = false;
        } else {
            for (const std::string& name : names) options[name] += text + " ";
        }
    }
    return options;
}

// The default as the manual page writes it after "Vorgabe" (", ist", ":"), up to its end.
std::string ManualDefault(const std::string& paragraph, const std::string& expected) {
    const std::size_t at = paragraph.find("Vorgabe");
    if (at == std::string::npos) return "";
    std::size_t from = at + 7;
    for (const char* filler : {" ist", ":"}) {
        if (paragraph.compare(from, std::string(filler).size(), filler) == 0) from += std::string(filler).size();
    }
    return paragraph.substr(from + 1, expected.empty() ? 12 : expected.size());
}

TEST(OptionTable, ManualPageNamesEveryOptionWithItsDefault) {
    const std::map<std::string, std::string> manual = ManualOptions();
    std::set<std::string> inTable;
    for (const OptionRow& row : OptionTable()) {
        for (const std::string& name : {row.longName, row.shortName ? std::string("-") + row.shortName : ""}) {
            if (name.empty()) continue;
            inTable.insert(name);
            const auto entry = manual.find(name);
            if (entry == manual.end()) {
                ADD_FAILURE() << name << " fehlt in der Handbuchseite";
                continue;
            }
            if (row.defaultText.empty()) {
                EXPECT_EQ(entry->second.find("Vorgabe"), std::string::npos) << name;
            } else {
                EXPECT_EQ(ManualDefault(entry->second, row.defaultText), row.defaultText) << name;
            }
        }
    }
    for (const auto& [name, paragraph] : manual) EXPECT_TRUE(inTable.count(name)) << name << " fehlt in der Tabelle";
}

TEST(CommandLine, HelpAndVersionWinInEveryMode) {
    const std::string help = Cli({"--help"}).out;
    const std::string version = Cli({"--version"}).out;
    const struct {
        std::vector<std::string> args;
        const std::string& out;
    } cases[] = {
        {{"--size", "0x0", "--help"}, help},
        {{"--exact", "--size", "0x0", "-h"}, help},
        {{"--batch", "--svg", "a.svg", "--bogus", "--help"}, help},
        {{"--max-steps", "5", "-v", "--help", "1", "2"}, help},
        {{"--variant=yes", "-V"}, version},
        {{"--batch", "--threads", "0", "--version"}, version},
        {{"-V", "--help"}, help},
    };
    for (const auto& c : cases) {
        const CliOutput r = Cli(c.args);
        EXPECT_EQ(r.status, 0) << c.args.back();
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

// Each way to call the program wrongly that the table itself finds: the
// message, the usage line of the mode and the hint to --help; status 2.
TEST(CommandLine, WrongCallsNameTheirFault) {
    const std::string window = "Aufruf: tamsel-cli [--variant] [--json] [EXPORT] KOEFF WURZEL ABS NENNER\n";
    const std::string exact =
        "Aufruf: tamsel-cli --exact [--variant] [--json] [--max-steps N] [--convergents N] [--trace[=surd]]\n"
        "                   [--nearest] [--best Q] [--semiconvergents] [--errors] [--digits N]\n"
        "                   [--fields LISTE] [EXPORT] KOEFF WURZEL ABS NENNER | AUSDRUCK\n";
    const std::string batch =
        "Aufruf: tamsel-cli --batch [--variant] [--json] [--max-steps N] [--convergents N] [--trace[=surd]]\n"
        "                   [--nearest] [--best Q] [--semiconvergents] [--errors] [--digits N]\n"
        "                   [--fields LISTE] [--threads N] [--line-buffered] [--quiet] [DATEI …]\n";
    const struct {
        std::vector<std::string> args;
        std::string message;
        const std::string& usage;
    } cases[] = {
        {{"--max-steps", "5", "1", "2", "0", "1"}, "--max-steps gilt nur mit --exact, --batch oder --pell", window},
        {{"--trace", "1", "2", "0", "1"}, "--trace gilt nur mit --exact oder --batch", window},
        {{"--convergents=3", "1", "2", "0", "1"}, "--convergents gilt nur mit --exact oder --batch", window},
        {{"1", "2", "0", "1", "--fields", "steps"}, "--fields gilt nur mit --exact, --batch oder --pell", window},
        {{"--threads", "2", "1", "2", "0", "1"}, "--threads gilt nur mit --batch", window},
        {{"--exact", "--line-buffered", "1", "2", "0", "1"}, "--line-buffered gilt nur mit --batch", exact},
        {{"--quiet", "--exact", "1", "2", "0", "1"}, "--quiet gilt nur mit --batch", exact},
        {{"--batch", "--tex"}, "--tex gilt nicht mit --batch", batch},
        {{"--variant=yes", "1", "2", "0", "1"}, "--variant nimmt keinen Wert", window},
        {{"--batch", "--quiet=1"}, "--quiet nimmt keinen Wert", batch},
        {{"-v", "2", "0", "1"}, "unbekannte Option -v", window},
        {{"--exact", "1", "2", "0", "-x"}, "unbekannte Option -x", exact},
        {{"--batch", "-hV"}, "unbekannte Option -hV", batch},
        {{"--exact", "1", "2", "0", "1", "--convergents"}, "--convergents erwartet einen Wert", exact},
    };
    for (const auto& c : cases) {
        const CliOutput r = Cli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tamsel-cli: " + c.message + "\n" + c.usage + "Mehr dazu mit „tamsel-cli --help“.\n");
    }
}

// What is not an option: negative numbers, "-" and everything after "--".
TEST(CommandLine, PlainArguments) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> numbers;
        std::vector<std::string> files;
    } cases[] = {
        {{"1", "2", "-5", "-.5"}, {"1", "2", "-5", "-.5"}, {}},
        {{"--exact", "--", "-sqrt(2)", "--json", "-", "1"}, {"-sqrt(2)", "--json", "-", "1"}, {}},
        {{"--batch", "a.txt", "-", "--quiet", "--", "-b", "--"}, {}, {"a.txt", "-", "-b", "--"}},
    };
    for (const auto& c : cases) {
        const ParsedCommand parsed = ParseCommandLine(c.args);
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.command.numbers, c.numbers);
        EXPECT_EQ(parsed.command.options.files, c.files);
    }
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Whether `word` stands in `text` not followed by a letter or "-".
bool HasWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const char next = at + word.size() < text.size() ? text[at + word.size()] : ' ';
        if (!std::isalnum(static_cast<unsigned char>(next)) && next != '-') return true;
    }
    return false;
}

// The scripts the build made and the package installs: every option of the
// table in each, in the shell's own way of naming it; none starts with a
// hashbang.
TEST(Completion, ScriptsNameEveryOption) {
    const struct {
        std::string file;
        std::string (*written)(const OptionRow& row);
    } shells[] = {
        {"bash/tamsel-cli", [](const OptionRow& row) { return row.longName; }},
        {"zsh/_tamsel-cli",
         [](const OptionRow& row) {
             return row.shortName ? std::string("{-") + row.shortName + "," + row.longName + "}"
                                  : "'" + row.longName + (row.valueName.empty() ? "" : "=");
         }},
        {"fish/tamsel-cli.fish", [](const OptionRow& row) { return " -l " + row.longName.substr(2); }},
    };
    for (const auto& shell : shells) {
        const std::string script = ReadText(std::string(TAMSEL_COMPLETION_DIR) + "/" + shell.file);
        ASSERT_FALSE(script.empty()) << shell.file;
        EXPECT_NE(script.rfind("#!", 0), 0u) << shell.file;
        for (const OptionRow& row : OptionTable()) {
            if (row.longName == "--") continue;
            EXPECT_TRUE(HasWord(script, shell.written(row))) << shell.file << " " << row.longName;
        }
    }
}

// bash itself completes from its script.
TEST(Completion, BashCompletesAnOption) {
    const std::string command = "bash -c 'source " + std::string(TAMSEL_COMPLETION_DIR) +
                                "/bash/tamsel-cli; COMP_WORDS=(tamsel-cli --exact --max); COMP_CWORD=2; "
                                "_tamsel_cli; echo \"${COMPREPLY[*]}\"'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[200] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    EXPECT_TRUE(read);
    EXPECT_STREQ(line, "--max-steps\n");
}

}  // namespace
}  // namespace tamsel
