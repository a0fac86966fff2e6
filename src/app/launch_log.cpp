#include "app/launch_log.h"

std::string launch_log_path(std::string_view executable_folder, std::string_view date_stamp)
{
    std::string path(executable_folder);
    path += "Nimbrellog\\";
    path += date_stamp;
    path += ".log";
    return path;
}

std::string launch_log_line(std::string_view target, std::string_view parameters)
{
    std::string line(target);
    if (!parameters.empty()) {
        line += ' ';
        line += parameters;
    }
    line += '\n';
    return line;
}
