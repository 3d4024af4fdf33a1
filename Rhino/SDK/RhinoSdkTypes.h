#pragma once

#include "Menu.h"
#include "WindowHandle.h"

// Windows-style names used by the host SDK interface.
typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
typedef unsigned int WPARAM;
typedef Platform::Menu* HMENU;
