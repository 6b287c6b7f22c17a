// OpenDataFile and ReadDataBody over the whole file in memory: every read is checked against its size.
#include "core/datafiles/reader.h"

#include <algorithm>
#include <cstring>

#include "core/datafiles/decoders.h"
#include "core/io/read_file.h"
#include "core/text/cp1251.h"
#include "core/text/messages.h"

namespace datafiles {
namespace {

using text::Msg;

struct Kind {
  FileKind kind;
  const char* upper;
  const char* lower;
};

constexpr Kind kKinds[5] = {{FileKind::None, "", ""},
                            {FileKind::Dtm, ".DTM", ".dtm"},
                            {FileKind::Dau, ".DAU", ".dau"},
                            {FileKind::Dhn, ".DHN", ".dhn"},
                            {FileKind::Dht, ".DHT", ".dht"}};

OpenResult refuse(std::string message) {
  OpenResult r;
  if (!message.empty()) r.refusal.messages.push_back(std::move(message));
  return r;
}

// A file the unit did not write: the specified closing message alone would not say why.
OpenResult refuseBecause(std::string reason) {
  OpenResult r;
  r.reason = std::move(reason);
  return r;
}

OpenResult accept(LoadedFile f) {
  OpenResult r;
  r.ok = true;
  r.file = std::move(f);
  return r;
}

OpenResult readFlawBody(const std::vector<std::uint8_t>& bytes, LoadedFile f);

// What follows the read-error message when a file is refused before it is read.
constexpr const char* kNotRegularReason = "Это не обычный файл (канал, устройство или сокет)";
constexpr const char* kTooLargeReason = "Файл больше 4 МиБ: таких файлов установка не записывает";

std::string withName(Msg id, const std::string& name) { return text::msg(id) + name; }
std::string formError(const std::string& name) { return text::msg(Msg::errorform) + "\n" + name; }

// Copies bytes [from, to) of the file into RawHeader; false when the file ends first.
bool take(const std::vector<std::uint8_t>& bytes, LoadedFile& f, std::size_t from, std::size_t to, std::size_t at) {
  if (to > bytes.size() || at + (to - from) > f.RawHeader.size()) return false;
  std::copy(bytes.begin() + long(from), bytes.begin() + long(to), f.RawHeader.begin() + long(at));
  return true;
}

// The body of these kinds is the file's own buffer without the header: the bytes are
// moved, not copied, so a file costs its size once.
OpenResult openMapOrThickness(std::vector<std::uint8_t>&& bytes, LoadedFile f) {
  const std::string& name = f.name;
  if (bytes.size() < 96) return refuse(withName(Msg::errlength, name));
  take(bytes, f, 3, 96, 3);
  if (HeaderChecksumOk(f.RawHeader.data(), 96, 96)) {
    f.HeaderSize = 96;
  } else if (bytes.size() >= 128 && (take(bytes, f, 96, 128, 96), HeaderChecksumOk(f.RawHeader.data(), 128, 128))) {
    f.HeaderSize = 128;
  } else {
    return refuse(withName(Msg::errchecksum, name));
  }
  f.headerBytes = f.HeaderSize;
  if (f.HeaderSize == 96) std::fill(f.RawHeader.begin() + 96, f.RawHeader.end(), 0);
  const std::uint32_t bodySize = f.kind == FileKind::Dtm ? DecodeThicknessHeader(f) : DecodeDefectMapHeader(f);
  f.ExpectedSize = bodySize + std::uint32_t(f.HeaderSize);  // not enforced for these kinds

  // ReadDataBody: everything behind the header.
  const std::size_t available = bytes.size() - std::size_t(f.HeaderSize);
  f.body = std::move(bytes);
  f.body.erase(f.body.begin(), f.body.begin() + f.HeaderSize);
  if (f.kind == FileKind::Dtm) {
    const std::size_t values = available / 2;
    f.body.resize(values * 2);
    f.thk.ValuesRead = std::uint16_t(values);
  } else {
    f.map.BytesRead = std::uint16_t(available);
  }
  return accept(std::move(f));
}

OpenResult openFlaw(const std::vector<std::uint8_t>& bytes, LoadedFile f) {
  const std::string& name = f.name;
  if (!take(bytes, f, 3, 54, 3)) return refuse(withName(Msg::errlength, name));
  const int base = (f.RawHeader[15] & kFlagShortLayout) ? 42 : 50;
  const std::uint8_t tvgByte = f.RawHeader[base + 3];
  // Room for 8 TVG points: a count byte of 8 to 254 is outside the format.
  if (tvgByte >= 8 && tvgByte != 255) return refuse(formError(name));
  f.HeaderSize = tvgByte == 0 ? 64 : 80;
  if (!take(bytes, f, 54, std::size_t(f.HeaderSize), 54)) return refuse(withName(Msg::errlength, name));

  int extensionBytes = 0;
  const std::uint8_t code = f.HeaderSize == 80 ? f.RawHeader[base + 28] : 0;
  if (code != 0) {
    // Codes 1 to 8 name no A-scan length; the extended form always has its object block.
    if (code < 9 || f.RawHeader[base] != 1) return refuse(formError(name));
    f.DhExtended = true;
    f.flaw.ObjectBlockSize = 34;
    if (code == 9) {
      f.flaw.AScanLength = 140;
      if (!take(bytes, f, 254, 263, 80)) return refuse(withName(Msg::errlength, name));
      extensionBytes = 9;
      f.extensionStart = 80;
    } else {
      f.flaw.AScanLength = code;
      const std::size_t at = 80 + 34 + std::size_t(code);
      if (at >= bytes.size()) return refuse(withName(Msg::errlength, name));
      const std::uint8_t count = bytes[at];
      // The count must hold the additional gate and the ninth byte, and fit the header buffer.
      if (count < 9 || count > 174) return refuse(formError(name));
      f.RawHeader[80] = count;
      if (!take(bytes, f, at + 1, at + 1 + count, 81)) return refuse(withName(Msg::errlength, name));
      extensionBytes = 1 + count;
      f.extensionStart = 81;
    }
  } else {
    f.DhExtended = false;
    f.flaw.ObjectBlockSize = 32;
    f.flaw.AScanLength = 140;
  }
  f.flaw.HeaderLength = std::uint8_t(f.HeaderSize);
  f.headerBytes = f.HeaderSize + extensionBytes;
  if (!HeaderChecksumOk(f.RawHeader.data(), f.headerBytes, f.HeaderSize)) {
    return refuse(withName(Msg::errchecksum, name));
  }
  f.ExpectedSize = DecodeFlawHeader(f, f.headerBytes);
  if (f.ExpectedSize != f.DataFileSize) return refuse(withName(Msg::errlength, name));

  return readFlawBody(bytes, std::move(f));
}

// ReadDataBody of a flaw record: the object block, then the A-scan, from the end of the header.
OpenResult readFlawBody(const std::vector<std::uint8_t>& bytes, LoadedFile f) {
  std::size_t pos = std::size_t(f.HeaderSize);
  if (f.DhObjectBlock) {
    const std::size_t n = f.flaw.ObjectBlockSize;
    if (pos + n > bytes.size()) return refuse(text::msg(Msg::errread));
    f.flaw.ObjectName = text::fieldText(bytes.data() + pos, n);
    pos += n;
  }
  const std::size_t n = f.flaw.AScanLength;
  if (pos + n > bytes.size()) return refuse(text::msg(Msg::errread));
  f.body.assign(n + 1, 0);
  std::copy(bytes.begin() + long(pos), bytes.begin() + long(pos + n), f.body.begin());
  f.flaw.AScanRead = std::uint8_t(n);
  return accept(std::move(f));
}

}  // namespace

std::string extension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  const std::size_t slash = name.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return name.substr(dot);
}

int Temperature(std::uint8_t t) { return t < 128 ? int(t) : int(t) - 255; }

bool HeaderChecksumOk(const std::uint8_t* buffer, int length, int position) {
  if (position < 1 || position > length) return false;
  std::uint8_t sum = 0;
  for (int i = 0; i < length; ++i) {
    if (i != position - 1) sum = std::uint8_t(sum + buffer[i]);
  }
  return sum == buffer[position - 1];
}

OpenResult loadDataBytes(const std::string& name, std::vector<std::uint8_t> bytes) {
  if (name.empty()) return refuse({});
  LoadedFile f;
  f.name = name;
  f.DataFileSize = std::uint32_t(std::min<std::size_t>(bytes.size(), 0xFFFFFFFFu));
  if (bytes.size() < 3) return refuseBecause("в файле меньше трех байт: это не файл результатов");
  f.RawHeader[0] = bytes[0];
  f.RawHeader[1] = bytes[1];
  f.RawHeader[2] = bytes[2];
  const std::uint8_t type = bytes[2];
  if (type < 1 || type > 4)
    return refuseBecause("неизвестный тип файла (байт типа " + std::to_string(type) + "): это не файл результатов");
  const Kind& k = kKinds[type];
  const std::string ext = extension(name);
  if (ext != k.upper && ext != k.lower) return refuse(withName(Msg::errorext, name));
  f.kind = k.kind;
  if (type <= 2) return openMapOrThickness(std::move(bytes), std::move(f));
  return openFlaw(bytes, std::move(f));
}

OpenResult loadDataFile(const std::string& name) {
  if (name.empty()) return refuse({});
  io::ReadResult read = io::readRegularFile(name, kMaxDataFileBytes);
  switch (read.error) {
    case io::ReadError::None:
      return loadDataBytes(name, std::move(read.bytes));
    case io::ReadError::Open:
      return refuse(text::dataFileNotOpenText(name));
    case io::ReadError::NotRegular:
      return refuse(text::msg(Msg::errread) + "\n" + kNotRegularReason);
    case io::ReadError::TooLarge:
      return refuse(text::msg(Msg::errread) + "\n" + kTooLargeReason);
    case io::ReadError::Read:
      break;
  }
  return refuse(text::msg(Msg::errread) + "\n" + io::errorText(read.errnum));
}

text::Refusal openRefusal(const OpenResult& result, const std::string& name, std::string_view beforeNotOpen) {
  text::Refusal r = result.refusal;
  std::string closing = text::dataFileNotOpenText(name, beforeNotOpen);
  if (!result.reason.empty()) closing += "\n\n" + result.reason;
  r.messages.push_back(std::move(closing));
  return r;
}

}  // namespace datafiles
