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

#define GetPrivateProfileString GetPrivateProfileStringA
#define GetPrivateProfileInt GetPrivateProfileIntA
#define WritePrivateProfileString WritePrivateProfileStringA
#define DeleteFile DeleteFileA

// Code page: CP949 lead bytes are 0x81 to 0xFE; a lead byte and the byte
// after it form one character.
BOOL IsDBCSLeadByte(BYTE TestChar);
