// The menu the toolbar readers look screen codes up in.
#pragma once

#include <MenuNode.h>

namespace fuzz {

// A menu with screens 0101 and 0102, a folder that carries the number 0200
// and a notice board of kind 7 numbered 0900, with its screen index.
struct SampleMenu {
    SampleMenu();
    CMenuNode root;
    CMapStringToPtr index;
};

}  // namespace fuzz
