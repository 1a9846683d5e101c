// The one rule for group names. A group's name is the name of its section in
// the toolbar file and a value under "LIST", and the terminal finds a
// group's screens by that value alone. The profile functions match section
// names without letter case, lose blanks around names and values, end a
// section name at "]" and a line at a line break, and take the quotes off a
// quoted value; a name the file would give back changed, or take for
// another's, loses screens at the next load. So the dialog keeps to names
// the file can hold and compares them as the file does.
#pragma once

#include <afx.h>

class CMenuInfo;

// True when the file takes the two names for one section.
bool IsSameGroupName(LPCSTR pszName, LPCSTR pszOther);

// The name as the file matches section names, ASCII letters without their
// case: two names are the same group's when their keys are equal.
CString GroupNameKey(LPCSTR pszName);

// The name without the blanks the file would lose around it. Line breaks
// stay, to be refused rather than silently dropped.
CString CutGroupNameBlanks(const CString& strName);

// Empty when the file can hold the (already cut) name; otherwise one line
// saying why not, for the refusal message.
CString GroupNameFault(const CString& strName);

// The group of root other than pExcept whose name is the same as pszName;
// null when there is none.
CMenuInfo* FindGroup(const CMenuInfo& root, LPCSTR pszName, const CMenuInfo* pExcept = nullptr);
