#include "harmony.h"

namespace {

const Chord kAm{45, {57, 60, 64}, {81, 84, 88, 93}};
const Chord kF{41, {57, 60, 65}, {77, 81, 84, 89}};
const Chord kC{48, {55, 60, 64}, {79, 84, 88, 91}};
const Chord kG{43, {55, 59, 62}, {79, 83, 86, 91}};
const Chord kEm{40, {55, 59, 64}, {76, 79, 83, 88}};
const Chord kDm{38, {57, 62, 65}, {77, 81, 86, 89}};

} // namespace

const std::array<Chord, 4> kMainProgression = {kAm, kF, kC, kG};
const std::array<Chord, 4> kLiftProgression = {kF, kG, kEm, kAm};
const std::array<Chord, 4> kEndProgression = {kDm, kF, kG, kAm};

const std::vector<MelodyNote>& Theme() {
    static const std::vector<MelodyNote> theme = {
        {0, 69, 1},    {1, 72, 1},      {2, 76, 1.5}, {3.5, 74, 0.5}, // climbs to E over A minor
        {4, 72, 2},    {6, 69, 1},      {7, 72, 1},                   // rests on C over F
        {8, 67, 1},    {9, 72, 1},      {10, 76, 1},  {11, 79, 1},    // up the C chord
        {12, 74, 1.5}, {13.5, 71, 0.5}, {14, 67, 2},                  // falls to G
    };
    return theme;
}

const std::vector<MelodyNote>& Answer() {
    static const std::vector<MelodyNote> answer = {
        {0, 76, 1},     {1, 74, 0.5}, {1.5, 72, 0.5}, {2, 69, 2},  {4, 77, 1.5},
        {5.5, 76, 0.5}, {6, 72, 2},   {8, 79, 1},     {9, 76, 1},  {10, 72, 1},
        {11, 76, 1},    {12, 74, 2},  {14, 71, 1},    {15, 74, 1}, // ends open on D over G, back to
                                                                   // A
    };
    return answer;
}
