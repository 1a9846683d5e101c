// Kernel functions: profile files, files, libraries and the code page.
#pragma once

#include "windef.h"

// Profile files (Windows INI files), with the Win32 ANSI behaviour byte for byte.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName);
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName);
BOOL DeleteFileA(LPCSTR lpFileName);

// Copies a file's bytes to a new name; with bFailIfExists an existing target
// is kept and the call fails. A missing source fails.
BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);

// INVALID_FILE_ATTRIBUTES for a path that names nothing.
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
DWORD GetFileAttributesA(LPCSTR lpFileName);

// Renames a file; with MOVEFILE_REPLACE_EXISTING it atomically replaces an
// existing target, with MOVEFILE_WRITE_THROUGH the rename is durable on return.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008
BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// Run-time libraries: "dir\\Name.dll" (or "Name" without extension) loads
// "dir/libName.so"; a name without a directory is looked for beside the
// executable first, then where the dynamic loader looks.
HMODULE LoadLibraryA(LPCSTR lpLibFileName);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
BOOL FreeLibrary(HMODULE hLibModule);

#define GetPrivateProfileString GetPrivateProfileStringA
#define GetPrivateProfileInt GetPrivateProfileIntA
#define WritePrivateProfileString WritePrivateProfileStringA
#define DeleteFile DeleteFileA
#define CopyFile CopyFileA
#define GetFileAttributes GetFileAttributesA
#define MoveFileEx MoveFileExA
#define LoadLibrary LoadLibraryA

// Code page: CP949 lead bytes are 0x81 to 0xFE; a lead byte and the byte
// after it form one character.
BOOL IsDBCSLeadByte(BYTE TestChar);
