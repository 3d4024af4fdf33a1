#pragma once

// The SDK version a plug-in is built against; the host loads only modules that report it.
#define RHINO_SDK_VERSION 200612060
#define RHINO_SDK_SERVICE_RELEASE 200802224
