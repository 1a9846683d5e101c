// Kernel functions: profile files, files, libraries and the code page.
#pragma once

#include <cstdarg>

#include "windef.h"

// The calling thread's last error. Profile reads set it on every call:
// ERROR_SUCCESS when the file was read, ERROR_FILE_NOT_FOUND when it does
// not exist, otherwise why a file that exists could not be read (such a file
// is never written: the writes fail with the same error).
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_TOO_MANY_OPEN_FILES 4L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_NOT_SAME_DEVICE 17L
#define ERROR_WRITE_PROTECT 19L
#define ERROR_GEN_FAILURE 31L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_BUFFER_OVERFLOW 111L
#define ERROR_DISK_FULL 112L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_MR_MID_NOT_FOUND 317L
#define ERROR_IO_DEVICE 1117L

// Only the system's text of an error code: FORMAT_MESSAGE_FROM_SYSTEM, with
// or without FORMAT_MESSAGE_IGNORE_INSERTS; the text ends in "\r\n". The
// number of bytes written without the terminator, 0 when it does not fit or
// the code has no text.
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
DWORD FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                     LPSTR lpBuffer, DWORD nSize, va_list* Arguments);

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
// existing target, with MOVEFILE_WRITE_THROUGH the file's bytes are made
// durable first (when that fails nothing is renamed) and the rename on return.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008
BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// With uUnique 0, creates an empty draft "<path>\<first three bytes of the
// prefix><hex>.TMP" under a number no file there has, and returns the
// number; otherwise only composes that name for uUnique. 0 on failure. The
// buffer takes MAX_PATH bytes. A draft belongs to this process until it is
// moved, replaced into place or deleted: profile writes edit it in place
// (nothing else is meant to read it), and drafts of this prefix left there
// by processes that have ended are removed.
UINT GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName);

// Replaces a file by another in one atomic rename: the replacement takes the
// replaced file's mode (and owner, where allowed); a symbolic link keeps
// being a link, its target is replaced. With REPLACEFILE_WRITE_THROUGH the
// replacement's bytes are made durable first, and when that fails nothing is
// replaced. A missing replaced file fails with ERROR_FILE_NOT_FOUND. No
// backup file is made (lpBackupFileName must be NULL). Saves of files in one
// directory, by any process, publish one at a time.
#define REPLACEFILE_WRITE_THROUGH 0x00000001
BOOL ReplaceFileA(LPCSTR lpReplacedFileName, LPCSTR lpReplacementFileName, LPCSTR lpBackupFileName,
                  DWORD dwReplaceFlags, LPVOID lpExclude, LPVOID lpReserved);

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
#define GetTempFileName GetTempFileNameA
#define ReplaceFile ReplaceFileA
#define FormatMessage FormatMessageA
#define LoadLibrary LoadLibraryA

// Code page: CP949 lead bytes are 0x81 to 0xFE; a lead byte and the byte
// after it form one character.
BOOL IsDBCSLeadByte(BYTE TestChar);
