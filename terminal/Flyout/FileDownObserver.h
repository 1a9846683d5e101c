// The stand-in pop-up library's one addition to the terminal's interface: a
// program that loads it may ask to be told of every file handed over, since
// the stand-in shows no file dialog of its own. tabulo-host shows a notice of
// each hand-over, and its tests and scripts record them.
#pragma once

// Called once per file handed over: the mode, the file kind code and the
// path exactly as ShowFileDownDlg received them (CP949).
typedef void (*FileDownObserver)(void* pContext, int nMode, const char* pszCode,
                                 const char* pszPath);

// The export that installs the observer (null removes it); its name for
// GetProcAddress is "SetFileDownObserver".
typedef void (*SetFileDownObserverFn)(FileDownObserver pfnObserver, void* pContext);
