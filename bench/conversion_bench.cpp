// Time of one conversion, for accepted inputs of every form and for refusals at
// each step of the rules, and over a mix of random valid inputs as a list brings
// them. Run: build/linux/bin/conversion_bench
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "check_digits.h"
#include "conversion.h"

namespace {

void Run(benchmark::State& state, ConversionResult (*convert)(std::string_view), std::string_view input)
{
    for (auto _ : state) {
        std::string_view text = input;
        benchmark::DoNotOptimize(text);
        ConversionResult result = convert(text);
        benchmark::DoNotOptimize(result);
    }
}

void Old2New(benchmark::State& state, std::string_view input) { Run(state, ConvertOld2New, input); }
void New2Old(benchmark::State& state, std::string_view input) { Run(state, ConvertNew2Old, input); }

// Valid inputs of every accepted form in random order, the same on every run (a
// fixed seed), enough of them that no branch can learn the sequence.
constexpr std::size_t kMixSize = 4096;

std::string RandomDigits(std::mt19937& random, std::size_t count)
{
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + random() % 10);
    return digits;
}

std::vector<std::string> RandomIsbn10s()
{
    std::mt19937 random(10);
    std::vector<std::string> inputs;
    for (std::size_t n = 0; n < kMixSize; ++n) {
        std::string isbn = RandomDigits(random, 9) + '0';
        const int check = Isbn10CheckDigit(isbn);
        isbn.back() = check == 10 ? 'X' : static_cast<char>('0' + check);
        if (random() % 2 == 0)
            isbn = isbn.substr(0, 1) + '-' + isbn.substr(1, 3) + '-' + isbn.substr(4, 5) + '-' + isbn.substr(9);
        inputs.push_back(isbn);
    }
    return inputs;
}

std::vector<std::string> RandomIsbn13s()
{
    std::mt19937 random(13);
    std::vector<std::string> inputs;
    for (std::size_t n = 0; n < kMixSize; ++n) {
        std::string isbn = "978" + RandomDigits(random, 9) + '0';
        isbn.back() = static_cast<char>('0' + Isbn13CheckDigit(isbn));
        switch (random() % 3) {
        case 0:
            break;
        case 1:
            isbn = isbn.substr(0, 3) + '-' + isbn.substr(3);
            break;
        default:
            isbn = isbn.substr(0, 3) + '-' + isbn.substr(3, 1) + '-' + isbn.substr(4, 3) + '-' + isbn.substr(7, 5) +
                   '-' + isbn.substr(12);
            break;
        }
        inputs.push_back(isbn);
    }
    return inputs;
}

void RunMix(benchmark::State& state, ConversionResult (*convert)(std::string_view),
            const std::vector<std::string>& inputs)
{
    std::size_t next = 0;
    for (auto _ : state) {
        std::string_view text = inputs[next];
        next = (next + 1) % inputs.size();
        benchmark::DoNotOptimize(text);
        ConversionResult result = convert(text);
        benchmark::DoNotOptimize(result);
    }
}

void Old2NewRandomMix(benchmark::State& state) { RunMix(state, ConvertOld2New, RandomIsbn10s()); }
void New2OldRandomMix(benchmark::State& state) { RunMix(state, ConvertNew2Old, RandomIsbn13s()); }

BENCHMARK_CAPTURE(Old2New, Plain, std::string_view("0306406152"));
BENCHMARK_CAPTURE(Old2New, Hyphenated, std::string_view("0-306-40615-2"));
BENCHMARK_CAPTURE(Old2New, CheckX, std::string_view("080442957X"));
BENCHMARK_CAPTURE(Old2New, NoInput, std::string_view(""));
BENCHMARK_CAPTURE(Old2New, WrongDigitCount, std::string_view("03064061522"));
BENCHMARK_CAPTURE(Old2New, InvalidData, std::string_view("0-306-40615-x"));
BENCHMARK_CAPTURE(Old2New, BadCheckDigit, std::string_view("0-306-40615-3"));

BENCHMARK_CAPTURE(New2Old, Plain, std::string_view("9780306406157"));
BENCHMARK_CAPTURE(New2Old, PrefixHyphen, std::string_view("978-0306406157"));
BENCHMARK_CAPTURE(New2Old, Hyphenated, std::string_view("978-0-306-40615-7"));
BENCHMARK_CAPTURE(New2Old, CheckX, std::string_view("978-0-8044-2957-3"));
BENCHMARK_CAPTURE(New2Old, NoInput, std::string_view(""));
BENCHMARK_CAPTURE(New2Old, WrongDigitCount, std::string_view("978-0-306-406157"));
BENCHMARK_CAPTURE(New2Old, BadPrefix, std::string_view("979-0-306-40615-6"));
BENCHMARK_CAPTURE(New2Old, InvalidData, std::string_view("978-0-8044-2957-X"));
BENCHMARK_CAPTURE(New2Old, BadCheckDigit, std::string_view("978-0-306-40615-8"));

BENCHMARK(Old2NewRandomMix);
BENCHMARK(New2OldRandomMix);

}   // namespace
