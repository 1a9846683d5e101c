// A place on a control of a dialog, named as a person names it: where a
// click lands, where a drag starts, passes or ends.
#pragma once

#include <string>
#include <vector>

namespace automation {

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

}  // namespace automation
