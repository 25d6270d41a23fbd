#pragma once
// Where the eight settings live in the user's profile: the company's key, the section and the keys.
namespace Settings {
constexpr const char* kCompany = "Orvik Velmora";
constexpr const char* kSection = "Config";
constexpr const char* kOracleSrv = "OracleSrv";
constexpr const char* kOracleTns = "OracleTns";
constexpr const char* kParamStop = "ParamStop";
constexpr const char* kParamStart = "ParamStart";
constexpr const char* kParamEnde = "ParamEnde";
constexpr const char* kParamAsk = "ParamAsk";
constexpr const char* kParamMin = "ParamMin";
constexpr const char* kInfoText = "InfoText";
} // namespace Settings
