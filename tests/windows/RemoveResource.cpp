// remove_resource.exe FILE TYPE ID: removes a resource (in every language it is there in) from a
// module file, in place, so that a test can see what the product does without it. The module's
// other resources are written back as they were: Wine keeps a resource that UpdateResource is
// asked to delete from those a module already has.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A resource's type or name: a number, or a text.
struct ResourceKey {
    ULONG_PTR number = 0;
    std::wstring text;
    explicit ResourceKey(LPCWSTR key) {
        if (IS_INTRESOURCE(key))
            number = reinterpret_cast<ULONG_PTR>(key);
        else
            text = key;
    }
    LPCWSTR Get() const { return text.empty() ? MAKEINTRESOURCEW(number) : text.c_str(); }
    bool operator==(const ResourceKey& other) const {
        return number == other.number && _wcsicmp(text.c_str(), other.text.c_str()) == 0;
    }
};

struct Resource {
    ResourceKey type, name;
    WORD language;
    std::string data;
};

struct Listing {
    HMODULE module;
    std::vector<Resource> resources;
};

BOOL CALLBACK AddLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR to) {
    HRSRC found = FindResourceExW(module, type, name, language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    std::string data = bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
    reinterpret_cast<Listing*>(to)->resources.push_back(
        Resource{ResourceKey(type), ResourceKey(name), language, std::move(data)});
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR to) {
    return EnumResourceLanguagesW(module, type, name, AddLanguage, to);
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR to) {
    return EnumResourceNamesW(module, type, AddName, to);
}

// Every resource of the module file with its data.
std::vector<Resource> ListResources(const wchar_t* file) {
    Listing listing{LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE), {}};
    if (!listing.module)
        return {};
    EnumResourceTypesW(listing.module, AddType, reinterpret_cast<LONG_PTR>(&listing));
    FreeLibrary(listing.module);
    return listing.resources;
}

} // namespace

int main() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv || count != 4) {
        std::fputs("usage: remove_resource FILE TYPE ID\n", stderr);
        return 2;
    }
    const wchar_t* file = argv[1];
    const ResourceKey type(argv[2]);
    const ResourceKey name(MAKEINTRESOURCEW(std::wcstoul(argv[3], nullptr, 10)));
    std::vector<Resource> resources = ListResources(file);
    std::size_t kept = 0;
    HANDLE update = BeginUpdateResourceW(file, TRUE);
    bool written = update != nullptr;
    for (Resource& resource : resources) {
        if (resource.type == type && resource.name == name)
            continue;
        ++kept;
        written = written && UpdateResourceW(update, resource.type.Get(), resource.name.Get(),
                                             resource.language, resource.data.data(),
                                             static_cast<DWORD>(resource.data.size()));
    }
    if (kept == resources.size()) {
        std::fprintf(stderr, "remove_resource: no resource %ls %ls in %ls\n", argv[2], argv[3],
                     file);
        written = false;
    }
    if (!update || !EndUpdateResourceW(update, written ? FALSE : TRUE) || !written) {
        std::fprintf(stderr, "remove_resource: %ls is left as it was (error %lu)\n", file,
                     GetLastError());
        return 1;
    }
    LocalFree(argv);
    return 0;
}
