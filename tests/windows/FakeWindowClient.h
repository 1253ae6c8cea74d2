#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "KeyLog.h"
#include "TempFolder.h"
#include "WideText.h"
#include "WindowsProcess.h"

namespace kaj::testing {

// A fakeclient.exe window with a title, logging the keys it receives into a file of
// its own; ready once its window is listed where the sender looks.
class FakeWindowClient {
  public:
    explicit FakeWindowClient(const std::string& title)
        : process_({windowsPathOf(KAJ_FAKECLIENT), "--title", title, "--log",
                    (folder_ / "keys.log").string(), "--ready", (folder_ / "ready").string()}) {
        const std::wstring wideTitle = platform::utf8ToWide(title);
        for (int i = 0; i < 1000; ++i) {
            if (std::filesystem::exists(folder_ / "ready") &&
                FindWindowW(nullptr, wideTitle.c_str()) != nullptr) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::string log() const { return TempFolder::read(folder_ / "keys.log"); }

    std::string waitForLog(std::size_t size, std::chrono::milliseconds limit =
                                                 std::chrono::milliseconds(10000)) const {
        return waitForKeyLog(folder_ / "keys.log", size, limit);
    }

  private:
    TempFolder folder_;
    WindowsProcess process_;
};

}  // namespace kaj::testing
