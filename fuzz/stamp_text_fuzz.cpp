// Any bytes as the file of stamp lists: no crash, no read past the
// buffer, and the writer gives whole LF-ended lines.
#include "lists_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz_reader(data, size, stamp_text_read, stamp_text_serialise);
}
