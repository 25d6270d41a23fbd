#pragma once
// The program's settings branch as stored bytes, reached past the program's own profile code,
// so that a test can put any value there and see exactly what was written.
#include <windows.h>
#include <optional>
#include <string>

namespace RawSettings {

struct Value {
    DWORD type;
    std::string data;
    bool operator==(const Value& other) const { return type == other.type && data == other.data; }
};

Value Text(const std::string& text);
Value Number(DWORD number);

void DeleteBranch();
void Store(const char* entry, const Value& value);
// The value as stored, up to 1 KB, more than any test writes; none when absent or longer.
std::optional<Value> Read(const char* entry);

} // namespace RawSettings
