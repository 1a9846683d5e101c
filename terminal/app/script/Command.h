// The commands of a tabulo-host script, as the parser hands them to the
// runner: one record per line, with everything checked that can be checked
// before a dialog exists (syntax, numbers, key names).
#pragma once

#include <string>
#include <vector>

#include "Spot.h"

namespace script {

// A place on a control of the topmost dialog.
using automation::Spot;

// A key as a person presses it: a virtual key (VK_*) with the modifiers held
// down around it (MK_CONTROL, MK_SHIFT, MK_ALT).
struct KeyStroke {
    unsigned vk = 0;
    unsigned modifiers = 0;
};

struct Command {
    enum class Verb {
        OpenToolbar,  // CallTabulo(2)
        OpenLink,     // CallTabulo(4)
        Click,        // `spot`: Control, Item, Rows or Cell
        DblClick,     // `spot`: Item or Cell
        Focus,        // `spot.control`
        PressKey,     // `key`
        Wheel,        // `notches` (up is positive) over `spot`: Control, Item or Row
        Type,         // `text`
        Answer,       // `ok`
        Drag,         // from `spot` over each of `via` to `to`; `cancel` ends with Escape
        Dump,  // `spot.control`, its first shown item when `top`, or the dialog when `dialog`
        Cat,   // `text`: a file under HOME
        Note,  // `text`
    };

    int line = 0;
    Verb verb = Verb::Note;
    Spot spot;
    std::vector<Spot> via;
    Spot to;
    KeyStroke key;
    int notches = 0;
    std::string text;
    bool ok = true;
    bool cancel = false;
    bool dialog = false;
    bool top = false;
};

}  // namespace script
