// WTIMER: the millisecond frame timer with a capped delta.
#pragma once

#include <cstdint>

class WTIMER {
  public:
    using Clock = uint32_t (*)();

    // cap: largest delta in seconds (0 = no cap). clock: the millisecond tick, platform's by
    // default; tests pass their own to drive it.
    explicit WTIMER(float cap, Clock clock = nullptr);

    // Advances to the current tick; delta = seconds since the previous Tick, capped. Returns 0.
    int Tick();
    float GetDelta() const { return delta; }
    uint32_t GetNow() const { return now; }

    uint32_t start;      // ms tick at construction
    float delta = 0.0f;  // seconds
    uint32_t now;        // ms tick of the last Tick
    uint32_t last;       // ms tick of the previous Tick
    float cap;           // seconds
    float ratio = 0.0f;  // cap / uncapped delta of the last capped Tick

  private:
    Clock clock_;
};
