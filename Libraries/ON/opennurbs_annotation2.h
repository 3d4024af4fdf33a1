#pragma once

#include "opennurbs_2dpointarray.h"
#include "opennurbs_geometry.h"
#include "opennurbs_on.h"
#include "opennurbs_plane.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Base of the version 4 and 5 annotation objects (text, leaders, dimensions): a plane, definition
// points in that plane's coordinates and a text. The archive layout is shared by every subclass.
class ON_CLASS ON_Annotation2 : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Annotation2);

public:
  enum eTextJustification
  {
    tjUndefined = 0,
    tjLeft = 1 << 0,
    tjCenter = 1 << 1,
    tjRight = 1 << 2,
    tjBottom = 1 << 16,
    tjMiddle = 1 << 17,
    tjTop = 1 << 18,
    tjBottomLeft = tjBottom | tjLeft,
    tjBottomCenter = tjBottom | tjCenter,
    tjBottomRight = tjBottom | tjRight,
    tjMiddleLeft = tjMiddle | tjLeft,
    tjMiddleCenter = tjMiddle | tjCenter,
    tjMiddleRight = tjMiddle | tjRight,
    tjTopLeft = tjTop | tjLeft,
    tjTopCenter = tjTop | tjCenter,
    tjTopRight = tjTop | tjRight
  };

  ON_Annotation2() = default;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  // The definition points on the plane, or the plane's origin when there are none.
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  // Moves the plane and the points with it; the text height scales as the plane's y axis does.
  bool Transform(const ON_Xform& xform) override;
  // Archives before version 5 hold the fields after a 1.0 version byte; version 5 wraps them,
  // with the justification, the annotative flag and the text formula, in a versioned chunk.
  // This core writes the layout of the archives before version 5 only.
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool IsText() const;
  bool IsLeader() const;
  bool IsDimension() const;

  // Font index of text, dimension style index of the others.
  int Index() const;
  void SetIndex(int index);
  // Text height in model units.
  double Height() const;
  void SetHeight(double height);
  ON::eAnnotationType Type() const;
  void SetType(ON::eAnnotationType type);
  const ON_Plane& Plane() const;
  void SetPlane(const ON_Plane& plane);

  int PointCount() const;
  void SetPointCount(int count);
  const ON_2dPointArray& Points() const;
  void SetPoints(const ON_2dPointArray& points);
  // Point i in plane coordinates; the unset point when i is out of range.
  ON_2dPoint Point(int i) const;
  void SetPoint(int i, const ON_2dPoint& point);

  const wchar_t* TextValue() const;
  void SetTextValue(const wchar_t* text_value);
  const wchar_t* TextFormula() const;
  void SetTextFormula(const wchar_t* formula);
  void SetUserPositionedText(int bUserPositionedText);
  bool UserPositionedText() const;
  void SetTextDisplayMode(ON::eTextDisplayMode mode);
  ON::eTextDisplayMode TextDisplayMode() const;

  // Only text keeps a justification; the others report tjUndefined.
  virtual void SetJustification(unsigned int justification);
  virtual unsigned int Justification();

  ON::eAnnotationType m_type = ON::dtNothing;
  ON::eTextDisplayMode m_textdisplaymode = ON::dtAboveLine;
  ON_Plane m_plane;
  ON_2dPointArray m_points;
  ON_wString m_usertext;
  bool m_userpositionedtext = false;
  bool m_annotative_scale = false;
  int m_index = 0;
  double m_textheight = 1.0;
  unsigned int m_justification = tjUndefined;

protected:
  // The subclasses of version 5 archives wrap the base fields in one more versioned chunk.
  bool ReadSubclassChunk(ON_BinaryArchive& archive);

private:
  static bool IsChunked(const ON_BinaryArchive& archive);
  bool ReadFields(ON_BinaryArchive& archive);
  bool ReadVersion5Fields(ON_BinaryArchive& archive, int minor_version);

  ON_wString m_text_formula;
};
