#pragma once

// Dynamic array for plain types: elements are copied, moved and compared byte-wise,
// and memory that is not in use by an element is kept zero-filled.

#include "opennurbs_array_sort.h"
#include "opennurbs_defines.h"
#include "opennurbs_memory.h"

#include <cstring>

template <class T>
class ON_SimpleArray
{
public:
  ON_SimpleArray() = default;
  explicit ON_SimpleArray(int initial_capacity) { SetCapacity(initial_capacity); }
  ON_SimpleArray(const ON_SimpleArray<T>& src) { *this = src; }
  ON_SimpleArray(ON_SimpleArray<T>&& src) noexcept { TakeFrom(src); }
  virtual ~ON_SimpleArray() { SetCapacity(0); }

  ON_SimpleArray<T>& operator=(const ON_SimpleArray<T>& src);
  ON_SimpleArray<T>& operator=(ON_SimpleArray<T>&& src) noexcept;

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
  unsigned int SizeOfArray() const { return static_cast<unsigned int>(m_count * sizeof(T)); }
  unsigned int SizeOfElement() const { return static_cast<unsigned int>(sizeof(T)); }

  // nullptr when out of range or empty.
  T* At(int i) { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
  const T* At(int i) const { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
  T* First() { return (m_count > 0) ? m_a : nullptr; }
  const T* First() const { return (m_count > 0) ? m_a : nullptr; }
  T* Last() { return (m_count > 0) ? m_a + (m_count - 1) : nullptr; }
  const T* Last() const { return (m_count > 0) ? m_a + (m_count - 1) : nullptr; }

  // Zero-filled new element at the end.
  T& AppendNew();
  void Append(const T& x);
  void Append(int count, const T* p);
  // Ignored unless 0 <= i <= Count().
  void Insert(int i, const T& x);
  void Remove();
  // Ignored unless 0 <= i < Count(); the vacated last slot is zero-filled.
  void Remove(int i);
  // Count 0, capacity kept, memory zero-filled.
  void Empty();
  // Frees the memory.
  void Destroy() { SetCapacity(0); }
  void Zero();
  void MemSet(unsigned char value);

  void Reverse();
  void Swap(int i, int j);

  // First index whose bytes equal key's bytes (so -0.0 and +0.0 differ), or -1.
  int Search(const T& key) const;
  int Search(const T* key, int (*compar)(const T*, const T*)) const;
  // Index of a match in an array sorted by compar, or -1.
  int BinarySearch(const T* key, int (*compar)(const T*, const T*)) const;
  // False when the array is empty or compar is null; equal elements end in no particular order.
  bool QuickSort(int (*compar)(const T*, const T*));
  bool HeapSort(int (*compar)(const T*, const T*));

  // Grows to capacity n, never shrinks.
  void Reserve(int n);
  // n <= 0 frees; growing zero-fills; shrinking below Count() truncates.
  void SetCapacity(int n);
  // Ignored unless 0 <= n <= Capacity().
  void SetCount(int n);
  void Shrink() { SetCapacity(m_count); }
  int NewCapacity() const;

  // Hands the memory (release with onfree) to the caller and leaves the array empty.
  T* KeepArray();
  // Takes over memory allocated with onmalloc/onrealloc.
  void SetArray(T* p);
  void SetArray(T* p, int count, int capacity);

protected:
  T* m_a = nullptr;
  int m_count = 0;
  int m_capacity = 0;

private:
  bool Holds(const T* p) const { return m_a && p >= m_a && p < m_a + m_capacity; }
  bool GrowForOneMore();
  void TakeFrom(ON_SimpleArray<T>& src);
};

template <class T>
void ON_SimpleArray<T>::TakeFrom(ON_SimpleArray<T>& src)
{
  m_a = src.m_a;
  m_count = src.m_count;
  m_capacity = src.m_capacity;
  src.m_a = nullptr;
  src.m_count = 0;
  src.m_capacity = 0;
}

template <class T>
ON_SimpleArray<T>& ON_SimpleArray<T>::operator=(const ON_SimpleArray<T>& src)
{
  if (this == &src)
    return *this;
  if (src.m_count <= 0)
  {
    m_count = 0;
    return *this;
  }
  if (m_capacity < src.m_count)
    SetCapacity(src.m_count);
  if (m_capacity >= src.m_count)
  {
    m_count = src.m_count;
    std::memcpy(static_cast<void*>(m_a), src.m_a, m_count * sizeof(T));
  }
  return *this;
}

template <class T>
ON_SimpleArray<T>& ON_SimpleArray<T>::operator=(ON_SimpleArray<T>&& src) noexcept
{
  if (this != &src)
  {
    SetCapacity(0);
    TakeFrom(src);
  }
  return *this;
}

template <class T>
int ON_SimpleArray<T>::NewCapacity() const
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
bool ON_SimpleArray<T>::GrowForOneMore()
{
  if (m_count == m_capacity)
    Reserve(NewCapacity());
  return m_count < m_capacity;
}

template <class T>
T& ON_SimpleArray<T>::AppendNew()
{
  GrowForOneMore();
  std::memset(static_cast<void*>(&m_a[m_count]), 0, sizeof(T));
  return m_a[m_count++];
}

template <class T>
void ON_SimpleArray<T>::Append(const T& x)
{
  const T copy = x; // x may live in the buffer that is about to move
  if (GrowForOneMore())
    m_a[m_count++] = copy;
}

template <class T>
void ON_SimpleArray<T>::Append(int count, const T* p)
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
      ON_SimpleArray<T> copy;
      copy.Append(count, p);
      Reserve(new_capacity);
      Append(count, copy.m_a);
      return;
    }
    Reserve(new_capacity);
    if (m_count + count > m_capacity)
      return;
  }
  std::memcpy(static_cast<void*>(m_a + m_count), p, count * sizeof(T));
  m_count += count;
}

template <class T>
void ON_SimpleArray<T>::Insert(int i, const T& x)
{
  if (i < 0 || i > m_count)
    return;
  const T copy = x;
  if (!GrowForOneMore())
    return;
  std::memmove(static_cast<void*>(m_a + i + 1), m_a + i, (m_count - i) * sizeof(T));
  m_a[i] = copy;
  m_count++;
}

template <class T>
void ON_SimpleArray<T>::Remove()
{
  Remove(m_count - 1);
}

template <class T>
void ON_SimpleArray<T>::Remove(int i)
{
  if (i < 0 || i >= m_count)
    return;
  m_count--;
  std::memmove(static_cast<void*>(m_a + i), m_a + i + 1, (m_count - i) * sizeof(T));
  std::memset(static_cast<void*>(m_a + m_count), 0, sizeof(T));
}

template <class T>
void ON_SimpleArray<T>::Empty()
{
  if (m_a)
    std::memset(static_cast<void*>(m_a), 0, m_capacity * sizeof(T));
  m_count = 0;
}

template <class T>
void ON_SimpleArray<T>::Zero()
{
  MemSet(0);
}

template <class T>
void ON_SimpleArray<T>::MemSet(unsigned char value)
{
  if (m_a)
    std::memset(static_cast<void*>(m_a), value, m_capacity * sizeof(T));
}

template <class T>
void ON_SimpleArray<T>::Reverse()
{
  for (int i = 0, j = m_count - 1; i < j; i++, j--)
    Swap(i, j);
}

template <class T>
void ON_SimpleArray<T>::Swap(int i, int j)
{
  if (i == j || i < 0 || j < 0 || i >= m_count || j >= m_count)
    return;
  const T t = m_a[i];
  m_a[i] = m_a[j];
  m_a[j] = t;
}

template <class T>
int ON_SimpleArray<T>::Search(const T& key) const
{
  for (int i = 0; i < m_count; i++)
  {
    if (std::memcmp(&key, m_a + i, sizeof(T)) == 0)
      return i;
  }
  return -1;
}

template <class T>
int ON_SimpleArray<T>::Search(const T* key, int (*compar)(const T*, const T*)) const
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
int ON_SimpleArray<T>::BinarySearch(const T* key, int (*compar)(const T*, const T*)) const
{
  if (!key || !compar || m_count <= 0)
    return -1;
  return ON_ArrayBinarySearch(m_a, m_count, key, compar);
}

template <class T>
bool ON_SimpleArray<T>::QuickSort(int (*compar)(const T*, const T*))
{
  if (m_count <= 0 || !compar)
    return false;
  if (m_count > 1)
    ON_ArrayQuickSortBytes(m_a, m_count, compar);
  return true;
}

template <class T>
bool ON_SimpleArray<T>::HeapSort(int (*compar)(const T*, const T*))
{
  if (m_count <= 0 || !compar)
    return false;
  ON_ArrayHeapSort(m_a, m_count, compar);
  return true;
}

template <class T>
void ON_SimpleArray<T>::Reserve(int n)
{
  if (m_capacity < n)
    SetCapacity(n);
}

template <class T>
void ON_SimpleArray<T>::SetCapacity(int n)
{
  if (n == m_capacity)
    return;
  if (n <= 0)
  {
    onfree(m_a);
    m_a = nullptr;
    m_count = m_capacity = 0;
    return;
  }
  T* p = static_cast<T*>(onrealloc(m_a, n * sizeof(T)));
  if (!p)
    return; // out of memory: the array stays as it was
  if (n > m_capacity)
    std::memset(static_cast<void*>(p + m_capacity), 0, (n - m_capacity) * sizeof(T));
  m_a = p;
  m_capacity = n;
  if (m_count > n)
    m_count = n;
}

template <class T>
void ON_SimpleArray<T>::SetCount(int n)
{
  if (n >= 0 && n <= m_capacity)
    m_count = n;
}

template <class T>
T* ON_SimpleArray<T>::KeepArray()
{
  T* p = m_a;
  m_a = nullptr;
  m_count = m_capacity = 0;
  return p;
}

template <class T>
void ON_SimpleArray<T>::SetArray(T* p)
{
  if (m_a && m_a != p)
    onfree(m_a);
  m_a = p;
  m_count = m_capacity = 0;
}

template <class T>
void ON_SimpleArray<T>::SetArray(T* p, int count, int capacity)
{
  SetArray(p);
  if (p && capacity > 0 && count >= 0 && count <= capacity)
  {
    m_count = count;
    m_capacity = capacity;
  }
}
