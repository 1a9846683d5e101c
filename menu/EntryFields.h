// The entries of the toolbar and link menu files: three fields joined by
// commas, "a,b,c", the last field taking any further commas.
#pragma once

#include <afx.h>

#include <array>
#include <optional>

// The fields, or nothing when the value holds fewer than two commas. The
// commas are found byte by byte: no character of the code page has a comma
// as its second byte, so only a value that ends a field in half a character
// can tell the two searches apart, and there the comma is what the writer
// meant.
std::optional<std::array<CString, 3>> SplitEntryFields(const CString& strValue);
