#include "install/ClassRegistration.h"

#include "common/Platform.h"
#include "install/ClassIdentity.h"

namespace tandrel {

namespace {

// The platform's status for a class that could not be registered (SELFREG_E_CLASS).
constexpr HResult kClassRegistrationFailed = static_cast<HResult>(0x80040201u);

const std::string kClassKey = std::string("CLSID\\") + kClassIdText;

} // namespace

std::vector<RegistrationRow> ClassRegistrationRows(const std::string& modulePath) {
    const std::string progId = kProgId;
    const std::string independent = kVersionIndependentProgId;
    return {
        {progId, "", kClassDescription},
        {progId + "\\CLSID", "", kClassIdText},
        {independent, "", kClassDescription},
        {independent + "\\CLSID", "", kClassIdText},
        {independent + "\\CurVer", "", progId},
        {kClassKey, "", kClassDescription},
        {kClassKey + "\\ProgID", "", progId},
        {kClassKey + "\\VersionIndependentProgID", "", independent},
        {kClassKey + "\\Programmable", "", std::nullopt},
        {kClassKey + "\\InprocServer32", "", modulePath},
        {kClassKey + "\\InprocServer32", "ThreadingModel", std::string("Apartment")},
        {kClassKey + "\\TypeLib", "", kLibraryIdText},
        {kClassKey + "\\Implemented Categories", "", std::nullopt},
        {kClassKey + "\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", "",
         std::nullopt},
        {kClassKey + "\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", "",
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
            if (auto key = registry.OpenKey(RegRoot::ClassesRoot, row->key))
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
