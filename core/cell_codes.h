#pragma once

#include <cstdint>

namespace tarvik {

// The board is 15 x 15 cells of one byte each, stored row by row.
inline constexpr int kBoardSide = 15;
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr int kCellPixels = 30;
inline constexpr int kBoardPixels = kBoardSide * kCellPixels;

inline constexpr std::uint8_t kEmptyCell = 0;
inline constexpr std::uint8_t kFirstObstacleCode = 51;
inline constexpr std::uint8_t kFirstWallCode = 128;
inline constexpr std::uint8_t kFirstOutsideCode = 168;

constexpr int cellIndex(int col, int row) { return row * kBoardSide + col; }
constexpr bool onBoard(int col, int row)
{
    return col >= 0 && col < kBoardSide && row >= 0 && row < kBoardSide;
}

constexpr bool isEmptyCode(int code) { return code == 0; }
constexpr bool isAtomCode(int code) { return code >= 1 && code <= 50; }
constexpr bool isObstacleCode(int code) { return code >= 51 && code <= 127; }
constexpr bool isWallCode(int code) { return code >= 128 && code <= 167; }
constexpr bool isOutsideCode(int code) { return code >= 168 && code <= 255; }

// Wall piece number 0..39 of a wall code.
constexpr int wallTile(int code) { return code - kFirstWallCode; }
constexpr std::uint8_t wallCode(int tile) { return static_cast<std::uint8_t>(kFirstWallCode + tile); }

}  // namespace tarvik
