#include <cstddef>
#include <cstdint>

#include "fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckNew2Old(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
