// Time of one conversion, for accepted inputs of every form and for refusals at
// each step of the rules. Run: build/linux/bin/conversion_bench
#include <benchmark/benchmark.h>

#include <string_view>

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

}  // namespace
