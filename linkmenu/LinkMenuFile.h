// Reading the link menu file, "<base user dir>\UserConnectMenu.ini", without
// a window:
//
//   [USERMENUCOUNT]  Count=<n>
//   [USERMENU]       1=<name>,<inner TR>,<TR code> ... <n>=...
//
// The dialog shows what this reads; tests and fuzzers read hostile files
// through the same code.
#pragma once

#include <afx.h>

#include <functional>

struct LinkMenuEntry {
    CString strScreenName, strInnerTR, strTRCode;
};

// "name,inner TR,TR code": the first two commas divide the fields, so a
// comma in the name moves the rest along; nothing is trimmed. False for a
// value with fewer than two commas.
bool SplitLinkMenuValue(const CString& strValue, LinkMenuEntry& entry);

// Hands each value of the file to onValue with its index (key - 1), in key
// order up to Count, for as long as onValue asks for more.
void ReadLinkMenuFile(LPCSTR pszFile, const std::function<bool(const CString&, int)>& onValue);
