// libFuzzer target: INI text of any content. Reading never fails, and a value
// just written is the value read back, with every other key as it was.
#include "platform/system/ini_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)kelmorite::parseIniInteger(text);
    const auto other = kelmorite::findIniValue(text, "Other", "Key");
    const std::string updated = kelmorite::withIniValue(text, "Setup", "Directory_From", "/home/u/My Pictures");
    if (kelmorite::findIniValue(updated, "setup", "directory_from") != "/home/u/My Pictures") std::abort();
    if (kelmorite::findIniValue(updated, "Other", "Key") != other) std::abort();
    return 0;
}
