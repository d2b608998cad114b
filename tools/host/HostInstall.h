// Registering the host with the browsers for the current user, so that nobody places manifest
// files by hand. A browser finds a native messaging host by a manifest named after the host:
// on Linux in a folder of each browser's own, on Windows by a registry key of each browser
// whose default value names the manifest file. The manifest names the program and the
// extensions that may start it.
#pragma once

#include "common/Platform.h"
#include "web/NativeHost.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel::host {

/// The host's name, which the extension hands the browser.
constexpr std::string_view kHostName = web::kNativeHostName;
/// The extension's id in Chromium, Chrome and Edge: fixed by the public key in its manifest.
constexpr std::string_view kExtensionId = "eijaamjdjpipgjkjbmmjinjohfgbhhac";
/// The extension's id in Firefox (browser_specific_settings.gecko.id of its manifest).
constexpr std::string_view kGeckoId = "tandrel@veltrane.com";

/// The two kinds of manifest: Chromium's names the extension by its origin, Firefox's by its id.
enum class ManifestKind { kChromium, kFirefox };

/// The systems whose browsers the host registers with.
enum class HostSystemKind { kLinux, kWindows };

struct InstallOptions {
    std::filesystem::path hostPath; ///< the program the manifests name, absolute
    std::string extensionId = std::string(kExtensionId);
    std::string geckoId = std::string(kGeckoId);
    /// Only this Chromium user-data folder (a test's, say), whose NativeMessagingHosts folder
    /// the browser reads besides the user's.
    std::optional<std::filesystem::path> userDataDir;
};

/// The folders the places derive from.
struct UserFolders {
    std::filesystem::path home;       ///< Linux: $HOME
    std::filesystem::path configHome; ///< Linux: $XDG_CONFIG_HOME, or ~/.config
};

/// One manifest as one browser finds it.
struct ManifestPlace {
    ManifestKind kind;
    std::filesystem::path file;
    /// Windows: the key under HKEY_CURRENT_USER whose default value names the file; empty on
    /// Linux, where the folder alone is enough.
    std::u16string registryKey;
};

/// Where the manifests go. Linux: NativeMessagingHosts in the configuration folders of Chromium
/// (chromium), Chrome (google-chrome) and Edge (microsoft-edge), and ~/.mozilla/
/// native-messaging-hosts for Firefox, each file named after the host. Windows: beside the host,
/// the host's name for the Chromium manifest and the name with ".firefox" for Firefox's, under
/// the NativeMessagingHosts keys of Google\Chrome, Chromium, Microsoft\Edge and Mozilla. With a
/// user-data folder: its NativeMessagingHosts alone.
std::vector<ManifestPlace> ManifestPlaces(HostSystemKind system, const InstallOptions& options,
                                          const UserFolders& folders);

/// The manifest's JSON text: name, description, path, "stdio", and the allowed extension.
std::string ManifestText(ManifestKind kind, const InstallOptions& options);

/// What an installation or removal did, one line per file or key, and whether all of it went.
struct InstallReport {
    bool ok = true;
    std::vector<std::string> lines; ///< UTF-8
};

/// Writes every manifest (making its folders) and sets every registry key; registry may be null
/// where no place has a key. Goes on past a failure, which it reports.
InstallReport InstallHost(const std::vector<ManifestPlace>& places, const InstallOptions& options,
                          IRegistry* registry);

/// Removes every manifest and registry key; what is already gone counts as removed.
InstallReport UninstallHost(const std::vector<ManifestPlace>& places, IRegistry* registry);

} // namespace tandrel::host
