// The numbered entries a profile file really holds. The files announce how
// many entries they have ("ItemCnt", "CNT", "Count"), but a count is only a
// claim: a file may announce 2147483647 entries and hold three, so readers
// try only the numbers that stand as names in the file.
#pragma once

#include <afx.h>

#include <vector>

// The numbers from nFirst to nLast, ascending and each once, that a key of
// the section (a section, when pszSection is null) has as its name, read as
// a decimal number. A reader still reads each entry under the name it
// expects, so a name written otherwise ("007" for "07") costs at most a read
// that finds nothing, and the file's own skipping rules hold as before.
std::vector<int> NumberedNames(LPCSTR pszSection, LPCSTR pszFile, int nFirst, int nLast);
