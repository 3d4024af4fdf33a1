#pragma once

// Dynamic array for classes: every slot up to the capacity holds a constructed element,
// elements are copied with operator= and slots that are not in use hold default elements.

#include "opennurbs_array_sort.h"
#include "opennurbs_defines.h"

#include <algorithm>
#include <new>
#include <utility>

template <class T>
class ON_ClassArray
{
public:
  ON_ClassArray() = default;
  explicit ON_ClassArray(int initial_capacity) { SetCapacity(initial_capacity); }
  ON_ClassArray(const ON_ClassArray<T>& src) { *this = src; }
  ON_ClassArray(ON_ClassArray<T>&& src) noexcept { TakeFrom(src); }
  virtual ~ON_ClassArray() { SetCapacity(0); }

  ON_ClassArray<T>& operator=(const ON_ClassArray<T>& src);
  ON_ClassArray<T>& operator=(ON_ClassArray<T>&& src) noexcept;

  // No range check, like the toolkit's release builds.
  T& operator[](int i) { return m_a[i]; }
  T& operator[](unsigned int i) { return m_a[i]; }
  T& operator[](ON__INT64 i) { return m_a[i]; }
  T& operator[](ON__UINT64 i) { return m_a[i]; }
  const T& operator[](int i) const { return m_a[i]; }
  const T& operator[](unsigned int i) const { return m_a[i]; }
  const T& operator[](ON__INT64 i) const { return m_a[i]; }
  const T& operator[](ON__UINT64 i) const { return m_a[i]; }

  operator T*() { return (m_count > 0) ? m_a : nullptr; }
  operator const T*() const { return (m_count > 0) ? m_a : nullptr; }
  T* Array() { return m_a; }
  const T* Array() const { return m_a; }

  int Count() const { return m_count; }
  unsigned int UnsignedCount() const { return static_cast<unsigned int>(m_count); }
  int Capacity() const { return m_capacity; }
  unsigned int SizeOfElement() const { return static_cast<unsigned int>(sizeof(T)); }

  // nullptr when out of range or empty.
  T* At(int i) { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
  const T* At(int i) const { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
  T* First() { return (m_count > 0) ? m_a : nullptr; }
  const T* First() const { return (m_count > 0) ? m_a : nullptr; }
  T* Last() { return (m_count > 0) ? m_a + (m_count - 1) : nullptr; }
  const T* Last() const { return (m_count > 0) ? m_a + (m_count - 1) : nullptr; }

  // Freshly default-constructed element at the end.
  T& AppendNew();
  void Append(const T& x);
  void Append(int count, const T* p);
  // Ignored unless 0 <= i <= Count().
  void Insert(int i, const T& x);
  void Remove();
  // Ignored unless 0 <= i < Count(); destroys the element, the vacated last slot is default-constructed.
  void Remove(int i);
  // Destroys and re-default-constructs the elements in use (last first); capacity kept.
  void Empty();
  // Destroys every slot and frees the memory.
  void Destroy() { SetCapacity(0); }

  void Reverse();
  // Ignored unless both indices are in range.
  void Swap(int i, int j);

  int Search(const T* key, int (*compar)(const T*, const T*)) const;
  // Index of a match in an array sorted by compar, or -1.
  int BinarySearch(const T* key, int (*compar)(const T*, const T*)) const;
  // False when the array is empty or compar is null; equal elements end in no particular order.
  // Elements are swapped, never moved byte-wise, so both sorts are heap sorts here.
  bool QuickSort(int (*compar)(const T*, const T*));
  bool HeapSort(int (*compar)(const T*, const T*));

  // Grows to capacity n, never shrinks.
  void Reserve(int n);
  // n <= 0 destroys; growing default-constructs new slots; shrinking destroys the dropped ones.
  void SetCapacity(int n);
  // Ignored unless 0 <= n <= Capacity().
  void SetCount(int n);
  void Shrink() { SetCapacity(m_count); }
  int NewCapacity() const;

protected:
  T* m_a = nullptr;
  int m_count = 0;
  int m_capacity = 0;

private:
  bool Holds(const T* p) const { return m_a && p >= m_a && p < m_a + m_capacity; }
  bool GrowForOneMore();
  void ResetElement(int i);
  void TakeFrom(ON_ClassArray<T>& src);
};

template <class T>
void ON_ClassArray<T>::TakeFrom(ON_ClassArray<T>& src)
{
  m_a = src.m_a;
  m_count = src.m_count;
  m_capacity = src.m_capacity;
  src.m_a = nullptr;
  src.m_count = 0;
  src.m_capacity = 0;
}

template <class T>
ON_ClassArray<T>& ON_ClassArray<T>::operator=(const ON_ClassArray<T>& src)
{
  if (this == &src)
    return *this;
  if (src.m_count <= 0)
  {
    Empty();
    return *this;
  }
  if (m_capacity < src.m_count)
    SetCapacity(src.m_count);
  if (m_capacity < src.m_count)
    return *this;
  for (int i = m_count - 1; i >= src.m_count; i--)
    ResetElement(i); // surplus elements release what they hold
  for (int i = 0; i < src.m_count; i++)
    m_a[i] = src.m_a[i];
  m_count = src.m_count;
  return *this;
}

template <class T>
ON_ClassArray<T>& ON_ClassArray<T>::operator=(ON_ClassArray<T>&& src) noexcept
{
  if (this != &src)
  {
    SetCapacity(0);
    TakeFrom(src);
  }
  return *this;
}

template <class T>
int ON_ClassArray<T>::NewCapacity() const
{
  // Beyond 256 MB (on 64-bit) the array grows by at most that much at a time.
  const size_t cap_size = 32 * sizeof(void*) * 1024 * 1024;
  if (m_count < 8 || static_cast<size_t>(m_count) * sizeof(T) <= cap_size)
    return (m_count <= 2) ? 4 : 2 * m_count;
  int delta = 8 + static_cast<int>(cap_size / sizeof(T));
  if (delta > m_count)
    delta = m_count;
  return m_count + delta;
}

template <class T>
bool ON_ClassArray<T>::GrowForOneMore()
{
  if (m_count == m_capacity)
    Reserve(NewCapacity());
  return m_count < m_capacity;
}

template <class T>
void ON_ClassArray<T>::ResetElement(int i)
{
  m_a[i].~T();
  new (static_cast<void*>(m_a + i)) T();
}

template <class T>
T& ON_ClassArray<T>::AppendNew()
{
  GrowForOneMore();
  ResetElement(m_count);
  return m_a[m_count++];
}

template <class T>
void ON_ClassArray<T>::Append(const T& x)
{
  if (m_count == m_capacity && Holds(&x))
  {
    const T copy = x; // x lives in the buffer that is about to move
    if (GrowForOneMore())
      m_a[m_count++] = copy;
    return;
  }
  if (GrowForOneMore())
    m_a[m_count++] = x;
}

template <class T>
void ON_ClassArray<T>::Append(int count, const T* p)
{
  if (count <= 0 || !p)
    return;
  if (m_count + count > m_capacity)
  {
    int new_capacity = NewCapacity();
    if (new_capacity < m_count + count)
      new_capacity = m_count + count;
    if (Holds(p))
    {
      ON_ClassArray<T> copy;
      copy.Append(count, p);
      Reserve(new_capacity);
      Append(count, copy.m_a);
      return;
    }
    Reserve(new_capacity);
    if (m_count + count > m_capacity)
      return;
  }
  for (int i = 0; i < count; i++)
    m_a[m_count + i] = p[i];
  m_count += count;
}

template <class T>
void ON_ClassArray<T>::Insert(int i, const T& x)
{
  if (i < 0 || i > m_count)
    return;
  const T copy = x;
  if (!GrowForOneMore())
    return;
  std::rotate(m_a + i, m_a + m_count, m_a + m_count + 1);
  m_a[i] = copy;
  m_count++;
}

template <class T>
void ON_ClassArray<T>::Remove()
{
  Remove(m_count - 1);
}

template <class T>
void ON_ClassArray<T>::Remove(int i)
{
  if (i < 0 || i >= m_count)
    return;
  std::rotate(m_a + i, m_a + i + 1, m_a + m_count);
  m_count--;
  ResetElement(m_count);
}

template <class T>
void ON_ClassArray<T>::Empty()
{
  for (int i = m_count - 1; i >= 0; i--)
    ResetElement(i);
  m_count = 0;
}

template <class T>
void ON_ClassArray<T>::Reverse()
{
  std::reverse(m_a, m_a + m_count);
}

template <class T>
void ON_ClassArray<T>::Swap(int i, int j)
{
  if (i != j && i >= 0 && j >= 0 && i < m_count && j < m_count)
    std::swap(m_a[i], m_a[j]);
}

template <class T>
int ON_ClassArray<T>::Search(const T* key, int (*compar)(const T*, const T*)) const
{
  if (!key || !compar)
    return -1;
  for (int i = 0; i < m_count; i++)
  {
    if (compar(key, m_a + i) == 0)
      return i;
  }
  return -1;
}

template <class T>
int ON_ClassArray<T>::BinarySearch(const T* key, int (*compar)(const T*, const T*)) const
{
  if (!key || !compar || m_count <= 0)
    return -1;
  return ON_ArrayBinarySearch(m_a, m_count, key, compar);
}

template <class T>
bool ON_ClassArray<T>::QuickSort(int (*compar)(const T*, const T*))
{
  return HeapSort(compar);
}

template <class T>
bool ON_ClassArray<T>::HeapSort(int (*compar)(const T*, const T*))
{
  if (m_count <= 0 || !compar)
    return false;
  ON_ArrayHeapSort(m_a, m_count, compar);
  return true;
}

template <class T>
void ON_ClassArray<T>::Reserve(int n)
{
  if (m_capacity < n)
    SetCapacity(n);
}

template <class T>
void ON_ClassArray<T>::SetCapacity(int n)
{
  if (n < 0)
    n = 0;
  if (n == m_capacity)
    return;
  T* p = nullptr;
  if (n > 0)
  {
    p = static_cast<T*>(::operator new(n * sizeof(T), std::nothrow));
    if (!p)
      return; // out of memory: the array stays as it was
  }
  const int kept = std::min(n, m_capacity);
  for (int i = 0; i < kept; i++)
    new (static_cast<void*>(p + i)) T(std::move(m_a[i]));
  for (int i = kept; i < n; i++)
    new (static_cast<void*>(p + i)) T();
  for (int i = m_capacity - 1; i >= 0; i--)
    m_a[i].~T();
  ::operator delete(m_a);
  m_a = p;
  m_capacity = n;
  if (m_count > n)
    m_count = n;
}

template <class T>
void ON_ClassArray<T>::SetCount(int n)
{
  if (n >= 0 && n <= m_capacity)
    m_count = n;
}
