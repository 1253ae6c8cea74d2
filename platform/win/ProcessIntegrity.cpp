#ifdef _WIN32

#include "ProcessIntegrity.h"

#include <windows.h>

#include <vector>

namespace kaj::platform::win {
namespace {

std::optional<unsigned long> integrityLevel(unsigned long processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return std::nullopt;
    }
    std::optional<unsigned long> level;
    HANDLE token = nullptr;
    if (OpenProcessToken(process, TOKEN_QUERY, &token)) {
        DWORD size = 0;
        GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
        std::vector<unsigned char> buffer(size);
        if (size > 0 &&
            GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
            const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
            const PSID sid = label->Label.Sid;
            const UCHAR parts = *GetSidSubAuthorityCount(sid);
            if (parts > 0) {
                level = *GetSidSubAuthority(sid, static_cast<DWORD>(parts - 1));
            }
        }
        CloseHandle(token);
    }
    CloseHandle(process);
    return level;
}

}  // namespace

IntegrityLevelOf systemIntegrityLevelOf() {
    return integrityLevel;
}

}  // namespace kaj::platform::win

#endif
