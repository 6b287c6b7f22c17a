// The views of a file as they stand right after opening it, for printing and previewing without a window.
#pragma once

#include <array>
#include <string>

#include "core/datafiles/loaded_file.h"
#include "core/defectmap/defect_map.h"
#include "core/printing/preview_text.h"
#include "core/printing/print_file.h"
#include "core/protocol/protocol_fields.h"
#include "core/thickness/chart3d.h"
#include "core/thickness/value_table.h"

namespace printing {

// The protocol from the protocol file when there is one, the all-values table and the chart
// in its start position for a .DTM file, the map for a .DAU file. Refers to the file, which
// must outlive it.
class FreshViews {
 public:
  FreshViews(const datafiles::LoadedFile& file, const text::NumberFormat& nf,
             const std::array<gfx::Color, 7>& thicknessColors, const std::array<gfx::Color, 6>& defectColors);
  FreshViews(const FreshViews&) = delete;
  FreshViews& operator=(const FreshViews&) = delete;

  // The chart is built for the graphic form only: the text form prints the table alone.
  PrintSources printSources(const std::array<gfx::Color, 6>& flawColors, const std::string& localeId,
                            PrintMode mode = PrintMode::Graphic);
  // fileName: the full name the preview shows.
  std::vector<std::string> previewLines(const std::string& fileName);
  // The same lines handed over one by one (tervtool preview writes them as they come).
  void writePreview(const std::string& fileName, const PreviewLineSink& sink);

  const protocol::ProtocolFields& protocol() const { return protocol_; }

 private:
  // ThkThreshold as a load leaves it: the nominal thickness, until a threshold query.
  const thickness::Chart3D& chart();
  std::uint16_t threshold() const { return file_.DtmOpen() ? file_.thk.NominalThickness : 0; }

  const datafiles::LoadedFile& file_;
  text::NumberFormat nf_;
  protocol::ProtocolFields protocol_;
  thickness::AllValues all_;
  std::array<gfx::Color, 7> thicknessColors_{};
  thickness::Chart3D chart_;
  bool chartBuilt_ = false;
  defectmap::DefectMap map_;
};

}  // namespace printing
