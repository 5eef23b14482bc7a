// isbnconv: the dialogs' two conversions for lists of ISBNs, one input per argument
// or per line of standard input, one TAB-separated record per input on standard output.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "agency_hyphens.h"
#include "batch_converter.h"
#include "byte_order_mark.h"
#include "line_splitter.h"
#include "output_buffer.h"
#include "standard_streams.h"
#include "tabbed_text.h"

#ifdef _WIN32
#include "desktop_mode.h"
#endif

namespace {

enum ExitStatus { AllConverted = 0, SomeRefused = 1, UsageError = 2, InputOutputError = 3 };

constexpr char kUsage[] =
    "usage: isbnconv to13|to10 [--column N] [--hyphens as-typed|agency|none] [--lenient]\n"
    "                [--] [INPUT...]\n"
    "       isbnconv --help | --version\n"
    "\n"
    "  to13  ISBN-10 to ISBN-13 (prefix 978)\n"
    "  to10  ISBN-13 (prefix 978) to ISBN-10\n"
    "\n"
    "  --column N  convert the Nth TAB-separated field of each input (N from 1); a field\n"
    "              in quotes that holds a line break is one field, and its line breaks\n"
    "              do not end the input, as in Excel's tab-separated text\n"
    "  --hyphens   how the converted ISBN is written: as-typed (the default: 978- and the\n"
    "              input's own hyphens), agency (the ISBN agency's hyphens, as its range\n"
    "              table says; digits alone where it has none to give), none (digits alone)\n"
    "  --lenient   read an input that does not convert as Japanese sheets write ISBNs:\n"
    "              full-width digits, X and hyphens, dashes and long-vowel marks as hyphens,\n"
    "              a leading ISBN label and spaces around left out (UTF-8 input)\n"
    "\n"
    "Without INPUT, reads one input per line from standard input.\n"
    "Writes one line per input: status, ISBN, ASIN and the input, TAB-separated (with\n"
    "--column, an input whose quoted field holds line breaks is echoed with them).\n"
    "Status: ok, no-input, wrong-digit-count, invalid-data, bad-check-digit, bad-prefix,\n"
    "        missing-column (an input with fewer than N fields).\n"
    "Exit status: 0 all converted, 1 some refused, 2 usage error, 3 read or write error.\n";

// Lines longer than this are refused on their length and only echoed; with a column,
// one whose column a TAB closes within this many bytes is converted all the same.
using StdinSplitter = LineSplitter<256>;

int Usage(std::FILE* stream, int status)
{
    std::fputs(kUsage, stream);
    return status;
}

// A column number is a positive decimal number, digits only.
bool ParseColumn(std::string_view text, std::size_t& column)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result parsed = std::from_chars(text.data(), end, column);
    return parsed.ec == std::errc() && parsed.ptr == end && column > 0;
}

int PrintVersion()
{
    std::printf("isbnconv " QUENZEL_VERSION " (ISBN ranges of %s)\n", kAgencyRangesDateText);
    return AllConverted;
}

bool ParseHyphens(std::string_view text, Hyphens& hyphens)
{
    if (text == "as-typed")
        hyphens = Hyphens::AsTyped;
    else if (text == "agency")
        hyphens = Hyphens::Agency;
    else if (text == "none")
        hyphens = Hyphens::None;
    else
        return false;
    return true;
}

// With a column, a line is a row of cells, whose quoted cells may hold line ends.
bool ConvertStandardInput(BatchConverter& converter, bool cells)
{
    static char chunk[64 * 1024];
    // fread returns a short count only at the end of the input, so the first read
    // holds the whole byte-order mark if there is one, and tells whether rows end
    // with CRLF, and so may hold quoted cells.
    std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
    static StdinSplitter splitter(cells, HoldsQuotedCells(std::string_view(chunk, got)));
    splitter.Feed(WithoutByteOrderMark(std::string_view(chunk, got)), converter);
    while (got == sizeof chunk) {
        got = std::fread(chunk, 1, sizeof chunk, stdin);
        splitter.Feed(std::string_view(chunk, got), converter);
    }
    splitter.Finish(converter);
    return std::ferror(stdin) == 0;
}

}   // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    if (StartedFromExplorer(argc, argv)) return RunFromExplorer();
#endif
    UseBinaryStandardStreams();
    int next = 1;
    const Direction* direction = nullptr;
    for (; next < argc && direction == nullptr; ++next) {
        const std::string_view arg = argv[next];
        if (arg == "--help") return Usage(stdout, AllConverted);
        if (arg == "--version") return PrintVersion();
        if (arg == "to13") {
            direction = &kTo13;
        } else if (arg == "to10") {
            direction = &kTo10;
        } else {
            std::fprintf(stderr, "isbnconv: unknown direction or option '%s'\n", argv[next]);
            return Usage(stderr, UsageError);
        }
    }
    if (direction == nullptr) {
        std::fputs("isbnconv: no direction given\n", stderr);
        return Usage(stderr, UsageError);
    }
    // Options may follow the direction until "--"; any other argument is an input,
    // one that starts with a single hyphen included.
    std::size_t column = 0;
    Hyphens hyphens = Hyphens::AsTyped;
    bool lenient = false;
    for (; next < argc; ++next) {
        const std::string_view arg = argv[next];
        if (arg == "--") {
            ++next;
            break;
        }
        if (arg.substr(0, 2) != "--") break;
        if (arg == "--help") return Usage(stdout, AllConverted);
        if (arg == "--version") return PrintVersion();
        if (arg == "--column") {
            if (++next == argc) {
                std::fputs("isbnconv: no column given\n", stderr);
                return Usage(stderr, UsageError);
            }
            if (ParseColumn(argv[next], column)) continue;
            std::fprintf(stderr, "isbnconv: bad column '%s'\n", argv[next]);
            return Usage(stderr, UsageError);
        }
        if (arg == "--lenient") {
            lenient = true;
            continue;
        }
        if (arg == "--hyphens") {
            if (++next < argc && ParseHyphens(argv[next], hyphens)) continue;
            std::fprintf(stderr, "isbnconv: --hyphens takes as-typed, agency or none\n");
            return Usage(stderr, UsageError);
        }
        std::fprintf(stderr, "isbnconv: unknown option '%s'\n", argv[next]);
        return Usage(stderr, UsageError);
    }

    static OutputBuffer out(stdout, StandardOutputIsTerminal());
    BatchConverter converter(*direction, out, column, hyphens);
    if (lenient) converter.ReadLeniently(TextCode::Utf8);

    bool readOk = true;
    if (next < argc) {
        for (; next < argc; ++next) converter.Line(argv[next]);
    } else {
        readOk = ConvertStandardInput(converter, column != 0);
    }
    const bool writeOk = out.Flush();
    if (!readOk || !writeOk) {
        std::fputs(readOk ? "isbnconv: write error\n" : "isbnconv: read error\n", stderr);
        return InputOutputError;
    }
    return converter.AllConverted() ? AllConverted : SomeRefused;
}
