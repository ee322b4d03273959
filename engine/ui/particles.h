// Point-sprite particles: the emitter WUN::PARTIC with its four presets, and PARTIC_CIRCLE,
// which spawns on a disc.
#pragma once

#include <cstdint>

#include "engine/render/point_emitter.h"
#include "engine/ui/object_tree.h"

class WRENDER;

namespace WUN {

// One particle, and the emitter's template for new ones. Logical pixels and seconds.
struct PARTICLE : WPOINT_PARTICLE {
    float age = 0.0f;
    float life = 0.0f;
    float vx = 0.0f, vy = 0.0f, vz = 0.0f;  // pixels per second
    float drag = 0.0f;                      // taken off each velocity component per second
    float max_speed = 0.0f;                 // upper bound of each velocity component
    float ax = 0.0f, ay = 0.0f, az = 0.0f;  // pixels per second squared
    // Amplitudes of the sine (s) and cosine (c) terms added to vx and vy.
    float wobble_sx = 0.0f, wobble_sy = 0.0f, wobble_cx = 0.0f, wobble_cy = 0.0f;
    float wobble_frequency = 0.0f;  // radians per second of age
};

// Spawns particles from the template at a fixed rate (while emitting, up to the maximum) or in
// bursts, moves them, fades their colour through three keys over their life and draws the
// living ones as point sprites.
class PARTIC : public WST::ST {
  public:
    // The texture is read by name through the current pack or the loose folder. The second
    // argument is not used. Starts idle with preset 3.
    PARTIC(const char* texture_name, int unused, int max_particles);
    ~PARTIC() override;
    PARTIC(const PARTIC&) = delete;
    PARTIC& operator=(const PARTIC&) = delete;

    // Rate spawning (at most one per frame), removal of the dead, then ageing, colour and
    // motion by the frame delta. Returns 0.
    int Update(int flag, float step) override;
    int Draw(int flag) override;

    // n particles at the template's position.
    virtual void Emit(int n);
    // n particles at (x, y), whatever the rate, the maximum and the emitting state.
    virtual void EmitAt(int n, int x, int y);
    // One particle at the spawn position when emitting, the interval has passed and the count
    // is below the maximum.
    virtual void SpawnDue();

    // Frees the living particles, applies the common settings and then preset 0..3
    // (others: the common settings only).
    void SetType(int type);
    // Particles per second.
    void SetRate(float rate);
    void SetSpawnPosition(int x, int y);
    // Spawns the burst count at the template's position, then emits by rate.
    void Start();
    // Rate spawning ends; living particles live out their life.
    void Stop() { emitting_ = false; }
    void SetBurstCount(int count) { burst_count_ = count; }
    void SetPointSize(float size) { points_.point_size = size; }

    int GetCount() const { return count_; }
    int GetMaxParticles() const { return max_particles_; }
    bool IsEmitting() const { return emitting_; }
    float GetRate() const { return rate_; }
    float GetPointSize() const { return points_.point_size; }
    int GetBlend() const { return points_.blend; }
    float GetSpawnX() const { return spawn_x_; }
    float GetSpawnY() const { return spawn_y_; }
    // Newest first; follow next.
    const PARTICLE* First() const { return static_cast<const PARTICLE*>(points_.head); }

    // What new particles start from; owners may tune it after SetType.
    PARTICLE particle;
    float spread = 0.0f;  // radians either side of the template velocity, in total
    // The colour keys at age 0, life / 2 and life (ARGB).
    uint32_t start_colour = 0;
    uint32_t middle_colour = 0;
    uint32_t end_colour = 0;

  protected:
    // A new particle from the template at (x, y), with random direction, wobble and life.
    void Spawn(float x, float y);
    // Emitting, the spawn interval has passed and the count is below the maximum.
    bool SpawnIsDue() const;

    float spawn_timer_ = 0.0f;  // seconds since the last rate spawn

  private:
    void FreeParticles();
    void Advance(PARTICLE& p, float t) const;

    WRENDER* device_;
    int burst_count_ = 0;
    bool emitting_ = false;
    WPOINT_EMITTER points_;  // the record DrawPoints reads; owns the texture and the list
    float rate_ = 0.0f;
    int count_ = 0;
    int max_particles_;
    float spawn_interval_ = 0.0f;  // seconds, 1 / rate
    float spawn_x_ = 0.0f;
    float spawn_y_ = 0.0f;
};

}  // namespace WUN

// An emitter that spawns each particle at a random point of a disc: around the circle's centre
// when spawning by rate, around the given point when emitting.
class PARTIC_CIRCLE : public WUN::PARTIC {
  public:
    PARTIC_CIRCLE(const char* texture_name, int unused, int max_particles)
        : PARTIC(texture_name, unused, max_particles) {}

    void EmitAt(int n, int x, int y) override;
    void SpawnDue() override;
    void SetCircle(int cx, int cy, int radius);

  private:
    void SpawnOnDisc(int x, int y);

    int circle_x_ = 0;
    int circle_y_ = 0;
    int radius_ = 0;
};
