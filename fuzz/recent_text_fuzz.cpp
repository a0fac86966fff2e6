// Any bytes as the file of recent lists: no crash, no read past the
// buffer, and the writer gives whole LF-ended lines.
#include "lists_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz_reader(data, size, recent_text_read, recent_text_serialise);
}
