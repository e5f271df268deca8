// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch/batch_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <thread>

#include "cli/batch/batch_progress.h"
#include "cli/batch/batch_refusal.h"
#include "cli/batch/ordered_output.h"
#include "cli/batch/ordered_workers.h"
#include "cli/command_line/messages.h"
#include "cli/command_line/output_failure.h"
#include "cli/exact_mode/expression_argument.h"
#include "cli/exact_mode/whole_argument.h"
#include "cli/json/exact_json.h"
#include "cli/memory_exhaustion.h"

namespace tamsel {

namespace {

// Lines per job, and input bytes per job: enough work to outweigh the
// hand-over, little enough to keep every thread busy.
constexpr std::size_t kLinesPerJob = 128;
constexpr std::size_t kBytesPerJob = 1 << 16;

struct Chunk {
    const std::string* file = nullptr;
    std::uint64_t firstLine = 0;
    std::vector<std::string> lines;
    std::size_t bytes = 0;
};

// Expands the lines of a chunk into its answer; true when a line failed.
bool ExpandChunk(const Chunk& chunk, const BatchLineAnswer& answerLine, OrderedOutput& output, std::uint64_t answer) {
    // The answer is closed however the chunk ends, after its last text is
    // handed on: the answers after it wait for that.
    struct Closer {
        OrderedOutput& output;
        std::uint64_t answer;
        ~Closer() { output.Close(answer); }
    } closer{output, answer};
    bool failed = false;
    {
        AnswerBuffer buffer(output, answer);
        std::ostream text(&buffer);
        try {
            for (std::size_t i = 0; i < chunk.lines.size() && text; ++i) {
                const BatchPlace place{chunk.file, chunk.firstLine + i};
                if (!answerLine(chunk.lines[i], place, text)) failed = true;
                // Each finished line is handed on at once: it is written
                // even when memory runs out during the next one.
                text.flush();
            }
        } catch (const OutputFailed&) {
        }
    }
    return failed;
}

// The JSON object of one answered line; with a file named, "file" and
// "line" lead it.
void WriteAnswer(std::ostream& out, const exact::ExactExpansion& expansion, const BatchPlace& place,
                 const ExactOptions& options) {
    FieldSet fields = options.Fields();
    if (place.file != nullptr) fields.Add(ExactField::Line);
    WriteExactJson(out, expansion, fields, options.convergents, options.approximations, place.line, options.surdTrace,
                   place.file);
}

// A line of --batch --expr: an error object with the column of the problem.
bool ExpandExpressionLine(std::string_view line, const BatchPlace& place, const ExactOptions& options,
                          std::ostream& out) {
    const std::variant<exact::ExactInput, TextRefusal> read = ReadExpressionText(line);
    if (const auto* refusal = std::get_if<TextRefusal>(&read)) {
        WriteJsonError(out, place.line, refusal->message, refusal->code, place.file, refusal->column);
        return false;
    }
    const exact::ExactExpansion expansion(std::get<exact::ExactInput>(read), options.Algorithm(), options.maxSteps);
    WriteAnswer(out, expansion, place, options);
    return true;
}

unsigned ThreadCount(const BatchSettings& settings) {
    if (settings.threads > 0) return settings.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

std::string OpenFailure(int cause) {
    switch (cause) {
        case ENOENT: return "gibt es nicht";
        case EACCES: return "keine Berechtigung";
        default: return std::string("Fehler ") + std::strerror(cause);
    }
}

void WriteErrorObject(std::ostream& out, const BatchPlace& place, const std::string& message, const char* code) {
    WriteJsonError(out, place.line, message, code, place.file);
}

}  // namespace

bool ExpandBatchLine(std::string_view line, const BatchPlace& place, const ExactOptions& options, std::ostream& out) {
    line = WithoutComment(line);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) return true;
    if (options.expression) return ExpandExpressionLine(line, place, options, out);

    std::string error;
    if (words.size() != 4) {
        WriteErrorObject(out, place,
                         "erwartet werden vier ganze Zahlen (KOEFF WURZEL ABS NENNER), die Zeile hat " +
                             std::to_string(words.size()),
                         kFieldCountRefusal);
        return false;
    }
    const std::array<std::string_view, 4> texts = {words[0], words[1], words[2], words[3]};
    const std::optional<exact::ExactInput> input = ReadWholeArguments(texts, error);
    if (!input) {
        WriteErrorObject(out, place, error, RefusalOfNumbers(texts));
        return false;
    }
    const exact::ExactExpansion expansion(*input, options.Algorithm(), options.maxSteps);
    WriteAnswer(out, expansion, place, options);
    return true;
}

ExitStatus RunBatch(const BatchLineAnswer& answerLine, const std::vector<BatchSource>& sources,
                    const BatchSettings& settings, std::ostream& out, std::ostream& err) {
    const unsigned threads = ThreadCount(settings);
    const std::size_t linesPerJob = settings.lineBuffered ? 1 : kLinesPerJob;
    OrderedOutput output(out, settings.byteBound, settings.lineBuffered);
    const FinishedOutputFlush flushOnExhaustion(
        [](void* context) { static_cast<OrderedOutput*>(context)->FlushIfIdle(); }, &output);
    bool anyFailed = false;
    const std::string* unreadable = nullptr;
    try {
        BatchProgress progress(err, settings.progress);
        OrderedWorkers<bool> workers(threads, 4 * static_cast<std::size_t>(threads),
                                     [&](bool& failed) { anyFailed = anyFailed || failed; });
        const auto submit = [&](Chunk& chunk) {
            auto job = std::make_shared<Chunk>(std::move(chunk));
            const std::uint64_t answer = output.Open();
            workers.Submit([job, answer, &answerLine, &output, &progress] {
                try {
                    const bool failed = ExpandChunk(*job, answerLine, output, answer);
                    progress.Done(job->lines.size());
                    return failed;
                } catch (const std::bad_alloc&) {
                    EndForLackOfMemory();
                }
            });
            chunk = Chunk{};
        };
        for (const BatchSource& source : sources) {
            Chunk chunk;
            std::string line;
            std::uint64_t lineNumber = 0;
            const std::string* file = settings.namesFiles ? &source.name : nullptr;
            // A read error ends the loop as an exception, apart from running out of memory.
            source.in->exceptions(std::ios::badbit);
            // Only the workers write: an input stream tied to the output
            // (std::cin is, to std::cout) would flush it from this thread.
            source.in->tie(nullptr);
            try {
                while (!output.Failed() && std::getline(*source.in, line)) {
                    if (chunk.lines.empty()) chunk.firstLine = lineNumber + 1;
                    chunk.file = file;
                    ++lineNumber;
                    chunk.bytes += line.size();
                    chunk.lines.push_back(std::move(line));
                    if (chunk.lines.size() >= linesPerJob || chunk.bytes >= kBytesPerJob) submit(chunk);
                }
            } catch (const std::ios_base::failure&) {
                unreadable = &source.name;
            }
            if (!chunk.lines.empty() && !output.Failed()) submit(chunk);
            if (unreadable != nullptr) break;
        }
        workers.Finish();
    } catch (const std::bad_alloc&) {
        EndForLackOfMemory();
    }
    if (output.Failed()) out.setstate(std::ios::badbit);
    const ExitStatus status = AfterWriting(out, err, anyFailed ? ExitStatus::InputRefused : ExitStatus::Done);
    if (status == ExitStatus::NotWritten) return status;
    if (unreadable != nullptr) {
        SayTo(err, (*unreadable == "-" ? std::string("die Standardeingabe") : QuotedForMessage(*unreadable)) +
                       " kann nicht zu Ende gelesen werden");
        return ExitStatus::WrongCall;
    }
    return status;
}

ExitStatus RunBatchOnFiles(const BatchLineAnswer& answerLine, const std::vector<std::string>& files,
                           BatchSettings settings, std::istream& in, std::ostream& out, std::ostream& err) {
    std::vector<std::unique_ptr<std::ifstream>> opened;
    std::vector<BatchSource> sources;
    for (const std::string& name : files.empty() ? std::vector<std::string>{"-"} : files) {
        if (name == "-") {
            sources.push_back({name, &in});
            continue;
        }
        std::error_code ignored;
        const bool directory = std::filesystem::is_directory(name, ignored);
        auto file = std::make_unique<std::ifstream>(name, std::ios::binary);
        if (directory || !file->is_open()) {
            const int cause = errno;
            SayTo(err, QuotedForMessage(name) + " kann nicht gelesen werden: " +
                           (directory ? std::string("ein Verzeichnis") : OpenFailure(cause)));
            return ExitStatus::WrongCall;
        }
        sources.push_back({name, file.get()});
        opened.push_back(std::move(file));
    }
    settings.namesFiles = sources.size() > 1;
    return RunBatch(answerLine, sources, settings, out, err);
}

}  // namespace tamsel
