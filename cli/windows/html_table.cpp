#include "html_table.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr std::string_view kTextCell = "<td class=t sdnum=\"1041;0;@\">";
constexpr std::string_view kBefore =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "<style>.t{mso-number-format:\"\\@\";}</style></head><body>\r\n"
    "<!--StartFragment-->";
constexpr std::string_view kTableStart = "<table>\r\n";
constexpr std::string_view kTableEnd = "</table>";
constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";

// The header with every offset written as ten digits, so that its length is known
// before the offsets are.
std::string Header(std::size_t startHtml, std::size_t endHtml, std::size_t startFragment, std::size_t endFragment)
{
    char header[128];
    const int length = std::snprintf(header, sizeof header,
                                     "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                     "StartFragment:%010zu\r\nEndFragment:%010zu\r\n",
                                     startHtml, endHtml, startFragment, endFragment);
    return std::string(header, static_cast<std::size_t>(length));
}

}   // namespace

void HtmlTable::Word(std::string_view ascii)
{
    body_ += "<td>";
    Escaped(ascii);
    body_ += "</td>";
}

void HtmlTable::Text(std::string_view utf8)
{
    body_ += kTextCell;
    Escaped(utf8);
    body_ += "</td>";
}

void HtmlTable::Text(std::wstring_view text)
{
    utf8_.resize(text.size() * 3);
    const int length = text.empty()
                           ? 0
                           : WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8_.data(),
                                                 static_cast<int>(utf8_.size()), nullptr, nullptr);
    Text(std::string_view(utf8_.data(), static_cast<std::size_t>(length)));
}

void HtmlTable::Escaped(std::string_view utf8)
{
    for (;;) {
        const std::size_t special = utf8.find_first_of("&<>\"");
        body_ += utf8.substr(0, special);
        if (special == std::string_view::npos) return;
        switch (utf8[special]) {
        case '&':
            body_ += "&amp;";
            break;
        case '<':
            body_ += "&lt;";
            break;
        case '>':
            body_ += "&gt;";
            break;
        default:
            body_ += "&quot;";
            break;
        }
        utf8.remove_prefix(special + 1);
    }
}

std::string HtmlTable::ClipboardData() const
{
    const std::size_t startHtml = Header(0, 0, 0, 0).size();
    const std::size_t startFragment = startHtml + kBefore.size();
    const std::size_t endFragment = startFragment + kTableStart.size() + body_.size() + kTableEnd.size();
    const std::size_t endHtml = endFragment + kAfter.size();
    std::string data = Header(startHtml, endHtml, startFragment, endFragment);
    data.reserve(endHtml);
    data += kBefore;
    data += kTableStart;
    data += body_;
    data += kTableEnd;
    data += kAfter;
    return data;
}
