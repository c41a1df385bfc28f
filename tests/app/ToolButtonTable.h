// The main window's tool bar, left to right, written out by hand: a test compares the program's
// buttons with this, never with the list the program builds them from.
#pragma once
#include "app/MainToolBar.h"
#include "res/resource.h"

#include <vector>

// Image index and command id of each button; {0, 0} is a separator. Without the flat look a
// separator also goes in front of the first button and in front of the version button.
inline std::vector<CToolButtonDef> ExpectedToolButtons(bool bFlat)
{
    const CToolButtonDef sep = {0, 0};
    std::vector<CToolButtonDef> list;
    if (!bFlat)
        list.push_back(sep);
    list.insert(list.end(), {{0, ID_CLEAR_TREE},
                             {1, ID_SELECT_SOURCE},
                             {10, ID_ADD_LOAD},
                             {2, ID_SELECT_DEST},
                             sep,
                             {6, ID_ADD_DIR},
                             {7, ID_DELETE_DIR},
                             sep,
                             {9, ID_EDIT_ATTRIBUTES},
                             {8, ID_OPTIONS},
                             sep,
                             {3, ID_RUN_DIRS_ONLY},
                             {11, ID_RUN_WITH_FILES},
                             sep,
                             {4, ID_APP_EXIT},
                             sep});
    if (!bFlat)
        list.push_back(sep);
    list.push_back({5, ID_APP_ABOUT});
    return list;
}
