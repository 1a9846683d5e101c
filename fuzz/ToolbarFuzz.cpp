// The toolbar dialog's readers on a user file and a default file of any
// bytes (the input up to its first NUL is the user file, the rest the
// default file): the groups with their screens, the toolbar COMBOSEL names
// and the screens of each default toolbar "Modify Group" offers.
#include <string>
#include <unordered_set>

#include "FuzzInput.h"
#include "SampleMenu.h"
#include "toolbar/GroupName.h"
#include "toolbar/ToolbarFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::SampleMenu menu;
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::size_t nSplit = bytes.find('\0');
    const std::string userFile = fuzz::WriteFile("ToolBar_fuzz.ini", bytes.substr(0, nSplit));
    const std::string defaultFile = nSplit == std::string_view::npos
                                        ? userFile
                                        : fuzz::WriteFile("Toolbar.ini", bytes.substr(nSplit + 1));
    CMenuInfo root;
    root.m_nKind = MENU_KIND_ROOT;
    ReadToolbarFile(userFile.c_str(), root);
    // Every group kept has a name of its own section.
    std::unordered_set<std::string> keys;
    for (POSITION pos = root.m_listChild.GetHeadPosition(); pos;) {
        const CString& strName = root.m_listChild.GetNext(pos)->m_strName;
        FUZZ_EXPECT(GroupNameFault(strName).IsEmpty());
        FUZZ_EXPECT(keys.insert(GroupNameKey(strName).GetString()).second);
    }
    const int nSelected = ReadSelectedToolbar(userFile.c_str(), defaultFile.c_str());
    FUZZ_EXPECT(nSelected >= -1);
    for (int nToolbar = 1; nToolbar <= 10; ++nToolbar) {
        for (const CMenuNode* pNode :
             ReadDefaultToolbar(defaultFile.c_str(), nToolbar, &menu.index))
            FUZZ_EXPECT(pNode->m_nKind == MENU_NODE_SCREEN);
    }
    return 0;
}
