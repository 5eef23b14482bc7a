// Check characters of the two ISBN forms. A digit string is an ISBN without its
// hyphens: ten characters for ISBN-10, thirteen for ISBN-13, the last being the
// check position. The computing functions never read that last character, so a
// candidate may carry a stale or placeholder check character there.
#pragma once

#include <cstddef>
#include <string_view>

// ISBN-10 check value 0..10 (10 is written X) from the first nine characters:
// weights 10 down to 2, modulus 11.
constexpr int Isbn10CheckDigit(std::string_view digits)
{
    const std::size_t count = digits.size() < 10 ? (digits.empty() ? 0 : digits.size() - 1) : 9;
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += (digits[i] - '0') * (10 - static_cast<int>(i));
    const int remainder = sum % 11;
    return remainder == 0 ? 0 : 11 - remainder;
}

// ISBN-13 (EAN-13) check digit 0..9 from the first twelve characters: weights 1, 3
// alternating, modulus 10.
constexpr int Isbn13CheckDigit(std::string_view digits)
{
    const std::size_t count = digits.size() < 13 ? (digits.empty() ? 0 : digits.size() - 1) : 12;
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    const int remainder = sum % 10;
    return remainder == 0 ? 0 : 10 - remainder;
}

// Only the upper-case X stands for 10, and only in the check position.
constexpr bool VerifyIsbn10(std::string_view digits)
{
    if (digits.size() != 10) return false;
    const int stated = digits[9] == 'X' ? 10 : digits[9] - '0';
    return Isbn10CheckDigit(digits) == stated;
}

constexpr bool VerifyIsbn13(std::string_view digits)
{
    if (digits.size() != 13) return false;
    return digits[12] == '0' + Isbn13CheckDigit(digits);
}
