#include "HostInstall.h"

#include "common/Messages.h"
#include "common/TextConversion.h"
#include "resources/StringIds.h"
#include "web/WebJson.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace tandrel::host {

namespace {

namespace fs = std::filesystem;

// The keys of the browsers on Windows, under HKEY_CURRENT_USER\Software.
constexpr struct {
    ManifestKind kind;
    std::u16string_view key;
} kBrowserKeys[] = {
    {ManifestKind::kChromium, u"Google\\Chrome"},
    {ManifestKind::kChromium, u"Chromium"},
    {ManifestKind::kChromium, u"Microsoft\\Edge"},
    {ManifestKind::kFirefox, u"Mozilla"},
};

// The configuration folders of the Chromium browsers on Linux, under the user's config folder.
constexpr std::string_view kChromiumFolders[] = {"chromium", "google-chrome", "microsoft-edge"};

std::string FileName(ManifestKind kind) {
    return std::string(kHostName) + (kind == ManifestKind::kFirefox ? ".firefox" : "") + ".json";
}

// The file beside the host, joined with the host path's own separator, so that a Windows path
// composes the same on any system.
fs::path BesideHost(const fs::path& hostPath, const std::string& name) {
    std::u16string path = hostPath.u16string();
    std::size_t slash = path.find_last_of(u"\\/");
    std::u16string folder = slash == std::u16string::npos ? u"." : path.substr(0, slash);
    char16_t separator = slash == std::u16string::npos ? u'/' : path[slash];
    return fs::path(folder + separator + Utf8ToWide(name));
}

std::string Shown(const fs::path& path) {
    return path.u8string();
}

bool WriteFile(const fs::path& file, const std::string& text) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return !out.fail();
}

bool Contains(const std::vector<fs::path>& paths, const fs::path& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

void Note(InstallReport& report, bool done, const std::string& what) {
    report.ok = report.ok && done;
    report.lines.push_back((done ? "" : "failed: ") + what);
}

} // namespace

std::vector<ManifestPlace> ManifestPlaces(HostSystemKind system, const InstallOptions& options,
                                          const UserFolders& folders) {
    const std::string chromiumFile = FileName(ManifestKind::kChromium);
    if (options.userDataDir)
        return {{ManifestKind::kChromium,
                 *options.userDataDir / "NativeMessagingHosts" / chromiumFile, u""}};
    std::vector<ManifestPlace> places;
    if (system == HostSystemKind::kWindows) {
        for (const auto& browser : kBrowserKeys)
            places.push_back({browser.kind, BesideHost(options.hostPath, FileName(browser.kind)),
                              u"Software\\" + std::u16string(browser.key) +
                                  u"\\NativeMessagingHosts\\" + Utf8ToWide(kHostName)});
        return places;
    }
    for (std::string_view browser : kChromiumFolders)
        places.push_back({ManifestKind::kChromium,
                          folders.configHome / browser / "NativeMessagingHosts" / chromiumFile,
                          u""});
    places.push_back(
        {ManifestKind::kFirefox,
         folders.home / ".mozilla" / "native-messaging-hosts" / FileName(ManifestKind::kChromium),
         u""});
    return places;
}

std::string ManifestText(ManifestKind kind, const InstallOptions& options) {
    web::Json manifest{{"name", std::string(kHostName)},
                       {"description", Windows1252ToUtf8(LoadText(ids::kProductName))},
                       {"path", options.hostPath.u8string()},
                       {"type", "stdio"}};
    if (kind == ManifestKind::kChromium)
        manifest["allowed_origins"] = {"chrome-extension://" + options.extensionId + "/"};
    else
        manifest["allowed_extensions"] = {options.geckoId};
    return manifest.dump(2) + "\n";
}

InstallReport InstallHost(const std::vector<ManifestPlace>& places, const InstallOptions& options,
                          IRegistry* registry) {
    InstallReport report;
    std::vector<fs::path> written;
    for (const ManifestPlace& place : places) {
        if (!Contains(written, place.file)) {
            written.push_back(place.file);
            Note(report, WriteFile(place.file, ManifestText(place.kind, options)),
                 "wrote " + Shown(place.file));
        }
        if (place.registryKey.empty())
            continue;
        std::unique_ptr<IRegKey> key =
            registry ? registry->CreateKey(RegRoot::CurrentUser, place.registryKey) : nullptr;
        Note(report, key && key->SetString(u"", place.file.u16string()),
             "registered HKEY_CURRENT_USER\\" + WideToUtf8(place.registryKey));
    }
    return report;
}

InstallReport UninstallHost(const std::vector<ManifestPlace>& places, IRegistry* registry) {
    InstallReport report;
    std::vector<fs::path> removed;
    for (const ManifestPlace& place : places) {
        if (!place.registryKey.empty())
            Note(report, registry && registry->DeleteKey(RegRoot::CurrentUser, place.registryKey),
                 "removed HKEY_CURRENT_USER\\" + WideToUtf8(place.registryKey));
        if (Contains(removed, place.file))
            continue;
        removed.push_back(place.file);
        std::error_code error;
        fs::remove(place.file, error);
        Note(report, !error, "removed " + Shown(place.file));
    }
    return report;
}

} // namespace tandrel::host
