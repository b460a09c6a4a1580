// Any bytes read as "LAYOUT.USE" give at most the table's capacity of
// entries, and what is written from them reads back to the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/StartupLayout.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CStartupLayout layout;
    layout.Read(in);
    Require(layout.Entries().size() <= static_cast<std::size_t>(CStartupLayout::kCapacity));
    for (const LayoutEntry& entry : layout.Entries())
        Require(!entry.name.empty() && entry.name.size() <= CStartupLayout::kLineLimit);
    // Writing keeps text files, models and their instruments; reading it back never finds more.
    std::ostringstream out;
    layout.Write(out);
    std::istringstream again(out.str());
    CStartupLayout reread;
    reread.Read(again);
    Require(reread.Entries().size() <= layout.Entries().size());
    return 0;
}
