// The day's launch log: where it lives and the line each open attempt adds.
#pragma once

#include <string>
#include <string_view>

// Executable folder + "Nimbrellog\" + date stamp + ".log".
std::string launch_log_path(std::string_view executable_folder, std::string_view date_stamp);

// The target, then a blank and the parameters when there are any, then one
// line feed. The line is kept whole however long it is.
std::string launch_log_line(std::string_view target, std::string_view parameters);
