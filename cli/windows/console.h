// The console an Explorer session talks through: text out, typed lines in, both UTF-16
// so that Japanese shows whatever the console's code page.
#pragma once

#include <string>
#include <string_view>

class Console {
public:
    virtual ~Console() = default;
    virtual void Write(std::wstring_view text) = 0;
    // One typed line without its line end; false once nothing more can be read.
    virtual bool ReadLine(std::wstring& line) = 0;
    // Forgets what was typed before it was asked for, such as an Enter pressed
    // while files were converting.
    virtual void DiscardTypedAhead() = 0;
};
