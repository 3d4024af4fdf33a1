#pragma once

#include "opennurbs_meshtopologyedge.h"
#include "opennurbs_meshtopologyface.h"
#include "opennurbs_meshtopologyvertex.h"
#include "opennurbs_3dpoint.h"
#include "opennurbs_array.h"
#include "opennurbs_line.h"

class ON_Mesh;

// Vertices, edges and faces of a mesh, where mesh vertices at exactly the same location share
// one topological vertex. Obtained from ON_Mesh::Topology(); valid until the mesh changes.
class ON_CLASS ON_MeshTopology
{
public:
  ON_MeshTopology();
  ON_MeshTopology(const ON_MeshTopology&) = delete;
  ON_MeshTopology& operator=(const ON_MeshTopology&) = delete;

  const ON_Mesh* m_mesh;
  ON_SimpleArray<int> m_topv_map; // mesh vertex -> topological vertex
  ON_SimpleArray<ON_MeshTopologyVertex> m_topv;
  ON_SimpleArray<ON_MeshTopologyEdge> m_tope;
  ON_SimpleArray<ON_MeshTopologyFace> m_topf; // one per mesh face

  bool IsValid() const;
  void Destroy();

  int TopVertexCount() const;
  int TopEdgeCount() const;
  int TopFaceCount() const;

  // Location of the topological vertex (its first mesh vertex).
  ON_3dPoint TopVertexPoint(int topvi) const;
  // From the edge's first to its second topological vertex; an unset line for a bad index.
  ON_Line TopEdgeLine(int topei) const;

  // Rebuilds the topology of the given mesh; false when the mesh has no vertices.
  bool Create(const ON_Mesh& mesh);

private:
  void CreateVertices();
  void CreateEdgesAndFaces();
  bool IsValidVertex(int topvi) const;
  bool IsValidEdge(int topei) const;
  bool IsValidFace(int fi) const;

  bool m_bIsValid;
  ON_SimpleArray<int> m_vi_list;    // storage of the vertices' m_vi lists
  ON_SimpleArray<int> m_topei_list; // storage of the vertices' m_topei lists
  ON_SimpleArray<int> m_topfi_list; // storage of the edges' m_topfi lists
};
