#pragma once

#include <cstdint>

#include "Game/Resources/DataFiles.h"

namespace Game {

// What a tool does with a click or a handle drag (see updateEditing and
// dragPoses).
enum class Tool : uint32_t { create = 1, translate = 2, rotate = 3, scale = 4 };

// One tool of the map editor: its behaviour, the name the bar shows, the
// digit key that chooses it, its bar element's name and its icon, which the
// data tool draws and the game loads.
struct EditorTool {
    Tool tool;
    const char* name;
    char key;
    const char* element;
    DataFile icon;
};

// The one list of the editor's tools, in the bar's order left to right: the
// bar, the keys, the resource loader and the data tool all walk it.
inline constexpr EditorTool editorTools[] = {
    {Tool::create, "Create", '1', "editor_tool_create",
     {"data/textures/ui/editor/tool_create.png", DataKind::Image}},
    {Tool::translate, "Translate", '2', "editor_tool_translate",
     {"data/textures/ui/editor/tool_translate.png", DataKind::Image}},
    {Tool::rotate, "Rotate", '3', "editor_tool_rotate",
     {"data/textures/ui/editor/tool_rotate.png", DataKind::Image}},
    {Tool::scale, "Scale", '4', "editor_tool_scale", {"data/textures/ui/editor/tool_scale.png", DataKind::Image}},
};

// The row of a tool; every Tool has one.
const EditorTool& editorToolOf(Tool tool);

} // namespace Game
