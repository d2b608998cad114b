#include "install/ClassRegistration.h"

#include "common/Platform.h"
#include "install/ClassIdentity.h"

namespace tandrel {

namespace {

// The platform's status for a class that could not be registered (SELFREG_E_CLASS).
constexpr HResult kClassRegistrationFailed = static_cast<HResult>(0x80040201u);

const std::u16string kClassKey = std::u16string(u"CLSID\\") + kClassIdText;

} // namespace

std::vector<RegistrationRow> ClassRegistrationRows(const std::u16string& modulePath) {
    const std::u16string progId = kProgId;
    const std::u16string independent = kVersionIndependentProgId;
    const std::u16string description = kClassDescription;
    const std::u16string classId = kClassIdText;
    return {
        {progId, u"", description},
        {progId + u"\\CLSID", u"", classId},
        {independent, u"", description},
        {independent + u"\\CLSID", u"", classId},
        {independent + u"\\CurVer", u"", progId},
        {kClassKey, u"", description},
        {kClassKey + u"\\ProgID", u"", progId},
        {kClassKey + u"\\VersionIndependentProgID", u"", independent},
        {kClassKey + u"\\Programmable", u"", std::nullopt},
        {kClassKey + u"\\InprocServer32", u"", modulePath},
        {kClassKey + u"\\InprocServer32", u"ThreadingModel", std::u16string(u"Apartment")},
        {kClassKey + u"\\TypeLib", u"", std::u16string(kLibraryIdText)},
        {kClassKey + u"\\Implemented Categories", u"", std::nullopt},
        {kClassKey + u"\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", u"",
         std::nullopt},
        {kClassKey + u"\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", u"",
         std::nullopt},
    };
}

HResult RegisterClassKeys() {
    IRegistry& registry = *CurrentPlatform().registry;
    registry.DeleteTree(RegRoot::ClassesRoot, kClassKey);
    for (const RegistrationRow& row :
         ClassRegistrationRows(CurrentPlatform().module->ModulePath())) {
        std::unique_ptr<IRegKey> key = registry.CreateKey(RegRoot::ClassesRoot, row.key);
        if (!key)
            return kClassRegistrationFailed;
        if (row.data && !key->SetString(row.valueName, *row.data))
            return kClassRegistrationFailed;
    }
    return kOk;
}

HResult UnregisterClassKeys() {
    IRegistry& registry = *CurrentPlatform().registry;
    std::vector<RegistrationRow> rows =
        ClassRegistrationRows(CurrentPlatform().module->ModulePath());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->data && !row->valueName.empty()) {
            if (auto key = registry.OpenKey(RegRoot::ClassesRoot, row->key, RegAccess::ReadWrite))
                key->DeleteValue(row->valueName);
            continue;
        }
        // A key that still holds keys of someone else's stays.
        registry.DeleteKey(RegRoot::ClassesRoot, row->key);
    }
    registry.DeleteTree(RegRoot::ClassesRoot, kClassKey);
    return kOk;
}

} // namespace tandrel
