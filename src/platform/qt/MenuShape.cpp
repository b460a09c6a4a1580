#include "platform/qt/MenuShape.h"

namespace {

// Deep enough for any menu of the program, and a stop for a popup that
// would contain itself.
constexpr int kMaxDepth = 16;

void AppendShape(MenuShape& shape, const CMenu& menu, int depth, int maxDepth)
{
    for (const MenuItem& item : menu.Items()) {
        shape.push_back({depth, item.kind, item.text, item.id});
        if (item.popup && depth < maxDepth)
            AppendShape(shape, *item.popup, depth + 1, maxDepth);
    }
}

}  // namespace

MenuShape ShapeOf(const CMenu& menu)
{
    MenuShape shape;
    AppendShape(shape, menu, 0, kMaxDepth);
    return shape;
}

MenuShape TitlesOf(const CMenu& menu)
{
    MenuShape shape;
    AppendShape(shape, menu, 0, 0);
    return shape;
}
