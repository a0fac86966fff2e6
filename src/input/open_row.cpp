#include "input/open_row.h"

OpenRowPlan open_row_plan(std::string_view path, bool ctrl, std::string_view current_folder,
                          std::string_view explorer)
{
    OpenRowPlan plan;
    if (!path.empty() && path.back() == '*') {
        plan.text_box.assign(path);
        if (ctrl) {
            // Without its "\*" the folder is the file manager's argument.
            plan.kind = OpenRowPlan::launch;
            plan.target.assign(explorer);
            plan.parameters.assign(path.substr(0, path.size() >= 2 ? path.size() - 2 : 0));
        } else {
            plan.kind = OpenRowPlan::list_folder;
            plan.target.assign(path);
        }
        return plan;
    }
    if (!ctrl) {
        plan.kind = OpenRowPlan::launch;
        plan.target.assign(path);
    } else if (current_folder.size() >= 3) {
        plan.kind = OpenRowPlan::launch;
        plan.target.assign(current_folder.substr(0, current_folder.size() - 1));  // without "*"
    }
    return plan;
}
