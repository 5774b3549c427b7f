#pragma once
// Makes the resources built into the executable the ones the program looks up.
void InstallProgramResources();
