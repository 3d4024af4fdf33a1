#pragma once

// Sorting and searching shared by ON_SimpleArray and ON_ClassArray.

#include <cstdlib>
#include <utility>

template <class T>
using ON_ArrayCompareFunction = int (*)(const T*, const T*);

template <class T>
int ON_ArrayCompareThunk(const void* a, const void* b, void* context)
{
  const ON_ArrayCompareFunction<T> compar = *static_cast<ON_ArrayCompareFunction<T>*>(context);
  return compar(static_cast<const T*>(a), static_cast<const T*>(b));
}

// C library quick sort; only for element types that may be moved byte-wise.
template <class T>
void ON_ArrayQuickSortBytes(T* a, int count, ON_ArrayCompareFunction<T> compar)
{
  qsort_r(a, static_cast<size_t>(count), sizeof(T), ON_ArrayCompareThunk<T>, &compar);
}

template <class T>
void ON_ArraySiftDown(T* a, int root, int count, ON_ArrayCompareFunction<T> compar)
{
  for (int child = 2 * root + 1; child < count; child = 2 * root + 1)
  {
    if (child + 1 < count && compar(&a[child], &a[child + 1]) < 0)
      child++;
    if (compar(&a[root], &a[child]) >= 0)
      return;
    std::swap(a[root], a[child]);
    root = child;
  }
}

template <class T>
void ON_ArrayHeapSort(T* a, int count, ON_ArrayCompareFunction<T> compar)
{
  for (int i = count / 2 - 1; i >= 0; i--)
    ON_ArraySiftDown(a, i, count, compar);
  for (int end = count - 1; end > 0; end--)
  {
    std::swap(a[0], a[end]);
    ON_ArraySiftDown(a, 0, end, compar);
  }
}

// Index of an element comparing equal to *key in the sorted array a, or -1.
template <class T>
int ON_ArrayBinarySearch(const T* a, int count, const T* key, ON_ArrayCompareFunction<T> compar)
{
  int lo = 0, hi = count - 1;
  while (lo <= hi)
  {
    const int mid = lo + (hi - lo) / 2;
    const int c = compar(key, &a[mid]);
    if (c == 0)
      return mid;
    if (c < 0)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  return -1;
}
