#pragma once
// HostFileOpen refusing one mode, as a read-only, locked or unreachable
// file does: put into the plug-in's slot over the stand-in's service, which
// serves every other mode. BindAllServices puts the stand-in's back.
namespace testing_support {

// `times`: only that many opens are refused, the later ones served again;
// negative: every one.
void RefuseFileOpens(const char* mode, int times = -1);
// Opens refused since RefuseFileOpens.
int RefusedFileOpens();

}  // namespace testing_support
