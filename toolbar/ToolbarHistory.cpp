#include "ToolbarHistory.h"

namespace {

ToolbarRecord FieldsOf(const CMenuInfo& info) {
    return {info.m_strScreenNo, info.m_strName, info.m_strShortName, info.m_nKind};
}

void CopyFields(const ToolbarRecord& fields, CMenuInfo& info) {
    info.m_strScreenNo = fields.strScreenNo;
    info.m_strName = fields.strName;
    info.m_strShortName = fields.strShortName;
    info.m_nKind = fields.nKind;
}

bool Holds(const ToolbarRecord& fields, const CMenuInfo& info) {
    return fields.strScreenNo == info.m_strScreenNo && fields.strName == info.m_strName &&
           fields.strShortName == info.m_strShortName && fields.nKind == info.m_nKind;
}

// Compares in place: the comparison runs after every action, the copy only
// for the groups it changed.
bool Holds(const ToolbarGroup& group, const CMenuInfo& info) {
    if (!Holds(group.record, info) ||
        group.screens.size() != static_cast<std::size_t>(info.m_listChild.GetCount())) {
        return false;
    }
    std::size_t i = 0;
    for (POSITION pos = info.m_listChild.GetHeadPosition(); pos; ++i) {
        if (!Holds(group.screens[i], *info.m_listChild.GetNext(pos))) return false;
    }
    return true;
}

}  // namespace

CMenuInfo* ToolbarGroup::MakeRecord() const {
    auto* pGroup = new CMenuInfo;
    CopyFields(record, *pGroup);
    for (const ToolbarRecord& screen : screens) {
        auto* pScreen = new CMenuInfo;
        CopyFields(screen, *pScreen);
        pGroup->m_listChild.AddTail(pScreen);
    }
    return pGroup;
}

ToolbarContent CaptureGroups(const CMenuInfo& root, const ToolbarContent& shown) {
    ToolbarContent groups;
    groups.reserve(static_cast<std::size_t>(root.m_listChild.GetCount()));
    for (POSITION pos = root.m_listChild.GetHeadPosition(); pos;) {
        const CMenuInfo& info = *root.m_listChild.GetNext(pos);
        // Mostly the group at the same place; after a deletion one further on.
        const std::shared_ptr<const ToolbarGroup>* pSame = nullptr;
        for (std::size_t k = 0; !pSame && k < shown.size(); ++k) {
            const auto& candidate = shown[(groups.size() + k) % shown.size()];
            if (Holds(*candidate, info)) pSame = &candidate;
        }
        if (pSame) {
            groups.push_back(*pSame);
            continue;
        }
        auto group = std::make_shared<ToolbarGroup>();
        group->record = FieldsOf(info);
        for (POSITION p = info.m_listChild.GetHeadPosition(); p;) {
            group->screens.push_back(FieldsOf(*info.m_listChild.GetNext(p)));
        }
        groups.push_back(std::move(group));
    }
    return groups;
}
