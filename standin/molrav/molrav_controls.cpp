// MOLRAV.dll: the stand-in host's services, exported by ordinal (MOLRAV.def),
// and one named export through which a test program or the stand-in host
// reaches the services' state.
#include "services/host_services_impl.h"

extern "C" __declspec(dllexport) standin::HostState* StandinControls() { return &standin::State(); }
