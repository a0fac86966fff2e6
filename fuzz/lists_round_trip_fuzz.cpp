// Read, write, read again: the second reading of each written text gives
// lists that write the very same text. The bytes fill all five data files
// at once (cmd.txt first, as at loading, so command words drop data lines).
#include <cstring>

#include "lists_fuzz.h"

namespace {

struct Written {
    std::optional<std::string> data, commands, shortcuts, stamps, bookmarks;
    bool operator==(const Written&) const = default;
};

Written read_all_and_write(std::string_view commands, std::string_view rest)
{
    lists_reset_all();
    command_text_read(commands);
    bookmark_text_read(rest);
    stamp_text_read(rest);
    shortcut_text_read(rest);
    data_text_read(rest);
    return Written{data_text_serialise(), command_text_serialise(), shortcut_text_serialise(),
                   stamp_text_serialise(), bookmark_text_serialise()};
}

std::string_view text_of(const std::optional<std::string>& t)
{
    return t ? std::string_view(*t) : std::string_view();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line of the input is cmd.txt, the rest every other file.
    size_t cut = bytes.find('|');
    std::string_view commands = cut == std::string_view::npos ? std::string_view() : bytes.substr(0, cut);
    std::string_view rest = cut == std::string_view::npos ? bytes : bytes.substr(cut + 1);

    Written first = read_all_and_write(commands, rest);
    for (const auto* t : {&first.data, &first.commands, &first.shortcuts, &first.stamps, &first.bookmarks})
        check_written(*t);

    lists_reset_all();
    command_text_read(text_of(first.commands));
    bookmark_text_read(text_of(first.bookmarks));
    stamp_text_read(text_of(first.stamps));
    shortcut_text_read(text_of(first.shortcuts));
    data_text_read(text_of(first.data));
    // Every written data line comes back as one entry.
    size_t lines = 0;
    for (char c : text_of(first.data))
        lines += c == '\n';
    if (g_lists.data.size() != lines)
        abort();
    Written second{data_text_serialise(), command_text_serialise(), shortcut_text_serialise(), stamp_text_serialise(),
                   bookmark_text_serialise()};
    if (!(second == first))
        abort();
    return 0;
}
