#include "import_patch.h"

#include <cstring>

bool PatchImport(HMODULE module, const char* library, const char* function, const void* replacement) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return false;
  for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name != 0;
       ++import) {
    if (_stricmp(reinterpret_cast<const char*>(base + import->Name), library) != 0) continue;
    if (import->OriginalFirstThunk == 0) return false;  // names not kept: nothing to match
    // The lookup table keeps the names; the address table beside it holds
    // what the loader bound, entry for entry.
    auto* lookup = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
    auto* bound = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
    for (; lookup->u1.AddressOfData != 0; ++lookup, ++bound) {
      if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + lookup->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      DWORD protection = 0;
      if (!VirtualProtect(&bound->u1.Function, sizeof bound->u1.Function, PAGE_READWRITE, &protection)) return false;
      bound->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&bound->u1.Function, sizeof bound->u1.Function, protection, &protection);
      return true;
    }
  }
  return false;
}
