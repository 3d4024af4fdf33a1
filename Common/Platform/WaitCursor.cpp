#include "WaitCursor.h"

namespace Platform
{

namespace
{
int g_depth = 0;
}

WaitCursor::WaitCursor() { ++g_depth; }
WaitCursor::~WaitCursor() { --g_depth; }
int WaitCursor::Depth() { return g_depth; }

} // namespace Platform
