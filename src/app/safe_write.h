// The one way Nimbrel and stowa write a file the user relies on: the new
// text goes into a temporary file on the target's volume, is flushed, and
// then replaces the target in one step, so that the target is always either
// wholly old or wholly new (safe_write_win.cpp).
#pragma once

#include <string>
#include <string_view>

// Writes `text` through the temporary file target + ".tmp". On any failure
// the old target stays whole, the temporary file is removed and the result
// is false.
bool safe_write(const std::string& target, std::string_view text);

// The same through a temporary file the caller names, for a folder where no
// name beside the target is free for it. It must lie on the target's volume.
bool safe_write(const std::string& target, std::string_view text, const std::string& temporary);

// Flushes a file's written data to the disk; false when it cannot be opened.
bool file_flush(const std::string& path);

// The last step of a safe write, for a temporary file that the caller has
// written and flushed by other means: replaces the target with it in one
// step. On failure the target stays as it was and the temporary file is
// removed.
bool safe_replace(const std::string& temporary, const std::string& target);

// Fault injection for tests: asked before each step of a safe write
// (0 temporary file created, 1 written, 2 flushed, 3 closed, before the
// swap; safe_replace asks step 3). `fail` makes the step fail; `die` stops
// the write at once and leaves the disk as a killed process would.
enum class WriteFault { none, fail, die };
extern WriteFault (*g_write_fault)(int step);

// What the hook answers at a step; none without a hook.
WriteFault write_fault_at(int step);
