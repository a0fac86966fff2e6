// Load and save of a long history: data.txt of 10,000 and of 100,000 lines
// (plain paths, keyed lines, quoted paths, Japanese names, bare keyed lines,
// repeats) read into the lists and written back, files included. Prints the
// time of each size and the ratio of the two; linear work gives about 10.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lists/data_files.h"
#include "lists/string_lists.h"

namespace {

// <chrono> cannot be compiled with the Shift-JIS execution character set.
double seconds_now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Shift-JIS names: "ファイル" and "資料" (0x8E 0x91 0x97 0xBF).
const char* const JAPANESE[] = {"\x83\x74\x83\x40\x83\x43\x83\x8B", "\x8E\x91\x97\xBF"};

std::string history_text(size_t lines)
{
    std::string text;
    std::vector<std::string> written;
    written.reserve(lines);
    unsigned seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    for (size_t i = 0; i < lines; ++i) {
        std::string line;
        std::string path = "C:\\Users\\me\\Documents\\project" + std::to_string(i % 97) + "\\" +
                           JAPANESE[i % 2] + std::to_string(i) + ".txt";
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
            line = path;
            break;
        case 3:
        case 4:
            line = path + "\tkeyword" + std::to_string(next() % 300);
            break;
        case 5:
            line = "\"C:\\Program Files\\app " + std::to_string(i) + "\\run.exe\"\ttool" + std::to_string(i % 50);
            break;
        case 6:
            line = path + "\t";  // bare keyed
            break;
        case 7:
        case 8:
            // A repeat of an earlier line (sometimes keying an earlier path).
            line = written.empty() ? path : written[next() % written.size()];
            break;
        default:
            line = "D:\\music\\" + std::string(JAPANESE[1]) + "\\" + std::to_string(i);
            break;
        }
        written.push_back(line);
        text += line;
        text += i % 3 == 0 ? "\r\n" : "\n";
    }
    return text;
}

std::string read_file(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

// The program loads once at its start, with nothing of the history in the
// processor caches; every timed run starts after the caches were filled with
// other data, so that the small history is not measured warm and the large
// one cold.
void evict_caches()
{
    static std::vector<char> other(64u << 20);
    for (size_t i = 0; i < other.size(); i += 64)
        other[i] = char(other[i] + 1);
}

// Best of a few runs of load (read file, clear, parse) and save (serialise,
// write file), in seconds.
double load_and_save(const std::filesystem::path& file, size_t& written_bytes, bool cold)
{
    double best = 1e9;
    for (int run = 0; run < 15; ++run) {
        if (cold)
            evict_caches();
        double start = seconds_now();
        lists_reset_all();
        command_text_read("ed notepad.exe\nmail C:\\mail.exe\n");
        data_text_read(read_file(file));
        std::optional<std::string> text = data_text_serialise();
        write_file(file.string() + ".out", text ? *text : std::string());
        written_bytes = text ? text->size() : 0;
        best = std::min(best, seconds_now() - start);
    }
    return best;
}

}  // namespace

int main()
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "nimbrel-history-bench";
    std::filesystem::create_directories(folder);
    double times[2], warm[2];
    size_t sizes[2] = {10000, 100000};
    for (int k = 0; k < 2; ++k) {
        std::filesystem::path file = folder / ("data" + std::to_string(sizes[k]) + ".txt");
        std::string text = history_text(sizes[k]);
        write_file(file, text);
        size_t out = 0;
        warm[k] = load_and_save(file, out, false);
        times[k] = load_and_save(file, out, true);
        std::printf("history %zu lines (%zu bytes): load + save %.4f s from cold caches (%.4f s repeated warm), "
                    "%zu entries, %zu bytes written\n",
                    sizes[k], text.size(), times[k], warm[k], g_lists.data.size(), out);
    }
    std::filesystem::remove_all(folder);
    std::printf("history warm ratio %.2f\n", warm[1] / warm[0]);
    std::printf("history ratio %.2f (goal 12)\n", times[1] / times[0]);
    return 0;
}
