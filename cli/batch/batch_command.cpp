// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch/batch_command.h"

#include <sstream>
#include <thread>
#include <vector>

#include "cli/batch/ordered_workers.h"
#include "cli/exact_mode/expression_argument.h"
#include "cli/exact_mode/whole_argument.h"
#include "cli/json/exact_json.h"
#include "cli/json/json_text.h"

namespace tamsel {

namespace {

// Lines per job, and input bytes per job: enough work to outweigh the
// hand-over, little enough to keep every thread busy.
constexpr std::size_t kLinesPerJob = 128;
constexpr std::size_t kBytesPerJob = 1 << 16;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

struct Chunk {
    std::uint64_t firstLine = 0;
    std::vector<std::string> lines;
    std::size_t bytes = 0;
};

struct ChunkResult {
    std::string text;
    bool failed = false;
};

ChunkResult ExpandChunk(const Chunk& chunk, const ExactOptions& options) {
    ChunkResult result;
    std::ostringstream text;
    for (std::size_t i = 0; i < chunk.lines.size(); ++i) {
        if (!ExpandBatchLine(chunk.lines[i], chunk.firstLine + i, options, text)) result.failed = true;
    }
    result.text = std::move(text).str();
    return result;
}

// A line of --batch --expr: an error object with the column of the problem.
bool ExpandExpressionLine(std::string_view line, std::uint64_t lineNumber, const ExactOptions& options,
                          std::ostream& out) {
    const std::variant<exact::ExactInput, TextRefusal> read = ReadExpressionText(line);
    if (const auto* refusal = std::get_if<TextRefusal>(&read)) {
        out << "{\"line\":" << lineNumber << ",\"error\":" << JsonString(refusal->message)
            << ",\"column\":" << refusal->column << "}\n";
        return false;
    }
    const exact::ExactExpansion expansion(std::get<exact::ExactInput>(read), options.Algorithm(), options.maxSteps);
    WriteExactJson(out, expansion, options.Fields(), options.convergents, options.approximations, lineNumber,
                   options.surdTrace);
    return true;
}

unsigned ThreadCount(const ExactOptions& options) {
    if (options.threads > 0) return options.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

}  // namespace

bool ExpandBatchLine(std::string_view line, std::uint64_t lineNumber, const ExactOptions& options, std::ostream& out) {
    const std::size_t comment = line.find('#');
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return true;
    if (options.expression) return ExpandExpressionLine(line, lineNumber, options, out);

    std::string error;
    if (words.size() != 4) {
        WriteJsonError(out, lineNumber,
                       "erwartet werden vier ganze Zahlen (KOEFF WURZEL ABS NENNER), die Zeile hat " +
                           std::to_string(words.size()));
        return false;
    }
    const std::optional<exact::ExactInput> input = ReadWholeArguments({words[0], words[1], words[2], words[3]}, error);
    if (!input) {
        WriteJsonError(out, lineNumber, error);
        return false;
    }
    const exact::ExactExpansion expansion(*input, options.Algorithm(), options.maxSteps);
    WriteExactJson(out, expansion, options.Fields(), options.convergents, options.approximations, lineNumber,
                   options.surdTrace);
    return true;
}

ExitStatus RunBatch(const ExactOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    const unsigned threads = ThreadCount(options);
    bool anyFailed = false;
    bool writeFailed = false;
    {
        OrderedWorkers<ChunkResult> workers(threads, 4 * static_cast<std::size_t>(threads), [&](ChunkResult& result) {
            if (writeFailed) return;
            out << result.text;
            anyFailed = anyFailed || result.failed;
            writeFailed = !out;
        });
        const auto submit = [&](Chunk& chunk) {
            auto job = std::make_shared<Chunk>(std::move(chunk));
            workers.Submit([job, &options] { return ExpandChunk(*job, options); });
            chunk = Chunk{};
        };
        Chunk chunk;
        std::string line;
        std::uint64_t lineNumber = 0;
        while (!writeFailed && std::getline(in, line)) {
            if (chunk.lines.empty()) chunk.firstLine = lineNumber + 1;
            ++lineNumber;
            chunk.bytes += line.size();
            chunk.lines.push_back(std::move(line));
            if (chunk.lines.size() >= kLinesPerJob || chunk.bytes >= kBytesPerJob) submit(chunk);
        }
        if (!chunk.lines.empty() && !writeFailed) submit(chunk);
        workers.Finish();
    }
    if (writeFailed) out.setstate(std::ios::badbit);
    return AfterWriting(out, err, anyFailed ? ExitStatus::InputRefused : ExitStatus::Done);
}

}  // namespace tamsel
