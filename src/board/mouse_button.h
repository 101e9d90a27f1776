#pragma once
// The mouse buttons the board reacts to.

namespace vexlo {

enum class MouseButton { Left, Right, Middle };

}  // namespace vexlo
