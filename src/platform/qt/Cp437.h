#pragma once
// Code page 437, the byte encoding of the instruments' text grids, mapped
// to Unicode at the painting edge.
#include <QString>

#include <string_view>

#include "framework/CodePage437.h"

QString Cp437ToQString(std::string_view bytes);
