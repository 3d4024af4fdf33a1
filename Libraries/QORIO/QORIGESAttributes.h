#pragma once

#include "QORIGESFile.h"
#include "opennurbs.h"

#include <map>

// What an IGES entity's objects carry into a 3DM model: the layer of its level (created on first
// use, named after the level), its colour (a colour number or a colour definition), and the
// model's units from the global section.
class QORIGESAttributes
{
public:
  QORIGESAttributes(const QORIGESFile& file, ONX_Model& model);

  void SetUnits();
  // The attributes of the objects of the entry at an index.
  ON_3dmObjectAttributes ForEntry(int index);

private:
  int EntryLevel(const QORIGESEntry& entry) const;
  int LayerIndex(int level);
  ON_Color EntryColour(const QORIGESEntry& entry) const;

  const QORIGESFile& m_file;
  ONX_Model& m_model;
  std::map<int, int> m_layers; // level -> layer index
};
