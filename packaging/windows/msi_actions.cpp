// The machine install's own steps (lenscalc.wxs): custom actions of the MSI, and the step Windows runs
// at each user's next sign-in through Active Setup. Windows Installer runs this DLL from a temporary
// copy, beside none of the program's DLLs, so it uses Windows alone and is linked statically.
#include <windows.h>

#include <msi.h>
#include <msiquery.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

// How long a calculator is given to close its window before it is ended.
constexpr DWORD closeWaitMilliseconds = 10'000;
constexpr wchar_t perUserKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LensCalculator";

std::wstring property(MSIHANDLE install, const wchar_t* name)
{
    wchar_t none[1] = L"";
    DWORD length = 0;
    if (MsiGetPropertyW(install, name, none, &length) != ERROR_MORE_DATA) return {};
    std::wstring value(++length, L'\0');
    if (MsiGetPropertyW(install, name, value.data(), &length) != ERROR_SUCCESS) return {};
    value.resize(length);
    return value;
}

bool samePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE)
        == CSTR_EQUAL;
}

std::wstring imagePath(HANDLE process)
{
    std::wstring path(32'768, L'\0');
    auto length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &length)) return {};
    path.resize(length);
    return path;
}

// Another user's calculator can be ended only with this privilege, which an administrator holds unused.
void enableDebugPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) return;
    TOKEN_PRIVILEGES privileges{1, {{{}, SE_PRIVILEGE_ENABLED}}};
    if (LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

// The running processes whose program is this file.
std::vector<HANDLE> processesOf(const std::wstring& program)
{
    std::vector<HANDLE> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, L"lenscalc.exe") != 0) continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                     entry.th32ProcessID);
        if (process && samePath(imagePath(process), program))
            found.push_back(process);
        else if (process)
            CloseHandle(process);
    }
    CloseHandle(snapshot);
    return found;
}

BOOL CALLBACK closeWindowOf(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId)) PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// The per-user installer's copy of the user this runs as, removed by its own uninstaller, which removes
// exactly the files it installed and keeps the user's; it refuses while that copy runs.
void removePerUserCopy()
{
    DWORD size = 0;
    auto read = [&size](void* into) {
        return RegGetValueW(HKEY_CURRENT_USER, perUserKey, L"InstallLocation", RRF_RT_REG_SZ, nullptr, into, &size);
    };
    if (read(nullptr) != ERROR_SUCCESS) return;
    std::wstring folder(size / sizeof(wchar_t), L'\0');
    if (read(folder.data()) != ERROR_SUCCESS) return;
    folder.resize(lstrlenW(folder.c_str()));
    const std::wstring uninstaller = folder + L"\\Uninstall.exe";
    if (GetFileAttributesW(uninstaller.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    // _?= runs it in place, so that it is waited for and does not remove itself.
    std::wstring command = L"\"" + uninstaller + L"\" /S _?=" + folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(uninstaller.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return;
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    if (status != 0) return;
    DeleteFileW(uninstaller.c_str());
    RemoveDirectoryW(folder.c_str());  // only when empty: the user's own files stay
}

}  // namespace

// Before any file is replaced or removed: a running calculator keeps its files locked, which would leave
// the folder half old until a restart. The calculator holds no data, so each one started from this
// install is asked to close as its window's close button would; one that cannot be reached (another
// user's session) or does not close in time is ended. Calculators started from elsewhere stay.
extern "C" __declspec(dllexport) UINT __stdcall CloseCalculators(MSIHANDLE install)
{
    enableDebugPrivilege();
    const std::vector<HANDLE> running = processesOf(property(install, L"INSTALLDIR") + L"lenscalc.exe");
    for (HANDLE process : running) EnumWindows(closeWindowOf, static_cast<LPARAM>(GetProcessId(process)));
    const DWORD deadline = GetTickCount() + closeWaitMilliseconds;
    for (HANDLE process : running) {
        const DWORD left = deadline - GetTickCount();
        if (WaitForSingleObject(process, left > closeWaitMilliseconds ? 0 : left) != WAIT_OBJECT_0) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, closeWaitMilliseconds);
        }
        CloseHandle(process);
    }
    return ERROR_SUCCESS;
}

// The machine install is the one IT manages: the installing user's own copy goes with it.
extern "C" __declspec(dllexport) UINT __stdcall RemovePerUserCopy(MSIHANDLE)
{
    removePerUserCopy();
    return ERROR_SUCCESS;
}

// Active Setup's step for every other user, whom an install running as SYSTEM cannot reach: rundll32
// calls it at the user's next sign-in, once a version.
extern "C" __declspec(dllexport) void CALLBACK RemovePerUserCopyAtSignIn(HWND, HINSTANCE, LPSTR, int)
{
    removePerUserCopy();
}
