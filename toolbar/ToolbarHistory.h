// The toolbar dialog's working copy as its history keeps it: the groups'
// records with their screens. A step shares every group it did not change
// with the step before, so a step costs what its action touched.
#pragma once

#include <memory>
#include <vector>

#include "toolbar/MenuInfo.h"
#include "editing/EditHistory.h"

struct ToolbarRecord {
    CString strScreenNo;
    CString strName;
    CString strShortName;
    BYTE nKind = MENU_KIND_GROUP;

    bool operator==(const ToolbarRecord&) const = default;
};

struct ToolbarGroup {
    ToolbarRecord record;
    std::vector<ToolbarRecord> screens;

    // A new record, with records of the screens, for the dialog's root.
    CMenuInfo* MakeRecord() const;
};

// Groups are the same exactly when they are one object.
using ToolbarContent = std::vector<std::shared_ptr<const ToolbarGroup>>;

// The root's groups, each taken from the shown content when one there equals it.
ToolbarContent CaptureGroups(const CMenuInfo& root, const ToolbarContent& shown);

struct ToolbarView {
    int nGroup = -1;  // among the root's children; -1 the root, -2 no selection
    bool bRootOpen = true;
    CListPlace list;
};

using CToolbarHistory = CEditHistory<ToolbarContent, ToolbarView>;
