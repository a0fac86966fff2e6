// Any bytes as the file of data lists: no crash, no read past the
// buffer, and the writer gives whole LF-ended lines.
#include "lists_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz_reader(data, size, data_text_read, data_text_serialise);
}
