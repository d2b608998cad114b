#include "common/MemoryPlatform.h"

#include "common/BuiltInResources.h"
#include "common/CharClass.h"
#include "common/MessageFormat.h"
#include "common/TextConversion.h"

namespace tandrel {

// ---------------------------------------------------------------------------------------------
// CMemoryRegistry

namespace {

std::u16string JoinPath(const std::u16string& parent, std::u16string_view child) {
    return parent.empty() ? std::u16string(child) : parent + u"\\" + std::u16string(child);
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

class CMemoryRegKey : public IRegKey {
public:
    CMemoryRegKey(CMemoryRegistry& registry, CMemoryRegistry::KeyId id, bool writable)
        : registry_(registry), id_(std::move(id)), writable_(writable) {}

    bool SetValue(std::u16string_view name, std::uint32_t type, std::string_view data) override {
        CMemoryRegistry::Key* key = registry_.FindKey(id_);
        if (!key || !writable_)
            return false;
        CMemoryRegistry::Value& value = key->values[CMemoryRegistry::Lowered(name)];
        if (value.name.empty())
            value.name = std::u16string(name);
        value.type = type;
        value.data = std::string(data);
        return true;
    }

    std::optional<std::string> QueryValue(std::u16string_view name, std::size_t maxBytes) override {
        const CMemoryRegistry::Value* value = Find(name);
        if (!value || value->data.size() > maxBytes)
            return std::nullopt;
        return value->data;
    }

    bool DeleteSubKey(std::u16string_view name) override {
        CMemoryRegistry::KeyId child{id_.first,
                                     JoinPath(id_.second, CMemoryRegistry::Lowered(name))};
        if (!writable_ || registry_.HasSubKeys(child))
            return false;
        return registry_.EraseKey(child);
    }

    bool DeleteValue(std::u16string_view name) override {
        CMemoryRegistry::Key* key = registry_.FindKey(id_);
        return key && writable_ && key->values.erase(CMemoryRegistry::Lowered(name)) > 0;
    }

private:
    const CMemoryRegistry::Value* Find(std::u16string_view name) {
        CMemoryRegistry::Key* key = registry_.FindKey(id_);
        if (!key)
            return nullptr;
        auto it = key->values.find(CMemoryRegistry::Lowered(name));
        return it == key->values.end() ? nullptr : &it->second;
    }

    CMemoryRegistry& registry_;
    CMemoryRegistry::KeyId id_;
    bool writable_;
};

} // namespace

std::u16string CMemoryRegistry::Lowered(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered)
        c = ToAsciiLower(c);
    return lowered;
}

std::unique_ptr<IRegKey> CMemoryRegistry::OpenKey(RegRoot root, std::u16string_view path,
                                                  RegAccess access) {
    KeyId id = Id(root, path);
    bool writable = access == RegAccess::ReadWrite;
    if (denied_.count(id) || (writable && readOnly_.count(id)) || !FindKey(id))
        return nullptr;
    return std::make_unique<CMemoryRegKey>(*this, std::move(id), writable);
}

std::unique_ptr<IRegKey> CMemoryRegistry::CreateKey(RegRoot root, std::u16string_view path) {
    KeyId id = Id(root, path);
    if (denied_.count(id) || readOnly_.count(id))
        return nullptr;
    // Parents come into being with the key, as the platform does it.
    std::size_t end = 0;
    while (end != std::u16string_view::npos) {
        end = path.find(u'\\', end + 1);
        std::u16string_view prefix = path.substr(0, end);
        Key& key = keys_[Id(root, prefix)];
        if (key.path.empty())
            key.path = std::u16string(prefix);
    }
    return std::make_unique<CMemoryRegKey>(*this, std::move(id), true);
}

bool CMemoryRegistry::DeleteKey(RegRoot root, std::u16string_view path) {
    KeyId id = Id(root, path);
    if (!FindKey(id))
        return true;
    if (HasSubKeys(id) || IsProtected(id))
        return false;
    keys_.erase(id);
    return true;
}

bool CMemoryRegistry::DeleteTree(RegRoot root, std::u16string_view path) {
    KeyId id = Id(root, path);
    std::u16string below = id.second + u"\\";
    auto inTree = [&](const KeyId& key) {
        return key.first == root && (key.second == id.second || StartsWith(key.second, below));
    };
    // A key that may not be deleted stays, and so do the keys above it up to the tree's root; the
    // rest goes.
    std::set<KeyId> staying;
    for (const auto& entry : keys_) {
        if (!inTree(entry.first) || !IsProtected(entry.first))
            continue;
        std::u16string kept = entry.first.second;
        for (;;) {
            staying.insert({root, kept});
            if (kept.size() <= id.second.size())
                break;
            kept.resize(kept.rfind(u'\\'));
        }
    }
    for (auto it = keys_.begin(); it != keys_.end();)
        it = inTree(it->first) && !staying.count(it->first) ? keys_.erase(it) : std::next(it);
    return staying.empty();
}

bool CMemoryRegistry::HasKey(RegRoot root, std::u16string_view path) const {
    return keys_.count(Id(root, path)) > 0;
}

std::optional<CMemoryRegistry::Value>
CMemoryRegistry::GetValue(RegRoot root, std::u16string_view path, std::u16string_view name) const {
    auto key = keys_.find(Id(root, path));
    if (key == keys_.end())
        return std::nullopt;
    auto value = key->second.values.find(Lowered(name));
    if (value == key->second.values.end())
        return std::nullopt;
    return value->second;
}

CMemoryRegistry::Key* CMemoryRegistry::FindKey(const KeyId& id) {
    auto it = keys_.find(id);
    return it == keys_.end() ? nullptr : &it->second;
}

bool CMemoryRegistry::HasSubKeys(const KeyId& id) const {
    std::u16string below = id.second + u"\\";
    auto it = keys_.lower_bound({id.first, below});
    return it != keys_.end() && it->first.first == id.first && StartsWith(it->first.second, below);
}

bool CMemoryRegistry::EraseKey(const KeyId& id) {
    if (IsProtected(id))
        return false;
    keys_.erase(id);
    return true;
}

// ---------------------------------------------------------------------------------------------
// CMemoryFileSystem

FileReadResult CMemoryFileSystem::ReadWholeFile(std::u16string_view path) {
    FileReadResult result;
    auto it = files_.find(std::u16string(path));
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

bool CMemoryFileSystem::WriteNewFile(std::u16string_view path, std::string_view bytes) {
    if (WriteDenied(path))
        return false;
    auto it = files_.find(std::u16string(path));
    // Replacing a read-only or hidden file fails on the platform when the new attributes are
    // normal; the caller must clear them first.
    if (it != files_.end() && (it->second.attributes & (kFileReadOnly | kFileHidden)))
        return false;
    File& file = files_[std::u16string(path)];
    file.bytes = std::string(bytes);
    file.attributes = kFileNormal;
    return true;
}

bool CMemoryFileSystem::SetAttributes(std::u16string_view path, std::uint32_t attributes) {
    auto it = files_.find(std::u16string(path));
    if (it == files_.end() || WriteDenied(path))
        return false;
    it->second.attributes = attributes;
    return true;
}

bool CMemoryFileSystem::RemoveFile(std::u16string_view path) {
    auto it = files_.find(std::u16string(path));
    if (it == files_.end() || WriteDenied(path) || (it->second.attributes & kFileReadOnly))
        return false;
    files_.erase(it);
    return true;
}

bool CMemoryFileSystem::WriteDenied(std::u16string_view path) const {
    for (const std::u16string& prefix : deniedPrefixes_) {
        if (StartsWith(path, prefix))
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// CMemoryModule

CMemoryModule::CMemoryModule() : path_(u"C:\\Program Files\\Veltrane Tandrel\\nubrix.dll") {}

std::optional<std::string_view> CMemoryModule::FindModuleResource(std::string_view type, int id) {
    auto it = resources_.find({std::string(type), id});
    if (it != resources_.end()) {
        if (!it->second)
            return std::nullopt;
        return std::string_view(*it->second);
    }
    for (const BuiltInResource& resource : BuiltInResources()) {
        if (resource.id == id && resource.type == type)
            return resource.bytes;
    }
    return std::nullopt;
}

void CMemoryModule::SetResource(std::string type, int id, std::string bytes) {
    resources_[{std::move(type), id}] = std::move(bytes);
}

void CMemoryModule::RemoveResource(const std::string& type, int id) {
    resources_[{type, id}] = std::nullopt;
}

std::string CMemoryModule::LoadStringText(int id) {
    auto it = strings_.find(id);
    if (it != strings_.end())
        return it->second;
    static const std::map<int, const char*> builtIn = [] {
        std::map<int, const char*> texts;
        for (const BuiltInString& entry : BuiltInStrings())
            texts.emplace(entry.id, entry.text);
        return texts;
    }();
    auto text = builtIn.find(id);
    return text == builtIn.end() ? std::string() : std::string(text->second);
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

std::int32_t CMemoryUserInterface::SystemMetric(Metric metric) {
    auto it = metrics.find(metric);
    return it == metrics.end() ? 0 : it->second;
}

// ---------------------------------------------------------------------------------------------
// CMemoryProcesses, CMemoryMail

std::optional<std::string> CMemoryProcesses::EnvironmentVariable(std::string_view name) {
    // The platform compares the names of environment variables without regard to case.
    for (const auto& [variable, value] : environment) {
        if (EqualsIgnoreAsciiCase(variable, name))
            return value;
    }
    return std::nullopt;
}

ProcessStart CMemoryProcesses::StartProcess(std::string_view commandLine) {
    started.emplace_back(commandLine);
    return startError ? ProcessStart{false, *startError} : ProcessStart{true, 0};
}

std::optional<std::string> CMemoryProcesses::ErrorText(std::uint32_t error) {
    auto it = errorTexts.find(error);
    return it == errorTexts.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::optional<std::uint32_t> CMemoryMail::SendMapiMail(const MapiMail& mail) {
    if (result)
        sent.push_back(mail);
    return result;
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
    view.locale = &locale;
    view.processes = &processes;
    view.mail = &mail;
    return view;
}

} // namespace tandrel
