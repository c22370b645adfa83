#pragma once

#include <windows.h>

namespace runtime::win32 {

// Windows' own DLLs come from the system folder alone: a DLL of the same
// name left beside the program (in a Downloads folder, say) is never loaded.

// Takes the program's folder and the PATH out of the search for every DLL
// loaded by name from now on, where the system can (Windows 8, or 7 with
// KB2533623). Called first thing.
void searchSystemFolderOnly();

// The system DLL of that name, from the system folder; nullptr if there is none.
HMODULE loadSystemLibrary(const wchar_t *name);

} // namespace runtime::win32
