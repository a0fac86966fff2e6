// The eight lists that hold what the user gathers over time, their three
// cursors and every operation that adds, finds, moves or removes entries.
//
// The lists are read through `g_lists` (read-only) and changed only through
// the operations below, which keep the look-up indexes behind them in step:
// loading years of history stays linear although every add follows the
// duplicate rules of its list. Texts are Shift-JIS bytes with no length limit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One entry of the data list. An unkeyed entry has no key; its line is the
// path (or text) that was opened. A keyed entry's key is the path that is
// opened and its line the path, one blank and the keyword (a tab once the
// entry has been saved); a bare keyed entry has a line equal to its key.
struct DataEntry {
    bool has_key = false;
    std::string key;
    std::string line;
};

// An entry of a pair list: recent list (folder, text), command list (word,
// value), shortcut list (letter sequence, target).
struct TextPair {
    std::string first;
    std::string second;
};

struct StringLists {
    std::vector<DataEntry> data;            // data list: history, duplicates allowed
    std::vector<std::string> keywords;      // keyword list: never twice
    std::vector<TextPair> recent;           // recent list: a pair never twice
    std::vector<TextPair> commands;         // command list: first word wins
    std::vector<TextPair> shortcuts;        // shortcut list: first sequence wins
    std::vector<std::string> stamps;        // stamp list
    std::vector<std::string> bookmarks;     // bookmark list: duplicates allowed
    std::vector<std::string> bookmark_extras;  // bookmark extra list: written back unchanged
};

// Read-only view of the lists; change them through the operations below.
extern const StringLists& g_lists;

// The three cursors. They are never adjusted when entries move or go, so
// whoever reads one checks its range first.
struct ListCursors {
    int current_data_entry = -1;   // entry added or updated last while addmode is on
    int last_recent_index = -1;    // position for stepping through the recent list
    int last_bookmark_index = -1;  // position for stepping through the bookmarks
};

extern ListCursors g_cursors;

// Data list. The add follows the addmode setting (g_settings.addmode).
void data_list_add_line(std::string_view stored_line);
void data_list_add(std::optional<std::string_view> key, std::string_view line);
enum class DataRemoveResult { removed, reverted };
DataRemoveResult data_list_remove(std::string_view line);
// Keyword attach: the first entry whose line equals `line` (byte for byte)
// gets the line "B keyword", B being its key or, unkeyed, its line. An entry
// whose line is as long as B becomes keyed in place (key: its old line);
// otherwise the pair (B, new line) goes through the data list add. Nothing
// happens for an empty keyword or when no line matches.
void data_list_attach_keyword(std::string_view line, std::string_view keyword);

// The target behind a data list line: the key of the first entry with that
// line, else its line, else the text itself. Always a new copy; true when the
// target is not empty.
std::string entry_target(std::string_view line);
bool entry_target(const std::string& row_text, std::string& target);

// Drops entries whose target does not exist (asked through target_exists, so
// that tests need no disk), then sorts by the unsigned bytes of the lines.
void data_list_rebuild(bool (*target_exists)(const std::string& target));

void keyword_add(std::string_view text);

// Recent list.
void recent_record(std::string_view folder, std::string_view text);
void recent_add_line(std::string_view stored_line);

// Command and shortcut lists.
void command_add(std::string_view word, std::string_view value);
void shortcut_add(std::string_view word, std::string_view value);
void command_add_line(std::string_view stored_line);
void shortcut_add_line(std::string_view stored_line);
bool command_contains(std::string_view word);
std::string shortcut_lookup(std::string_view sequence);
bool shortcut_contains(std::string_view sequence);

// Stamps and bookmarks.
void stamp_add(std::string_view text);
void stamp_remove(std::string_view text);
bool stamp_contains(std::string_view text);
void bookmark_add(std::string_view text);
void bookmark_remove(std::string_view text);
void bookmark_extra_add(std::string_view text);

// Clear for reload: the data, command, shortcut, bookmark and bookmark extra
// lists. The keyword, recent and stamp lists and the cursors stay.
void lists_clear_for_reload();
// Empties all eight lists and resets the cursors (tests, fuzzers).
void lists_reset_all();
