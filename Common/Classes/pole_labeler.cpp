#include "pole_labeler.h"

#include "input_box.h"
#include "pole_heap.h"
#include "pole_tables.h"
#include "run_progress.h"

#include <cmath>

namespace
{
constexpr double kSpreadThreshold = 0.0;
constexpr double kDeepThreshold = 0.0;
constexpr double kAbsent = -3.0;

signed char Other(signed char label) { return label == kOuter ? kInner : kOuter; }
} // namespace

pole_labeler::pole_labeler(pole_tables& poles, std::ostream* log, run_progress* progress)
    : m_poles(poles), m_log(log), m_progress(progress)
{
}

void pole_labeler::Run(const input_box& box, double scale)
{
  if (m_log)
    *m_log << "num_poles=" << m_poles.Count() << "\n";
  Flood(box, scale);
  for (int pole = 0; pole < m_poles.Count(); ++pole)
    if (m_poles.records[pole].label == kUnlabelled)
    {
      progress_step(m_progress);
      LabelRemaining(pole);
    }
}

int pole_labeler::Unlabelled() const
{
  int count = 0;
  for (const pole_record& record : m_poles.records)
    count += record.label == kUnlabelled;
  return count;
}

void pole_labeler::Flood(const input_box& box, double scale)
{
  pole_heap heap(m_poles, m_log);
  for (int pole = 0; pole < m_poles.Count(); ++pole)
  {
    double site[3];
    for (int k = 0; k < 3; ++k)
      site[k] = std::floor(static_cast<double>(m_poles.points[3 * pole + k]) * scale + 0.5);
    if (box.FarOutside(site))
    {
      heap.Insert(pole, 1.0);
      m_poles.records[pole].out_priority = 1.0;
      m_poles.records[pole].label = kOuter;
    }
  }
  for (int pole = heap.Extract(); pole >= 0; pole = heap.Extract())
  {
    progress_step(m_progress);
    pole_record& record = m_poles.records[pole];
    record.label = record.in_priority > record.out_priority ? kInner : kOuter;
    Spread(heap, pole);
  }
}

void pole_labeler::Spread(pole_heap& heap, int pole)
{
  const pole_record& a = m_poles.records[pole];
  for (int l = a.first_opposite; l >= 0; l = m_poles.opposites[l].next)
  {
    const opposite_link& link = m_poles.opposites[l];
    pole_record& b = m_poles.records[link.pole];
    if (b.label != kUnlabelled)
      continue;
    const double c = link.cosine;
    if (b.heap_position == 0)
    {
      if (a.in_priority > a.out_priority)
      {
        b.out_priority = -c * a.in_priority;
        heap.Insert(link.pole, b.out_priority);
      }
      else if (a.out_priority > a.in_priority)
      {
        b.in_priority = -c * a.out_priority;
        heap.Insert(link.pole, b.in_priority);
      }
    }
    else if (a.in_priority > a.out_priority && b.out_priority < -c * a.in_priority)
    {
      b.out_priority = -c * a.in_priority;
      heap.UpdatePriority(b.heap_position, link.pole);
    }
    else if (a.out_priority > a.in_priority && b.in_priority < -c * a.out_priority)
    {
      b.in_priority = -c * a.out_priority;
      heap.UpdatePriority(b.heap_position, link.pole);
    }
  }
  for (int l = a.first_neighbour; l >= 0; l = m_poles.neighbours[l].next)
  {
    const neighbour_link& link = m_poles.neighbours[l];
    pole_record& b = m_poles.records[link.pole];
    if (b.label != kUnlabelled || !(link.kappa > kSpreadThreshold))
      continue;
    const double kappa = link.kappa;
    if (b.heap_position != 0)
    {
      if (!heap.Holds(b.heap_position, link.pole))
      {
        Log("ERROR\n");
        continue;
      }
      if (a.in_priority > a.out_priority && a.in_priority * kappa > b.in_priority)
      {
        b.in_priority = a.in_priority * kappa;
        heap.UpdatePriority(b.heap_position, link.pole);
      }
      else if (a.out_priority > a.in_priority && a.out_priority * kappa > b.out_priority)
      {
        b.out_priority = a.out_priority * kappa;
        heap.UpdatePriority(b.heap_position, link.pole);
      }
    }
    else if (a.in_priority > a.out_priority)
    {
      b.in_priority = kappa * a.in_priority;
      heap.Insert(link.pole, b.in_priority);
    }
    else if (a.out_priority > a.in_priority)
    {
      b.out_priority = kappa * a.out_priority;
      heap.Insert(link.pole, b.out_priority);
    }
  }
}

void pole_labeler::LabelRemaining(int pole)
{
  pole_record& record = m_poles.records[pole];
  signed char opposite = kUnlabelled;
  for (int l = record.first_opposite; l >= 0; l = m_poles.opposites[l].next)
  {
    const signed char label = m_poles.records[m_poles.opposites[l].pole].label;
    if (label == kUnlabelled)
      continue;
    Log("opp is labeled\n");
    if (opposite == kUnlabelled)
    {
      opposite = label;
    }
    else if (label != opposite)
    {
      Log("opp poles have inconsistent labels\n");
      opposite = kUnlabelled;
    }
  }
  if (record.first_opposite < 0 && record.first_neighbour < 0)
  {
    Log("no opp pole, no adjacent pole!\n");
    return;
  }
  double maxIn = kAbsent, maxOut = kAbsent;
  for (int l = record.first_neighbour; l >= 0; l = m_poles.neighbours[l].next)
  {
    const neighbour_link& link = m_poles.neighbours[l];
    const signed char label = m_poles.records[link.pole].label;
    if (label == kInner && link.kappa > maxIn)
      maxIn = link.kappa;
    else if (label == kOuter && link.kappa > maxOut)
      maxOut = link.kappa;
  }
  const bool hasIn = maxIn > kAbsent, hasOut = maxOut > kAbsent;
  const signed char fromOpposite = opposite == kUnlabelled ? kUnlabelled : Other(opposite);
  signed char label = kUnlabelled;
  const char* failure = nullptr;
  if (!hasIn && !hasOut)
  {
    label = fromOpposite;
    failure = "1: cannot label pole ";
  }
  else if (!hasIn)
  {
    label = maxOut > kDeepThreshold ? kOuter : fromOpposite;
    failure = "2: cannot label pole ";
  }
  else if (!hasOut)
  {
    label = maxIn > kDeepThreshold ? kInner : fromOpposite;
    failure = "2: cannot label pole ";
  }
  else if (maxIn > kDeepThreshold && maxOut > kDeepThreshold)
  {
    label = fromOpposite;
    if (label == kUnlabelled)
    {
      if (m_log)
        *m_log << "intersect both deeply but no opp,in " << maxIn << " out " << maxOut
               << ".try to label more deeply intersected label.\n";
      label = maxIn > maxOut ? kInner : kOuter;
    }
  }
  else if (maxIn > kDeepThreshold)
  {
    label = kInner;
  }
  else if (maxOut > kDeepThreshold)
  {
    label = kOuter;
  }
  else
  {
    label = fromOpposite;
    failure = "3: cannot label pole ";
  }
  if (label == kUnlabelled && failure && m_log)
    *m_log << failure << pole << "\n";
  record.label = label;
}

void pole_labeler::Log(const char* text) const
{
  if (m_log)
    *m_log << text;
}
