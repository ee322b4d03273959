// Particle emitters: presets, spawning, motion and the three-key colour fade.
#include "engine/ui/particles.h"

#include <algorithm>
#include <cmath>

#include "engine/frame/game.h"
#include "engine/render/render_device.h"
#include "engine/resources/pack_texture.h"
#include "engine/ui/colour4.h"

namespace {

// How much larger than its nominal point size a particle is drawn. The value makes the presets
// read as sparks and flakes of 12 to 50 pixels on a 768-pixel-high screen.
constexpr int kPointSizeMultiplier = 100;
constexpr float kTwoPi = 6.2831855f;

float RandomIn(float lo, float hi) {
    return WUN::ST_GAME::GetInstance()->RandFloat(lo, hi);
}

}  // namespace

namespace WUN {

PARTIC::PARTIC(const char* texture_name, int, int max_particles)
    : device_(ST_GAME::GetInstance()->GetRender()), max_particles_(max_particles) {
    points_.texture = LoadNamedTexture(*device_, texture_name, false);
    points_.multiplier = kPointSizeMultiplier;
    points_.point_size = 0.15f;
    SetType(3);
}

PARTIC::~PARTIC() {
    device_->ReleaseTexture(points_.texture);
    FreeParticles();
}

void PARTIC::FreeParticles() {
    WPOINT_PARTICLE* p = points_.head;
    while (p != nullptr) {
        WPOINT_PARTICLE* next = p->next;
        delete static_cast<PARTICLE*>(p);
        p = next;
    }
    points_.head = nullptr;
    count_ = 0;
}

void PARTIC::SetType(int type) {
    // A preset starts a fresh emitter: particles still alive are freed, not leaked.
    FreeParticles();
    const WINT_POINT centre = ST_GAME::GetInstance()->Centre;
    SetSpawnPosition(centre.x, centre.y);
    particle.alive = true;
    burst_count_ = 0;
    points_.blend = 5;
    particle.x = spawn_x_;
    particle.y = spawn_y_;
    emitting_ = false;

    auto set_motion = [this](float life, float vx, float vy, float ax, float ay) {
        particle.z = 0.0f;
        particle.life = life;
        particle.vx = vx;
        particle.vy = vy;
        particle.vz = 0.0f;
        particle.drag = 0.0f;
        particle.max_speed = 100.0f;
        particle.ax = ax;
        particle.ay = ay;
        particle.az = 0.0f;
    };
    auto set_colours = [this](uint32_t start, uint32_t middle, uint32_t end) {
        start_colour = start;
        middle_colour = middle;
        end_colour = end;
        particle.colour = start;
    };
    auto set_wobble = [this](float amplitude, float frequency) {
        particle.wobble_sx = amplitude;
        particle.wobble_sy = amplitude;
        particle.wobble_cx = amplitude;
        particle.wobble_cy = amplitude;
        particle.wobble_frequency = frequency;
    };
    switch (type) {
        case 0:  // drifting embers
            points_.point_size = 0.15f;
            spread = 2.5132742f;
            set_motion(3.5f, 3.0f, 8.0f, 6.0f, 10.0f);
            set_colours(0x00FF2400, 0xFFFF2400, 0x0003C03C);
            set_wobble(1.0f, 10.0f);
            SetRate(15.0f);
            break;
        case 1:  // rising flame, built on preset 3
            SetType(3);
            points_.point_size = 0.5f;
            spread = 1.5707964f;
            set_motion(4.0f, 0.0f, 5.0f, 0.0f, -8.0f);
            set_colours(0xFFFF2400, 0xFFFF2400, 0xFFFF2400);
            set_wobble(1.0f, 10.0f);
            SetRate(100.0f);
            break;
        case 2:  // sparks in every direction; the rate is kept
            points_.point_size = 0.12f;
            spread = kTwoPi;
            set_motion(1.8f, 15.0f, 0.0f, 0.0f, 0.0f);
            set_colours(0x00FF2400, 0xFFCFB53B, 0x00CCFF00);
            set_wobble(2.0f, 20.0f);
            break;
        case 3:  // falling snow
            points_.point_size = 0.3f;
            spread = 0.0f;
            set_motion(5.0f, 0.0f, 5.0f, 0.0f, 15.0f);
            set_colours(0xFF003399, 0x006077A6, 0xFFFFFFFF);
            set_wobble(0.0f, 10.0f);
            SetRate(1.0f);
            break;
        default:
            break;
    }
}

void PARTIC::SetRate(float rate) {
    rate_ = rate;
    spawn_interval_ = 1.0f / rate;
    spawn_timer_ = 0.0f;
}

void PARTIC::SetSpawnPosition(int x, int y) {
    spawn_x_ = static_cast<float>(x);
    spawn_y_ = static_cast<float>(y);
}

void PARTIC::Spawn(float x, float y) {
    PARTICLE* p = new PARTICLE(particle);
    p->x = x;
    p->y = y;
    // Uniformly within spread / 2 either side of the template's direction.
    const float angle = spread / 2.0f - RandomIn(0.0f, spread);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    p->vx = particle.vx * c - particle.vy * s;
    p->vy = particle.vx * s + particle.vy * c;
    p->wobble_sx = RandomIn(0.0f, particle.wobble_sx);
    p->wobble_sy = RandomIn(0.0f, particle.wobble_sy);
    p->wobble_cx = RandomIn(0.0f, particle.wobble_cx);
    p->wobble_cy = RandomIn(0.0f, particle.wobble_cy);
    p->life = RandomIn(particle.life / 2.0f, particle.life);
    p->next = points_.head;
    points_.head = p;
    ++count_;
}

void PARTIC::Start() {
    for (int i = 0; i < burst_count_; ++i) {
        Spawn(particle.x, particle.y);
    }
    emitting_ = true;
}

void PARTIC::Emit(int n) {
    EmitAt(n, static_cast<int>(particle.x), static_cast<int>(particle.y));
}

void PARTIC::EmitAt(int n, int x, int y) {
    for (int i = 0; i < n; ++i) {
        Spawn(static_cast<float>(x), static_cast<float>(y));
    }
}

bool PARTIC::SpawnIsDue() const {
    return emitting_ && spawn_timer_ >= spawn_interval_ && count_ < max_particles_;
}

void PARTIC::SpawnDue() {
    if (SpawnIsDue()) {
        Spawn(spawn_x_, spawn_y_);
        spawn_timer_ = 0.0f;
    }
}

void PARTIC::Advance(PARTICLE& p, float t) const {
    const COLOUR4 start = ToColour4(start_colour);
    const COLOUR4 middle = ToColour4(middle_colour);
    const COLOUR4 end = ToColour4(end_colour);
    const float half = p.life / 2.0f;
    // A particle without life is at its end at once, rather than at 0 / 0.
    const float f = half > 0.0f ? p.age / half : 2.0f;
    // Start to middle over the first half, middle to end over the second.
    p.colour = ToArgb(p.age < half ? Mix(start, middle, f) : Mix(middle, end, f - 1.0f));

    const float w = p.wobble_frequency * p.age;
    p.vx += p.wobble_sx * std::sin(w) * t;
    p.vy += p.wobble_sy * std::sin(w) * t;
    p.vx += p.wobble_cx * std::cos(w) * t;
    p.vy += p.wobble_cy * std::cos(w) * t;
    p.vx = std::min(p.vx + p.ax * t - p.drag * t, p.max_speed);
    p.vy = std::min(p.vy + p.ay * t - p.drag * t, p.max_speed);
    p.vz = std::min(p.vz + p.az * t - p.drag * t, p.max_speed);
    p.x += p.vx * t;
    p.y += p.vy * t;
    p.z += p.vz * t;
}

int PARTIC::Update(int, float) {
    const float t = ST_GAME::GetInstance()->GetFrameTime();
    spawn_timer_ += t;
    SpawnDue();

    WPOINT_PARTICLE** link = &points_.head;
    while (*link != nullptr) {
        PARTICLE* p = static_cast<PARTICLE*>(*link);
        if (p->alive) {
            link = &p->next;
            continue;
        }
        *link = p->next;
        delete p;
        --count_;
    }

    for (WPOINT_PARTICLE* q = points_.head; q != nullptr; q = q->next) {
        PARTICLE& p = *static_cast<PARTICLE*>(q);
        // Marked now, no longer drawn, removed by the next update.
        if (p.age > p.life) {
            p.alive = false;
            continue;
        }
        p.age += t;
        Advance(p, t);
    }
    return 0;
}

int PARTIC::Draw(int) {
    device_->DrawPoints(points_);
    return 0;
}

}  // namespace WUN

void PARTIC_CIRCLE::SetCircle(int cx, int cy, int radius) {
    circle_x_ = cx;
    circle_y_ = cy;
    radius_ = radius;
}

void PARTIC_CIRCLE::SpawnOnDisc(int x, int y) {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    const float r = static_cast<float>(game->RandInt(0, radius_));
    const float a = game->RandFloat(0.0f, kTwoPi);
    Spawn(static_cast<float>(x) + std::cos(a) * r, static_cast<float>(y) + std::sin(a) * r);
}

void PARTIC_CIRCLE::EmitAt(int n, int x, int y) {
    for (int i = 0; i < n; ++i) {
        SpawnOnDisc(x, y);
    }
}

void PARTIC_CIRCLE::SpawnDue() {
    if (SpawnIsDue()) {
        SpawnOnDisc(circle_x_, circle_y_);
        spawn_timer_ = 0.0f;
    }
}
