#include "view/editor_view.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EditorViewTest, ShowsLayersUpToTheCurrentOneAsBlankFaces) {
    auto view = std::make_unique<Board>();
    clearBoard(*view);
    for (int layer = 0; layer < kLayers; ++layer)
        cellAt(*view, layer, 4, 6 + 2 * layer) = Cell{TypeDragons, 2, EffectVanishing, 40, 3};
    for (int current = 0; current < kLayers; ++current) {
        Board shown = *view;
        makeEditorView(shown, current);
        EXPECT_EQ(countTiles(shown), current + 1) << "current layer " << current;
        for (int layer = 0; layer <= current; ++layer) {
            const Cell& cell = cellAt(shown, layer, 4, 6 + 2 * layer);
            EXPECT_EQ(cell.type, TypeBlank);
            EXPECT_EQ(cell.number, 1);
        }
    }
}

}  // namespace
