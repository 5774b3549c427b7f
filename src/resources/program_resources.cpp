#include "resources/program_resources.h"

#include "resources/embedded_resources.h"

void InstallProgramResources() { SetResourceTable(EmbeddedResourceTable()); }
