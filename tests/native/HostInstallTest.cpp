// The host's registration with the browsers: where each manifest goes on Linux and on Windows,
// what it says, and that installing and removing leave exactly those files and keys.
#include "TestPlatform.h"

#include "HostInstall.h"

#include "common/TextConversion.h"
#include "web/WebJson.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tandrel::host {
namespace {

namespace fs = std::filesystem;
using web::Json;

// A fresh folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        path_ =
            fs::temp_directory_path() /
            ("tandrel-host-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HostPlaces, AreEachBrowsersOwnFolderOnLinux) {
    InstallOptions options;
    options.hostPath = "/opt/tandrel/tandrel-host";
    std::vector<ManifestPlace> places =
        ManifestPlaces(HostSystemKind::kLinux, options, {"/home/u", "/home/u/.config"});
    const std::pair<ManifestKind, const char*> expected[] = {
        {ManifestKind::kChromium,
         "/home/u/.config/chromium/NativeMessagingHosts/com.veltrane.tandrel.json"},
        {ManifestKind::kChromium,
         "/home/u/.config/google-chrome/NativeMessagingHosts/com.veltrane.tandrel.json"},
        {ManifestKind::kChromium,
         "/home/u/.config/microsoft-edge/NativeMessagingHosts/com.veltrane.tandrel.json"},
        {ManifestKind::kFirefox,
         "/home/u/.mozilla/native-messaging-hosts/com.veltrane.tandrel.json"},
    };
    ASSERT_EQ(places.size(), std::size(expected));
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].kind, expected[i].first) << i;
        EXPECT_EQ(places[i].file, expected[i].second) << i;
        EXPECT_TRUE(places[i].registryKey.empty()) << i;
    }
    // The Chromium browsers follow XDG_CONFIG_HOME; a user-data folder names the one place.
    EXPECT_EQ(ManifestPlaces(HostSystemKind::kLinux, options, {"/home/u", "/xdg"})[1].file,
              "/xdg/google-chrome/NativeMessagingHosts/com.veltrane.tandrel.json");
    options.userDataDir = "/tmp/profile";
    places = ManifestPlaces(HostSystemKind::kLinux, options, {"/home/u", "/home/u/.config"});
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].kind, ManifestKind::kChromium);
    EXPECT_EQ(places[0].file, "/tmp/profile/NativeMessagingHosts/com.veltrane.tandrel.json");
}

TEST(HostPlaces, AreRegistryKeysNamingFilesBesideTheHostOnWindows) {
    InstallOptions options;
    options.hostPath = u"C:\\Program Files\\Veltrane Tandrel\\tandrel-host.exe";
    std::vector<ManifestPlace> places = ManifestPlaces(HostSystemKind::kWindows, options, {});
    const std::u16string folder = u"C:\\Program Files\\Veltrane Tandrel\\";
    const struct {
        ManifestKind kind;
        std::u16string file;
        std::u16string key;
    } expected[] = {
        {ManifestKind::kChromium, folder + u"com.veltrane.tandrel.json",
         u"Software\\Google\\Chrome\\NativeMessagingHosts\\com.veltrane.tandrel"},
        {ManifestKind::kChromium, folder + u"com.veltrane.tandrel.json",
         u"Software\\Chromium\\NativeMessagingHosts\\com.veltrane.tandrel"},
        {ManifestKind::kChromium, folder + u"com.veltrane.tandrel.json",
         u"Software\\Microsoft\\Edge\\NativeMessagingHosts\\com.veltrane.tandrel"},
        {ManifestKind::kFirefox, folder + u"com.veltrane.tandrel.firefox.json",
         u"Software\\Mozilla\\NativeMessagingHosts\\com.veltrane.tandrel"},
    };
    ASSERT_EQ(places.size(), std::size(expected));
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].kind, expected[i].kind) << i;
        EXPECT_EQ(places[i].file.u16string(), expected[i].file) << i;
        EXPECT_EQ(places[i].registryKey, expected[i].key) << i;
    }
}

TEST(HostManifests, NameTheHostTheProgramAndTheExtension) {
    test::MemoryPlatformScope scope;
    InstallOptions options;
    options.hostPath = u"C:\\Program Files\\Veltrane Tandrel\\tandrel-host.exe";
    Json chromium = Json::parse(ManifestText(ManifestKind::kChromium, options));
    EXPECT_EQ(chromium, Json({{"name", "com.veltrane.tandrel"},
                              {"description", "Veltrane Tandrel"},
                              {"path", "C:\\Program Files\\Veltrane Tandrel\\tandrel-host.exe"},
                              {"type", "stdio"},
                              {"allowed_origins",
                               {"chrome-extension://eijaamjdjpipgjkjbmmjinjohfgbhhac/"}}}));
    options.geckoId = "other@example.org";
    Json firefox = Json::parse(ManifestText(ManifestKind::kFirefox, options));
    EXPECT_EQ(firefox["allowed_extensions"], Json({"other@example.org"}));
    EXPECT_FALSE(firefox.contains("allowed_origins"));
}

TEST(HostRegistration, WritesAndRemovesEveryManifestAndKey) {
    test::MemoryPlatformScope scope;
    CMemoryRegistry& registry = scope.platform.registry;
    TempFolder temp;
    for (HostSystemKind system : {HostSystemKind::kLinux, HostSystemKind::kWindows}) {
        InstallOptions options;
        options.hostPath = temp.Path() / "bin" / "tandrel-host";
        std::vector<ManifestPlace> places =
            ManifestPlaces(system, options, {temp.Path() / "home", temp.Path() / "config"});
        InstallReport installed = InstallHost(places, options, &registry);
        EXPECT_TRUE(installed.ok);
        for (const ManifestPlace& place : places) {
            EXPECT_EQ(ReadFile(place.file), ManifestText(place.kind, options));
            if (place.registryKey.empty())
                continue;
            std::optional<CMemoryRegistry::Value> value =
                registry.GetValue(RegRoot::CurrentUser, place.registryKey, u"");
            ASSERT_TRUE(value) << WideToUtf8(place.registryKey);
            EXPECT_EQ(TextOfRegString(value->data), place.file.u16string());
        }
        // One line for each file and each key; then all of them gone, and gone again.
        EXPECT_EQ(installed.lines.size(), system == HostSystemKind::kLinux ? 4u : 6u);
        for (int time = 0; time < 2; ++time) {
            EXPECT_TRUE(UninstallHost(places, &registry).ok);
            for (const ManifestPlace& place : places) {
                EXPECT_FALSE(fs::exists(place.file)) << place.file;
                EXPECT_FALSE(registry.HasKey(RegRoot::CurrentUser, place.registryKey));
            }
        }
    }
}

TEST(HostRegistration, GoesOnPastAPlaceItCannotWrite) {
    test::MemoryPlatformScope scope;
    TempFolder temp;
    InstallOptions options;
    options.hostPath = "/opt/tandrel-host";
    std::vector<ManifestPlace> places =
        ManifestPlaces(HostSystemKind::kLinux, options, {temp.Path(), temp.Path() / "config"});
    std::ofstream(temp.Path() / "config") << "a file where the folder would be";
    InstallReport report = InstallHost(places, options, nullptr);
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(report.lines[0].rfind("failed: wrote ", 0), 0u) << report.lines[0];
    EXPECT_EQ(report.lines[3], "wrote " + places[3].file.u8string());
    EXPECT_TRUE(fs::exists(places[3].file));
}

} // namespace
} // namespace tandrel::host
