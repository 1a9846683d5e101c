// The registered resources of every module, by module handle, type and id.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace afx::detail {

struct DialogItemData {
    UINT id;
    std::string className;
    std::string text;  // CP949
    DWORD style;
    DWORD exStyle;
    RECT rect;  // dialog units: left, top, right, bottom
};

struct DialogTemplateData {
    UINT id;
    std::string caption;  // CP949
    DWORD style;
    DWORD exStyle;
    std::string fontName;
    WORD pointSize;
    RECT rect;  // dialog units
    std::vector<DialogItemData> items;
};

bool HasResource(HINSTANCE module, LPCTSTR type, UINT id);
const DialogTemplateData* FindDialogTemplate(HINSTANCE module, UINT id);
const std::vector<unsigned char>* FindBitmap(HINSTANCE module, UINT id);

}  // namespace afx::detail
