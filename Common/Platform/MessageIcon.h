#pragma once

namespace Platform
{

enum class MessageIcon
{
  None,
  Information,
  Warning,
  Exclamation,
  Error
};

} // namespace Platform
