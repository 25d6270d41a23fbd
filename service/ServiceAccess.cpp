#include "ServiceAccess.h"
#include "KernelHandle.h"
#include "ServiceControlApi.h"
#include "ServiceManager.h"
#include <algorithm>
#include <sddl.h>
#include <string>
#include <vector>

namespace {

// What the generic rights mean for a service, as the Service Control Manager maps them.
constexpr GENERIC_MAPPING kServiceMapping = {
    STANDARD_RIGHTS_READ | SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS | SERVICE_INTERROGATE
        | SERVICE_ENUMERATE_DEPENDENTS,
    STANDARD_RIGHTS_WRITE | SERVICE_CHANGE_CONFIG,
    STANDARD_RIGHTS_EXECUTE | SERVICE_START | SERVICE_STOP | SERVICE_PAUSE_CONTINUE | SERVICE_USER_DEFINED_CONTROL,
    SERVICE_ALL_ACCESS,
};

// The descriptor's access list, when it has one that is not null (a null list lets everyone in).
PACL DaclOf(PSECURITY_DESCRIPTOR descriptor)
{
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    if (!descriptor || !GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted) || !present)
        return nullptr;
    return dacl;
}

// A descriptor converted from SDDL, freed as the conversion requires.
class Descriptor {
public:
    explicit Descriptor(const CString& sddl)
    {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &m_descriptor, nullptr))
            m_descriptor = nullptr;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { LocalFree(m_descriptor); }

    PSECURITY_DESCRIPTOR get() const { return m_descriptor; }
    PACL Dacl() const { return DaclOf(m_descriptor); }

private:
    PSECURITY_DESCRIPTOR m_descriptor = nullptr;
};

// The descriptor's `parts` in SDDL, and nothing else of it; empty when it has none of them.
CString SddlOf(PSECURITY_DESCRIPTOR descriptor, SECURITY_INFORMATION parts)
{
    char* text = nullptr;
    if (!descriptor
        || !ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, parts, &text, nullptr))
        return {};
    const CString sddl(text);
    LocalFree(text);
    return sddl;
}

// The list's entries as they are stored, sorted, so that lists compare as sets of entries with
// their counts.
std::vector<std::string> EntriesOf(PACL dacl)
{
    std::vector<std::string> entries;
    for (DWORD index = 0; dacl && index < dacl->AceCount; ++index) {
        void* entry = nullptr;
        if (GetAce(dacl, index, &entry))
            entries.emplace_back(static_cast<const char*>(entry), static_cast<ACE_HEADER*>(entry)->AceSize);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool HasInheritedEntry(PACL dacl)
{
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        void* entry = nullptr;
        if (!GetAce(dacl, index, &entry) || (static_cast<ACE_HEADER*>(entry)->AceFlags & INHERITED_ACE))
            return true;
    }
    return false;
}

// This process's user as the access check sees them, and their SID in SDDL.
struct User {
    KernelHandle impersonation;
    CString sid;
};

User CurrentUser()
{
    User user;
    HANDLE token = nullptr;
    if (!ServiceControl().openProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &token))
        return user;
    const KernelHandle process(token);
    std::vector<DWORD> buffer(128);
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(DWORD));
    char* sid = nullptr;
    HANDLE impersonation = nullptr;
    if (!GetTokenInformation(process.get(), TokenUser, buffer.data(), size, &size)
        || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid))
        return user;
    user.sid = sid;
    LocalFree(sid);
    if (DuplicateToken(process.get(), SecurityImpersonation, &impersonation))
        user.impersonation.reset(impersonation);
    return user;
}

bool LetsIn(const Descriptor& descriptor, const User& user)
{
    GENERIC_MAPPING mapping = kServiceMapping;
    DWORD privileges[16] = {};
    DWORD privilegesSize = sizeof(privileges);
    DWORD granted = 0;
    BOOL allowed = FALSE;
    return AccessCheck(descriptor.get(), user.impersonation.get(), kControlRights, &mapping,
                       reinterpret_cast<PPRIVILEGE_SET>(privileges), &privilegesSize, &granted, &allowed)
        && allowed;
}

} // namespace

CString DaclGrantingUser(const CString& descriptor)
{
    const User user = CurrentUser();
    const Descriptor current(descriptor);
    if (!user.impersonation || !current.Dacl() || HasInheritedEntry(current.Dacl()) || LetsIn(current, user))
        return {};
    // The list as Windows writes it back: nothing but the DACL, so the entry lands in it.
    CString granting = SddlOf(current.get(), DACL_SECURITY_INFORMATION);
    if (granting.IsEmpty())
        return {};
    granting += "(A;;LCRPWP;;;" + user.sid + ")";
    // Judged with the service's own owner, which entries for OWNER RIGHTS stand for.
    const CString ownerAndGroup = SddlOf(current.get(), OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION);
    return LetsIn(Descriptor(ownerAndGroup + granting), user) ? granting : CString();
}

std::optional<AccessGrant> ProposeGrant(SC_HANDLE manager, const char* name)
{
    AccessGrant grant;
    std::vector<DWORD> read = ServiceManager::ReadSecurity(manager, name, grant.keyName);
    const CString descriptor =
        SddlOf(read.empty() ? nullptr : read.data(),
               OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION);
    if (descriptor.IsEmpty())
        return std::nullopt;
    grant.dacl = DaclGrantingUser(descriptor);
    const auto quoted = [](const CString& text) { return text.str().find('"') != std::string::npos; };
    if (grant.dacl.IsEmpty() || quoted(grant.keyName) || quoted(grant.dacl))
        return std::nullopt;
    return grant;
}

bool GrantInPlace(SC_HANDLE manager, const AccessGrant& grant)
{
    CString keyName;
    std::vector<DWORD> read = ServiceManager::ReadSecurity(manager, grant.keyName, keyName);
    const std::vector<std::string> now = EntriesOf(DaclOf(read.empty() ? nullptr : read.data()));
    const std::vector<std::string> granted = EntriesOf(Descriptor(grant.dacl).Dacl());
    return !granted.empty() && std::includes(now.begin(), now.end(), granted.begin(), granted.end());
}

CString SdsetParameters(const AccessGrant& grant)
{
    return "sdset \"" + grant.keyName + "\" \"" + grant.dacl + "\"";
}
