#include <windows.h>

#include <tlhelp32.h>

#include <map>

#include "Processes.h"
#include "WideText.h"

namespace kaj::platform {

std::string processName(std::uint64_t processId) {
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) {
        return {};
    }
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    std::string name;
    if (QueryFullProcessImageNameW(process, 0, path, &size)) {
        name = wideToCp1252(std::wstring_view(path, size));
        const std::size_t slash = name.find_last_of("\\/");
        if (slash != std::string::npos) {
            name.erase(0, slash + 1);
        }
    }
    CloseHandle(process);
    return name;
}

bool isSameOrDescendant(std::uint64_t processId, std::uint64_t ancestor) {
    std::map<std::uint64_t, std::uint64_t> parents;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more;
             more = Process32Next(snapshot, &entry)) {
            parents[entry.th32ProcessID] = entry.th32ParentProcessID;
        }
        CloseHandle(snapshot);
    }
    for (int depth = 0; processId != 0 && depth < 64; ++depth) {
        if (processId == ancestor) {
            return true;
        }
        const auto parent = parents.find(processId);
        processId = parent == parents.end() ? 0 : parent->second;
    }
    return false;
}

std::string machineName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? wideToCp1252(std::wstring_view(name, size))
                                         : std::string();
}

}  // namespace kaj::platform
