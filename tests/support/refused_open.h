#pragma once
// HostFileOpen refusing one mode, as a read-only, locked or unreachable
// file does: put into the plug-in's slot over the stand-in's service, which
// serves every other mode. BindAllServices puts the stand-in's back.
namespace testing_support {

void RefuseFileOpens(const char* mode);
// Opens refused since RefuseFileOpens.
int RefusedFileOpens();

}  // namespace testing_support
