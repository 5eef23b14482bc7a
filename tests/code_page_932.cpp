#include "code_page_932.h"

#ifdef _WIN32
#include <windows.h>

std::string ToCodePage932(std::string_view utf8)
{
    wchar_t wide[256];
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide, 256);
    char narrow[512];
    const int narrowLength = WideCharToMultiByte(932, 0, wide, wideLength, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow, static_cast<std::size_t>(narrowLength));
}
#else
#include <iconv.h>

std::string ToCodePage932(std::string_view utf8)
{
    iconv_t converter = iconv_open("CP932", "UTF-8");
    std::string in(utf8);
    char out[512];
    char* inPointer = in.data();
    char* outPointer = out;
    std::size_t inLeft = in.size();
    std::size_t outLeft = sizeof out;
    iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    return std::string(out, sizeof out - outLeft);
}
#endif
