#include "CString.h"

int CString::CompareNoCase(const char* other) const
{
    return lstrcmpiA(m_text.c_str(), other ? other : "");
}

bool CString::LoadString(UINT id)
{
    // A zero buffer size makes LoadStringA hand out a read-only pointer to the resource itself,
    // so a text of any length is taken whole. That form is W-only; the A form copies, so grow until it fits.
    for (int size = 256;; size *= 2) {
        std::string buffer(static_cast<size_t>(size), '\0');
        const int length = ::LoadStringA(GetModuleHandleA(nullptr), id, &buffer[0], size);
        if (length < size - 1) {
            m_text.assign(buffer.data(), static_cast<size_t>(length));
            return length > 0;
        }
    }
}
