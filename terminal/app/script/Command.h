// The commands of a tabulo-host script, as the parser hands them to the
// runner: one record per line, with everything checked that can be checked
// before a dialog exists (syntax, numbers, key names).
#pragma once

#include <string>
#include <vector>

namespace script {

// A place on a control of the topmost dialog: where a click lands, where a
// drag starts, passes or ends.
struct Spot {
    enum class Where {
        Control,    // the middle of the control
        Item,       // the label of the tree item at `path`
        Rows,       // list rows (`rows`; the first one is the one pressed)
        Cell,       // the list cell of row `rows[0]`, column `column`
        Row,        // the middle of list row `rows[0]`
        RowBottom,  // 2 pixels above the lower edge of list row `rows[0]`
        End,        // below the last row
        Empty,      // a point of the control where no item is
        At,         // client coordinates `x`, `y`
    };

    int control = 0;
    Where where = Where::Control;
    std::string path;  // UTF-8 labels joined by " > "
    std::vector<int> rows;
    int column = 0;
    int x = 0;
    int y = 0;
};

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
