// Plays arbitrary bytes as scripts of abacus operations; see AbacusSession.
#include "AbacusSession.h"
#include "ByteStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteStream bytes(data, size);
    AbacusSession session(bytes);
    session.Run();
    return 0;
}
