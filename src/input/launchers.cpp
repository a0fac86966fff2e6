#include "input/launchers.h"

#include "folder/path_rules.h"

std::string application_argument(std::string_view item)
{
    std::string argument(item);
    trailing_separator_strip(argument);
    if (argument.find(' ') != std::string::npos)
        argument = '"' + argument + '"';
    return argument;
}
