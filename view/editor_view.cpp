#include "view/editor_view.h"

void makeEditorView(Board& view, int layer) {
    for (int z = 0; z < kLayers; ++z)
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kCols; ++x) {
                Cell& cell = cellAt(view, z, y, x);
                if (z > layer) {
                    cell.number = 0;
                } else if (cell.number != 0) {
                    cell.type = TypeBlank;
                    cell.number = 1;
                }
            }
}
