// SPDX-License-Identifier: MIT
// Stands in for the system-information program in the Windows tests: records
// that it ran by creating a file named as itself with ".ran" appended.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

int main()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const HANDLE record =
        CreateFileW((path + L".ran").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (path.empty() || record == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(record);
    return 0;
}
