// The terminal's side of its framework libraries: what the host program (and
// the tests, which play the terminal) set before they call into the module.
// The module never sees this header.
#pragma once

#include <afx.h>

#include <string>

class CMenuNode;
class CMapStringToPtr;

namespace terminal {

// Input registry (BrinCommLib). An index holds either a pointer or a text;
// registering replaces what the index held.
void RegisterInput(int nIndex, void* pValue);
void RegisterInput(int nIndex, const CString& strValue);
// Forgets every input and the record of reads.
void ClearInputs();
// The reads since the last ClearInputs, in order, e.g. "p1 s2 s3 s4 p5"
// ("p" for GetInput_p, "s" for GetInput_s, then the index).
std::string InputReadLog();

// Directories (BrinCommLib). GetBaseUserDir(id) answers strBaseDir + "/" + id.
void SetMainDir(const CString& strDir);
void SetUserDir(const CString& strDir);
void SetDataDir(const CString& strDir);
void SetBaseDir(const CString& strBaseDir);

// Enters every screen node under root, at any depth, into the index under its
// screen number (BrinCommLib). A number that several nodes carry finds the
// first of them in menu order.
void BuildScreenIndex(CMenuNode& root, CMapStringToPtr& index);

// User data (RoVuvi).
void SetBaseUserID(const CString& strUserID);
void SetServiceID(short nServiceID);
void SetMenuGrade(const CString& strGrade);

}  // namespace terminal
