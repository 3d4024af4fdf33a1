#include "Interrupt.h"

#include <csignal>

namespace Platform
{

namespace
{
volatile std::sig_atomic_t g_requested = 0;
}

bool Interrupt::Requested() { return g_requested != 0; }
void Interrupt::Request() { g_requested = 1; }
void Interrupt::Clear() { g_requested = 0; }

} // namespace Platform
