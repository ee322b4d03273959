// Windows virtual-key codes: the key numbers the input state and the game use.
#pragma once

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
// Digits are '0'..'9' (0x30..0x39) and letters 'A'..'Z' (0x41..0x5A).
constexpr int VK_NUMPAD0 = 0x60;  // keypad digits 0x60..0x69
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F1 = 0x70;  // F1..F12 are 0x70..0x7B
constexpr int VK_OEM_PERIOD = 0xBE;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PLUS = 0xBB;
