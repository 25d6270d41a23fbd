#pragma once
#include "Wnd.h"

class CButton : public CWnd {};
