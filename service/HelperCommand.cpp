#include "HelperCommand.h"
#include "ServiceState.h"

bool PassableToHelper(const CString& name)
{
    const std::string& text = name.str();
    return text.find('"') == std::string::npos && (text.empty() || text.back() != '\\');
}

CString HelperParameters(int request, const std::vector<CString>& names)
{
    CString parameters = request == REQUEST_START ? kHelperStart : kHelperStop;
    for (const CString& name : names)
        parameters += " \"" + name + "\"";
    return parameters;
}
