// The effect families the worker dispatches to, by effect range. Each takes
// the effect's local number within its family.
#pragma once
#include <cstdint>

namespace lw {

class TTransThread;

void RunSlideEffect(TTransThread& t, int32_t local);        // 1..22
void RunUnfoldEffect(TTransThread& t, int32_t local);       // 23..64
void RunLineDropEffect(TTransThread& t, int32_t local);     // 65..68
void RunBoxOut(TTransThread& t);                            // 69
void RunBoxIn(TTransThread& t);                             // 70
void RunEllipseEffect(TTransThread& t, int32_t local);      // 71..76
void RunPolygonEffect(TTransThread& t, int32_t local);      // 77..95
void RunRandomPatternEffect(TTransThread& t, int32_t local);  // 96..100
void RunSweepEffect(TTransThread& t, int32_t local);        // 101..102
void RunZoomEffect(TTransThread& t, int32_t local);         // 103..114
void RunWholeFadeEffect(TTransThread& t, int32_t local);    // 115..116
void RunFadeUnfoldEffect(TTransThread& t, int32_t local);   // 117..120

}  // namespace lw
