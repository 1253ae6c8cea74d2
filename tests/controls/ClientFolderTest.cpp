#include "ClientFolder.h"

#include <gtest/gtest.h>

#include <map>

#include "TempFolder.h"

namespace kaj::controls {
namespace {

using kaj::testing::TempFolder;

// A registry of the values a test gives it; registry paths are folders under a root.
class GivenRegistry : public platform::RegistryReader {
  public:
    explicit GivenRegistry(std::filesystem::path root) : root_(std::move(root)) {}
    std::map<std::pair<std::string, std::string>, std::string> values;

    std::optional<std::string> localMachineString(std::string_view key,
                                                  std::string_view valueName) const override {
        const auto found = values.find({std::string(key), std::string(valueName)});
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    std::filesystem::path toNativePath(std::string_view registryPath) const override {
        std::string path(registryPath);
        if (path.starts_with("C:\\")) {
            path = path.substr(3);
        }
        for (char& c : path) {
            c = c == '\\' ? '/' : c;
        }
        return root_ / path;
    }

  private:
    std::filesystem::path root_;
};

TEST(ClientFolder, SetupFolderThenClassicKeyThenTodaysKey) {
    TempFolder root;
    root.write("Setup/client.exe", "MZ");
    root.write("Classic/client.exe", "MZ");
    root.write("Today/client.exe", "MZ");
    GivenRegistry registry(root.path());

    // Nothing names a folder: the current one.
    auto chosen = chooseClientFolder({}, registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::Nowhere);
    EXPECT_TRUE(chosen.folder.empty());

    // Today's installer alone, in either view (the reader looks in both).
    registry.values[{kTodaysClientRegistryKey, "InstallDir"}] = "C:\\Today";
    chosen = chooseClientFolder({}, registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::TodaysKey);
    EXPECT_EQ(chosen.folder, root / "Today");

    // The classic key comes before it, cut after its last backslash.
    registry.values[{kClientRegistryKey, "ExePath"}] = "C:\\Classic\\client.exe";
    chosen = chooseClientFolder({}, registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::ClassicKey);
    EXPECT_EQ(chosen.folder, root / "Classic/");

    // The Setup tab's folder before both, when it is a folder.
    chosen = chooseClientFolder(root / "Setup", registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::Setup);
    EXPECT_EQ(chosen.folder, root / "Setup");
    EXPECT_EQ(chooseClientFolder(root / "Setup/client.exe", registry).source,
              ClientFolderSource::ClassicKey);
    EXPECT_EQ(chooseClientFolder(root / "Gone", registry).source, ClientFolderSource::ClassicKey);

    // A classic key left behind by a removed client gives way to today's.
    registry.values[{kClientRegistryKey, "ExePath"}] = "C:\\Removed\\client.exe";
    chosen = chooseClientFolder({}, registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::TodaysKey);
    // ... and still names where the client was when nothing else does.
    registry.values.erase({kTodaysClientRegistryKey, "InstallDir"});
    chosen = chooseClientFolder({}, registry);
    EXPECT_EQ(chosen.source, ClientFolderSource::ClassicKey);
    EXPECT_EQ(chosen.folder, root / "Removed/");
    // A value without a backslash names no folder.
    registry.values[{kClientRegistryKey, "ExePath"}] = "client.exe";
    EXPECT_TRUE(chooseClientFolder({}, registry).folder.empty());

    EXPECT_EQ(describeClientFolderSource(ClientFolderSource::TodaysKey),
              "the registry: SOFTWARE\\Electronic Arts\\EA Games\\Ultima Online Classic, "
              "InstallDir");
}

}  // namespace
}  // namespace kaj::controls
