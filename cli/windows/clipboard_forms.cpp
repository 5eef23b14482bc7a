#include "clipboard_forms.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>

#include "desktop_texts.h"
#include "result_sizes.h"

namespace {

constexpr char kBefore[] =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "<style>.t{mso-number-format:\"\\@\";}</style></head><body>\r\n"
    "<!--StartFragment-->";
constexpr char kTableStart[] = "<table>\r\n";
constexpr char kTableEnd[] = "</table>";
constexpr char kAfter[] = "<!--EndFragment-->\r\n</body></html>";
constexpr char kTextCell[] = "<td class=t sdnum=\"1041;0;@\">";

constexpr std::size_t Length(const char* text) { return std::char_traits<char>::length(text); }

// The header with every offset written as ten digits, so that its length is known
// before the offsets are.
std::size_t Header(std::uint64_t startHtml, std::uint64_t endHtml, std::uint64_t startFragment,
                   std::uint64_t endFragment, char (&header)[128])
{
    const int length =
        std::snprintf(header, sizeof header,
                      "Version:0.9\r\nStartHTML:%010llu\r\nEndHTML:%010llu\r\n"
                      "StartFragment:%010llu\r\nEndFragment:%010llu\r\n",
                      static_cast<unsigned long long>(startHtml), static_cast<unsigned long long>(endHtml),
                      static_cast<unsigned long long>(startFragment), static_cast<unsigned long long>(endFragment));
    return static_cast<std::size_t>(length);
}

std::size_t HeaderBytes()
{
    char header[128];
    return Header(0, 0, 0, 0, header);
}

// A text of ours in UTF-8 for the HTML form, made once.
const char* Utf8(const wchar_t* words)
{
    static std::map<const wchar_t*, std::string> made;
    const auto known = made.find(words);
    if (known != made.end()) return known->second.c_str();
    std::string& utf8 = made[words];
    if (words != nullptr) {
        const int units = static_cast<int>(std::wcslen(words));
        utf8.resize(static_cast<std::size_t>(units) * 3);
        utf8.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_UTF8, 0, words, units, utf8.data(), units * 3, nullptr, nullptr)));
    }
    return utf8.c_str();
}

}   // namespace

ClipboardForms::ClipboardForms(const ClipboardForms& measured, wchar_t* text, char* html)
    : text_(text),
      html_(html),
      textCapacity_(measured.TextBytes() / sizeof(wchar_t)),
      htmlCapacity_(measured.HtmlBytes()),
      htmlRowsBytes_(measured.htmlBytes_)
{
    const std::uint64_t startHtml = HeaderBytes();
    const std::uint64_t startFragment = startHtml + Length(kBefore);
    const std::uint64_t endFragment = startFragment + Length(kTableStart) + htmlRowsBytes_ + Length(kTableEnd);
    char header[128];
    Html(header, Header(startHtml, endFragment + Length(kAfter), startFragment, endFragment, header));
    Html(kBefore);
    Html(kTableStart);
}

std::uint64_t ClipboardForms::HtmlBytes() const
{
    return HeaderBytes() + Length(kBefore) + Length(kTableStart) + htmlBytes_ + Length(kTableEnd) + Length(kAfter) + 1;
}

void ClipboardForms::Heading(const char* isbnHeading)
{
    Text(isbnHeading);
    Text("\tASIN\t");
    Text(kReasonHeading, std::wcslen(kReasonHeading));
    Text("\r\n");
    Html("<tr><td>");
    Html(isbnHeading);
    Html("</td><td>ASIN</td><td>");
    Html(Utf8(kReasonHeading));
    Html("</td></tr>\r\n");
}

void ClipboardForms::Row(const char* isbn, const ConversionResult& result, const wchar_t* note)
{
    const wchar_t* const reason =
        note != nullptr ? note : kRefusalReasonWords[static_cast<std::size_t>(result.outcome)];
    Text(isbn);
    Text("\t");
    Text(result.asinText);
    Text("\t");
    if (reason != nullptr) Text(reason, std::wcslen(reason));
    Text("\r\n");

    Html("<tr>");
    for (const char* digits : {isbn, result.asinText}) {
        Html(kTextCell);
        Html(digits);
        Html("</td>");
    }
    Html("<td>");
    Html(Utf8(reason));
    Html("</td></tr>\r\n");
}

void ClipboardForms::Finish()
{
    Text(L"", 1);
    Html(kTableEnd);
    Html(kAfter);
    Html("", 1);
}

// Nothing is written past the measured sizes, whatever a pass does; the blocks are no
// larger than result_sizes.h allows, so that every place within them is a size_t.
void ClipboardForms::Text(const wchar_t* units, std::size_t count)
{
    if (text_ != nullptr && FitsIn(textUnits_, count, textCapacity_)) {
        std::wmemcpy(text_ + static_cast<std::size_t>(textUnits_), units, count);
    }
    textUnits_ += count;
}

// ISBNs, ASINs and separators are ASCII, and so are their UTF-16 units.
void ClipboardForms::Text(const char* ascii)
{
    const std::size_t count = Length(ascii);
    if (text_ != nullptr && FitsIn(textUnits_, count, textCapacity_)) {
        wchar_t* const place = text_ + static_cast<std::size_t>(textUnits_);
        for (std::size_t at = 0; at < count; ++at) place[at] = static_cast<wchar_t>(ascii[at]);
    }
    textUnits_ += count;
}

void ClipboardForms::Html(const char* bytes, std::size_t count)
{
    if (html_ != nullptr && FitsIn(htmlBytes_, count, htmlCapacity_)) {
        std::memcpy(html_ + static_cast<std::size_t>(htmlBytes_), bytes, count);
    }
    htmlBytes_ += count;
}

void ClipboardForms::Html(const char* utf8) { Html(utf8, Length(utf8)); }
