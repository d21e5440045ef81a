#pragma once
// Resource ids of huebrook.exe (shared by the resource script and the program).
#define IDI_HUEBROOK 1
