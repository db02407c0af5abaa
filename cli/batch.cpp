// SPDX-License-Identifier: MIT
#include "batch.h"

#include "cli_result.h"
#include "lookup.h"
#include "names.h"
#include "result_problem.h"

#include <algorithm>
#include <array>
#include <ios>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quantora {

namespace {

// Input is read, and output written, in blocks of this size.
constexpr std::size_t blockSize = 1 << 16;
constexpr std::size_t fieldCount = 4;
// A longer line is no conversion; it is skipped rather than held in memory.
constexpr std::size_t maxLineLength = 1 << 20;

class BatchConverter {
public:
    BatchConverter(std::ostream &out, std::ostream &err, CliForm form) : out_(out), err_(err), form_(form)
    {
        output_.reserve(2 * blockSize);
    }

    void convertLine(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        endLine(convertInto(line));
    }

    void skipLongLine()
    {
        problem_ = "the line is longer than " + std::to_string(maxLineLength) + " bytes";
        endLine(problem_);
    }

    void flush()
    {
        if (output_.empty() || !out_)
            return;
        out_.write(output_.data(), static_cast<std::streamsize>(output_.size()));
        out_.flush();
        output_.clear();
    }

    // A write that failed (a full disk) ends the run: nothing more can arrive.
    bool outputFailed() const { return !out_; }

    bool allConverted() const { return allConverted_; }

private:
    // A bad line's problem is a text of the name cache or of problem_, used as it is.
    void endLine(std::optional<std::string_view> problem)
    {
        ++lineNumber_;
        output_ += '\n';
        if (problem) {
            allConverted_ = false;
            // The results so far go out first, so that on a terminal the message
            // stands after the empty line it explains.
            flush();
            // Once the output fails, nothing but that failure is reported.
            if (out_) {
                message_.assign("quantora-cli: line ").append(std::to_string(lineNumber_)).append(": ");
                message_.append(*problem).append("\n");
                err_.write(message_.data(), static_cast<std::streamsize>(message_.size()));
            }
        } else if (output_.size() >= blockSize) {
            flush();
        }
    }

    // Appends the line's result to the output, or returns why there is none.
    std::optional<std::string_view> convertInto(std::string_view line)
    {
        std::array<std::string_view, fieldCount> fields;
        std::size_t count = 0;
        for (std::size_t start = 0;; ++count) {
            const auto tab = line.find('\t', start);
            if (count < fieldCount)
                fields[count] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        if (++count != fieldCount)
            return problem_ = "expected 4 fields separated by tabs (QUANTITY, VALUE, FROM, TO), found " +
                              std::to_string(count);

        const NameCache::Quantity &named = names_.quantity(fields[0]);
        if (!named.found)
            return named.problem;
        const QuantityDef &quantity = *named.found;
        std::array<int, 2> positions{};
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const NameCache::Unit &unit = names_.unit(quantity, fields[2 + i]);
            if (unit.position < 0)
                return unit.problem;
            positions[i] = unit.position;
        }
        const ConversionResult result = cliResult(quantity, fields[1], positions[0], positions[1], form_);
        if (auto problem = resultProblem(quantity, fields[1], positions[0], positions[1], result))
            return problem_ = std::move(*problem);
        output_ += result.text;
        return std::nullopt;
    }

    std::ostream &out_;
    std::ostream &err_;
    const CliForm form_;
    NameCache names_;
    std::string output_;
    std::string problem_; // the last problem that is no name's
    std::string message_;
    long long lineNumber_ = 0;
    bool allConverted_ = true;
};

} // namespace

BatchOutcome runBatch(std::istream &in, std::ostream &out, std::ostream &err, int digits, FactorSet factors)
{
    BatchConverter converter(out, err, {.digits = digits, .factors = factors});
    std::vector<char> block(blockSize);
    std::string pending;   // the start of a line whose end is still to come
    bool skipping = false; // within a line too long to convert
    std::streambuf *source = in.rdbuf();
    // Each round takes what one read of the input brought (sgetc reads when the
    // buffer is empty, and only then), so that lines typed at a terminal or sent
    // one at a time by another program are answered at once: the results go out
    // whenever no more input is waiting. A read that fails (a closed handle, a
    // folder) throws from the standard library's file buffer.
    try {
        while (source && source->sgetc() != std::char_traits<char>::eof()) {
            const auto wanted =
                std::clamp<std::streamsize>(source->in_avail(), 1, static_cast<std::streamsize>(blockSize));
            const auto got = static_cast<std::size_t>(source->sgetn(block.data(), wanted));
            pending.append(block.data(), got);
            std::size_t start = 0;
            for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
                if (skipping)
                    converter.skipLongLine();
                else
                    converter.convertLine(std::string_view(pending).substr(start, end - start));
                skipping = false;
                // A write that failed ends the run at once: the line it stopped
                // in is no line to report.
                if (converter.outputFailed())
                    return {.allConverted = false, .inputFailure = std::nullopt};
            }
            pending.erase(0, start);
            if (pending.size() > maxLineLength) {
                skipping = true;
                pending.clear();
            }
            if (source->in_avail() <= 0)
                converter.flush();
            if (converter.outputFailed())
                return {.allConverted = false, .inputFailure = std::nullopt};
        }
    } catch (const std::ios_base::failure &failure) {
        converter.flush();
        const std::error_code code = failure.code();
        const bool systemError =
            code && (code.category() == std::system_category() || code.category() == std::generic_category());
        return {.allConverted = false,
                .inputFailure = systemError ? std::generic_category().message(code.value()) : failure.what()};
    }
    if (skipping)
        converter.skipLongLine();
    else if (!pending.empty())
        converter.convertLine(pending);
    converter.flush();
    return {.allConverted = converter.allConverted(), .inputFailure = std::nullopt};
}

} // namespace quantora
