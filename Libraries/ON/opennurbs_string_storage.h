#pragma once

// Zero-terminated character buffer with a length and a capacity of its own, shared by the string
// classes: characters up to the reserved capacity may be written through the array pointer.

#include <string_view>
#include <vector>

template <class Ch>
class ON_StringStorage
{
public:
  int Length() const { return m_length; }
  int Capacity() const { return m_buffer.empty() ? 0 : static_cast<int>(m_buffer.size()) - 1; }
  std::basic_string_view<Ch> View() const { return std::basic_string_view<Ch>(Data(), m_length); }

  // Never null: an empty string gives a pointer to a zero character.
  const Ch* Data() const { return m_buffer.empty() ? &m_empty : m_buffer.data(); }
  Ch* Data() { return m_buffer.empty() ? nullptr : m_buffer.data(); }

  void Reserve(int capacity)
  {
    if (capacity > Capacity())
      m_buffer.resize(static_cast<size_t>(capacity) + 1, Ch(0));
  }

  void SetLength(int length)
  {
    if (length < 0)
      length = 0;
    Reserve(length);
    m_length = length;
    if (!m_buffer.empty())
      m_buffer[length] = Ch(0);
  }

  void Assign(std::basic_string_view<Ch> s)
  {
    if (s.empty())
    {
      SetLength(0);
      return;
    }
    const std::basic_string<Ch> copy(s); // s may point into this buffer
    SetLength(static_cast<int>(copy.size()));
    copy.copy(m_buffer.data(), copy.size());
  }

  void Append(std::basic_string_view<Ch> s)
  {
    std::basic_string<Ch> joined(View());
    joined.append(s);
    Assign(joined);
  }

  void Destroy()
  {
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_length = 0;
  }

private:
  std::vector<Ch> m_buffer; // capacity + 1 characters
  int m_length = 0;
  static constexpr Ch m_empty = Ch(0);
};
