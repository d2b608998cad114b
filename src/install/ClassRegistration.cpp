#include "install/ClassRegistration.h"

#include "common/Platform.h"
#include "install/ClassIdentity.h"

namespace tandrel {

namespace {

// The platform's status for a class that could not be registered or removed (SELFREG_E_CLASS).
constexpr HResult kClassRegistrationFailed = static_cast<HResult>(0x80040201u);

const std::u16string kClassKey = std::u16string(u"CLSID\\") + kClassIdText;

// Whether no other row's key lies below the row's key.
bool IsLeafRow(const std::vector<RegistrationRow>& rows, const RegistrationRow& row) {
    std::u16string below = row.key + u"\\";
    for (const RegistrationRow& other : rows) {
        if (other.key.compare(0, below.size(), below) == 0)
            return false;
    }
    return true;
}

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
    bool removed = true;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->data && !row->valueName.empty()) {
            if (auto key = registry.OpenKey(RegRoot::ClassesRoot, row->key, RegAccess::ReadWrite))
                key->DeleteValue(row->valueName);
            continue;
        }
        // A key with keys below it may hold someone else's, and then stays; a key of ours alone
        // that stays means the removal was refused.
        if (!registry.DeleteKey(RegRoot::ClassesRoot, row->key) && IsLeafRow(rows, *row))
            removed = false;
    }
    // Whatever else the class key holds goes with it: it is ours whole.
    if (!registry.DeleteTree(RegRoot::ClassesRoot, kClassKey))
        removed = false;
    return removed ? kOk : kClassRegistrationFailed;
}

} // namespace tandrel
