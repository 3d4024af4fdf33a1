#pragma once

// Opaque owner-window handle. Owners are passed as pointers to a handle; null means no owner.
struct PlatformWindow;
typedef PlatformWindow* HWND;
