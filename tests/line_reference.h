// isbnconv's line rules written the plain way, as the expectation for the line
// splitter: split at LF, drop one CR before each LF, keep a last line without LF,
// and call a line long when it exceeds the splitter's capacity.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct SplitLine {
    std::string bytes;
    bool isLong = false;
    bool operator==(const SplitLine&) const = default;
};

inline std::vector<SplitLine> ReferenceLines(std::string_view input, std::size_t capacity)
{
    std::vector<SplitLine> lines;
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t lf = input.find('\n', start);
        std::string line(input.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start));
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.pop_back();
        const bool isLong = line.size() > capacity;
        lines.push_back({line, isLong});
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}
