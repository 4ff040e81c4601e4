#include "import_patch.h"

#include <cstring>

namespace standin::host {

bool PatchImport(HMODULE module, const char* library, const char* function, const void* replacement) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return false;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return false;
  bool patched = false;
  for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       import->Name != 0; ++import) {
    if (library != nullptr && _stricmp(reinterpret_cast<const char*>(base + import->Name), library) != 0) continue;
    if (import->OriginalFirstThunk == 0) continue;  // names not kept: nothing to match
    // The lookup table keeps the names; the address table beside it holds
    // what the loader bound, entry for entry.
    const auto* lookup = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
    auto* bound = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
    for (; lookup->u1.AddressOfData != 0; ++lookup, ++bound) {
      if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + lookup->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      DWORD protection = 0;
      if (!VirtualProtect(&bound->u1.Function, sizeof bound->u1.Function, PAGE_READWRITE, &protection)) continue;
      bound->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&bound->u1.Function, sizeof bound->u1.Function, protection, &protection);
      patched = true;
    }
  }
  return patched;
}

}  // namespace standin::host
