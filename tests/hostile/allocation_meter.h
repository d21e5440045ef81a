#pragma once
// Measures the most heap memory held at once while a meter lives: the binary that uses
// it replaces the global operator new and delete with counting ones. A bound on memory
// is then an assertion on a measured peak, not a guess from a timing.
#include <cstddef>

class AllocationMeter {
 public:
  AllocationMeter();
  ~AllocationMeter();
  AllocationMeter(const AllocationMeter&) = delete;
  AllocationMeter& operator=(const AllocationMeter&) = delete;

  // The most bytes held at once since the meter started, beyond what was held then.
  std::size_t PeakBytes() const;

 private:
  std::size_t start_;
};
