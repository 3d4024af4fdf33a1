#pragma once

// Command identifiers of the "&Nubilo" menu's items.
enum NubiloMenuId : unsigned int
{
  ID_NUBILO_IMPORTPOINTS = 32771,
  ID_NUBILO_DRAPESURFACE = 32772,
  ID_NUBILO_WRAPMESH = 32773,
  ID_NUBILO_HELP = 32774,
  ID_NUBILO_ABOUT = 32775,
};
