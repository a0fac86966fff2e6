#include "folder/folder_state.h"

FolderState g_folder;
