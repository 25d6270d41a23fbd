#pragma once
// The program's settings branch as stored bytes, reached past the program's own profile code,
// so that a test can put any value there and see exactly what was written.
#include <windows.h>
#include <optional>
#include <ostream>
#include <string>

struct RawValue {
    DWORD type;
    std::string data;

    friend bool operator==(const RawValue& a, const RawValue& b) { return a.type == b.type && a.data == b.data; }
    friend std::ostream& operator<<(std::ostream& out, const RawValue& value)
    {
        return out << "type " << value.type << ", " << value.data.size() << " bytes";
    }
};

struct Setting {
    const char* name;
    bool isSwitch;
};

namespace RawSettings {

constexpr const char* kCompany = "Orvik Velmora";

// Every setting the program keeps, in the order the settings dialog writes them.
extern const Setting kAll[8];

RawValue Text(const std::string& text);
RawValue Number(DWORD number);

void DeleteBranch();
bool SectionExists(const char* application);
void Store(const char* entry, const RawValue& value);
std::optional<RawValue> Read(const char* entry);

} // namespace RawSettings
