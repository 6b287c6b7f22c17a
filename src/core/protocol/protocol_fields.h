// The four fields of an inspection protocol and the captions that head them in the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// Label captions of the panel; in the file each field line starts with its caption.
inline constexpr std::string_view kProtCaption = "Протокол №:";
inline constexpr std::string_view kObjCaption = "Объект:";
inline constexpr std::string_view kDefCaption = "Дефектоскопист:";
inline constexpr std::string_view kZaklCaption = "Заключение:";

// The captions of the panel's labels ProtLb and ObjLb, which a map printout writes directly
// before the protocol number and the object name.
struct LabelCaptions {
  std::string protocol{kProtCaption};
  std::string object{kObjCaption};
};

// Most characters the operator may type into each field.
inline constexpr int kProtMaxLength = 35;
inline constexpr int kObjMaxLength = 60;
inline constexpr int kDefMaxLength = 60;
inline constexpr int kZaklMaxLength = 1000;

// Texts are UTF-8. A conclusion line may end with its own line feed: lines loaded from a
// protocol file keep theirs, and such a line is written back without a second one.
struct ProtocolFields {
  std::string protocolNumber;           // ProtEdt
  std::string objectName;               // ObjEdt
  std::string operatorName;             // DefEdt
  std::vector<std::string> conclusion;  // ZaklMem, one entry per memo line

  bool operator==(const ProtocolFields&) const = default;
};

}  // namespace protocol
