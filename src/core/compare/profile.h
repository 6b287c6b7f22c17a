// The readings of one thickness run as a comparison sees them: a sample every 2 mm from the run's start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/datafiles/loaded_file.h"
#include "core/thickness/readings.h"

namespace compare {

// Distance between two samples of a run.
constexpr int kSampleMm = 2;

struct Profile {
  std::vector<thickness::Readings> samples;  // micrometres, markers as the reader passes them
  std::uint16_t nominal = 0;                 // tenths of a millimetre

  // A reading that is a thickness: no marker, not above the nominal.
  bool valid(std::size_t k, int sensor) const {
    return thickness::classify(samples[k][std::size_t(sensor)], nominal) == thickness::ReadingClass::Valid;
  }
};

// The samples the body holds whole, at most the header's length (L div 2): a body longer than
// the header announces is not read past the run.
Profile profileOf(const datafiles::LoadedFile& file);

}  // namespace compare
