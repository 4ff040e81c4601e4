// The host's template reader on any block a plug-in might hand over. The
// block lies in a heap buffer of exactly its size, so AddressSanitizer
// stops any read past it; what the reader accepts must describe bytes that
// lie inside the block and a binding that stays inside its own total.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "harness/fuzz_host.h"
#include "services/dialog_template_reader.h"

namespace {

void CheckAccepted(const standin::DialogView& dialog, std::size_t size, int number) {
  FUZZ_CHECK(dialog.number == number);
  FUZZ_CHECK(dialog.setOffset >= 4 && dialog.setOffset + dialog.length <= size);
  std::size_t nextBound = 0;
  // The items follow the 24-byte header and the title, back to back.
  std::size_t nextItem = dialog.setOffset + 24 + dialog.title.size() + 1;
  for (const standin::DialogItemView& item : dialog.items) {
    FUZZ_CHECK(item.setOffset >= dialog.setOffset && item.setOffset + item.length <= dialog.setOffset + dialog.length);
    FUZZ_CHECK(item.setOffset == nextItem);
    nextItem = item.setOffset + item.length;
    FUZZ_CHECK(item.boundOffset == nextBound);
    nextBound += item.boundSize;
    FUZZ_CHECK(item.text.size() < item.length);
    const standin::ShownText shown = standin::ShowItemText(item.text);
    FUZZ_CHECK(shown.text.size() <= item.text.size());
    FUZZ_CHECK(shown.hotKeyIndex == std::string::npos || shown.hotKeyIndex < shown.text.size());
  }
  FUZZ_CHECK(nextItem == dialog.setOffset + dialog.length);
  FUZZ_CHECK(dialog.boundBytes == nextBound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // new[0] would still hand out a byte; keep an empty block empty.
  std::unique_ptr<unsigned char[]> block(size == 0 ? nullptr : new unsigned char[size]);
  if (size != 0) std::memcpy(block.get(), data, size);

  if (size >= 4) {
    const std::size_t stated = standin::DialogSetSize(block.get());
    FUZZ_CHECK(stated == 0 || (stated >= 4 && stated <= standin::kMaxDialogSetSize));
  }
  // The plug-in's three numbers, two around them, and whatever number the
  // block's first dialog carries.
  int numbers[] = {0, 1, 2, 3, 4, -1};
  if (size >= 12) numbers[5] = data[10] | data[11] << 8;
  for (const int number : numbers) {
    std::string error;
    const auto dialog = standin::ReadDialog(block.get(), size, number, &error);
    if (dialog) {
      CheckAccepted(*dialog, size, number);
    } else {
      FUZZ_CHECK(!error.empty());  // a refusal always says why
    }
  }
  return 0;
}
