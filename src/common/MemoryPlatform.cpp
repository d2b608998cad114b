#include "common/MemoryPlatform.h"

#include "common/BuiltInResources.h"
#include "common/MessageFormat.h"
#include "common/TextConversion.h"

namespace tandrel {

// ---------------------------------------------------------------------------------------------
// CMemoryRegistry

namespace {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorSharingViolation = 32;

std::string JoinPath(const std::string& parent, std::string_view child) {
    return parent.empty() ? std::string(child) : parent + "\\" + std::string(child);
}

class CMemoryRegKey : public IRegKey {
public:
    CMemoryRegKey(CMemoryRegistry& registry, RegRoot root, std::string loweredPath)
        : registry_(registry), root_(root), path_(std::move(loweredPath)) {}

    bool SetValue(std::string_view name, std::uint32_t type, std::string_view data) override {
        CMemoryRegistry::Key* key = registry_.FindKey(root_, path_);
        if (!key)
            return false;
        CMemoryRegistry::Value& value = key->values[AsciiLower(name)];
        if (value.name.empty())
            value.name = std::string(name);
        value.type = type;
        value.data = std::string(data);
        return true;
    }

    std::optional<std::string> QueryValue(std::string_view name, std::size_t maxBytes) override {
        const CMemoryRegistry::Value* value = Find(name);
        if (!value || value->data.size() > maxBytes)
            return std::nullopt;
        return value->data;
    }

    bool DeleteSubKey(std::string_view name) override {
        std::string child = JoinPath(path_, AsciiLower(name));
        if (registry_.HasSubKeys(root_, child))
            return false;
        return registry_.EraseKey(root_, child);
    }

    bool DeleteValue(std::string_view name) override {
        CMemoryRegistry::Key* key = registry_.FindKey(root_, path_);
        return key && key->values.erase(AsciiLower(name)) > 0;
    }

private:
    const CMemoryRegistry::Value* Find(std::string_view name) {
        CMemoryRegistry::Key* key = registry_.FindKey(root_, path_);
        if (!key)
            return nullptr;
        auto it = key->values.find(AsciiLower(name));
        return it == key->values.end() ? nullptr : &it->second;
    }

    CMemoryRegistry& registry_;
    RegRoot root_;
    std::string path_;
};

} // namespace

std::string CMemoryRegistry::Lowered(std::string_view path) {
    return AsciiLower(path);
}

std::unique_ptr<IRegKey> CMemoryRegistry::OpenKey(RegRoot root, std::string_view path) {
    std::string lowered = Lowered(path);
    if (denied_.count({root, lowered}) || !FindKey(root, lowered))
        return nullptr;
    return std::make_unique<CMemoryRegKey>(*this, root, lowered);
}

std::unique_ptr<IRegKey> CMemoryRegistry::CreateKey(RegRoot root, std::string_view path) {
    std::string lowered = Lowered(path);
    if (denied_.count({root, lowered}))
        return nullptr;
    // Parents come into being with the key, as the platform does it.
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = path.find('\\', end + 1);
        std::string_view prefix = path.substr(0, end);
        Key& key = keys_[{root, Lowered(prefix)}];
        if (key.path.empty())
            key.path = std::string(prefix);
    }
    return std::make_unique<CMemoryRegKey>(*this, root, lowered);
}

bool CMemoryRegistry::DeleteKey(RegRoot root, std::string_view path) {
    std::string lowered = Lowered(path);
    if (HasSubKeys(root, lowered))
        return false;
    keys_.erase({root, lowered});
    return true;
}

bool CMemoryRegistry::DeleteTree(RegRoot root, std::string_view path) {
    std::string lowered = Lowered(path);
    std::string below = lowered + "\\";
    for (auto it = keys_.begin(); it != keys_.end();) {
        bool inTree = it->first.first == root &&
                      (it->first.second == lowered || it->first.second.rfind(below, 0) == 0);
        it = inTree ? keys_.erase(it) : std::next(it);
    }
    return true;
}

bool CMemoryRegistry::HasKey(RegRoot root, std::string_view path) const {
    return keys_.count({root, Lowered(path)}) > 0;
}

std::optional<CMemoryRegistry::Value> CMemoryRegistry::GetValue(RegRoot root, std::string_view path,
                                                                std::string_view name) const {
    auto key = keys_.find({root, Lowered(path)});
    if (key == keys_.end())
        return std::nullopt;
    auto value = key->second.values.find(AsciiLower(name));
    if (value == key->second.values.end())
        return std::nullopt;
    return value->second;
}

CMemoryRegistry::Key* CMemoryRegistry::FindKey(RegRoot root, const std::string& loweredPath) {
    auto it = keys_.find({root, loweredPath});
    return it == keys_.end() ? nullptr : &it->second;
}

bool CMemoryRegistry::HasSubKeys(RegRoot root, const std::string& loweredPath) const {
    std::string below = loweredPath + "\\";
    auto it = keys_.lower_bound({root, below});
    return it != keys_.end() && it->first.first == root && it->first.second.rfind(below, 0) == 0;
}

bool CMemoryRegistry::EraseKey(RegRoot root, const std::string& loweredPath) {
    keys_.erase({root, loweredPath});
    return true;
}

// ---------------------------------------------------------------------------------------------
// CMemoryFileSystem

FileReadResult CMemoryFileSystem::ReadWholeFile(std::string_view path) {
    FileReadResult result;
    auto it = files_.find(std::string(path));
    if (it == files_.end()) {
        result.status = HResultFromWin32(kErrorFileNotFound);
    } else if (it->second.locked) {
        result.status = HResultFromWin32(kErrorSharingViolation);
    } else {
        result.opened = true;
        result.bytes = it->second.bytes;
    }
    return result;
}

bool CMemoryFileSystem::WriteNewFile(std::string_view path, std::string_view bytes) {
    if (WriteDenied(path))
        return false;
    auto it = files_.find(std::string(path));
    // Replacing a read-only or hidden file fails on the platform when the new attributes are
    // normal; the caller must clear them first.
    if (it != files_.end() && (it->second.attributes & (kFileReadOnly | kFileHidden)))
        return false;
    File& file = files_[std::string(path)];
    file.bytes = std::string(bytes);
    file.attributes = kFileNormal;
    return true;
}

bool CMemoryFileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
    auto it = files_.find(std::string(path));
    if (it == files_.end() || WriteDenied(path))
        return false;
    it->second.attributes = attributes;
    return true;
}

bool CMemoryFileSystem::RemoveFile(std::string_view path) {
    auto it = files_.find(std::string(path));
    if (it == files_.end() || WriteDenied(path) || (it->second.attributes & kFileReadOnly))
        return false;
    files_.erase(it);
    return true;
}

bool CMemoryFileSystem::WriteDenied(std::string_view path) const {
    for (const std::string& prefix : deniedPrefixes_) {
        if (path.substr(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// CMemoryModule

CMemoryModule::CMemoryModule() : path_("C:\\Program Files\\Veltrane Tandrel\\nubrix.dll") {
    for (const BuiltInResource& resource : BuiltInResources())
        resources_[{resource.type, resource.id}] = std::string(resource.bytes);
    for (const BuiltInString& entry : BuiltInStrings())
        strings_[entry.id] = entry.text;
}

std::optional<std::string_view> CMemoryModule::FindModuleResource(std::string_view type, int id) {
    auto it = resources_.find({std::string(type), id});
    if (it == resources_.end())
        return std::nullopt;
    return std::string_view(it->second);
}

void CMemoryModule::SetResource(std::string type, int id, std::string bytes) {
    resources_[{std::move(type), id}] = std::move(bytes);
}

void CMemoryModule::RemoveResource(const std::string& type, int id) {
    resources_.erase({type, id});
}

std::string CMemoryModule::LoadStringText(int id) {
    auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

// ---------------------------------------------------------------------------------------------
// CMemoryUserInterface

int CMemoryUserInterface::ShowMessageBox(WindowHandle owner, std::string_view text,
                                         std::string_view caption, std::uint32_t style) {
    messageBoxes.push_back({owner, std::string(text), std::string(caption), style});
    return messageBoxAnswer;
}

bool CMemoryUserInterface::BringWindowToFront(WindowHandle window) {
    foregroundWindows.push_back(window);
    return window != 0;
}

// ---------------------------------------------------------------------------------------------
// CWindows1252Text and CMemoryPlatform

std::u16string CWindows1252Text::AnsiToWide(std::string_view text) {
    return Windows1252ToWide(text);
}

std::string CWindows1252Text::WideToAnsi(std::u16string_view text) {
    return WideToWindows1252(text);
}

std::optional<std::string> CWindows1252Text::FormatInserts(std::string_view pattern,
                                                           const std::vector<MessageArg>& args) {
    return FormatMessageInserts(pattern, args);
}

Platform CMemoryPlatform::View(IFileSystem* otherFiles) {
    Platform view;
    view.registry = &registry;
    view.files = otherFiles ? otherFiles : &files;
    view.module = &module;
    view.ui = &ui;
    view.text = &text;
    return view;
}

} // namespace tandrel
