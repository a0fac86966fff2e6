// Shared by the fuzz targets of the list readers: one reader on the bytes,
// then its writer, whose text must again be made of whole LF-ended lines.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "lists/data_files.h"
#include "lists/string_lists.h"

inline void check_written(const std::optional<std::string>& text)
{
    if (text && (text->empty() || text->back() != '\n' || text->find('\r') != std::string::npos ||
                 text->find('\0') != std::string::npos))
        abort();
}

template <typename Reader, typename Writer>
int fuzz_reader(const uint8_t* data, size_t size, Reader reader, Writer writer)
{
    lists_reset_all();
    reader(std::string_view(reinterpret_cast<const char*>(data), size));
    check_written(writer());
    return 0;
}
