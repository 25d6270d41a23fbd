#pragma once
// What would let this process's user start and stop a service that Windows refuses them: one
// entry more in the service's access list, for this user and these rights only. Whether that
// helps is Windows' own access check's answer, never a reading of the entries.
#include "CString.h"
#include <optional>
#include <windows.h>

// The rights the main window opens services with: query status, start, stop.
constexpr DWORD kControlRights = SERVICE_QUERY_STATUS | SERVICE_START | SERVICE_STOP;

// The access list of `descriptor` (a service's owner, group and access list in SDDL) with one
// allow entry of kControlRights for this process's user appended, in SDDL ("D:..."); empty when
// such an entry cannot help: the list lets the user in already, a deny to one of the user's
// groups outweighs it, an entry is inherited, or the descriptor has no access list.
CString DaclGrantingUser(const CString& descriptor);

// A service's access list to be set in place of its own, named by the key name that the
// refused open used.
struct AccessGrant {
    CString keyName;
    CString dacl;
};

// The grant that lets this user control the service an open of `name` reaches, built from its
// list as it is now; none when its descriptor cannot be read or a grant cannot help, or when the
// key name or the list holds a double quote, which would end its argument on sc.exe's command
// line.
std::optional<AccessGrant> ProposeGrant(SC_HANDLE manager, const char* name);

// Whether the service's list, read now, holds every entry of the grant's: all of the list it was
// built from and the user's entry. Anything less means that some change was undone.
bool GrantInPlace(SC_HANDLE manager, const AccessGrant& grant);

// The arguments of Windows' sc.exe that set the list: the DACL alone, with no owner, group or
// audit list in the string.
CString SdsetParameters(const AccessGrant& grant);
