// Converts UTF-8 test expectations into code page 932 with the platform's own
// tables, so that the stored texts are checked against an independent encoder.
#pragma once

#include <string>
#include <string_view>

std::string ToCodePage932(std::string_view utf8);
