#include "MonitorApp.h"

CMonitorApp theApp;
