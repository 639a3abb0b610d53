#pragma once

class StagedProgram;
class Tmainfm;

// Products of the design workspace tests in the staged library: one category "扣板" with
// the products below, each with a 30 x 30 picture.
namespace design_products {
constexpr int Panel = 101;  // "方板300", 300 x 300 square panel
constexpr int Strip = 102;  // "条板", 300 x 3000 strip
constexpr int Accent = 103; // "浅灰拉丝板", 300 x 300 square panel in grey
void add(const StagedProgram& staged);
// Selects the product's row in the main window's picker grid, as a click would; false when
// the grid has no such row.
bool choose(Tmainfm& main, int id);
} // namespace design_products
