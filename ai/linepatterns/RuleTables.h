#pragma once

#include <array>
#include <initializer_list>

#include "ai/linepatterns/LinePass.h"

namespace tessora::linepatterns {

// Up to n items of a table row, written as a braced list of as many as the row needs.
template <typename Item, int n>
struct ShortList {
    constexpr ShortList() = default;
    constexpr ShortList(std::initializer_list<Item> list) {
        for (const Item& item : list)
            items[count++] = item;
    }
    constexpr const Item* begin() const { return items.data(); }
    constexpr const Item* end() const { return items.data() + count; }

    std::array<Item, n> items{};
    int count = 0;
};

// Up to four offsets that all get the same test.
using Offsets = ShortList<Cell, 4>;

// The tests a further condition applies to its cells.
enum class CellTest : std::uint8_t { Empty, NotX, NotOpp };

// A further condition of a bonus rule: the test must hold for at least one of its cells
// (anyOf) or for every one of them.
struct Condition {
    CellTest test;
    bool anyOf;
    Offsets cells;
};
constexpr Condition EitherEmpty(Cell a, Cell b) {
    return {CellTest::Empty, true, {a, b}};
}
constexpr Condition EitherNotOpp(Cell a, Cell b) {
    return {CellTest::NotOpp, true, {a, b}};
}
constexpr Condition BothNotX(Cell a, Cell b) {
    return {CellTest::NotX, false, {a, b}};
}
constexpr Condition NotOpp(Cell a) {
    return {CellTest::NotOpp, false, {a}};
}

// Up to two further conditions, all of which must hold.
using Conditions = ShortList<Condition, 2>;

// A bonus rule: when every cell test holds, the target gets the points.
struct BonusRule {
    int number;
    Interval rows;
    Interval columns;
    Offsets x;         // hold the examined colour
    Offsets empty;     // hold 0
    Offsets nonEmpty;  // hold a stone or the floor
    Conditions further;
    Cell target;
    Points points;
    Yield yield = Yield::AfterEachStart;

    constexpr CellRange anchors() const { return {rows, columns}; }
};

// A playable-or-prepare rule: when the shape is there, a supported target gets the points;
// otherwise a playable cell under the target is marked and loses points.
struct PrepareRule {
    int number;
    Interval rows;
    Interval columns;
    Offsets x;
    Offsets empty;
    Cell target;
    Points points;
    PrepareDeduction deduction;  // own: AttackScore, other: DefenceScore, under the target

    constexpr CellRange anchors() const { return {rows, columns}; }
};

// clang-format off
inline constexpr std::array<BonusRule, 38> kBonusRules{{
//   no. rows         columns      X at                                empty                     non-empty           further conditions                                            target   points own / other
    {8,  {1, 3},      {1, 3},      {{0, 3}, {1, 2}, {1, 3}, {1, 4}},   {{2, 1}, {3, 0}},         {{4, 0}},           {},                                                           {0, 0},  {1, 1}},
    {9,  {1, 3},      {1, 3},      {{0, 1}, {1, 0}, {1, 1}, {1, 2}},   {{2, 3}, {3, 4}},         {{4, 4}},           {},                                                           {0, 4},  {1, 1}},
    {10, {2, 4},      {1, 3},      {{0, 2}, {1, 1}, {2, 0}},           {{0, 1}},                 {{-1, 3}},          {EitherEmpty({0, 0}, {0, 4})},                                {0, 1},  {1, 1}},
    // Rule 11 tests (-1,1) for empty, where its mirror, rule 10, tests (-1,3) for non-empty.
    {11, {2, 4},      {1, 3},      {{0, 2}, {1, 3}, {2, 4}},           {{-1, 1}, {0, 3}},        {},                 {EitherEmpty({0, 0}, {0, 4})},                                {0, 3},  {1, 1}},
    {14, {1, 3},      {2, 3},      {{1, 1}, {1, 2}, {2, 2}, {3, 1}},   {{0, 1}, {3, 0}, {3, 3}}, {{0, 2}},           {},                                                           {0, 1},  {2, 3}},
    {15, {1, 3},      {2, 3},      {{1, 1}, {1, 2}, {2, 1}, {3, 2}},   {{0, 2}, {3, 0}, {3, 3}}, {{0, 1}},           {},                                                           {0, 2},  {2, 3}},
    {16, {2, 4},      {1, 4},      {{0, 2}, {1, 2}, {2, 1}},           {{0, 0}, {0, 1}, {1, 3}}, {{1, 1}},           {},                                                           {0, 1},  {1, 1}},
    {17, {2, 4},      {1, 4},      {{0, 1}, {1, 1}, {2, 2}},           {{0, 2}, {0, 3}, {1, 0}}, {{1, 2}},           {},                                                           {0, 2},  {1, 1}},
    {20, {1, 3},      {1, 4},      {{0, 3}, {3, 3}},                   {{3, 0}, {3, 1}, {3, 2}}, {{4, 0}},           {},                                                           {3, 0},  {1, 1}},
    {21, {1, 3},      {1, 4},      {{0, 0}, {3, 0}},                   {{3, 1}, {3, 2}, {3, 3}}, {{4, 3}},           {},                                                           {3, 3},  {1, 1}},
    {22, {1, 3},      {1, 4},      {{3, 0}, {3, 3}},                   {{0, 3}, {3, 1}, {3, 2}}, {{1, 3}},           {},                                                           {0, 3},  {1, 1}},
    {23, {1, 3},      {1, 4},      {{3, 0}, {3, 3}},                   {{0, 0}, {3, 1}, {3, 2}}, {{1, 0}},           {},                                                           {0, 0},  {1, 1}},
    {24, {1, 3},      {1, 4},      {{0, 3}, {3, 0}},                   {{0, 0}, {2, 2}, {3, 1}}, {{1, 0}},           {},                                                           {0, 0},  {1, 1}},
    {25, {1, 3},      {1, 4},      {{0, 0}, {3, 3}},                   {{0, 3}, {2, 1}, {3, 2}}, {{1, 3}},           {},                                                           {0, 3},  {1, 1}},
    {26, {1, 3},      {1, 4},      {{0, 0}, {3, 0}},                   {{0, 3}, {2, 2}, {3, 1}}, {{1, 3}},           {},                                                           {0, 3},  {1, 1}},
    {27, {1, 3},      {1, 4},      {{0, 3}, {3, 3}},                   {{0, 0}, {2, 1}, {3, 2}}, {{1, 0}},           {},                                                           {0, 0},  {1, 1}},
    {32, {1, 3},      {1, 4},      {{1, 2}, {1, 3}, {2, 2}, {3, 3}},   {{1, 0}, {1, 1}},         {{2, 1}},           {},                                                           {1, 1},  {17, 15}},
    {33, {1, 3},      {1, 4},      {{1, 0}, {1, 1}, {2, 1}, {3, 0}},   {{1, 2}, {1, 3}},         {{2, 2}},           {},                                                           {1, 2},  {17, 15}},
    {34, {1, 3},      {1, 4},      {{0, 3}, {1, 2}, {2, 2}, {2, 3}},   {{2, 1}, {3, 0}},         {{3, 1}},           {},                                                           {2, 1},  {22, 20}},
    {35, {1, 3},      {1, 4},      {{0, 0}, {1, 1}, {2, 0}, {2, 1}},   {{2, 2}, {3, 3}},         {{3, 2}},           {},                                                           {2, 2},  {22, 20}},
    {36, {1, 3},      {1, 3},      {{1, 3}, {3, 3}},                   {{3, 1}, {3, 2}},         {{4, 1}},           {EitherNotOpp({0, 4}, {4, 0}), EitherNotOpp({3, 0}, {3, 4})}, {3, 1},  {1, 1}},
    {37, {1, 3},      {1, 3},      {{1, 1}, {3, 1}},                   {{3, 2}, {3, 3}},         {{4, 3}},           {EitherNotOpp({0, 0}, {4, 4}), EitherNotOpp({3, 0}, {3, 4})}, {3, 3},  {1, 1}},
    {38, {1, 3},      {1, 3},      {{3, 1}, {3, 3}},                   {{1, 3}, {3, 2}},         {{2, 3}},           {EitherNotOpp({0, 4}, {4, 0}), EitherNotOpp({3, 0}, {3, 4})}, {1, 3},  {1, 1}},
    {39, {1, 3},      {1, 3},      {{3, 1}, {3, 3}},                   {{1, 1}, {3, 2}},         {{2, 1}},           {EitherNotOpp({0, 0}, {4, 4}), EitherNotOpp({3, 0}, {3, 4})}, {1, 1},  {1, 1}},
    {40, {1, 3},      {1, 3},      {{1, 3}, {3, 3}},                   {{1, 1}, {2, 2}},         {{2, 1}},           {EitherNotOpp({0, 0}, {4, 4}), EitherNotOpp({1, 0}, {1, 4})}, {1, 1},  {1, 1}},
    {41, {1, 3},      {1, 3},      {{1, 1}, {3, 1}},                   {{1, 3}, {2, 2}},         {{2, 3}},           {EitherNotOpp({0, 4}, {4, 0}), EitherNotOpp({1, 0}, {1, 4})}, {1, 3},  {1, 1}},
    {42, {1, 3},      {1, 3},      {{1, 1}, {3, 3}},                   {{1, 3}, {2, 2}},         {{2, 3}},           {EitherNotOpp({0, 0}, {4, 4}), EitherNotOpp({1, 0}, {1, 4})}, {1, 3},  {1, 1}},
    {43, {1, 3},      {1, 3},      {{1, 3}, {3, 1}},                   {{1, 1}, {2, 2}},         {{2, 3}},           {EitherNotOpp({0, 4}, {4, 0}), EitherNotOpp({1, 0}, {1, 4})}, {1, 1},  {1, 1}},
    // Rules 46 and 47 run without letting the window process events.
    {46, {1, 3},      {4, 7},      {{0, 0}, {1, -3}, {1, 0}, {3, -3}}, {{1, -1}, {2, -2}},       {{2, -1}, {3, -2}}, {},                                                           {1, -1}, kTwoThreats, Yield::Never},
    {47, {1, 3},      {1, 4},      {{0, 0}, {1, 0}, {1, 3}, {3, 3}},   {{1, 1}, {2, 2}},         {{2, 1}, {3, 2}},   {},                                                           {1, 1},  kTwoThreats, Yield::Never},
    {48, {1, 3},      {1, 4},      {{0, 3}, {2, 0}, {2, 3}, {3, 0}},   {{2, 1}, {2, 2}},         {{3, 1}, {3, 2}},   {},                                                           {2, 1},  kTwoThreats},
    {49, {1, 3},      {1, 4},      {{0, 0}, {2, 0}, {2, 3}, {3, 3}},   {{2, 1}, {2, 2}},         {{3, 1}, {3, 2}},   {},                                                           {2, 2},  kTwoThreats},
    {50, {1, 3},      {1, 3},      {{1, 0}, {1, 1}, {1, 2}},           {{0, 1}},                 {},                 {BothNotX({2, 3}, {3, 4})},                                   {0, 1},  {1, 1}},
    {51, {1, 3},      {1, 3},      {{1, 2}, {1, 3}, {1, 4}},           {{0, 3}},                 {},                 {BothNotX({2, 1}, {3, 0})},                                   {0, 3},  {1, 1}},
    {54, {2, 4},      {1, 4},      {{0, 0}, {0, 2}, {1, 1}, {2, 0}},   {{0, 1}, {0, 3}},         {},                 {},                                                           {0, 1},  kTwoThreats},
    {55, {2, 4},      {1, 4},      {{0, 1}, {0, 3}, {1, 2}, {2, 3}},   {{0, 0}, {0, 2}},         {},                 {},                                                           {0, 2},  kTwoThreats},
    {64, {1, 3},      {1, 4},      {{1, 0}, {1, 1}, {2, 0}, {2, 1}},   {{0, 0}, {2, 2}},         {},                 {NotOpp({3, 3})},                                             {0, 0},  {17, 15}},
    {65, {1, 3},      {1, 4},      {{1, 2}, {1, 3}, {2, 2}, {2, 3}},   {{0, 3}, {2, 1}},         {},                 {NotOpp({3, 0})},                                             {0, 3},  {17, 15}},
}};

inline constexpr std::array<PrepareRule, 7> kPrepareRules{{
//   no. rows    columns X at                              empty                     target  supported    deduction own / other
    {3,  {1, 3}, {1, 4}, {{0, 0}, {1, 1}, {3, 0}, {3, 1}}, {{3, 2}, {3, 3}},         {3, 3}, kTwoThreats, {3, 0}},
    {4,  {1, 3}, {1, 4}, {{0, 3}, {1, 2}, {3, 2}, {3, 3}}, {{3, 0}, {3, 1}},         {3, 0}, kTwoThreats, {3, 0}},
    // The mirror twins 5 and 6 deduct 2 and 3.
    {5,  {1, 3}, {1, 4}, {{0, 0}, {0, 1}, {2, 1}, {3, 0}}, {{0, 3}, {1, 2}},         {0, 3}, {25, 23},    {2, 0}},
    {6,  {1, 3}, {1, 4}, {{0, 2}, {0, 3}, {2, 2}, {3, 3}}, {{0, 0}, {1, 1}},         {0, 0}, {25, 23},    {3, 0}},
    {44, {1, 3}, {1, 3}, {{2, 0}, {2, 4}},                 {{0, 2}, {1, 1}, {1, 3}}, {0, 2}, {2, 2},      {1, 0}},
    // Rules 52 and 53 deduct in both passes.
    {52, {2, 4}, {1, 4}, {{0, 0}, {0, 1}, {1, 1}, {2, 0}}, {{0, 2}, {0, 3}},         {0, 2}, kTwoThreats, {5, 15}},
    {53, {2, 4}, {1, 4}, {{0, 2}, {0, 3}, {1, 2}, {2, 3}}, {{0, 0}, {0, 1}},         {0, 1}, kTwoThreats, {5, 15}},
}};
// clang-format on

}  // namespace tessora::linepatterns
