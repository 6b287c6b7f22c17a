// ReportHeader: the eleven header lines of a thickness printout and of the text preview.
#include "core/printing/report_header.h"

#include <cstdio>

#include "core/datafiles/header_text.h"
#include "core/protocol/protocol_fields.h"
#include "core/text/messages.h"

namespace printing {
namespace {

using text::msg;
using text::Msg;

// The header panel's text of a label; a label the kind does not show has none.
std::string labelText(const std::vector<datafiles::HeaderText>& texts, datafiles::HeaderLabel label) {
  for (const auto& t : texts)
    if (t.label == label) return t.text;
  return {};
}

std::string unitNumber(std::uint16_t n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%05u", static_cast<unsigned>(n));
  return buf;
}

std::string diameterLine(std::uint16_t diameter) {
  return msg(Msg::diam) + ":" + std::to_string(diameter) + " " + msg(Msg::mm);
}

}  // namespace

ReportHeader BuildReportHeader(const datafiles::LoadedFile& file, const protocol::ProtocolFields& protocol,
                               std::uint16_t thkThreshold, const text::NumberFormat& nf) {
  using L = datafiles::HeaderLabel;
  const auto texts = datafiles::HeaderTexts(file, nf);
  ReportHeader h;
  h[0] = msg(Msg::prot) + protocol.protocolNumber;
  h[2] = labelText(texts, L::Datelb);
  h[3] = labelText(texts, L::Btimelb);
  h[4] = labelText(texts, L::Etimelb);
  h[5] = std::string(protocol::kObjCaption) + protocol.objectName;
  h[6] = labelText(texts, L::Shovlb) + "   " + labelText(texts, L::Izdlb);
  h[9] = labelText(texts, L::Bloklb);
  h[10] = labelText(texts, L::Templb);
  if (file.DtmOpen()) {
    h[1] = msg(Msg::uiu) + unitNumber(file.thk.UnitNumber);
    h[7] = diameterLine(file.thk.Diameter);
    h[8] = msg(Msg::seetol) + text::formatScaled(thkThreshold, 1, "##.0", nf) + " " + msg(Msg::mm);
  } else {
    h[1] = msg(Msg::uiu) + unitNumber(file.map.UnitNumber);
    h[7] = diameterLine(file.map.Diameter);
    h[8] = msg(Msg::tol) + ":" + text::formatScaled(file.map.NominalThickness, 1, "##.0", nf) + " " + msg(Msg::mm);
  }
  return h;
}

}  // namespace printing
