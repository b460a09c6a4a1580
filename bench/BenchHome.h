#pragma once
// A home folder for the whole application in a benchmark.
#include <QTemporaryDir>

// Copies the catalogues and the instrument images into home, as the build
// copies them beside the program.
void CopyResources(const QTemporaryDir& home);
