#include "opennurbs_meshtopologyface.h"

bool ON_MeshTopologyFace::IsValid() const { return m_topei[0] != m_topei[1]; }

bool ON_MeshTopologyFace::IsTriangle() const { return m_topei[2] == m_topei[3] && m_topei[0] != m_topei[1]; }

bool ON_MeshTopologyFace::IsQuad() const { return m_topei[2] != m_topei[3]; }
