#include "app/WindowPos.h"

#include <cstdio>
#include <sstream>
#include <vector>

std::string FormatWindowPos(const WindowPlacement& p)
{
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.minX, p.minY,
                  p.maxX, p.maxY, p.normal.left, p.normal.top, p.normal.right, p.normal.bottom);
    return text;
}

bool ParseWindowPos(const std::string& text, WindowPlacement& p)
{
    std::vector<long> numbers;
    std::istringstream in(text);
    std::string field;
    while (std::getline(in, field, ',')) {
        try {
            size_t used = 0;
            numbers.push_back(std::stol(field, &used));
            if (used != field.size())
                return false;
        } catch (const std::exception&) {
            return false;
        }
    }
    if (numbers.size() != 10 || numbers[0] < 0 || numbers[1] < 0)
        return false;
    p.flags = static_cast<unsigned>(numbers[0]);
    p.showCmd = static_cast<unsigned>(numbers[1]);
    p.minX = static_cast<int>(numbers[2]);
    p.minY = static_cast<int>(numbers[3]);
    p.maxX = static_cast<int>(numbers[4]);
    p.maxY = static_cast<int>(numbers[5]);
    p.normal = {static_cast<int>(numbers[6]), static_cast<int>(numbers[7]), static_cast<int>(numbers[8]),
                static_cast<int>(numbers[9])};
    return true;
}
